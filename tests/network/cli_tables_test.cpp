#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/database_test_support.h"

namespace {

struct CliRun {
  int status;
  std::string out;
};

CliRun run(const std::string& args) {
  const std::string cmd = std::string(TARVELLO_CLI) + " " + args + " 2>&1";
  FILE* pipe = popen(cmd.c_str(), "r");
  std::string out;
  std::array<char, 4096> buf{};
  size_t n = 0;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::vector<std::string> lines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> v;
  for (std::string line; std::getline(in, line);) v.push_back(line);
  return v;
}

TEST(CliTables, HighwayProjectWritesTheThreeTables) {
  const tarvello::dbtest::ScratchFolder folder;  // checks the databases are left as they were
  folder.copyExample("highway.bvp");
  folder.copyExample("highway.olm");
  const std::string kHighway = folder.file("highway");
  const auto dir = folder.path() / "tables";
  const CliRun r = run("--pipe-db " + kHighway + ".bvp --inlet-db " + kHighway +
                       ".olm --outfall 1 --tail-water 399.8 --tables " + dir.string());
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Tail water: 399.8\n"), std::string::npos) << r.out;
  // Where each table went, a line each.
  for (const char* name : {"structures.csv", "pipes.csv", "branches.csv"})
    EXPECT_NE(r.out.find("Table: " + (dir / name).string() + "\n"), std::string::npos) << r.out;
  const auto structures = lines(dir / "structures.csv");
  const auto pipes = lines(dir / "pipes.csv");
  const auto branches = lines(dir / "branches.csv");
  ASSERT_FALSE(structures.empty());
  EXPECT_EQ(structures[0],
            "Branch ID,Str #,Str. Type,Station,Offset,Offset Loc.,Top Elev.,Bottom Elev.,"
            "HGL Elev-Low,HGL Elev-High,VDOT Std.,Length,Shaping\r");
  // 34 pipes in all, 31 drain to outfall 1 on nine branches: one structure row
  // more per branch than pipes, one branch row per pipe.
  EXPECT_EQ(pipes.size(), 1u + 31u);
  EXPECT_EQ(branches.size(), 1u + 31u);
  EXPECT_EQ(structures.size(), 1u + 31u + 9u);
  EXPECT_EQ(structures[1].substr(0, 13), "1,1,End Wall,");
  EXPECT_NE(r.out.find("warning: 3 pipes do not drain to outfall 1"), std::string::npos);

  // A second run finds the tables there: they are kept unless --force is given.
  std::ofstream(dir / "pipes.csv") << "kept\n";
  const std::string again = "--pipe-db " + kHighway + ".bvp --outfall 1 --tables " + dir.string();
  CliRun second = run(again);
  EXPECT_EQ(second.status, 1);
  EXPECT_NE(second.out.find("pipes.csv: File Already Exists!   Overwrite? no"), std::string::npos)
      << second.out;
  EXPECT_EQ(lines(dir / "pipes.csv"), std::vector<std::string>{"kept"});
  second = run(again + " --force");
  EXPECT_EQ(second.status, 0) << second.out;
  EXPECT_EQ(lines(dir / "pipes.csv").size(), pipes.size());
}

TEST(CliTables, UnknownOutfallAndBadTailWater) {
  const tarvello::dbtest::ScratchFolder folder;
  folder.copyExample("highway.bvp");
  const std::string kHighway = folder.file("highway");
  CliRun r = run("--pipe-db " + kHighway + ".bvp --outfall NOPE --tables /tmp/tarvello-none");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("No pipe flows into the outfall node \"NOPE\""), std::string::npos) << r.out;
  r = run("--pipe-db " + kHighway + ".bvp --outfall 1 --tail-water abc");
  EXPECT_EQ(r.status, 2);
  r = run("--outfall 1");
  EXPECT_EQ(r.status, 2);
}

}  // namespace
