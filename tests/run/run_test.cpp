#include "run/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "run/outputs.h"
#include "run/project_open.h"
#include "support/database_test_support.h"
#include "tables/profile_tables.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;

RunInputs highwayInputs(const dbtest::ScratchFolder& scratch, const std::string& pipe) {
  RunInputs inputs;
  EXPECT_EQ(openProject(pipe, scratch.copyExample("highway.olm"), inputs.databases, nullptr), "");
  inputs.outfall = "1";
  inputs.tailWater = "399.8";
  return inputs;
}

// What the front ends show of a run, and when they say it no longer matches
// the fields and files they hold.
TEST(Run, StatusAndStaleLinesFollowTheRunsOwnInputs) {
  dbtest::ScratchFolder scratch;
  // A copy of its own, not watched: this test changes it on disk.
  const std::string pipe = scratch.file("mine.bvp");
  fs::copy_file(fs::path(TARVELLO_BINARY_DIR) / "examples" / "highway.bvp", pipe);
  const RunInputs inputs = highwayInputs(scratch, pipe);
  const auto run = Run::make(inputs);
  ASSERT_TRUE(run->created()) << run->failure();
  EXPECT_EQ(run->statusLine(),
            "Profile data created: 40 structure rows, 31 pipes (outfall 1, tail "
            "water 399.80)");
  EXPECT_EQ(run->tailWaterUsed(), "399.8");  // as typed: the walk did not raise it

  const ProjectDatabases& same = inputs.databases;
  const std::string stale =
      "Tables of outfall 1, tail water 399.80; the inputs have changed: "
      "Create Profile Data to update them.";
  // The same elevation at two decimals, in any spelling, is no change.
  for (const char* tw : {"399.80", "399.8", "399.800", "399.804"})
    EXPECT_EQ(run->staleLine("1", tw, same), "") << tw;
  for (const char* tw : {"405.00", "399.81", "", "abc"})
    EXPECT_EQ(run->staleLine("1", tw, same), stale) << tw;
  EXPECT_EQ(run->staleLine("5", "399.80", same), stale);
  EXPECT_EQ(run->staleLine("1 ", "399.80", same), stale);  // node numbers compare exactly

  // The same file opened again is another database: the run is not its.
  ProjectDatabases reopened = same;
  ASSERT_EQ(reopened.openPipeDatabase(pipe), "");
  EXPECT_EQ(run->staleLine("1", "399.80", reopened), stale);

  // The file changed on disk since it was opened.
  fs::last_write_time(pipe, fs::last_write_time(pipe) + std::chrono::seconds(5));
  EXPECT_EQ(run->staleLine("1", "399.80", same),
            "Tables of outfall 1, tail water 399.80; the pipe database has changed on disk: open "
            "it again.");
}

// A run that cannot make tables is a failure everywhere, never "0 rows".
TEST(Run, AFailedRunHasNoTablesAndSaysWhy) {
  dbtest::ScratchFolder scratch;
  RunInputs inputs = highwayInputs(scratch, scratch.copyExample("highway.bvp"));
  inputs.outfall = "999";
  const auto run = Run::make(inputs);
  EXPECT_TRUE(run->failed());
  EXPECT_EQ(run->statusLine(), "Create Profile Data failed: " + run->failure());
  EXPECT_NE(run->failure(), "");
  EXPECT_EQ(run->tables().structures.lastFilledRow(), 0);
  EXPECT_EQ(run->tables().pipes.lastFilledRow(), 0);
  EXPECT_EQ(run->staleLine("5", "1.00", inputs.databases), "");  // no tables to be stale
  for (const OutputDescription& output : outputCatalogue())
    EXPECT_NE(outputBlocked(output, *run, 1), "") << output.id;

  inputs.outfall = "";
  EXPECT_EQ(Run::make(inputs)->outcome(), RunOutcome::None);
  EXPECT_EQ(Run::make(inputs)->statusLine(), "");
}

TEST(OutputCatalogue, NamesAndTheRowsAnOutputNeeds) {
  std::set<std::string_view> ids, stems;
  for (const OutputDescription& output : outputCatalogue()) {
    EXPECT_TRUE(ids.insert(output.id).second) << output.id;
    EXPECT_TRUE(stems.insert(output.fileStem).second) << output.fileStem;
    EXPECT_EQ(findOutput(output.id), &output);
  }
  EXPECT_EQ(findOutput("nothing"), nullptr);
  const std::string db = "/projects/I-64/highway.bvp";
  EXPECT_EQ(defaultOutputName(*findOutput("structure-schedule"), db),
            "highway-structure-schedule.dxf");
  EXPECT_EQ(defaultOutputName(*findOutput("branch-profile"), db, "3"), "highway-branch-3.dxf");
  EXPECT_EQ(defaultOutputName(*findOutput("structures"), db), "highway-structures.csv");
  EXPECT_EQ(setFileName(*findOutput("workbook")), "schedules.xlsx");
  EXPECT_EQ(setFileName(*findOutput("checks")), "design-checks.csv");
  // A key never makes a folder of the name.
  EXPECT_EQ(setFileName(*findOutput("branch-profile"), "a/b:c"), "branch-a_b_c.dxf");

  dbtest::ScratchFolder scratch;
  const auto run = Run::make(highwayInputs(scratch, scratch.copyExample("highway.bvp")));
  ASSERT_TRUE(run->created());
  const int last = run->tables().branches.lastFilledRow();
  const int row3 = branchRowOf(run->tables(), "3");
  ASSERT_GT(row3, 0);
  EXPECT_EQ(std::string(run->tables().branches.cell(row3, branchcol::BranchId)), "3");
  EXPECT_EQ(branchRowOf(run->tables(), "no such branch"), 0);
  for (const char* id : {"pipe-profile", "branch-profile", "workbook"}) {
    EXPECT_EQ(outputBlocked(*findOutput(id), *run, 1), "") << id;
    EXPECT_EQ(outputBlocked(*findOutput(id), *run, last + 1),
              "Pick a row of a branch in the table first.")
        << id;
  }
  for (const char* id : {"structures", "checks", "all-profiles", "structure-schedule"})
    EXPECT_EQ(outputBlocked(*findOutput(id), *run, 0), "") << id;
  const tarvello::Run none;
  EXPECT_EQ(outputBlocked(*findOutput("all-profiles"), none, 1),
            "Nothing to draw yet: run Create Profile Data first.");
}

}  // namespace
}  // namespace tarvello
