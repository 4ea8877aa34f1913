#include "profile/profile_drawings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "commands/commands.h"
#include "profile/profile_test_support.h"
#include "support/command_fixture.h"
#include "support/dxf.h"

namespace tarvello {
namespace {

const std::string kGolden = std::string(TARVELLO_SOURCE_DIR) + "/tests/profile/golden/";

using ProfileCommands = testing::EnglishSessionTest;

TEST_F(ProfileCommands, CurrentPipeProfileWritesTheGoldenOnePipeFile) {
  session.tailWaterText = "100.0";
  session.useTables(testing::onePipeTables());
  session.tables().branches.selectRow(1);
  const std::string path = scratch.file("one_pipe.dxf");
  ui.saveAnswers.push_back(path);

  ASSERT_TRUE(plotCurrentPipeProfile(session, ui));
  EXPECT_TRUE(session.warnings.empty());
  const std::string written = testing::readBytes(path);
  const std::string expected = testing::goldenAsWritten(kGolden + "one_pipe_profile.dxf");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(testing::linesOf(written), testing::linesOf(expected));
  EXPECT_EQ(written, expected);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text, "DXF file was saved to:" + path);

  if (!testing::ezdxfAvailable()) GTEST_SKIP() << "ezdxf is not installed";
  auto counts = testing::ezdxfCounts(path, scratch.path());
  EXPECT_EQ(counts["errors"], 0);
  EXPECT_EQ(counts["fixes"], 0);
  EXPECT_EQ(counts["LINE"], 113);  // frame 3, ticks 100, stations 2, bubbles 2, top, pipe 4, HGL
  EXPECT_EQ(counts["TEXT"], 50);
  EXPECT_EQ(counts["CIRCLE"], 2);
  EXPECT_EQ(counts["POLYLINE"], 2);
}

TEST_F(ProfileCommands, NothingIsAskedWithoutASelectedBranchRow) {
  session.useTables(testing::twoBranchTables());
  session.tables().branches.selectRow(0);  // the header row
  EXPECT_FALSE(plotCurrentPipeProfile(session, ui));
  EXPECT_FALSE(plotCurrentBranchProfile(session, ui));
  session.tables().branches.selectRow(6);  // past the last pipe
  EXPECT_FALSE(plotCurrentPipeProfile(session, ui));
  EXPECT_TRUE(ui.requests.empty());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProfileCommands, BranchAndAllProfileFilesReadCleanlyAndKeepEveryEntity) {
  session.tailWaterText = "not a number";
  session.useTables(testing::twoBranchTables());
  session.tables().branches.selectRow(5);
  ui.saveAnswers = {scratch.file("branch2.dxf"), scratch.file("all.dxf")};
  ASSERT_TRUE(plotCurrentBranchProfile(session, ui));
  ASSERT_EQ(session.warnings.size(), 1u);
  EXPECT_NE(session.warnings.all()[0].text.find("\"not a number\""), std::string::npos);
  session.tailWaterText = "100";
  session.useTables(session.tables());
  ASSERT_TRUE(plotAllProfiles(session, ui));
  EXPECT_TRUE(session.warnings.empty());

  if (!testing::ezdxfAvailable()) GTEST_SKIP() << "ezdxf is not installed";
  auto branch = testing::ezdxfCounts(scratch.file("branch2.dxf"), scratch.path());
  EXPECT_EQ(branch["errors"], 0);
  EXPECT_EQ(branch["fixes"], 0);
  EXPECT_EQ(branch["POLYLINE"], 3);
  EXPECT_EQ(branch["CIRCLE"], 3);
  auto all = testing::ezdxfCounts(scratch.file("all.dxf"), scratch.path());
  EXPECT_EQ(all["errors"], 0);
  EXPECT_EQ(all["fixes"], 0);
  EXPECT_EQ(all["POLYLINE"], 7);
  EXPECT_EQ(all["CIRCLE"], 7);
  // Per frame: 2 edges, 100 ticks; per pipe: baseline, top line, 4 pipe
  // lines, HGL, and one station line and bubble line per structure.
  EXPECT_EQ(all["LINE"], (102 + 3 * 7 + 4 * 2) + (102 + 2 * 7 + 3 * 2));
}

}  // namespace
}  // namespace tarvello
