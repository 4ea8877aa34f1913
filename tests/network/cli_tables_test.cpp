// tarvello-cli --tables on the highway project, run as a separate program.
#include <gtest/gtest.h>

#include <fstream>

#include "support/cli_run.h"

namespace tarvello {
namespace {

std::vector<std::string> lines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> v;
  for (std::string line; std::getline(in, line);) v.push_back(line);
  return v;
}

TEST(CliTables, HighwayProjectWritesTheThreeTables) {
  const dbtest::ScratchFolder folder;  // checks the databases are left as they were
  const auto dir = folder.path() / "tables";
  const auto r = clitest::runCli(folder, "highway", "1",
                                 "--tail-water 399.8 --tables " + clitest::quote(dir.string()));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Tail water: 399.8\n"), std::string::npos) << r.out;
  // Where each table went, a line each.
  for (const char* name : {"structures.csv", "pipes.csv", "branches.csv"})
    EXPECT_NE(r.out.find("Table: " + (dir / name).string() + "\n"), std::string::npos) << r.out;
  const auto structures = lines(dir / "structures.csv");
  ASSERT_FALSE(structures.empty());
  EXPECT_EQ(structures[0],
            "Branch ID,Str #,Str. Type,Station,Offset,Offset Loc.,Top Elev.,Bottom Elev.,"
            "HGL Elev-Low,HGL Elev-High,VDOT Std.,Length,Shaping\r");
  // 34 pipes in all, 31 drain to outfall 1 on nine branches: one structure row
  // more per branch than pipes, one branch row per pipe.
  EXPECT_EQ(lines(dir / "pipes.csv").size(), 1u + 31u);
  EXPECT_EQ(lines(dir / "branches.csv").size(), 1u + 31u);
  EXPECT_EQ(structures.size(), 1u + 31u + 9u);
  EXPECT_EQ(structures[1].substr(0, 13), "1,1,End Wall,");
  EXPECT_NE((r.out + r.err).find("warning: 3 pipes do not drain to outfall 1"), std::string::npos);
}

}  // namespace
}  // namespace tarvello
