#include "dxf/dxf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "support/dxf.h"
#include "support/scripted_ui.h"

namespace tarvello {
namespace {

using testing::ScratchFolder;
namespace fs = std::filesystem;

const std::string kGoldenDir = std::string(TARVELLO_SOURCE_DIR) + "/tests/dxf/golden/";

struct GoldenCase {
  std::string file;
  std::function<void(DxfDrawing&)> draw;
};

std::vector<GoldenCase> goldenCases() {
  return {
      {"empty.dxf", [](DxfDrawing&) {}},
      {"one_line.dxf", [](DxfDrawing& d) { d.dxfLine("10", 600, 0, 0, 600, 525, 0, 0); }},
      {"one_rectangle.dxf",
       [](DxfDrawing& d) { d.dxfRectangle("3", 0.75, -12.4, 1, 600, 8.25, 2); }},
      {"empty_text.dxf", [](DxfDrawing& d) { d.dxfText("1", 2.5, 0.75, 0, 0.14, 90, 0.75, ""); }},
      {"one_circle.dxf", [](DxfDrawing& d) { d.dxfCircle("2", 520.5, -3, 0, 1.5); }},
  };
}

// Writes a drawing held in memory into `path`; a failure is shown on `ui` as
// the commands show it.
bool writeDrawing(const DxfDrawing& drawing, const std::string& path, ScriptedUi& ui) {
  DxfFile file(path);
  const std::string reason = file.finish(drawing);
  if (!reason.empty()) ui.showMessage(dxfFailedMessage(path, reason), MessageIcon::Exclamation);
  return reason.empty();
}

// Draws `count` lines while streaming them to `path`, as the operations do.
bool writeStreamed(const std::string& path, int count, ScriptedUi& ui) {
  const WriteResult result = writeDxfFile(path, Overwrite::Yes, [count](DxfDrawing& drawing) {
    for (int i = 0; i < count; ++i) drawing.dxfLine("10", i, 0.5, 0, i, 525.25, 0, i % 256);
  });
  if (!result.written()) ui.showMessage(result.message, MessageIcon::Exclamation);
  return result.written();
}

TEST(DxfWriterFile, SmallDrawingsMatchTheirGoldenFilesByteForByte) {
  ScratchFolder scratch;
  for (const auto& c : goldenCases()) {
    SCOPED_TRACE(c.file);
    DxfDrawing drawing;
    c.draw(drawing);
    ScriptedUi ui;
    ASSERT_TRUE(writeDrawing(drawing, scratch.file(c.file), ui));
    const std::string written = testing::readBytes(scratch.file(c.file));
    const std::string expected = testing::goldenAsWritten(kGoldenDir + c.file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(testing::linesOf(written), testing::linesOf(expected));
    EXPECT_EQ(written, expected);  // also every line end is CR LF, the last one included
    EXPECT_EQ(drawing.fileLines(), testing::linesOf(expected));
  }
}

TEST(DxfWriterFile, EzdxfReadsEveryGoldenDrawingWithoutAuditFindings) {
  if (!testing::ezdxfAvailable()) GTEST_SKIP() << "ezdxf is not installed";
  ScratchFolder scratch;
  DxfDrawing drawing;
  for (const auto& c : goldenCases()) c.draw(drawing);
  drawing.dxfRectangle("0", 100, 0, 0, 114, 21.45, 0);  // two rectangles must both survive
  ScriptedUi ui;
  ASSERT_TRUE(writeDrawing(drawing, scratch.file("all.dxf"), ui));
  auto counts = testing::ezdxfCounts(scratch.file("all.dxf"), scratch.path());
  EXPECT_EQ(counts["errors"], 0);
  EXPECT_EQ(counts["fixes"], 0);
  EXPECT_EQ(counts["LINE"], 1);
  EXPECT_EQ(counts["POLYLINE"], 2);
  EXPECT_EQ(counts["TEXT"], 1);
  EXPECT_EQ(counts["CIRCLE"], 1);
}

TEST(DxfWriterTokens, NumbersAndTextValues) {
  DxfDrawing d;
  d.dxfLine("A,B", 0.75, -12.4, 1234567.8, 1e-6, 2.0 / 3.0, 0, 15);
  const std::vector<std::string> line = {"LINE",  "8",   "A,B",       " 62", "15",      " 10",
                                         "0.75",  " 20", "-12.4",     " 30", "1234568", " 11",
                                         "1E-06", " 21", "0.6666667", " 31", "0",       "0"};
  EXPECT_EQ(d.entityTokens(), line);

  // A comma stays inside its value; a line break inside a value becomes a blank.
  d.clear();
  d.dxfText("0", 1, 2, 0, 0.14, 0, 0.75, "12+50, LT\r\nNEXT\n");
  ASSERT_EQ(d.entityTokens().size(), 18u);
  EXPECT_EQ(d.entityTokens()[12], "12+50, LT  NEXT ");
  EXPECT_EQ(d.entityTokens()[14], "0");  // rotation follows the text
}

TEST(DxfWriterFile, StreamedDrawingIsWrittenLikeOneHeldInMemory) {
  ScratchFolder scratch;
  ScriptedUi ui;
  ASSERT_TRUE(writeStreamed(scratch.file("streamed.dxf"), 30000, ui));  // a few buffers' worth
  DxfDrawing whole;
  for (int i = 0; i < 30000; ++i) whole.dxfLine("10", i, 0.5, 0, i, 525.25, 0, i % 256);
  ASSERT_TRUE(writeDrawing(whole, scratch.file("whole.dxf"), ui));
  EXPECT_EQ(testing::readBytes(scratch.file("streamed.dxf")),
            testing::readBytes(scratch.file("whole.dxf")));
  auto entries = scratch.entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"streamed.dxf", "whole.dxf"}));
}

TEST(DxfWriterFile, AnExistingFileIsKeptUnlessItMayBeReplaced) {
  ScratchFolder scratch;
  const std::string existing = scratch.file("old.dxf");
  testing::writeBytes(existing, "old contents\r\n");
  bool drawn = false;
  const WriteResult kept =
      writeDxfFile(existing, Overwrite::No, [&](DxfDrawing&) { drawn = true; });
  EXPECT_EQ(kept.status, WriteResult::Status::Exists);
  EXPECT_FALSE(drawn) << "nothing is drawn for a file that stays";
  EXPECT_EQ(testing::readBytes(existing), "old contents\r\n");
  // A name without the extension is used as given.
  const WriteResult plain = writeDxfFile(scratch.file("plain"), Overwrite::No, [](DxfDrawing&) {});
  EXPECT_TRUE(plain.written());
  EXPECT_TRUE(fs::exists(scratch.file("plain")));
  EXPECT_FALSE(fs::exists(scratch.file("plain.dxf")));
}

TEST(DxfWriterFile, OverwritingReplacesTheWholeFile) {
  ScratchFolder scratch;
  const std::string path = scratch.file("drawing.dxf");
  testing::writeBytes(path, std::string(100000, 'x'));
  ScriptedUi ui;
  DxfDrawing drawing;
  drawing.dxfLine("10", 600, 0, 0, 600, 525, 0, 0);
  ASSERT_TRUE(writeDrawing(drawing, path, ui));
  EXPECT_EQ(testing::readBytes(path), testing::goldenAsWritten(kGoldenDir + "one_line.dxf"));
  EXPECT_EQ(scratch.entries(), std::vector<std::string>{"drawing.dxf"});
}

}  // namespace
}  // namespace tarvello
