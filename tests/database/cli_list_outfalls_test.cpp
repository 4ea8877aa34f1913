// tarvello-cli --list-outfalls, run as a separate program.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace tarvello {
namespace {

using namespace std::string_literals;
using dbtest::ScratchFolder;
using jet::ColumnType;

using clitest::CliRun;
using clitest::quote;
using clitest::runCliWith;

TEST(CliListOutfalls, PrintsTheUnitSystemThenOneNodeALine) {
  ScratchFolder folder;
  const auto pipe = dbtest::writeJet(folder, "pipe.bvp",
                                     {dbtest::pipeTable({{"P1"s, "OUT 2"s, "A"s},
                                                         {"P2"s, "OUT\n1"s, "B"s},
                                                         {"P3"s, jet::Null{}, "C"s},
                                                         {"P4"s, "C:\\3"s, "D"s}}),
                                      dbtest::projectTable("ENGLISH")});
  const auto inlet = dbtest::writeJet(folder, "inlet.olm",
                                      {dbtest::table("INLET", {{"INLET_NUMBER", ColumnType::Text}}),
                                       dbtest::projectTable("english")});

  const CliRun pipeOnly = runCliWith(folder, "--pipe-db " + quote(pipe) + " --list-outfalls");
  EXPECT_EQ(pipeOnly.status, 0) << pipeOnly.err;
  EXPECT_EQ(pipeOnly.out, "Units: ENGLISH\nC:\\\\3\nOUT\\n1\nOUT 2\n");
  EXPECT_EQ(pipeOnly.err, "");

  const CliRun both = runCliWith(
      folder, "--list-outfalls --inlet-db " + quote(inlet) + " --pipe-db " + quote(pipe));
  EXPECT_EQ(both.status, 0) << both.err;
  EXPECT_EQ(both.out, "Units: english\nC:\\\\3\nOUT\\n1\nOUT 2\n");
}

TEST(CliListOutfalls, HelpAndVersion) {
  ScratchFolder folder;
  const CliRun help = runCliWith(folder, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--list-outfalls"), std::string::npos);
  // Output options read as sentences.
  EXPECT_NE(help.out.find("Write the structure schedule drawing to FILE"), std::string::npos);
  EXPECT_EQ(help.out.find("Write structure-schedule"), std::string::npos);

  const CliRun version = runCliWith(folder, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tarvello-cli ", 0), 0u) << version.out;
  EXPECT_NE(version.out.find('.'), std::string::npos) << version.out;
}

}  // namespace
}  // namespace tarvello
