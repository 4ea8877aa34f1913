// Where an installed program and a program in its build tree find their files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/data_location.h"
#include "support/database_test_support.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;

TEST(DataLocation, InstalledTreeFirstThenTheProgramsFolder) {
  const dbtest::ScratchFolder scratch;
  const fs::path root = scratch.path();
  fs::create_directories(root / "usr" / "bin");
  const fs::path bin = root / "usr" / "bin";

  // Build tree: nothing installed, the file beside the program (or its name
  // there for the message when it is missing).
  EXPECT_EQ(dataFile(bin, "SCHEDULES.xlr"), bin / "SCHEDULES.xlr");
  std::ofstream(bin / "SCHEDULES.xlr") << "beside";
  EXPECT_EQ(dataFile(bin, "SCHEDULES.xlr"), bin / "SCHEDULES.xlr");

  // Installed: share/tarvello beside bin wins, named without "..".
  fs::create_directories(root / "usr" / "share" / "tarvello" / "Tarvello.html");  // a folder: no
  EXPECT_EQ(dataFile(bin, "Tarvello.html"), bin / "Tarvello.html");
  std::ofstream(root / "usr" / "share" / "tarvello" / "SCHEDULES.xlr") << "installed";
  EXPECT_EQ(dataFile(bin, "SCHEDULES.xlr"),
            fs::canonical(root / "usr" / "share" / "tarvello" / "SCHEDULES.xlr"));

  // Through a link to the bin folder the file is still found.
  fs::create_directory_symlink(bin, root / "link");
  EXPECT_TRUE(fs::exists(dataFile(root / "link", "SCHEDULES.xlr")));
}

TEST(DataLocation, TheRunningProgramsFolder) {
  // The test program runs from the build tree, where the template is placed
  // beside the programs: it has to be found there, not just named.
  const fs::path folder = executableFolder();
  EXPECT_TRUE(fs::exists(folder / "tarvello_tests_common")) << folder;
  EXPECT_EQ(dataFile("SCHEDULES.xlr"), folder / "SCHEDULES.xlr");
  EXPECT_TRUE(fs::is_regular_file(dataFile("SCHEDULES.xlr"))) << "the template is missing";
}

}  // namespace
}  // namespace tarvello
