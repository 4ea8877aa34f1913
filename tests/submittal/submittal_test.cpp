// The submittal through tarvello-cli on the example projects, read back by
// outside tools (sha256sum, cmp), and the revision log's rules on small tables.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "common/sha256.h"
#include "jet/jet_writer.h"
#include "submittal/revisions.h"
#include "submittal/submittal.h"
#include "support/cli_run.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;
using clitest::capture;
using clitest::quote;
using clitest::runCli;
using ::testing::HasSubstr;

std::vector<std::string> filesOf(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string readText(const fs::path& path) { return dbtest::readBytes(path.string()); }

// "name -> hash" as sha256sum prints it for every file of a folder.
std::map<std::string, std::string> sha256sumOf(const fs::path& dir) {
  std::map<std::string, std::string> sums;
  std::istringstream lines(capture("cd " + quote(dir.string()) + " && sha256sum -- *"));
  for (std::string line; std::getline(lines, line);) sums[line.substr(66)] = line.substr(0, 64);
  return sums;
}

TEST(Sha256, KnownDigestsWhateverTheChunks) {
  EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  Sha256 hash;
  const std::string piece(997, 'a');  // odd pieces cross every block edge
  for (int i = 0; i < 1003; ++i) hash.update(piece);
  const std::string all(997 * 1003, 'a');
  EXPECT_EQ(hash.hex(), sha256Hex(all));
  std::string million(1000000, 'a');
  EXPECT_EQ(sha256Hex(million), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Revisions, NumbersByValueTextsExactlyInTheLogsOrder) {
  SetTable before{{"Branch ID", "Pipe No", "Manning", "Shape"},
                  {{"1", "P1", "0.013", "Circular"},
                   {"1", "P2", "2.50", "Box"},
                   {"1", "P2", "9", "ignored: P2's first row counts"},
                   {"2", "P3", "0.013", "Circular"},
                   {"2", "P4", "0.013", "Circular"}}};
  SetTable after{{"Branch ID", "Pipe No", "Manning", "Shape"},
                 {{"1", "P5", "0.013", "Circular"},
                  {"1", "P2", "2.5", "box"},
                  {"1", "P1", "0.015", "Circular"},
                  {"2", "P4", "0.0130", "Circular "}}};
  SetTable structures{{"Str #", "Top Elev."}, {{"1", "404"}}};
  SetTable findingsBefore{
      {"Rule", "Branch ID", "Structure", "Pipe", "Value", "Limit"},
      {{"cover", "1", "", "P1", "1.50", "2.00"}, {"velocity-low", "2", "", "P3", "2.00", "3.00"}}};
  SetTable findingsAfter{
      {"Rule", "Branch ID", "Structure", "Pipe", "Value", "Limit"},
      {{"size-min", "1", "", "P5", "12.00", "15.00"}, {"cover", "1", "", "P1", "1.5", "2.50"}}};
  const auto log =
      compareSets({structures, before, findingsBefore}, {structures, after, findingsAfter});
  const std::vector<Revision> expected{
      {"added", "pipe", "P5", "", "", ""},
      {"changed", "pipe", "P2", "Shape", "Box", "box"},
      {"changed", "pipe", "P1", "Manning", "0.013", "0.015"},
      {"changed", "pipe", "P4", "Shape", "Circular", "Circular "},
      {"removed", "pipe", "P3", "", "", ""},
      {"added", "finding", "size-min:1::P5", "", "", ""},
      {"changed", "finding", "cover:1::P1", "Limit", "2.00", "2.50"},
      {"removed", "finding", "velocity-low:2::P3", "", "", ""}};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(revisionsCsv({expected[1]}),
            "Change,Item,Id,Column,Old,New\r\nchanged,pipe,P2,Shape,Box,box\r\n");
  // Without findings on one side, none are compared.
  EXPECT_EQ(
      compareSets({structures, before, std::nullopt}, {structures, after, findingsAfter}).size(),
      5u);
}

TEST(Submittal, EachExampleVerifiesAndAChangedByteIsNamed) {
  for (const auto& [example, outfall] : {std::pair{"highway", "1"}, std::pair{"metric", "1"}}) {
    SCOPED_TRACE(example);
    const dbtest::ScratchFolder folder;
    const fs::path set = folder.path() / "set";
    const auto run = runCli(folder, example, outfall, "--submittal " + quote(set.string()));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto names = filesOf(set);
    for (const char* name : {"structures.csv", "pipes.csv", "branches.csv", "design-checks.csv",
                             "all-profiles.dxf", "structure-schedule.dxf", "pipe-schedule.dxf",
                             "schedules.xlsx", "set.pdf", "manifest.json", "branch-1.dxf"})
      EXPECT_TRUE(std::count(names.begin(), names.end(), name)) << name;
    // A drawing of every branch of the branch table, named by its Branch ID.
    std::set<std::string> branches;
    const auto branchTable = parseCsv(readText(set / "branches.csv"));
    ASSERT_TRUE(branchTable);
    for (const auto& row : *branchTable)
      if (row[0] != "Branch ID" && !row[0].empty()) branches.insert("branch-" + row[0] + ".dxf");
    std::set<std::string> drawn;
    for (const auto& n : names)
      if (n.rfind("branch-", 0) == 0) drawn.insert(n);
    EXPECT_EQ(drawn, branches);
    EXPECT_GT(branches.size(), 1u);

    // The manifest's hashes are those sha256sum reads, of every file but itself.
    const std::string manifest = readText(set / "manifest.json");
    const auto sums = sha256sumOf(set);
    for (const auto& [name, hash] : sums) {
      if (name == "manifest.json") continue;
      EXPECT_THAT(manifest, HasSubstr("\"name\": \"" + name + "\",\n      \"size\": " +
                                      std::to_string(fs::file_size(set / name)) +
                                      ",\n      \"sha256\": \"" + hash + "\""));
    }
    const std::string bvp = folder.file(std::string(example) + ".bvp");
    const std::string dbHash = capture("sha256sum " + quote(bvp)).substr(0, 64);
    EXPECT_THAT(manifest, HasSubstr("\"sha256\": \"" + dbHash + "\""));

    int status = -1;
    const auto verify = [&](const std::string& more) {
      return capture(quote(TARVELLO_CLI) + " --verify " + quote(set.string()) + more, &status);
    };
    EXPECT_EQ(verify(" --pipe-db " + quote(bvp)),
              "The set matches its manifest: " + set.string() + "\n");
    EXPECT_EQ(status, 0);

    // One byte of one file changed, one removed, one added.
    std::string pipes = readText(set / "pipes.csv");
    pipes[pipes.size() / 2] ^= 1;
    std::ofstream(set / "pipes.csv", std::ios::binary) << pipes;
    fs::remove(set / "set.pdf");
    std::ofstream(set / "notes.txt") << "mine";
    EXPECT_EQ(verify(" --inlet-db " + quote(bvp)),
              "changed: pipes.csv\nmissing: set.pdf\nnot listed: notes.txt\n"
              "not the inlet database of the set: " +
                  bvp + "\n");
    EXPECT_EQ(status, 1);
    fs::remove(set / "manifest.json");
    verify(" 2>/dev/null");
    EXPECT_EQ(status, 1);
  }
}

TEST(Submittal, ReproducibleUnderSourceDateEpochAndOnlyEverReplacesASet) {
  const dbtest::ScratchFolder folder;
  const fs::path a = folder.path() / "a", b = folder.path() / "b";
  ASSERT_EQ(::setenv("SOURCE_DATE_EPOCH", "1700000000", 1), 0);
  const auto first = runCli(folder, "highway", "1", "--egl --submittal " + quote(a.string()));
  const auto second = runCli(folder, "highway", "1", "--egl --submittal " + quote(b.string()));
  ::unsetenv("SOURCE_DATE_EPOCH");
  ASSERT_EQ(first.status, 0) << first.err;
  ASSERT_EQ(second.status, 0) << second.err;
  int status = -1;
  capture("diff -r " + quote(a.string()) + " " + quote(b.string()), &status);
  EXPECT_EQ(status, 0) << "two sets of the same inputs differ";
  EXPECT_THAT(readText(a / "manifest.json"), HasSubstr("\"created\": \"2023-11-14T22:13:20Z\""));
  EXPECT_THAT(readText(a / "set.pdf"), HasSubstr("20231114221320"));

  // A previous set is replaced only with --force; the new set then holds only its own files.
  const auto again = runCli(folder, "highway", "1", "--submittal " + quote(a.string()));
  EXPECT_EQ(again.status, 1);
  EXPECT_THAT(again.err, HasSubstr("holds a previous set; give --force"));
  EXPECT_EQ(runCli(folder, "highway", "1", "--force --submittal " + quote(a.string())).status, 0);
  EXPECT_EQ(filesOf(a), filesOf(b));
  EXPECT_EQ(readText(a / "manifest.json").find("\"egl\": true"), std::string::npos);

  // A folder that is not a set is never touched, --force or not: not the project's own folder.
  const auto before = filesOf(folder.path());
  const auto here =
      clitest::capture("cd " + quote(folder.path().string()) + " && " + quote(TARVELLO_CLI) +
                           " --pipe-db highway.bvp --outfall 1 --submittal . --force 2>&1",
                       &status);
  EXPECT_EQ(status, 1);
  EXPECT_THAT(here, HasSubstr("nothing was written"));
  EXPECT_EQ(filesOf(folder.path()), before);
  // An extra file makes a set no longer a set.
  std::ofstream(b / "notes.txt") << "mine";
  EXPECT_EQ(runCli(folder, "highway", "1", "--force --submittal " + quote(b.string())).status, 1);
  EXPECT_TRUE(fs::exists(b / "notes.txt"));
}

TEST(Submittal, AFailedOrCancelledSetLeavesNoFolder) {
  const dbtest::ScratchFolder folder;
  RunInputs inputs;
  ASSERT_EQ(inputs.databases.openPipeDatabase(folder.copyExample("highway.bvp")), "");
  inputs.outfall = "1";
  const auto run = Run::make(inputs);
  ASSERT_TRUE(run->created());
  const RunFindings checks = RunFindings::check(*run, CriteriaOverrides{});
  SubmittalOptions options;
  options.checks = &checks;
  options.templatePath = folder.file("no-such-template.xlr");  // the workbook fails
  const auto result = writeSubmittal(*run, folder.file("set"), options);
  EXPECT_FALSE(result.ok());
  EXPECT_THAT(result.error, HasSubstr("schedules.xlsx"));
  EXPECT_EQ(filesOf(folder.path()), std::vector<std::string>{"highway.bvp"});

  // The progress is told of every file of the set, in turn, before the
  // manifest; a stop part way leaves no folder, and a previous set as it was.
  options.templatePath = std::string(TARVELLO_BINARY_DIR) + "/bin/" + kSchedulesTemplateName;
  std::vector<std::string> told;
  std::set<size_t> counts;
  options.progress = [&](size_t index, size_t count, const std::string& name) {
    EXPECT_EQ(index, told.size());
    counts.insert(count);
    told.push_back(name);
    return true;
  };
  const auto written = writeSubmittal(*run, folder.file("set"), options);
  ASSERT_TRUE(written.ok()) << written.error;
  EXPECT_EQ(counts, std::set<size_t>{told.size()});
  EXPECT_EQ(told.back(), "manifest.json");
  std::sort(told.begin(), told.end());
  EXPECT_EQ(told, filesOf(folder.path() / "set"));
  ASSERT_GT(told.size(), 8u);
  const std::string manifest = readText(folder.path() / "set" / "manifest.json");

  // Stopped before the first file, part way, and before the manifest.
  for (const size_t stopAt : {size_t{0}, size_t{7}, told.size() - 1}) {
    SCOPED_TRACE(stopAt);
    options.progress = [&](size_t index, size_t, const std::string&) { return index < stopAt; };
    for (const char* target : {"other", "set"}) {
      options.force = true;
      const auto stopped = writeSubmittal(*run, folder.file(target), options);
      EXPECT_TRUE(stopped.cancelled);
      EXPECT_EQ(stopped.error, "The submittal was cancelled; nothing was written.");
    }
    EXPECT_EQ(filesOf(folder.path()), (std::vector<std::string>{"highway.bvp", "set"}));
    EXPECT_EQ(readText(folder.path() / "set" / "manifest.json"), manifest);
    EXPECT_TRUE(verifySubmittal(folder.file("set")).ok());
  }

  // The database is hashed only for the manifest: one changed since it was
  // read would be named with bytes the tables did not come from.
  options.progress = {};
  { std::ofstream(folder.file("highway.bvp"), std::ios::app) << '\0'; }
  folder.watch(folder.file("highway.bvp"));
  const auto changed = writeSubmittal(*run, folder.file("set"), options);
  EXPECT_EQ(changed.error,
            folder.file("highway.bvp") + " has changed on disk since it was read: open it again");
  EXPECT_EQ(filesOf(folder.path()), (std::vector<std::string>{"highway.bvp", "set"}));
}

// The highway example's databases with one trunk pipe made larger, the pipe and
// inlet at the upper end of the trunk removed, and one structure's top raised.
void writeChangedHighway(const dbtest::ScratchFolder& folder) {
  std::string pipe = readText(fs::path(TARVELLO_SOURCE_DIR) / "examples/highway/highway.pipe.txt");
  std::string inlet =
      readText(fs::path(TARVELLO_SOURCE_DIR) / "examples/highway/highway.inlet.txt");
  auto lineStarting = [](std::string& text, const std::string& start) -> size_t {
    const size_t at = text.find("\n" + start);
    EXPECT_NE(at, std::string::npos) << start;
    return at + 1;
  };
  auto replaceIn = [&](std::string& text, const std::string& start, const std::string& from,
                       const std::string& to) {
    const size_t line = lineStarting(text, start);
    const size_t at = text.find(from, line);
    ASSERT_LT(at, text.find('\n', line)) << start << from;
    text.replace(at, from.size(), to);
  };
  auto removeLine = [&](std::string& text, const std::string& start) {
    const size_t line = lineStarting(text, start);
    text.erase(line, text.find('\n', line) + 1 - line);
  };
  replaceIn(pipe, "P4,", ",Circular,48,48,48,", ",Circular,54,54,54,");
  removeLine(pipe, "P12,");
  removeLine(inlet, "12,");
  replaceIn(pipe, "P7,", ",418.59,", ",419.10,");  // structure 7, top
  replaceIn(pipe, "P8,", ",418.59,", ",419.10,");
  for (const auto& [text, name] :
       {std::pair{&pipe, "highway.bvp"}, std::pair{&inlet, "highway.olm"}}) {
    std::istringstream in(*text);
    jet::writeJet4(folder.file(name), jet::parseDescription(in));
  }
}

TEST(Submittal, ResubmittalListsExactlyTheChangesAndTheGradeLinesTheyMove) {
  const dbtest::ScratchFolder second;
  const fs::path old = second.path() / "old", now = second.path() / "set";
  // The first set from the build's own example databases; the folder gets the changed ones.
  const std::string examples = std::string(TARVELLO_BINARY_DIR) + "/examples/";
  int made = -1;
  capture(quote(TARVELLO_CLI) + " --pipe-db " + quote(examples + "highway.bvp") + " --inlet-db " +
              quote(examples + "highway.olm") + " --outfall 1 --submittal " + quote(old.string()) +
              " 2>/dev/null",
          &made);
  ASSERT_EQ(made, 0);
  writeChangedHighway(second);

  // A folder without the tables is refused before anything is written.
  const auto bad =
      runCli(second, "highway", "1",
             "--tables " + quote(second.file("t")) + " --compare-with " +
                 quote(second.path().string()) + " --submittal " + quote(now.string()));
  EXPECT_EQ(bad.status, 1);
  EXPECT_THAT(bad.err, HasSubstr(second.file("structures.csv") + ": the file does not exist"));
  EXPECT_FALSE(fs::exists(now));
  EXPECT_FALSE(fs::exists(second.file("t")));

  const auto run =
      runCli(second, "highway", "1",
             "--mark-revisions --compare-with " + quote(old.string()) + " --submittal " +
                 quote(now.string()) + " --revisions " + quote(second.file("alone.csv")));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string log = readText(now / "revisions.csv");
  EXPECT_EQ(readText(second.file("alone.csv")), log);
  auto rows = *parseCsv(log);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(),
            (std::vector<std::string>{"Change", "Item", "Id", "Column", "Old", "New"}));
  rows.erase(rows.begin());

  // What was changed, and what follows from it. The grade line at structure
  // 4 sits 0.8 D above P4's outlet invert, so the 6 in larger pipe raises it
  // by 0.40 ft, less the friction loss the larger pipe saves over its 230 ft:
  // (72.24 x 0.013 / (0.463 D^8/3))^2 x 230 = 0.582 ft at 4 ft, 0.310 ft at
  // 4.5 ft; 403.05 + 0.40 - 0.272 = 403.18. Structure 5 above it follows. The
  // size-decrease finding at P3 compares P3 with the pipe above it, now 54 in.
  // Raising structure 7's top adds cover over P8, which leaves it.
  const std::vector<std::vector<std::string>> expected{
      {"changed", "structure", "4", "HGL Elev-Low", "403.05", "403.18"},
      {"changed", "structure", "4", "HGL Elev-High", "403.05", "403.18"},
      {"changed", "structure", "5", "HGL Elev-Low", "404.76", "404.81"},
      {"changed", "structure", "5", "HGL Elev-High", "404.76", "404.81"},
      {"changed", "structure", "7", "Top Elev.", "418.59", "419.10"},
      {"removed", "structure", "12", "", "", ""},
      {"changed", "pipe", "P4", "Dia / Rise", "48", "54"},
      {"changed", "pipe", "P8", "Height Of Cover", "5.78", "6.25"},
      {"removed", "pipe", "P12", "", "", ""},
      {"changed", "finding", "size-decrease:1::P3", "Limit", "48.00", "54.00"}};
  EXPECT_EQ(rows, expected) << log;
  EXPECT_THAT(run.err, HasSubstr("Revisions: 0 added, 2 removed, 8 changed"));

  // The workbook and the PDF set carry the log too.
  EXPECT_THAT(capture("unzip -p " + quote((now / "schedules.xlsx").string()) + " xl/workbook.xml"),
              HasSubstr("name=\"Revisions\""));
  const std::string firstPage =
      capture("pdftotext -f 1 -l 1 " + quote((now / "set.pdf").string()) + " -");
  EXPECT_THAT(firstPage, HasSubstr("Revisions: 0 added, 2 removed, 8 changed"));
  EXPECT_THAT(firstPage, HasSubstr("size-decrease:1::P3"));

  // Branch 1, the trunk, clouds structures 4, 5 and 7 and pipes P4 and P8, on
  // their own layer; with the clouds taken out it is the plain drawing.
  ASSERT_EQ(runCli(second, "highway", "1", "--branch-profile 1:" + quote(second.file("plain.dxf")))
                .status,
            0);
  const auto entities = [](const std::string& dxf) { return dxf.substr(dxf.find("ENTITIES")); };
  std::string marked = entities(readText(now / "branch-1.dxf"));
  const std::string end = "SEQEND\r\n  8\r\nREVISIONS\r\n  0\r\n";
  int clouds = 0;
  for (size_t at; (at = marked.find("POLYLINE\r\n  8\r\nREVISIONS")) != std::string::npos;
       ++clouds) {
    const size_t stop = marked.find(end, at);
    ASSERT_NE(stop, std::string::npos);
    const std::string cloud = marked.substr(at, stop - at);
    size_t vertices = 0, bulges = 0;
    for (size_t v = 0; (v = cloud.find("VERTEX", v)) != std::string::npos; ++v) ++vertices;
    for (size_t v = 0; (v = cloud.find(" 42\r\n0.6\r\n", v)) != std::string::npos; ++v) ++bulges;
    EXPECT_GE(vertices, 4u);
    EXPECT_EQ(bulges, vertices);
    marked.erase(at, stop + end.size() - at);
  }
  EXPECT_EQ(clouds, 5);
  EXPECT_EQ(marked, entities(readText(second.file("plain.dxf"))));
  EXPECT_THAT(readText(now / "branch-1.dxf"), HasSubstr("REVISIONS"));

  EXPECT_THAT(
      readText(now / "manifest.json"),
      HasSubstr("\"previous_set\": {\n    \"manifest_sha256\": \"" +
                capture("sha256sum " + quote((old / "manifest.json").string())).substr(0, 64)));
  int status = -1;
  capture(quote(TARVELLO_CLI) + " --verify " + quote(now.string()), &status);
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace tarvello
