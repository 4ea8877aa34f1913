// The summary of quantities counted by hand from the example projects, and
// both reports read back from the workbook by openpyxl and from the PDF set
// by poppler.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "excel/excel_export.h"
#include "excel/workbook_reader.h"
#include "excel/xlsx_workbook.h"
#include "pdf/poppler.h"
#include "pdf/sheet_set.h"
#include "pdf/table_pages.h"
#include "profile/profile_drawings.h"
#include "reports/hgl_sheet.h"
#include "reports/quantities.h"
#include "reports/report_runs.h"

namespace tarvello {
namespace {

using namespace tarvello::reporttest;

// Counted from examples/*/…pipe.txt (the pipes that drain to outfall 1,
// length x barrels) and from the structure tables of the two runs (each
// structure once; top minus bottom).
TEST(Quantities, BothExamplesCountedByHand) {
  const TracedRun h = highway();
  EXPECT_EQ(quantitiesCsv(h.tables, h.trace, true),
            csvLines({
                "Group,Shape,Size,Material,Barrels,Std,Type,Count,Quantity,Unit",
                "Pipe,Arch,42X29,CMP,1,,,1,212.9,ft",
                "Pipe,Box,60X36,Concrete,1,,,1,190.0,ft",
                // 2 x 230.03 + ... : the eleven 15 in pipes come to 2,145.89 ft.
                "Pipe,Circular,15,Concrete,1,,,11,2145.9,ft",
                "Pipe,Circular,18,Concrete,1,,,5,784.5,ft",
                "Pipe,Circular,24,CMP,1,,,1,181.1,ft",
                "Pipe,Circular,24,Concrete,1,,,5,943.6,ft",
                "Pipe,Circular,30,CMP,3,,,1,603.1,ft",  // 3 x 201.02
                "Pipe,Circular,36,Concrete,1,,,2,460.1,ft",
                "Pipe,Circular,42,Concrete,2,,,1,229.2,ft",  // 2 x 114.61
                "Pipe,Circular,48,Concrete,1,,,1,230.0,ft",
                "Pipe,Elliptical,30X19,Concrete,1,,,1,62.0,ft",
                "Pipe,Rectangulr,36X24,Concrete,1,,,1,80.5,ft",
                // Structure 3 has no lid; its estimated top counts.
                "Structure,,,,,-,Other,1,4.0,ft",
                "Structure,,,,,DI-1,Inlet,1,6.4,ft",
                "Structure,,,,,DI-3B,Inlet,15,103.0,ft",
                "Structure,,,,,DI-7,Inlet,4,20.2,ft",
                "Structure,,,,,ES-2,End Section,1,4.0,ft",
                "Structure,,,,,ES-3,End Section,1,4.4,ft",
                "Structure,,,,,EW-6S,End Wall,1,4.5,ft",
                "Structure,,,,,EW-7S,End Wall,1,5.8,ft",  // 402.25 - 396.50
                // Junctions 2, 4 and 8, each listed on several branches, count once.
                "Structure,,,,,JB-1,Junction Box,3,24.0,ft",
                "Structure,,,,,MH-1/MH-2,Man Hole,2,20.2,ft",
                "Structure,,,,,TBD,Inlet,2,11.2,ft",
            }));

  const TracedRun m = metric();
  EXPECT_EQ(quantitiesCsv(m.tables, m.trace, false),
            csvLines({
                "Group,Shape,Size,Material,Barrels,Std,Type,Count,Quantity,Unit",
                "Pipe,Circular,375,Concrete,1,,,5,325.0,m",
                "Pipe,Circular,450,Concrete,1,,,2,89.0,m",
                "Pipe,Circular,525,Concrete,1,,,1,80.0,m",
                "Pipe,Circular,900,Concrete,1,,,1,45.5,m",
                "Pipe,Circular,1200,Concrete,1,,,1,35.4,m",
                "Structure,,,,,DI-3B,Inlet,6,13.5,m",
                "Structure,,,,,ES-1,End Section,1,1.9,m",  // 56.05 - 54.20, not 1.8
                "Structure,,,,,EW-1,End Wall,1,1.7,m",     // 56.78 - 55.13
                "Structure,,,,,JB-1,Junction Box,1,4.0,m",
                "Structure,,,,,MH-1/MH-2,Man Hole,1,2.7,m",
                "Structure,,,,,TBD,Inlet,1,2.3,m",
            }));
}

TEST(Quantities, BarrelsAndHeightsTheWalkCouldNotRead) {
  using namespace tarvello::testing;
  // Barrels of 0 and empty are one barrel, as the walk takes them; a box's
  // size is span X rise; a structure without a top number leaves its
  // group's height empty.
  TracedRun run = traced(sessionWith(
      {pipeRecord(
           "P1", "O", "A",
           fields({"NUMOFPIPES", "0", "PIPE_LENGTH", "10.25", "NODEOUT_TYPE", q("End Wall")})),
       pipeRecord("P2", "A", "B",
                  fields({"NUMOFPIPES", "NULL", "PIPE_LENGTH", "20.3", "PIPE_ELEOUT", "101"})),
       pipeRecord("P3", "B", "C",
                  fields({"PIPE_SHAPE", q("Box"), "SPAN", "48", "RISE", "36", "NUMOFPIPES", "2",
                          "PIPE_LENGTH", "7.5", "PIPE_ELEOUT", "102", "PIPE_ELEIN", "103",
                          "NODEIN_TOPELE", q("n/a")}))},
      "O"));
  EXPECT_EQ(quantitiesCsv(run.tables, run.trace, true),
            csvLines({
                "Group,Shape,Size,Material,Barrels,Std,Type,Count,Quantity,Unit",
                "Pipe,Box,48X36,Concrete,2,,,1,15.0,ft",
                "Pipe,Circular,24,Concrete,1,,,2,30.6,ft",  // 10.25 + 20.3 = 30.55
                "Structure,,,,,EW-1,End Wall,1,8.0,ft",     // 108 - 100
                "Structure,,,,,MH-1/MH-2,Man Hole,3,,ft",   // C's top is "n/a"
            }));
}

// Cells of a worksheet as openpyxl reads them, row by row from A1.
std::vector<std::vector<std::string>> sheetRows(const xltest::ReadSheet& sheet, size_t columns) {
  std::vector<std::vector<std::string>> rows(static_cast<size_t>(sheet.lastRowWithValue()),
                                             std::vector<std::string>(columns));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < columns; ++c)
      rows[r][c] = sheet.value(columnName(static_cast<int>(c) + 1) + std::to_string(r + 1));
  return rows;
}

TEST(Reports, WorkbookCarriesTheSheetAndTheSummaryAfterTheSchedules) {
  const TracedRun run = highway();
  const ProfileTables& t = run.tables;
  const xltest::ScratchFolder scratch;
  const std::string templatePath =
      std::string(TARVELLO_BINARY_DIR) + "/bin/" + kSchedulesTemplateName;
  const ExtraWorksheet hgl = hglWorksheet(run.trace, t);
  const ExtraWorksheet quantities = quantitiesWorksheet(t, run.trace, true);
  Warnings warnings;
  const std::string target = scratch.file("book.xlsx");
  ASSERT_TRUE(exportSchedules(t, true, templatePath, target, Overwrite::Yes, warnings,
                              std::vector<const ExtraWorksheet*>{&hgl, &quantities})
                  .written());
  const xltest::ReadWorkbook book = xltest::readWithOpenpyxl(target);
  ASSERT_TRUE(book.ok) << book.output;
  ASSERT_EQ(book.sheets.size(), 4u);
  EXPECT_TRUE(book.sheets[0].active);
  EXPECT_EQ(book.sheets[2].title, "HGL Computation");
  EXPECT_EQ(book.sheets[3].title, "Quantities");
  EXPECT_TRUE(book.sheets[2].ordered && book.sheets[3].ordered);
  EXPECT_EQ(sheetRows(book.sheets[2], 26), hglSheetRows(run.trace, t));
  EXPECT_EQ(sheetRows(book.sheets[3], 10), quantitiesRows(t, run.trace, true));
  EXPECT_EQ(book.sheets[2].type("A2"), "s");  // cells are text, as the CSV has them
}

// Words or cells joined by single blanks, empty ones left out.
std::string joined(const std::vector<std::string>& words) {
  std::string line;
  for (const auto& word : words)
    if (!word.empty()) line += (line.empty() ? "" : " ") + word;
  return line;
}

// The page's text lines as poppler lays them out, blanks runs closed up.
std::vector<std::string> pageLines(const std::string& pdf, int page) {
  std::vector<std::string> lines;
  std::istringstream in(pdftest::pdfText(pdf, page));
  for (std::string line; std::getline(in, line);) {
    std::istringstream split(line);
    const std::vector<std::string> words{std::istream_iterator<std::string>(split), {}};
    if (!words.empty()) lines.push_back(joined(words));
  }
  return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(Reports, PdfSetEndsWithTheSheetAndTheSummary) {
  const TracedRun run = highway();
  const ProfileTables& t = run.tables;
  const xltest::ScratchFolder scratch;
  Warnings warnings;
  const ProfileSettings settings =
      profileSettings(5.0f, "ENGLISH", run.result.tailWaterText, warnings);
  const PdfPageSize size = *pdfPageSize("tabloid");

  const std::string base = scratch.file("base.pdf");
  ASSERT_TRUE(
      writeSheetSetPdf(t, settings, true, size, "highway.bvp", base, Overwrite::Yes, warnings)
          .written());
  const int basePages = std::stoi(pdftest::pdfInfo(base, "Pages"));

  const auto hglRows = hglSheetRows(run.trace, t);
  const auto quantityRows = quantitiesRows(t, run.trace, true);
  std::vector<PdfSheet> pages = tablePages(hglRows, "HGL Computation", size);
  const std::vector<PdfSheet> summary = tablePages(quantityRows, "Quantities", size);
  ASSERT_EQ(pages.size(), 1u);  // 41 rows fit a tabloid page
  ASSERT_EQ(summary.size(), 1u);
  pages.insert(pages.end(), summary.begin(), summary.end());
  const std::string pdf = scratch.file("set.pdf");
  ASSERT_TRUE(writeSheetSetPdf(t, settings, true, size, "highway.bvp", pdf, Overwrite::Yes,
                               warnings, &pages)
                  .written());
  ASSERT_EQ(pdftest::pdfInfo(pdf, "Pages"), std::to_string(basePages + 2));
  EXPECT_EQ(pdftest::pdfInfo(pdf, "Page size"), pdftest::pdfInfo(base, "Page size"));

  const auto sheet = pageLines(pdf, basePages + 1);
  for (size_t r = 1; r < hglRows.size(); ++r)
    EXPECT_TRUE(hasLine(sheet, joined(hglRows[r]))) << joined(hglRows[r]);
  // A head of several words stands on two lines, a head of one word on the lower.
  EXPECT_TRUE(hasLine(sheet, "Branch Str Pipe Inflow Shaping Hout HGL HGL"))
      << pdftest::pdfText(pdf, basePages + 1);
  EXPECT_TRUE(hasLine(sheet,
                      "ID # No Qb D n L Sf hf V Ho Vm Hv Htheta Hj Qin Factor Factor Hs "
                      "Hout Rule Hin Raised W Elev-Low Elev-High"));
  EXPECT_TRUE(hasLine(sheet, "HGL Computation highway.bvp " + std::to_string(basePages + 1) +
                                 " of " + std::to_string(basePages + 2)));

  const auto last = pageLines(pdf, basePages + 2);
  for (size_t r = 1; r < quantityRows.size(); ++r)
    EXPECT_TRUE(hasLine(last, joined(quantityRows[r]))) << joined(quantityRows[r]);
  EXPECT_TRUE(hasLine(last, "Quantities highway.bvp " + std::to_string(basePages + 2) + " of " +
                                std::to_string(basePages + 2)));
}

// A sheet longer than a page: the heads stand on every page, the rows follow
// each other without a gap or a repeat, and each page names its sheet.
TEST(Reports, LongTablesRepeatTheirHeadsOnEveryPage) {
  std::vector<std::vector<std::string>> rows = {{"Row", "Name", "Value"}};
  for (int i = 1; i <= 150; ++i)
    rows.push_back({std::to_string(i), "S-" + std::to_string(i), formatFixed(i * 0.25, 2)});
  const PdfPageSize size = *pdfPageSize("letter");
  const std::vector<PdfSheet> pages = tablePages(rows, "Long Table", size);
  ASSERT_GE(pages.size(), 2u);
  const xltest::ScratchFolder scratch;
  const std::string pdf = scratch.file("long.pdf");
  ASSERT_TRUE(writePdfFile(pdf, Overwrite::Yes, size, {"Long", ""}, pages).written());
  int next = 1;
  for (size_t p = 0; p < pages.size(); ++p) {
    EXPECT_EQ(pages[p].name,
              "Long Table, sheet " + std::to_string(p + 1) + " of " + std::to_string(pages.size()));
    const auto lines = pageLines(pdf, static_cast<int>(p) + 1);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Row Name Value") << "page " << p + 1;
    for (size_t k = 1; k < lines.size() && next < 151 && lines[k] == joined(rows[next]); ++k)
      ++next;
  }
  EXPECT_EQ(next, 151);
}

}  // namespace
}  // namespace tarvello
