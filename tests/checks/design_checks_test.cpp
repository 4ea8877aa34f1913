// The design checks on hand-worked tables, the criteria and criteria files,
// and the findings list.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "checks/criteria.h"
#include "checks/design_checks.h"

namespace tarvello {
namespace {

void setRow(Table& table, int row, std::initializer_list<std::pair<int, std::string>> cells) {
  for (const auto& [column, text] : cells) table.setCell(row, column, text);
}

void structure(ProfileTables& t, int row, const std::string& branch, const std::string& node,
               const std::string& top, const std::string& hglHigh) {
  setRow(t.structures, row,
         {{strcol::BranchId, branch},
          {strcol::StrNo, node},
          {strcol::TopElev, top},
          {strcol::HglLow, hglHigh},
          {strcol::HglHigh, hglHigh}});
}

struct PipeRow {
  std::string branch, pipe, out, in, elevOut, elevIn, size, velocity, slope, cover;
};
void pipe(ProfileTables& t, int row, const PipeRow& p) {
  setRow(t.pipes, row,
         {{pipecol::BranchId, p.branch},
          {pipecol::PipeNo, p.pipe},
          {pipecol::NodeOut, p.out},
          {pipecol::NodeIn, p.in},
          {pipecol::ElevOut, p.elevOut},
          {pipecol::ElevIn, p.elevIn},
          {pipecol::DiaRise, p.size},
          {pipecol::Velocity, p.velocity},
          {pipecol::SlopePercent, p.slope},
          {pipecol::HeightOfCover, p.cover}});
}

// Outfall A <- B <- C, and B <- D <- E on a second branch; every rule fires
// once, every other value sits on or inside its limit (English defaults:
// freeboard 1, velocity 3 to 12, cover 2, size 15).
ProfileTables handWorkedTables() {
  ProfileTables t;
  structure(t, 1, "1", "A", "110.00", "108.50");  // 1.50
  structure(t, 2, "1", "B", "112.00", "111.40");  // 0.60: freeboard
  structure(t, 3, "1", "C", "400.30", "399.30");  // 1.00 exactly, though not in binary
  structure(t, 4, "2", "B", "112.00", "111.90");  // B again: checked at its first row only
  structure(t, 5, "2", "D", "", "100.00");        // no top: skipped
  structure(t, 6, "2", "E", "120.00", "118.00");
  //           branch pipe  out  in   elev out   elev in    size  velocity slope   cover
  pipe(t, 1, {"1", "P1", "A", "B", "100.00", "101.00", "24", "3.00", "1.00", "2.00"});
  pipe(t, 2, {"1", "P2", "B", "C", "101.20", "102.00", "15", "12.00", "0.00", "2.50"});
  pipe(t, 3, {"2", "P3", "B", "D", "100.80", "102.00", "30", "2.99", "0.50", "3.00"});
  pipe(t, 4, {"2", "P4", "D", "E", "102.00", "103.00", "12", "12.01", "1.00", "1.99"});
  // Unreadable cells are skipped by every rule that needs them.
  pipe(t, 5, {"3", "P5", "C", "F", "", "n/a", "", "fast", "", "YES"});
  return t;
}

std::vector<std::vector<std::string>> rowsOf(const std::vector<Finding>& findings) {
  auto rows = findingRows(findings);
  rows.erase(rows.begin());
  return rows;
}

TEST(DesignChecks, EachRuleFiresOnceOnTheHandWorkedTables) {
  const ProfileTables t = handWorkedTables();
  const auto findings = runDesignChecks(t, Criteria::defaults(true));
  const std::vector<std::vector<std::string>> expected = {
      {"freeboard", "1", "B", "", "0.60", "1.00"},  // 112.00 - 111.40
      {"velocity-low", "2", "", "P3", "2.99", "3.00"},
      {"velocity-high", "2", "", "P4", "12.01", "12.00"},
      {"cover", "2", "", "P4", "1.99", "2.00"},
      {"size-min", "2", "", "P4", "12.00", "15.00"},
      {"size-decrease", "1", "", "P1", "24.00", "30.00"},  // P3 (30) and P2 (15) flow into B
      {"adverse-slope", "1", "", "P2", "0.00", "0.00"},
      {"invert-drop", "2", "B", "P3", "-0.20",
       "0.00"},  // P1 leaves B at 101.00, P3 arrives at 100.80
  };
  EXPECT_EQ(rowsOf(findings), expected);
  EXPECT_EQ(findingCounts(findings), std::vector<int>(kCheckRuleCount, 1));

  // Where the GUI marks them: the compared cells, own row first.
  ASSERT_EQ(findings.size(), 8u);
  EXPECT_EQ(findings[0].table, CheckTable::Structures);
  EXPECT_EQ(findings[0].row, 2);
  ASSERT_EQ(findings[5].cells.size(), 2u);
  EXPECT_EQ(findings[5].cells[1].row, 3);  // the larger pipe upstream
  EXPECT_EQ(findings[5].cells[1].column, pipecol::DiaRise);
  ASSERT_EQ(findings[7].cells.size(), 2u);
  EXPECT_EQ(findings[7].row, 3);
  EXPECT_EQ(findings[7].cells[1].row, 1);
  EXPECT_EQ(findings[7].cells[1].column, pipecol::ElevIn);
}

TEST(DesignChecks, ValuesPastTheBoundariesBecomeFindings) {
  ProfileTables t = handWorkedTables();
  structure(t, 3, "1", "C", "400.30", "399.31");  // 0.99
  pipe(t, 1, {"1", "P1", "A", "B", "100.00", "101.00", "24", "2.999", "1.00", "1.999"});
  pipe(t, 2, {"1", "P2", "B", "C", "101.20", "102.00", "14.9", "12.001", "-0.10", "2.50"});
  pipe(t, 4,
       {"2", "P4", "D", "E", "101.99", "103.00", "14", "12.5", "1.00", "1.5"});  // P3 in at 102.00
  const auto counts = findingCounts(runDesignChecks(t, Criteria::defaults(true)));
  EXPECT_EQ(counts, (std::vector<int>{2, 2, 2, 2, 2, 1, 1, 2}));
}

TEST(DesignChecks, EqualSizesAndNodesThatDoNotMatchExactlyAreNoFindings) {
  ProfileTables t;
  pipe(t, 1, {"1", "P1", "1", "2", "10", "11", "18", "5", "1", "3"});
  pipe(t, 2, {"1", "P2", "2", "3", "11", "12", "18", "5", "1", "3"});     // same size upstream
  pipe(t, 3, {"2", "P3", "2 ", "4", "10.5", "12", "24", "5", "1", "3"});  // "2 " is not node "2"
  pipe(t, 4, {"3", "P4", "", "", "10", "10", "36", "5", "1", "3"});       // no nodes: no links
  pipe(t, 5, {"3", "P5", "", "", "9", "9", "12", "5", "1", "3"});
  EXPECT_EQ(rowsOf(runDesignChecks(t, Criteria::defaults(true))),
            (std::vector<std::vector<std::string>>{{"size-min", "3", "", "P5", "12.00", "15.00"}}));
}

TEST(DesignChecks, MetricProjectsGetMetricDefaults) {
  // Only exactly "ENGLISH" is English, as everywhere else; the limits show
  // in the findings: each value sits just past or on its limit.
  const Criteria metric = Criteria::forUnitSystem("METRIC");
  EXPECT_EQ(Criteria::forUnitSystem("english"), metric);
  EXPECT_EQ(Criteria::forUnitSystem("ENGLISH"), Criteria::defaults(true));

  ProfileTables t;
  structure(t, 1, "1", "1", "56.05", "55.76");  // 0.29
  structure(t, 2, "1", "2", "58.39", "58.09");  // 0.30
  pipe(t, 1, {"1", "P2", "1", "2", "54.20", "54.38", "375", "0.9", "0.5", "0.6"});
  pipe(t, 2, {"1", "P3", "2", "3", "54.50", "54.90", "300", "3.71", "0.5", "0.59"});
  EXPECT_EQ(
      rowsOf(runDesignChecks(t, metric)),
      (std::vector<std::vector<std::string>>{{"freeboard", "1", "1", "", "0.29", "0.30"},
                                             {"velocity-high", "1", "", "P3", "3.71", "3.70"},
                                             {"cover", "1", "", "P3", "0.59", "0.60"},
                                             {"size-min", "1", "", "P3", "300.00", "375.00"}}));
}

}  // namespace
}  // namespace tarvello
