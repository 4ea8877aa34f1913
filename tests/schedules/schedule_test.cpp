#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "commands/session.h"
#include "database/project_database.h"
#include "schedules/pipe_schedule.h"
#include "schedules/structure_schedule.h"
#include "support/command_fixture.h"
#include "support/dxf.h"

namespace tarvello {
namespace {

const std::string kGoldenDir = std::string(TARVELLO_SOURCE_DIR) + "/tests/schedules/golden/";

// Branch ID, Str #, Str. Type, Station, Offset, Offset Loc., Top, Bottom,
// VDOT Std., Length, Shaping: every column but the two of the grade line.
void fillStructureRow(Table& t, int row, const std::vector<std::string>& cells) {
  for (int i = 0; i < static_cast<int>(cells.size()); ++i)
    t.setCell(row, i < strcol::HglLow ? i : i + 2, cells[static_cast<size_t>(i)]);
}

// Branch ID, Pipe No, NodeOut, NodeIn, Elev. Out, Elev. In, Shape, Material,
// Dia / Rise, Span, # Of Pipes, Length, Skew, Height Of Cover: every column but
// the five hydraulic ones.
void fillPipeRow(Table& t, int row, const std::vector<std::string>& cells) {
  for (int i = 0; i < static_cast<int>(cells.size()); ++i)
    t.setCell(row, i < pipecol::Discharge ? i : i + 5, cells[static_cast<size_t>(i)]);
}

// clang-format off
// The same tables as golden/derive_golden.py: two branches, the junction S2
// listed once for each.
void fillSmallNetwork(ProfileTables& tables) {
  Table& s = tables.structures;
  fillStructureRow(s, 1, {"1", "S1", "End Wall", "1000", "12.50", "Left", "100.25", "95.00", "EW-1", "", ""});
  fillStructureRow(s, 2, {"1", "S2", "Man Hole", "1150.5", "0.00", "Right", "105.67", "100.12", "MH-1", "4", "IS-1"});
  fillStructureRow(s, 3, {"1", "S3", "Inlet", "1300", "6.00", "Rt", "108.40", "103.00", "DI-3B", "8", "IS-1"});
  fillStructureRow(s, 4, {"2", "S2", "Man Hole", "1150.5", "0.00", "Right", "105.67", "100.12", "MH-1", "4", "IS-1"});
  fillStructureRow(s, 5, {"2", "S4", "Junction Box", "1150.5", "30.00", "", "109", "104.5", "JB-1", "", "IS-1"});
  Table& p = tables.pipes;
  fillPipeRow(p, 1, {"1", "P1", "S1", "S2", "95.00", "100.12", "Circular", "Concrete", "18", "0", "1", "150.50", "0", "6.05"});
  fillPipeRow(p, 2, {"1", "P2", "S2", "S3", "100.50", "103.00", "Box", "Concrete", "24", "36", "2", "149.50", "15", "3.1"});
  fillPipeRow(p, 3, {"2", "P3", "S2", "S4", "100.80", "104.50", "Elliptical", "RCP", "19", "30", "1", "30.00", "0", "2.4"});
}
// clang-format on

using testing::Entity;
using testing::ofType;

std::vector<Entity> entitiesOf(const DxfDrawing& drawing) {
  return testing::parseEntities(drawing.entityTokens());
}

// The text drawn at (x, y), "<none>" when there is none and "<several>" when
// two texts share the point.
std::string textAt(const std::vector<Entity>& all, double x, double y) {
  std::string found = "<none>";
  for (const Entity& e : ofType(all, "TEXT")) {
    if (std::abs(e.number(10) - x) < 1e-4 && std::abs(e.number(20) - y) < 1e-4)
      found = found == "<none>" ? e.text() : "<several>";
  }
  return found;
}

double rowY(int k) { return 21.45 - 0.35 - 0.65 * k; }

// The small network's tables in a session of an English project.
struct ScheduleCommand : testing::EnglishSessionTest {
  void SetUp() override {
    EnglishSessionTest::SetUp();
    if (HasFatalFailure()) return;
    fillSmallNetwork(session.tables());
    session.useTables(session.tables());
  }
};

TEST_F(ScheduleCommand, StructureScheduleWritesTheOneSheetGoldenFile) {
  session.lastFolder = scratch.path().string();
  session.warnings.add("test", "from an earlier command");
  ui.saveAnswers = {scratch.file("structures.dxf")};
  ASSERT_TRUE(drawStructureSchedule(session, ui));
  EXPECT_EQ(ui.requests.at(0).initialFolder, scratch.path().string());
  EXPECT_EQ(testing::readBytes(scratch.file("structures.dxf")),
            testing::goldenAsWritten(kGoldenDir + "structure_schedule.dxf"));
  EXPECT_TRUE(session.warnings.empty()) << session.warnings.all().front().text;

  if (!testing::ezdxfAvailable()) GTEST_SKIP() << "ezdxf is not installed";
  auto counts = testing::ezdxfCounts(scratch.file("structures.dxf"), scratch.path());
  EXPECT_EQ(counts["errors"], 0);
  EXPECT_EQ(counts["fixes"], 0);
  EXPECT_EQ(counts["POLYLINE"], 1);
  EXPECT_EQ(counts["LINE"], 32 + 12);
  // Heads, title; per row eight texts, INV. IN on three rows, INV. OUT on four,
  // two branch labels and three frame-and-cover remarks.
  EXPECT_EQ(counts["TEXT"], 20 + 1 + 5 * 8 + 3 + 4 + 2 + 3);
}

TEST_F(ScheduleCommand, PipeScheduleWritesTheOneSheetGoldenFile) {
  ui.saveAnswers = {scratch.file("pipes.dxf")};
  ASSERT_TRUE(drawPipeSchedule(session, ui));
  EXPECT_EQ(testing::readBytes(scratch.file("pipes.dxf")),
            testing::goldenAsWritten(kGoldenDir + "pipe_schedule.dxf"));

  if (!testing::ezdxfAvailable()) GTEST_SKIP() << "ezdxf is not installed";
  auto counts = testing::ezdxfCounts(scratch.file("pipes.dxf"), scratch.path());
  EXPECT_EQ(counts["errors"], 0);
  EXPECT_EQ(counts["fixes"], 0);
  EXPECT_EQ(counts["LINE"], 32 + 12);
  EXPECT_EQ(counts["TEXT"], 20 + 1 + 3 * 11);
}

TEST(StructureSchedule, DepthsAreRoundedToHundredthsAndDrawnWithoutTrailingZeros) {
  ProfileTables tables;
  fillSmallNetwork(tables);
  tables.structures.setCell(2, strcol::TopElev, "105.456");
  tables.structures.setCell(2, strcol::BottomElev, "100");
  tables.structures.setCell(3, strcol::TopElev, "109");
  tables.structures.setCell(3, strcol::BottomElev, "103");
  tables.structures.setCell(4, strcol::BottomElev, "100.47");
  tables.structures.setCell(5, strcol::BottomElev, "109.004");  // a hair above the top
  Warnings warnings;
  const auto all = entitiesOf(structureScheduleDrawing(tables, true, warnings));
  EXPECT_EQ(textAt(all, 109.05, rowY(2)), "5.46");
  EXPECT_EQ(textAt(all, 109.05, rowY(3)), "6");
  EXPECT_EQ(textAt(all, 109.05, rowY(4)), "5.2");
  EXPECT_EQ(textAt(all, 109.05, rowY(5)), "0");
  EXPECT_TRUE(warnings.empty());
}

TEST(StructureSchedule, CellsThatAreNoNumbersReadAsZeroAndAreReported) {
  ProfileTables tables;
  fillSmallNetwork(tables);
  tables.structures.setCell(2, strcol::TopElev, "");
  tables.structures.setCell(3, strcol::BottomElev, "n/a");
  tables.structures.setCell(4, strcol::BranchId, "two");  // reads as branch 0
  tables.structures.setCell(5, strcol::BranchId, "");
  Warnings warnings;
  const auto all = entitiesOf(structureScheduleDrawing(tables, true, warnings));

  // A missing elevation makes the depth 0; the cells are drawn as they are.
  EXPECT_EQ(textAt(all, 106.05, rowY(2)), "");
  EXPECT_EQ(textAt(all, 109.05, rowY(2)), "0");
  EXPECT_EQ(textAt(all, 108.05, rowY(3)), "n/a");
  EXPECT_EQ(textAt(all, 109.05, rowY(3)), "0");
  // Rows 4 and 5 are one branch "0": row 4 starts it; a Branch ID that is no
  // number finds no upstream pipe, so INV. IN stays empty rather than showing
  // some other pipe's invert. The branch label shows the cell.
  EXPECT_EQ(textAt(all, 101.05, rowY(4) - 0.19), "/ BR-two");
  EXPECT_EQ(textAt(all, 107.05, rowY(4)), "<none>");
  EXPECT_EQ(textAt(all, 101.05, rowY(5) - 0.19), "<none>");
  EXPECT_EQ(textAt(all, 107.05, rowY(5)), "<none>");

  const std::vector<std::string> expected = {
      "Structure table row 2, \"Top Elev.\" is empty; the vertical depth was taken as 0.",
      // Row 4's branch is read while row 3 is drawn, to know whether row 3 ends its branch.
      "Structure table row 4, \"Branch ID\": \"two\" is not a number; 0 was used.",
      "Structure table row 3, \"Bottom Elev.\": \"n/a\" is not a number; the vertical depth was "
      "taken as 0.",
      "Structure table row 5, \"Branch ID\" is empty; 0 was used.",
  };
  std::vector<std::string> texts;
  for (const Warning& w : warnings.all()) {
    texts.push_back(w.text);
    EXPECT_EQ(w.kind, "cell-not-number");
  }
  EXPECT_EQ(texts, expected);
  // The row's branch and structure, as the table holds them.
  EXPECT_EQ(warnings.all()[1].branch, "two");
  EXPECT_EQ(warnings.all()[1].structure, tables.structures.cell(4, strcol::StrNo).str());
  EXPECT_EQ(warnings.all()[1].pipe, "");
}

TEST(StructureSchedule, PagesAt32RowsAndMetricHeads) {
  ProfileTables tables;
  auto fill = [&](int rows) {
    tables.structures.clear();
    for (int r = 1; r <= rows; ++r)
      fillStructureRow(tables.structures, r,
                       {"1", "S" + std::to_string(r), "Inlet", "1000", "1.00", "Left", "10", "5"});
  };
  fillPipeRow(tables.pipes, 1, {"1", "P1", "S1", "S2", "4.5"});
  Warnings warnings;
  fill(32);
  auto all = entitiesOf(structureScheduleDrawing(tables, true, warnings));
  EXPECT_EQ(ofType(all, "POLYLINE").size(), 1u);
  EXPECT_EQ(textAt(all, 101.05, 0.3), "S32");

  fill(33);
  all = entitiesOf(structureScheduleDrawing(tables, true, warnings));
  const auto frames = ofType(all, "POLYLINE");
  ASSERT_EQ(frames.size(), 2u);
  ASSERT_EQ(frames[1].vertices.size(), 4u);
  EXPECT_EQ(frames[1].vertices[0].first, 115);
  EXPECT_EQ(frames[1].vertices[1].first, 129);
  EXPECT_EQ(frames[1].vertices[2].second, 21.45);
  EXPECT_EQ(textAt(all, 120, 21.6), "STRUCTURE SCHEDULE");
  EXPECT_EQ(textAt(all, 116.05, rowY(1)), "S33");
  EXPECT_EQ(textAt(all, 116.05, rowY(1) - 0.19), "<none>");  // the branch goes on
  EXPECT_EQ(textAt(all, 121.05, 21.1 - 0.15), "/T.S (FT)");
  EXPECT_EQ(ofType(all, "LINE").size(), 2u * (32 + 12));
  fill(65);
  all = entitiesOf(structureScheduleDrawing(tables, false, warnings));
  EXPECT_EQ(ofType(all, "POLYLINE").size(), 3u);
  EXPECT_EQ(textAt(all, 131.05, rowY(1)), "S65");
  EXPECT_EQ(textAt(all, 136.05, 21.1 - 0.15), "/T.S (M)");
  EXPECT_EQ(textAt(all, 137.05, 21.1 - 0.17), "(M)");
  EXPECT_EQ(textAt(all, 139.05, 21.1 - 0.17), "DEPTH (M)");
  EXPECT_EQ(textAt(all, 140.05, 21.1 - 0.17), "LENGTH(M)");
  EXPECT_TRUE(warnings.empty());
}

TEST(PipeSchedule, EmptyCellsPagingAndMetricHeads) {
  ProfileTables tables;
  fillSmallNetwork(tables);
  fillPipeRow(tables.pipes, 4, {"2", "P4", "S4", "S5", "", "", "Box", "", "24", ""});
  auto all = entitiesOf(pipeScheduleDrawing(tables, true));
  EXPECT_EQ(textAt(all, 103.05, rowY(4)), "X24");
  EXPECT_EQ(textAt(all, 108.05, rowY(4)), "");
  EXPECT_EQ(textAt(all, 100.05, rowY(4)), "<none>");
  EXPECT_EQ(textAt(all, 112.05, rowY(4)), "<none>");

  tables.pipes.clear();
  for (int r = 1; r <= 33; ++r)
    fillPipeRow(tables.pipes, r, {"1", "P" + std::to_string(r), "A", "B" + std::to_string(r)});
  all = entitiesOf(pipeScheduleDrawing(tables, false));
  EXPECT_EQ(ofType(all, "POLYLINE").size(), 2u);
  EXPECT_EQ(textAt(all, 120, 21.6), "PIPE SCHEDULE");
  EXPECT_EQ(textAt(all, 101.05, 0.3), "B32");
  EXPECT_EQ(textAt(all, 116.05, rowY(1)), "B33");
  EXPECT_EQ(textAt(all, 118.05, 21.1 - 0.17), "(MM)");
  EXPECT_EQ(textAt(all, 122.05, 21.1 - 0.17), "(M)");
  EXPECT_EQ(textAt(all, 126.05, 21.1 - 0.17), "COVER(M)");
  EXPECT_EQ(textAt(all, 125.05, 21.1 - 0.17), "(DEGREES)");
}

}  // namespace
}  // namespace tarvello
