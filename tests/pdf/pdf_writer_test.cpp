// The PDF writer on its own: sheets split from drawings side by side, text
// made safe for the font, texts placed with their heights and rotations
// (read back by poppler), and any drawing the DXF reader accepts rendered
// without error.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>

#include "pdf/pdf_writer.h"
#include "pdf/poppler.h"
#include "pdf/sheet_set.h"
#include "support/database_test_support.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;
using clitest::capture;
using clitest::quote;
using dbtest::ScratchFolder;
using pdftest::pdfInfo;

// A left-aligned text of width factor 1 and colour 7.
DxfTextEntity text(double x, double y, double height, double rotation, std::string s) {
  return {{x, y}, {}, height, rotation, 1, 0, 0, std::move(s), 7};
}

TEST(PdfSheets, SideBySideSheetsSplitAtTheirGaps) {
  DxfEntities e;
  e.lines.push_back({{100, 0}, {114, 0}, 7});       // first sheet's edge
  e.lines.push_back({{130, 0}, {115, 5}, 7});       // second sheet, drawn right to left
  e.texts.push_back(text(114.4, 1, 0.14, 0, "a"));  // in the gap's left half: first sheet
  e.texts.push_back(text(114.6, 1, 0.14, 0, "b"));  // right half: second
  e.texts.push_back(text(135.05, 1, 0.14, 0, "c"));
  e.polylines.push_back({{{130, 0}, {144, 0}, {144, 21.45}, {130, 21.45}}, true, 7});
  e.texts.push_back(text(98, 1, 0.14, 0, "left of all"));
  const auto sheets = splitSideBySide(e, 100, 14, 1);
  ASSERT_EQ(sheets.size(), 3u);
  EXPECT_EQ(sheets[0].lines.size(), 1u);
  ASSERT_EQ(sheets[0].texts.size(), 2u);
  EXPECT_EQ(sheets[0].texts[0].text, "a");
  EXPECT_EQ(sheets[0].texts[1].text, "left of all");
  EXPECT_EQ(sheets[1].lines.size(), 1u);
  ASSERT_EQ(sheets[1].texts.size(), 1u);
  EXPECT_EQ(sheets[1].texts[0].text, "b");
  EXPECT_EQ(sheets[2].polylines.size(), 1u);
  EXPECT_EQ(sheets[2].texts.size(), 1u);
}

TEST(PdfText, ControlCodesAndForeignBytesBecomeValidText) {
  EXPECT_EQ(pdfDisplayText("45%%d SKEW"), "45\u00B0 SKEW");
  EXPECT_EQ(pdfDisplayText("%%c600 %%p0.01 %%uNOTE%%u 100%%%"), "\u00D8600 \u00B10.01 NOTE 100%");
  EXPECT_EQ(pdfDisplayText("tab\there\n"), "tab here ");
  EXPECT_EQ(pdfDisplayText("Stra\337e"), "Stra\u00DFe");                      // Latin-1 byte
  EXPECT_EQ(pdfDisplayText("Stra\u00DFe \u2300"), "Stra\u00DFe \u2300");      // already UTF-8
  EXPECT_EQ(pdfDisplayText("\xE2\x82"), "\u00E2\u0082");                      // cut-off sequence
  EXPECT_EQ(pdfDisplayText("\xC0\xAF"), "\u00C0\u00AF");                      // overlong
  EXPECT_EQ(pdfDisplayText("\xED\xA0\x80"), "\u00ED\u00A0\u0080");            // a surrogate
  EXPECT_EQ(pdfDisplayText("\xF4\x90\x80\x80"), "\u00F4\u0090\u0080\u0080");  // past U+10FFFF
  EXPECT_EQ(pdfDisplayText("%%"), "%%");
}

// A word's box on the page from `pdftotext -bbox`.
struct Box {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
Box wordBox(const std::string& pdf, const std::string& word) {
  const std::string html = capture("pdftotext -bbox " + quote(pdf) + " - 2>/dev/null");
  // <word xMin="1" yMin="2" xMax="3" yMax="4">WORD</word>
  const size_t end = html.find("\">" + word + "<");
  const size_t start = end == std::string::npos ? end : html.rfind("<word ", end);
  if (start == std::string::npos) {
    ADD_FAILURE() << word << " not found in\n" << html;
    return {};
  }
  const std::string tag = html.substr(start, end - start + 1);
  auto attribute = [&](const std::string& name) {
    const size_t at = tag.find(name + "=\"");
    return at == std::string::npos ? 0.0 : std::stod(tag.substr(at + name.size() + 2));
  };
  return {attribute("xMin"), attribute("yMin"), attribute("xMax"), attribute("yMax")};
}

TEST(PdfWriter, TextsKeepTheirPlaceHeightAndRotationAndLinesTheirPlace) {
  ScratchFolder folder;
  const std::string pdf = folder.file("one.pdf");
  PdfSheet sheet;
  sheet.name = "Test sheet";
  sheet.entities.lines.push_back({{0, 0}, {100, 0}, 7});
  sheet.entities.lines.push_back({{0, 50}, {100, 50}, 7});
  sheet.entities.texts.push_back(text(10, 10, 2, 0, "ALPHA"));
  sheet.entities.texts.push_back(text(10, 30, 4, 0, "BRAVO"));
  sheet.entities.texts.push_back(text(60, 10, 2, 90, "CHARLIE"));
  // Right-aligned and centred texts hang on their alignment points, which
  // takes their widths as the font measures them.
  sheet.entities.texts.push_back({{0, 0}, {90, 20}, 2, 0, 1, 2, 0, "DELTA", 7});  // right
  sheet.entities.texts.push_back({{0, 0}, {50, 40}, 2, 0, 1, 1, 0, "ECHO", 7});   // centred
  const WriteResult result = writePdfFile(pdf, Overwrite::No, *pdfPageSize("tabloid"),
                                          {"Tarvello - t.bvp", "t.bvp"}, {sheet});
  ASSERT_TRUE(result.written()) << result.message;
  EXPECT_EQ(pdfInfo(pdf, "Title"), "Tarvello - t.bvp");

  // 100 x 50 units into 1152 x 720 points: 11.52 points a unit, the drawing
  // centred from top to bottom, so y = 0 lies at 792 - 36 - (720 - 576) / 2.
  const double scale = 11.52, left = 36, bottom = 684;
  const Box alpha = wordBox(pdf, "ALPHA"), bravo = wordBox(pdf, "BRAVO"),
            charlie = wordBox(pdf, "CHARLIE");
  EXPECT_NEAR(alpha.xMin, left + 10 * scale, 3);
  EXPECT_GT(alpha.yMax, bottom - 10 * scale);  // the baseline is inside the box
  EXPECT_LT(alpha.yMax, bottom - 10 * scale + 1 * scale);
  EXPECT_NEAR((bravo.yMax - bravo.yMin) / (alpha.yMax - alpha.yMin), 2.0, 0.1);
  EXPECT_NEAR((bravo.xMax - bravo.xMin) / (alpha.xMax - alpha.xMin), 2.0, 0.2);
  // Turned upright: its box is ALPHA's (same height) on its side.
  EXPECT_GT(charlie.yMax - charlie.yMin, 2 * (charlie.xMax - charlie.xMin));
  EXPECT_NEAR(charlie.xMax - charlie.xMin, alpha.yMax - alpha.yMin, 1);
  EXPECT_NEAR(charlie.yMax, bottom - 10 * scale, 3);  // it starts at its insertion point
  const Box right = wordBox(pdf, "DELTA"), centred = wordBox(pdf, "ECHO");
  EXPECT_NEAR(right.xMax, left + 90 * scale, 0.5);
  EXPECT_NEAR((centred.xMin + centred.xMax) / 2, left + 50 * scale, 0.5);

  // The two lines' ink, rendered at 72 dpi (one pixel a point).
  capture("pdftoppm -r 72 -gray -singlefile " + quote(pdf) + " " + quote(folder.file("r")));
  const std::string pgm = dbtest::readBytes(folder.file("r.pgm"));
  const size_t start = pgm.size() - 1224 * 792;
  auto ink = [&](int row) {  // dark pixels of the row between the margins
    int dark = 0;
    for (size_t x = 40; x < 1180; ++x)
      dark += static_cast<unsigned char>(pgm[start + static_cast<size_t>(row) * 1224 + x]) < 200;
    return dark;
  };
  const int base = static_cast<int>(bottom), top = static_cast<int>(bottom - 50 * scale);
  EXPECT_GT(ink(base - 1) + ink(base), 1000);
  EXPECT_GT(ink(top - 1) + ink(top), 1000);
  EXPECT_EQ(ink(top + 20), 0);
}

TEST(PdfWriter, ExistingFileAndNothingToDraw) {
  ScratchFolder folder;
  const std::string pdf = folder.writeFile("kept.pdf", "mine");
  PdfSheet sheet{{}, "empty"};
  EXPECT_EQ(writePdfFile(pdf, Overwrite::No, pdfPageSizes().front(), {}, {sheet}).status,
            WriteResult::Status::Exists);
  EXPECT_EQ(dbtest::readBytes(pdf), "mine");
  const WriteResult none =
      writePdfFile(folder.file("none.pdf"), Overwrite::Yes, pdfPageSizes().front(), {}, {});
  EXPECT_EQ(none.status, WriteResult::Status::Failed);
  EXPECT_FALSE(fs::exists(folder.file("none.pdf")));
  // An empty sheet is still a page, with its footer.
  ASSERT_TRUE(
      writePdfFile(folder.file("blank.pdf"), Overwrite::No, pdfPageSizes().front(), {}, {sheet})
          .written());
  EXPECT_NE(pdftest::pdfText(folder.file("blank.pdf")).find("1 of 1"), std::string::npos);
}

// Whatever the reader hands over (values the writer never makes included)
// gives a readable PDF, never a failure.
TEST(PdfWriter, AnyEntitiesRenderIntoAReadablePdf) {
  ScratchFolder folder;
  std::mt19937 random(14);
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  const double specials[] = {0, -0.0, 1e-300, 1e300, -1e300, inf, nan, -5, 3.5};
  auto value = [&]() {
    if (random() % 5 == 0) return specials[random() % std::size(specials)];
    return std::uniform_real_distribution<double>(-1000, 1000)(random);
  };
  auto point = [&]() { return DxfPoint{value(), value()}; };
  for (int round = 0; round < 60; ++round) {
    std::vector<PdfSheet> sheets(1 + random() % 3);
    for (PdfSheet& sheet : sheets) {
      DxfEntities& e = sheet.entities;
      const int n = static_cast<int>(random() % 12);
      for (int i = 0; i < n; ++i) {
        e.lines.push_back({point(), point(), static_cast<int>(random() % 300) - 20});
        e.circles.push_back({point(), value(), static_cast<int>(random() % 260)});
        e.arcs.push_back({point(), value(), value(), value(), 7});
        DxfPolylineEntity p;
        for (int k = static_cast<int>(random() % 4); k > 0; --k) p.points.push_back(point());
        p.closed = random() % 2;
        e.polylines.push_back(p);
        DxfTextEntity t = text(value(), value(), value(), value(), "");
        t.alignment = point();
        t.widthFactor = value();
        t.hAlign = static_cast<int>(random() % 8) - 1;
        t.vAlign = static_cast<int>(random() % 6) - 1;
        for (int k = static_cast<int>(random() % 20); k > 0; --k)
          t.text += static_cast<char>(random() % 256);
        e.texts.push_back(t);
      }
      for (int k = static_cast<int>(random() % 8); k > 0; --k)
        sheet.name += static_cast<char>(random() % 256);
    }
    const std::string pdf = folder.file("random.pdf");
    const WriteResult result = writePdfFile(pdf, Overwrite::Yes, pdfPageSizes()[random() % 5],
                                            {"\xFFtitle", "\x01"}, sheets);
    ASSERT_TRUE(result.written()) << "round " << round << ": " << result.message;
    if (round % 10 == 0) {
      EXPECT_EQ(pdfInfo(pdf, "Pages"), std::to_string(sheets.size())) << round;
    }
  }
}

// Every drawing of the reader's test corpus and the writer's golden files.
TEST(PdfWriter, EveryDrawingTheReaderAcceptsRenders) {
  ScratchFolder folder;
  int rendered = 0;
  for (const char* dir : {TARVELLO_SOURCE_DIR "/tests/fuzz/corpus/dxf_read",
                          TARVELLO_SOURCE_DIR "/tests/dxf/golden"}) {
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      const DxfReadResult read = readDxfFile(entry.path().string());
      if (!read.ok) continue;
      const std::string pdf = folder.file("corpus.pdf");
      const WriteResult result =
          writePdfFile(pdf, Overwrite::Yes, pdfPageSizes().front(), {"t", "s"},
                       {{read.entities, entry.path().filename().string()}});
      EXPECT_TRUE(result.written()) << entry.path() << ": " << result.message;
      EXPECT_EQ(pdfInfo(pdf, "Pages"), "1") << entry.path();
      ++rendered;
    }
  }
  EXPECT_GE(rendered, 4);
}

}  // namespace
}  // namespace tarvello
