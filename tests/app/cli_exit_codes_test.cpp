// tarvello-cli's exit codes: 2 for a command line it cannot follow, 1 for a
// file or project it cannot use, and an existing output replaced only with
// --force, for every output it writes.
#include <gtest/gtest.h>

#include <fstream>

#include "run/outputs.h"
#include "support/cli_run.h"

namespace tarvello {
namespace {

using clitest::CliRun;
using clitest::runCliWith;

TEST(CliExitCodes, UsageErrorsAreTwoAndFileProblemsOne) {
  dbtest::ScratchFolder folder;
  folder.copyExample("highway.bvp");
  folder.copyExample("highway.olm");
  folder.writeFile("notes.olm", "not a database\n");
  folder.writeFile("bad.toml", "freeboard = 1.0\nvelocity_min = \"3\"\n");
  const std::string project = "--pipe-db highway.bvp --inlet-db highway.olm --outfall 1 ";
  const struct {
    std::string arguments;
    int status;
    std::string err;  // what standard error must hold
  } cases[] = {
      {"--list-outfalls", 2, ""},
      {"--pipe-db", 2, ""},
      {"--pipe-db highway.bvp", 2, ""},
      {"--pipe-db highway.bvp --list-outfalls --no-such-option", 2, ""},
      {"--outfall 1 --tables t", 2, ""},
      {project + "--tail-water abc --tables t", 2, ""},
      {project + "--pdf x.pdf --page-size legal", 2, ""},
      {project + "--criteria bad.toml", 2, ""},  // no --checks to use them
      {"--pipe-db missing.bvp --list-outfalls", 1, "missing.bvp: the file does not exist\n"},
      {"--pipe-db highway.bvp --inlet-db notes.olm --list-outfalls", 1,
       "notes.olm: this is not a Jet (Access) database\n"},
      {"--pipe-db highway.bvp --inlet-db highway.bvp --list-outfalls", 1,
       "highway.bvp is a pipe project database, not an inlet project database"},
      {"--pipe-db highway.bvp --outfall NOPE --tables t", 1,
       "No pipe flows into the outfall node \"NOPE\""},
      {project + "--checks c.csv --criteria bad.toml", 1, "bad.toml:2: "},
  };
  for (const auto& c : cases) {
    const CliRun run = runCliWith(folder, c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_NE(run.err, "") << c.arguments;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.arguments << "\n" << run.err;
  }
  for (const char* name : {"t", "x.pdf", "c.csv"})
    EXPECT_FALSE(std::filesystem::exists(folder.file(name)));
}

TEST(CliExitCodes, AnExistingOutputIsReplacedOnlyWithForce) {
  dbtest::ScratchFolder folder;
  for (const OutputDescription& output : outputCatalogue()) {
    if (!output.available || output.target != OutputTarget::Whole) continue;
    SCOPED_TRACE(std::string(output.id));
    // The tables go into a folder, one file each; every other output is a file.
    const bool table = output.cliOption == "--tables";
    const std::string file = table ? "tables/" + setFileName(output)
                                   : std::string(output.id) + "." + std::string(output.extension);
    const std::string argument =
        std::string(output.cliOption) + " " + (table ? folder.file("tables") : folder.file(file));
    std::filesystem::create_directories(folder.path() / "tables");
    std::ofstream(folder.file(file)) << "kept";

    CliRun run = clitest::runCli(folder, "highway", "1", argument);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("File Already Exists!   Overwrite? no (give --force to answer yes)"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(dbtest::readBytes(folder.file(file)), "kept");

    run = clitest::runCli(folder, "highway", "1", "--force " + argument);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Overwrite? yes (--force)"), std::string::npos) << run.out;
    EXPECT_NE(dbtest::readBytes(folder.file(file)), "kept");
    std::filesystem::remove_all(folder.path() / "tables");
  }
}

}  // namespace
}  // namespace tarvello
