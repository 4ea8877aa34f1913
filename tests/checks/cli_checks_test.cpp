// tarvello-cli --checks, --criteria and --egl on the example projects, run as
// a separate program; drawings and workbooks read back with ezdxf and openpyxl.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/database_test_support.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;
using dbtest::ScratchFolder;

using clitest::capture;
using clitest::CliRun;
using clitest::quote;
using clitest::runCli;

std::vector<std::vector<std::string>> readPython(const std::string& mode, const std::string& file) {
  int status = -1;
  const std::string out =
      capture("/usr/bin/python3 " + quote(TARVELLO_SOURCE_DIR "/tests/support/read_output.py") +
                  " " + mode + " " + quote(file) + " 2>&1",
              &status);
  EXPECT_EQ(status, 0) << out;
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::istringstream f(line + "\t");
    for (std::string field; std::getline(f, field, '\t');) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

const std::string kHeader = "Rule,Branch ID,Structure,Pipe,Value,Limit\r\n";

// The findings worked by hand from the tables of each example. The highway
// project from outfall 1 (31 pipes, 32 structures):
// - freeboard: the least room is 1.36 at structure 3 (402.52 - 401.16);
// - velocities run from 4.4 (P26) to 11.2 (P7, P8), inside 3 to 12;
// - cover below 2.00: P2 1.88, P3 0.67, P4 0 (the buried transition 3 has no
//   top), P30 1.71, P50 1.72, P44 1.75;
// - sizes are 15 in or more;
// - the only pipe with a larger one upstream: P3 (36 in box rise) takes P4
//   (48 in) at structure 3;
// - every slope is positive; at every junction the pipe leaving is at or
//   below the pipes arriving (equal at 3, 5, 7, 10, 11, 22, 40, 8, 28, 32,
//   25, 41, 43, 29).
const std::string kHighwayFindings = kHeader +
                                     "cover,1,,P2,1.88,2.00\r\n"
                                     "cover,1,,P3,0.67,2.00\r\n"
                                     "cover,1,,P4,0.00,2.00\r\n"
                                     "cover,2,,P30,1.71,2.00\r\n"
                                     "cover,5,,P50,1.72,2.00\r\n"
                                     "cover,8,,P44,1.75,2.00\r\n"
                                     "size-decrease,1,,P3,36.00,48.00\r\n";
// Outfall 201: room 2.10 / 4.27 / 4.43 / 2.83; velocities 8.4, 6.7, 3.8;
// cover 1.79 (P202), 3.54, 2.04; 18 in into 15 in pipes; inverts drop.
const std::string kHighway201Findings = kHeader + "cover,1,,P202,1.79,2.00\r\n";
// Metric (0.30 m, 0.9 to 3.7 m/s, 0.6 m, 375 mm): least room 0.49 (headwall
// 10); velocities 1.5 to 3.2; cover 0.52 at P2 (P10 0.65); the smallest
// pipes are exactly 375 mm; sizes and inverts never go the wrong way.
const std::string kMetricFindings = kHeader + "cover,1,,P2,0.52,0.60\r\n";

TEST(CliChecks, ExampleProjectsGiveTheFindingsWorkedByHand) {
  ScratchFolder folder;
  const CliRun highway =
      runCli(folder, "highway", "1", "--tail-water 399.80 --checks " + quote(folder.file("c.csv")));
  EXPECT_EQ(highway.status, 0) << highway.err;
  EXPECT_EQ(dbtest::readBytes(folder.file("c.csv")), kHighwayFindings);
  EXPECT_NE(highway.err.find("Design checks: 7 findings\n"), std::string::npos) << highway.err;
  EXPECT_NE(highway.err.find("  cover: 6\n"), std::string::npos);
  EXPECT_NE(highway.err.find("  size-decrease: 1\n"), std::string::npos);
  EXPECT_NE(highway.err.find("  freeboard: 0\n"), std::string::npos);

  const CliRun second = runCli(folder, "highway", "201",
                               "--tail-water 426.20 --checks " + quote(folder.file("c201.csv")));
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(dbtest::readBytes(folder.file("c201.csv")), kHighway201Findings);

  const CliRun metric =
      runCli(folder, "metric", "1", "--tail-water 55.40 --checks " + quote(folder.file("m.csv")));
  EXPECT_EQ(metric.status, 0) << metric.err;
  EXPECT_EQ(dbtest::readBytes(folder.file("m.csv")), kMetricFindings);
}

TEST(CliChecks, CriteriaFileOverridesTheDefaults) {
  ScratchFolder folder;
  // Cover below 0.5 leaves P4 alone; above 11 ft/s are P7 and P8 (11.2).
  folder.writeFile("agency.toml",
                   "velocity_max = 11\ncover_min = 0.5\noff = [\"size-decrease\"]\n");
  const CliRun run = runCli(folder, "highway", "1",
                            "--checks " + quote(folder.file("c.csv")) + " --criteria " +
                                quote(folder.file("agency.toml")));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(dbtest::readBytes(folder.file("c.csv")),
            kHeader +
                "velocity-high,1,,P7,11.20,11.00\r\nvelocity-high,1,,P8,11.20,11.00\r\n"
                "cover,1,,P4,0.00,0.50\r\n");
}

TEST(CliChecks, WrongCriteriaFileStopsBeforeAnythingIsWritten) {
  ScratchFolder folder;
  folder.writeFile("bad.toml", "freeboard = 1.0\nvelocity_min = \"3\"\n");
  const CliRun run =
      runCli(folder, "highway", "1",
             "--tables " + quote(folder.file("tables")) + " --checks " +
                 quote(folder.file("c.csv")) + " --excel " + quote(folder.file("w.xlsx")) +
                 " --criteria " + quote(folder.file("bad.toml")));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(folder.file("bad.toml") + ":2: key \"velocity_min\": must be a number"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(folder.file("tables")));
  EXPECT_FALSE(fs::exists(folder.file("c.csv")));
  EXPECT_FALSE(fs::exists(folder.file("w.xlsx")));
}

// Splits a drawing into lines and drops the EGL lines and the EGL layer entry.
std::vector<std::string> withoutEgl(const std::string& crlfText) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < crlfText.size();) {
    const size_t end = crlfText.find("\r\n", start);
    lines.push_back(crlfText.substr(start, end - start));
    start = end == std::string::npos ? crlfText.size() : end + 2;
  }
  std::vector<std::string> kept;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "LINE" && i + 2 < lines.size() && lines[i + 2] == "EGL") {
      kept.pop_back();  // the "0" that opened it
      i += 16;          // LINE, 8 EGL, 62 c, and six coordinates with their codes
    } else if (lines[i] == "LAYER" && i + 2 < lines.size() && lines[i + 2] == "EGL") {
      kept.pop_back();
      i += 8;  // 2 EGL, 70 0, 62 c, 6 CONTINUOUS
    } else {
      kept.push_back(lines[i]);
    }
  }
  return kept;
}

TEST(CliChecks, EnergyGradeLineIsTheGradeLineRaisedByTheVelocityHead) {
  ScratchFolder folder;
  for (const auto& [example, outfall, gravity] :
       {std::tuple{"highway", "1", 32.2}, std::tuple{"metric", "1", 9.81}}) {
    SCOPED_TRACE(example);
    const std::string plain = folder.file(std::string(example) + "-plain.dxf");
    const std::string egl = folder.file(std::string(example) + "-egl.dxf");
    const std::string tables = folder.file(std::string(example) + "-tables");
    ASSERT_EQ(runCli(folder, example, outfall, "--force --all-profiles " + quote(plain)).status, 0);
    const CliRun run =
        runCli(folder, example, outfall,
               "--force --egl --all-profiles " + quote(egl) + " --tables " + quote(tables));
    ASSERT_EQ(run.status, 0) << run.err;

    // The velocity of each pipe-table row, in the order the profiles draw them.
    std::vector<double> velocities;
    {
      std::istringstream csv(dbtest::readBytes(tables + "/pipes.csv"));
      std::string line;
      std::getline(csv, line);
      while (std::getline(csv, line)) {
        std::vector<std::string> cells;
        std::istringstream f(line);
        for (std::string c; std::getline(f, c, ',');) cells.push_back(c);
        velocities.push_back(std::stod(cells.at(13)));
      }
    }

    const auto read = readPython("dxf", egl);
    std::vector<std::vector<std::string>> hgl, energy;
    bool layer = false;
    for (const auto& r : read) {
      if (r[0] == "layer" && r[1] == "EGL") layer = r[2] == "5";
      if (r[0] == "line") (r[1] == "EGL" ? energy : hgl).push_back(r);
    }
    EXPECT_TRUE(layer) << "EGL in the layer table, colour 5";
    ASSERT_EQ(hgl.size(), velocities.size()) << "one grade line per pipe";
    ASSERT_EQ(energy.size(), hgl.size());
    for (size_t i = 0; i < energy.size(); ++i) {
      const double head = 5.0 * velocities[i] * velocities[i] / (2 * gravity);  // vertical scale 5
      EXPECT_EQ(energy[i][2], "5");
      EXPECT_EQ(energy[i][3], hgl[i][3]) << "same start x, row " << i + 1;
      EXPECT_EQ(energy[i][5], hgl[i][5]) << "same end x, row " << i + 1;
      EXPECT_NEAR(std::stod(energy[i][4]) - std::stod(hgl[i][4]), head, 2e-4) << "row " << i + 1;
      EXPECT_NEAR(std::stod(energy[i][6]) - std::stod(hgl[i][6]), head, 2e-4) << "row " << i + 1;
    }
    // The layer entry and those lines are the only difference.
    const std::string plainText = dbtest::readBytes(plain);
    std::vector<std::string> expected = withoutEgl(plainText);
    std::vector<std::string> got = withoutEgl(dbtest::readBytes(egl));
    for (std::string& line : got)
      if (line == "     4") line = "     3";  // the layer count, the only "4" of that width
    EXPECT_EQ(got, expected);
    EXPECT_EQ(plainText.find("EGL"), std::string::npos);
  }
}

TEST(CliChecks, WorkbookGetsTheFindingsAsAThirdWorksheet) {
  ScratchFolder folder;
  const std::string plain = folder.file("plain.xlsx");
  const std::string checked = folder.file("checked.xlsx");
  ASSERT_EQ(runCli(folder, "highway", "1", "--excel " + quote(plain)).status, 0);
  const CliRun run =
      runCli(folder, "highway", "1",
             "--excel " + quote(checked) + " --checks " + quote(folder.file("c.csv")));
  ASSERT_EQ(run.status, 0) << run.err;

  const auto book = readPython("checks", checked);
  ASSERT_FALSE(book.empty());
  EXPECT_EQ(book[0], (std::vector<std::string>{"sheets", "Structure Schedule", "Pipe Schedule",
                                               "Design Checks"}));
  std::string csv;
  for (size_t r = 1; r < book.size(); ++r) {
    ASSERT_EQ(book[r][0], "row");
    for (size_t c = 1; c < book[r].size(); ++c) csv += (c > 1 ? "," : "") + book[r][c];
    csv += "\r\n";
  }
  EXPECT_EQ(csv, kHighwayFindings);
  EXPECT_EQ(readPython("checks", plain)[0],
            (std::vector<std::string>{"sheets", "Structure Schedule", "Pipe Schedule"}));

  // Both schedules are the very same parts as without the checks.
  std::map<std::string, std::string> plainParts, checkedParts;
  for (const auto& r : readPython("parts", plain)) plainParts[r.at(0)] = r.at(1);
  for (const auto& r : readPython("parts", checked)) checkedParts[r.at(0)] = r.at(1);
  for (const char* part : {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml", "xl/styles.xml",
                           "xl/sharedStrings.xml"}) {
    ASSERT_TRUE(plainParts.count(part)) << part;
    EXPECT_EQ(checkedParts[part], plainParts[part]) << part;
  }
  EXPECT_TRUE(checkedParts.count("xl/worksheets/sheet3.xml"));
}

}  // namespace
}  // namespace tarvello
