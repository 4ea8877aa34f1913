#include <gtest/gtest.h>

#include "commands/commands.h"
#include "network/generation.h"
#include "network/table_fill.h"
#include "support/sql_fixture.h"

namespace tarvello {
namespace {

// One pipe (branch 1, from structure row 1 "O" up to row 2 "A") filled by hand.
std::string cover(const std::string& size, const std::string& topOut, const std::string& topIn,
                  const std::string& units = "ENGLISH", const std::string& elevOut = "100",
                  const std::string& elevIn = "101") {
  Session session;
  session.databases.setPipeDatabase(testing::databaseFromSql(
      "CREATE TABLE PROJECT (UNITS); INSERT INTO PROJECT VALUES ('" + units + "');",
      DatabaseKind::Pipe));
  PipeNetwork network;
  GenerationContext ctx(session.tables(), network, session.warnings,
                        UnitConstants::forUnitSystem(session.databases.unitSystem()), "0.0");
  Table& s = session.tables().structures;
  Table& p = session.tables().pipes;
  for (int r : {1, 2}) s.setCell(r, strcol::BranchId, "1");
  ctx.setStructureNode(1, "O");
  ctx.setStructureNode(2, "A");
  s.setCell(1, strcol::TopElev, topOut);
  s.setCell(2, strcol::TopElev, topIn);
  p.setCell(1, pipecol::BranchId, "1");
  p.setCell(1, pipecol::NodeOut, "O");
  p.setCell(1, pipecol::ElevOut, elevOut);
  p.setCell(1, pipecol::ElevIn, elevIn);
  p.setCell(1, pipecol::DiaRise, size);
  computeHeightOfCover(ctx, 1);
  return p.cell(1, pipecol::HeightOfCover);
}

TEST(HeightOfCover, WorkedExamples) {
  EXPECT_EQ(cover("24", "108", "103"), "0");       // negative
  EXPECT_EQ(cover("24", "", "107"), "0");          // a missing top counts as no cover
  EXPECT_EQ(cover("30", "110", "110"), "6.21");    // 9 - 2.5 - 0.2917
  EXPECT_EQ(cover("24", "106.75", "110"), "4.5");  // 6.75 - 2.25, trailing zero dropped
}

TEST(HeightOfCover, TextInNumberCellsCountsAsNoSize) {
  EXPECT_EQ(cover("abc", "108", "107"), "5.92");  // size read as 0, wall 1 inch: 6 - 0.0833
}

}  // namespace
}  // namespace tarvello
