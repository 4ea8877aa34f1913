// tarvello-cli --list-outfalls, run as a separate program.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace tarvello {
namespace {

using dbtest::ScratchFolder;
using jet::ColumnType;

using clitest::CliRun;
using clitest::quote;
CliRun runCli(const ScratchFolder& folder, const std::string& arguments) {
  return clitest::runCliWith(folder, arguments);
}

TEST(CliListOutfalls, PrintsTheUnitSystemThenOneNodeALine) {
  ScratchFolder folder;
  const auto pipe = dbtest::writeJet(
      folder, "pipe.bvp",
      {dbtest::pipeTable({{std::string("P1"), std::string("OUT 2"), std::string("A")},
                          {std::string("P2"), std::string("OUT\n1"), std::string("B")},
                          {std::string("P3"), jet::Null{}, std::string("C")},
                          {std::string("P4"), std::string("C:\\3"), std::string("D")}}),
       dbtest::projectTable("ENGLISH")});
  const auto inlet = dbtest::writeJet(folder, "inlet.olm",
                                      {dbtest::table("INLET", {{"INLET_NUMBER", ColumnType::Text}}),
                                       dbtest::projectTable("english")});

  const CliRun pipeOnly = runCli(folder, "--pipe-db " + quote(pipe) + " --list-outfalls");
  EXPECT_EQ(pipeOnly.status, 0) << pipeOnly.err;
  EXPECT_EQ(pipeOnly.out, "Units: ENGLISH\nC:\\\\3\nOUT\\n1\nOUT 2\n");
  EXPECT_EQ(pipeOnly.err, "");

  const CliRun both =
      runCli(folder, "--list-outfalls --inlet-db " + quote(inlet) + " --pipe-db " + quote(pipe));
  EXPECT_EQ(both.status, 0) << both.err;
  EXPECT_EQ(both.out, "Units: english\nC:\\\\3\nOUT\\n1\nOUT 2\n");
}

TEST(CliListOutfalls, HelpAndVersion) {
  ScratchFolder folder;
  const CliRun help = runCli(folder, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--list-outfalls"), std::string::npos);
  // Output options read as sentences.
  EXPECT_NE(help.out.find("Write the structure schedule drawing to FILE"), std::string::npos);
  EXPECT_EQ(help.out.find("Write structure-schedule"), std::string::npos);

  const CliRun version = runCli(folder, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tarvello-cli ", 0), 0u) << version.out;
  EXPECT_NE(version.out.find('.'), std::string::npos) << version.out;
}

}  // namespace
}  // namespace tarvello
