// tarvello-cli --list-outfalls, run as a separate program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>

#include "support/database_test_support.h"

namespace tarvello {
namespace {

using dbtest::ScratchFolder;
using jet::ColumnType;

struct CliRun {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out, err;
};

std::string quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

CliRun runCli(const ScratchFolder& folder, const std::string& arguments) {
  const std::string errFile = folder.file("stderr.txt");
  CliRun run;
  FILE* pipe =
      ::popen((quote(TARVELLO_CLI) + " " + arguments + " 2>" + quote(errFile)).c_str(), "r");
  if (!pipe) return run;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = dbtest::readBytes(errFile);
  return run;
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

TEST(CliListOutfalls, FileProblemsExitWithOneAndUsageErrorsWithTwo) {
  ScratchFolder folder;
  const auto pipe = dbtest::writeJet(
      folder, "pipe.bvp",
      {dbtest::pipeTable({{std::string("P1"), std::string("OUT"), std::string("A")}}),
       dbtest::projectTable("ENGLISH")});
  const auto missing = folder.file("missing.bvp");
  const auto text = folder.writeFile("notes.olm", "not a database\n");

  const CliRun noFile = runCli(folder, "--pipe-db " + quote(missing) + " --list-outfalls");
  EXPECT_EQ(noFile.status, 1);
  EXPECT_EQ(noFile.out, "");
  EXPECT_EQ(noFile.err, missing + ": the file does not exist\n");

  const CliRun badInlet = runCli(
      folder, "--pipe-db " + quote(pipe) + " --inlet-db " + quote(text) + " --list-outfalls");
  EXPECT_EQ(badInlet.status, 1);
  EXPECT_EQ(badInlet.out, "");
  EXPECT_EQ(badInlet.err, text + ": this is not a Jet (Access) database\n");

  const CliRun wrongKind = runCli(
      folder, "--pipe-db " + quote(pipe) + " --inlet-db " + quote(pipe) + " --list-outfalls");
  EXPECT_EQ(wrongKind.status, 1);
  EXPECT_NE(wrongKind.err.find("table INLET is missing"), std::string::npos) << wrongKind.err;

  for (const std::string& usage :
       {std::string("--list-outfalls"), std::string("--pipe-db ") + quote(pipe),
        std::string("--pipe-db ") + quote(pipe) + " --list-outfalls --no-such-option",
        std::string("--pipe-db")}) {
    const CliRun run = runCli(folder, usage);
    EXPECT_EQ(run.status, 2) << usage;
    EXPECT_EQ(run.out, "") << usage;
    EXPECT_NE(run.err, "") << usage;
  }
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
