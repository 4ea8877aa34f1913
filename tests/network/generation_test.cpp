#include <gtest/gtest.h>

#include "generation_fixture.h"

namespace tarvello {
namespace {

using namespace tarvello::testing;
using Row = std::vector<std::string>;

bool hasWarning(const Session& s, const std::string& part) {
  for (const auto& w : s.warnings.items())
    if (w.find(part) != std::string::npos) return true;
  return false;
}

// One pipe from structure A into the outfall O, every cell worked by hand.
TEST(CreateProfileData, SinglePipeEveryCell) {
  auto s = sessionWith({pipeRecord("P1", "O", "A",
                                   {{"NODEOUT_TYPE", q("End Wall")},
                                    {"NODEOUT_TOPELE", "106"},
                                    {"NODEIN_TOPELE", "108"},
                                    {"NODEIN_STATION", q("12+50.00")},
                                    {"NODEOUT_STATION", q("11+50.00")},
                                    {"NODEIN_OFFSET", "5"},
                                    {"NODEOUT_OFFLOC", q("RT")}})},
                       "O");
  const auto result = createProfileData(*s);
  ASSERT_TRUE(result.ran);
  EXPECT_EQ(result.error, "");
  const auto& t = s->tables();
  // The tail water 0 is raised to the invert plus 80 % of the 2 ft pipe.
  EXPECT_EQ(s->tailWaterText, "101.60");
  EXPECT_EQ(row(t.structures, 1), (Row{"1", "O", "End Wall", "11+50.00", "0.00", "RT", "106.00",
                                       "100.00", "101.6", "101.6", "EW-1", "0.00", ""}));
  // Hout = A1 = 101.6; hf = (10 x 0.013 / (0.463 x 2^2.6667))^2 x 100 = 0.1955;
  // Ho = 0.25 x 25 / 64.4 = 0.0970; HGL = 101.89 (above Ein + FD = 101.5).
  EXPECT_EQ(row(t.structures, 2), (Row{"1", "A", "Man Hole", "12+50.00", "5.00", "LT", "108.00",
                                       "101.00", "101.89", "101.89", "MH-1/MH-2", "0.00", "NO"}));
  // Covers 106 - 100 = 6 and 108 - 101 = 7; 6 - 2 - 0.25 = 3.75.
  EXPECT_EQ(row(t.pipes, 1),
            (Row{"1", "P1", "O", "A", "100.00", "101.00", "Circular", "Concrete", "24", "", "1",
                 "100.0", "10.0", "5.0", "1.00", "0.50", "0.013", "0", "3.75"}));
  EXPECT_EQ(row(t.branches, 1), (Row{"1", "O", "A"}));
  EXPECT_EQ(t.structures.lastFilledRow(), 2);
  EXPECT_EQ(t.structures.currentRow(), 1);
  EXPECT_EQ(t.branches.selectionEndColumn(), 2);
  EXPECT_TRUE(hasWarning(*s, "raised to 101.60"));
}

TEST(CreateProfileData, HglIsNeverBelowTheNormalWaterSurfaceAtTheInlet) {
  auto s = sessionWith({pipeRecord("P1", "O", "A", {{"PIPE_FLOWDEPTH", "1.2"}})}, "O");
  createProfileData(*s);
  // 101.89 would be below Ein + FD = 102.2.
  EXPECT_EQ(s->tables().structures.cell(2, strcol::HglLow), "102.20");
  EXPECT_EQ(s->tables().structures.cell(2, strcol::HglHigh), "102.20");
}

// Outfall O <- A (junction box) with B, C, D flowing into A and E into B:
// three inflows at one junction, angle losses, the 10 % and 20 % rules,
// shaping, an estimated top and a tail water above the outfall pipe.
std::vector<Fields> junctionNetwork() {
  return {
      pipeRecord("P1", "O", "A",
                 {{"NODEIN_TYPE", q("Junction Box")},
                  {"PIPE_DIA", "36"},
                  {"PIPE_ELEOUT", "100"},
                  {"PIPE_ELEIN", "100.5"},
                  {"PIPE_LENGTH", "200"},
                  {"PIPE_DISCHARGE", "40"},
                  {"PIPE_VELOCITY", "6"},
                  {"PIPE_FLOWDEPTH", "1.8"},
                  {"NODEOUT_TYPE", q("End Section")},
                  {"PIPE_MAT", q("CMP")}}),
      pipeRecord("P2", "A", "B",
                 {{"NODEIN_TYPE", q("Inlet")},
                  {"PIPE_DIA", "30"},
                  {"PIPE_ELEOUT", "101"},
                  {"PIPE_ELEIN", "102"},
                  {"PIPE_LENGTH", "150"},
                  {"PIPE_DISCHARGE", "20"},
                  {"PIPE_VELOCITY", "5"},
                  {"PIPE_FLOWDEPTH", "1.2"},
                  {"STRUCTURE_CA", "2"},
                  {"PIPE_I", "5"},
                  {"NODEIN_SHAPING", q("YES")},
                  {"NODEIN_TOPELE", "112"}}),
      pipeRecord("P3", "A", "C",
                 {{"NODEIN_TYPE", q("Inlet")},
                  {"PIPE_SHAPE", q("Elliptical")},
                  {"PIPE_DIA", "NULL"},
                  {"SPAN", "38"},
                  {"RISE", "24"},
                  {"PIPE_ELEOUT", "101.2"},
                  {"PIPE_ELEIN", "103"},
                  {"PIPE_LENGTH", "120"},
                  {"PIPE_MANN", "0.012"},
                  {"PIPE_DISCHARGE", "8"},
                  {"PIPE_VELOCITY", "4"},
                  {"PIPE_FLOWDEPTH", "1"},
                  {"PIPE_SKEW", "90"},
                  {"NODEOUT_TYPE", q("Junction Box")},
                  {"STRUCTURE_CA", "0.3"},
                  {"PIPE_I", "4"}}),
      pipeRecord("P4", "A", "D",
                 {{"PIPE_SHAPE", q("Box")},
                  {"SPAN", "48"},
                  {"RISE", "36"},
                  {"NUMOFPIPES", "2"},
                  {"PIPE_ELEOUT", "101.5"},
                  {"PIPE_ELEIN", "102.5"},
                  {"PIPE_DISCHARGE", "3"},
                  {"PIPE_VELOCITY", "3"},
                  {"PIPE_FLOWDEPTH", "0.8"},
                  {"PIPE_SKEW", "45"},
                  {"NODEOUT_TYPE", q("Junction Box")}}),
      pipeRecord("P5", "B", "E",
                 {{"NODEIN_TYPE", q("End Section")},
                  {"PIPE_SHAPE", q("Arch")},
                  {"PIPE_MAT", q("CMP")},
                  {"SPAN", "36"},
                  {"RISE", "22"},
                  {"PIPE_ELEOUT", "102.2"},
                  {"PIPE_ELEIN", "103.5"},
                  {"PIPE_LENGTH", "180"},
                  {"PIPE_MANN", "0.024"},
                  {"PIPE_DISCHARGE", "6"},
                  {"PIPE_VELOCITY", "4.5"},
                  {"PIPE_FLOWDEPTH", "0.9"},
                  {"NODEIN_TOPELE", "''"}}),
  };
}

TEST(CreateProfileData, JunctionNetworkHydraulicGradeLine) {
  auto s = sessionWith(junctionNetwork(), "O", "103.5");
  createProfileData(*s);
  const Table& st = s->tables().structures;
  auto col = [&](int c) {
    Row v;
    for (int r = 1; r <= st.lastFilledRow(); ++r) v.push_back(st.cell(r, c));
    return v;
  };
  EXPECT_EQ(col(strcol::StrNo), (Row{"O", "A", "B", "E", "A", "C", "A", "D"}));
  EXPECT_EQ(col(strcol::BranchId), (Row{"1", "1", "1", "1", "2", "2", "3", "3"}));
  // Tail water above A1 = 102.4 and A2 = 101.8 carries into Hout at A and is not raised.
  EXPECT_EQ(s->tailWaterText, "103.5");
  // A: hf 0.7198; Vm = 5 (P2 has the most momentum); P3 at 90 deg: 0.7 x 16/64.4;
  //    P4 (3 cfs, not above 10 % of 40) adds no angle loss. 103.5 + 0.7198 + 0.4495.
  // B: inlet flow 2 x 5 = 10 >= 20 % of 20 -> x1.3, shaping YES -> x0.5.
  // E, C, D from the HGL of B and A.
  EXPECT_EQ(col(strcol::HglLow),
            (Row{"103.5", "104.67", "105.16", "105.43", "104.67", "104.77", "104.67", "104.71"}));
  // High: next pipe's outlet water surface is lower everywhere; the branch
  // ends keep their own HGL.
  EXPECT_EQ(col(strcol::HglHigh),
            (Row{"103.5", "104.67", "105.16", "105.43", "104.67", "104.77", "104.67", "104.71"}));
  // The junction rows of branches 2 and 3 copy A's bottom and shaping.
  EXPECT_EQ(st.cell(5, strcol::BottomElev), "100.50");
  EXPECT_EQ(st.cell(7, strcol::Shaping), "NO");
  // E has an empty top: 103.5 + 22/12 + 1.
  EXPECT_EQ(st.cell(4, strcol::TopElev), "106.33");
  EXPECT_EQ(col(strcol::VdotStd),
            (Row{"ES-2", "JB-1", "TBD", "ES-3", "JB-1", "TBD", "JB-1", "MH-1/MH-2"}));

  const Table& pt = s->tables().pipes;
  Row pipes, hoc;
  for (int r = 1; r <= pt.lastFilledRow(); ++r) {
    pipes.push_back(pt.cell(r, pipecol::PipeNo));
    hoc.push_back(pt.cell(r, pipecol::HeightOfCover));
  }
  EXPECT_EQ(pipes, (Row{"P1", "P2", "P5", "P3", "P4"}));
  // P5: covers 112 - 102.2 and 106.33 - 103.5 = 2.83; 2.83 - 1.8333 - 0.2361 = 0.76.
  EXPECT_EQ(hoc[2], "0.76");
  EXPECT_EQ(pt.cell(4, pipecol::DiaRise), "24");
  EXPECT_EQ(pt.cell(4, pipecol::Span), "38");
  EXPECT_EQ(pt.cell(4, pipecol::Skew), "90");
  const Row expectedBranches{"1", "O", "A", "1", "A", "B", "1", "B",
                             "E", "2", "A", "C", "3", "A", "D"};
  Row branches;
  for (int r = 1; r <= 5; ++r)
    for (int c = 0; c < 3; ++c) branches.push_back(s->tables().branches.cell(r, c));
  EXPECT_EQ(branches, expectedBranches);
}

TEST(CreateProfileData, SurchargedNextPipeRaisesHglHighWithinTheBranchOnly) {
  // The pipe above A discharges at 103 with 1.5 ft of flow: A's high HGL is 104.5.
  auto s = sessionWith(
      {pipeRecord("P1", "O", "A"),
       pipeRecord("P2", "A", "B",
                  {{"PIPE_ELEOUT", "103"}, {"PIPE_ELEIN", "104"}, {"PIPE_FLOWDEPTH", "1.5"}}),
       pipeRecord("P3", "O", "C", {{"PIPE_ELEOUT", "110"}, {"PIPE_FLOWDEPTH", "2"}})},
      "O");
  createProfileData(*s);
  const Table& st = s->tables().structures;
  EXPECT_EQ(st.cell(2, strcol::HglHigh), "104.50");
  // B is the last structure of branch 1: the first pipe of branch 2 does not count.
  EXPECT_EQ(st.cell(3, strcol::HglHigh), st.cell(3, strcol::HglLow));
  // Branch 2 starts at the outfall again; its first pipe's outlet surface is 112.
  EXPECT_EQ(st.cell(4, strcol::StrNo), "O");
  EXPECT_EQ(st.cell(4, strcol::HglLow), "101.60");
  EXPECT_EQ(st.cell(4, strcol::HglHigh), "112.00");
}

TEST(CreateProfileData, MetricProjectUsesMetricConstants) {
  auto s = sessionWith({pipeRecord("P1", "O", "A",
                                   {{"PIPE_DIA", "600"},
                                    {"PIPE_ELEOUT", "50"},
                                    {"PIPE_ELEIN", "50.5"},
                                    {"PIPE_LENGTH", "40"},
                                    {"PIPE_DISCHARGE", "0.5"},
                                    {"PIPE_VELOCITY", "1.8"},
                                    {"PIPE_FLOWDEPTH", "0.25"},
                                    {"NODEIN_TOPELE", "''"},
                                    {"NODEOUT_TOPELE", "52"},
                                    {"NODEOUT_TYPE", q("End Wall")}})},
                       "O", "0.0", "METRIC");
  createProfileData(*s);
  const Table& st = s->tables().structures;
  EXPECT_EQ(s->tailWaterText, "50.48");  // 50 + 0.8 x 0.6 m
  // hf = (0.5 x 0.013 / (0.312 x 0.6^2.6667))^2 x 40 = 0.2647, Ho = 0.0413.
  EXPECT_EQ(st.cell(2, strcol::HglLow), "50.79");
  EXPECT_EQ(st.cell(2, strcol::TopElev), "51.40");  // 50.5 + 0.6 + 0.3
  // 600 mm is 23.6 in: one circular pipe below 36.1 in.
  EXPECT_EQ(st.cell(1, strcol::VdotStd), "EW-1");
  // Covers 2.0 and 0.9; 0.9 - 0.6 - (0.05 + 0.0254) = 0.2246.
  EXPECT_EQ(s->tables().pipes.cell(1, pipecol::HeightOfCover), "0.22");
  // Lower-case "english" is not English units.
  auto lower = sessionWith({pipeRecord("P1", "O", "A")}, "O", "0.0", "english");
  createProfileData(*lower);
  EXPECT_EQ(lower->tailWaterText, "100.02");  // 24 mm x 0.8 = 0.0192 m
}

TEST(CreateProfileData, MissingTopsAreEstimated) {
  // A number field left empty (null) is a missing top as much as an empty text.
  auto s = sessionWith(
      {pipeRecord("P1", "O", "A", {{"NODEIN_TOPELE", "NULL"}, {"NODEOUT_TOPELE", "NULL"}})}, "O");
  createProfileData(*s);
  EXPECT_EQ(s->tables().structures.cell(2, strcol::TopElev), "104.00");  // 101 + 2 + 1
  EXPECT_EQ(s->tables().structures.cell(1, strcol::TopElev), "102.00");  // 100 + 24/12
  EXPECT_TRUE(hasWarning(*s, "Structure A has no top elevation; it was estimated as 104.00."));
  // Without a size the estimate cannot be made.
  auto bare = sessionWith(
      {pipeRecord("P1", "O", "A", {{"NODEIN_TOPELE", "''"}, {"PIPE_DIA", "NULL"}})}, "O");
  createProfileData(*bare);
  EXPECT_EQ(bare->tables().structures.cell(2, strcol::TopElev), "0.00");
}

TEST(CreateProfileData, PressingTwiceGivesIdenticalTables) {
  auto s = sessionWith(junctionNetwork(), "O", "103.5");
  createProfileData(*s);
  const ProfileTables first = s->tables();
  createProfileData(*s);
  for (int r = 0; r <= first.structures.lastFilledRow() + 1; ++r)
    EXPECT_EQ(row(s->tables().structures, r), row(first.structures, r));
  for (int r = 0; r <= first.pipes.lastFilledRow() + 1; ++r)
    EXPECT_EQ(row(s->tables().pipes, r), row(first.pipes, r));
  EXPECT_EQ(s->tables().structures.lastFilledRow(), first.structures.lastFilledRow());
}

TEST(CreateProfileData, NoOutfallNoFlowAndNoDatabase) {
  auto s = sessionWith({pipeRecord("P1", "O", "A")}, "");
  s->tables().structures.setCell(1, 1, "kept");
  EXPECT_FALSE(createProfileData(*s).ran);
  EXPECT_EQ(s->tables().structures.cell(1, 1), "kept");

  s->outfallNode = "A";  // nothing flows into A
  const auto result = createProfileData(*s);
  EXPECT_TRUE(result.ran);
  EXPECT_NE(result.error.find("No pipe flows into the outfall node \"A\""), std::string::npos);
  EXPECT_EQ(s->tables().structures.lastFilledRow(), 0);
  EXPECT_EQ(s->tables().structures.cell(0, 0), "Branch ID");

  Session empty;
  empty.outfallNode = "O";
  empty.tailWaterText = "";
  EXPECT_NE(createProfileData(empty).error, "");
  EXPECT_EQ(empty.tailWaterText, "0.0");
}

TEST(CreateProfileData, BadValuesAreMendedAndReported) {
  auto s = sessionWith({pipeRecord("P1", "O", "A", {{"NUMOFPIPES", "0"}}),
                        pipeRecord("P2", "A", "B",
                                   {{"NUMOFPIPES", "NULL"},
                                    {"PIPE_DISCHARGE", q("abc")},
                                    {"PIPE_ELEOUT", "101"},
                                    {"PIPE_ELEIN", "102"}}),
                        pipeRecord("X1", "Z", "Y")},
                       "O");
  createProfileData(*s);
  EXPECT_TRUE(hasWarning(*s, "Pipe P1: number of barrels \"0\""));
  EXPECT_TRUE(hasWarning(*s, "Pipe P2: number of barrels \"\""));
  EXPECT_TRUE(hasWarning(*s, "PIPE_DISCHARGE \"abc\" is not a number"));
  EXPECT_TRUE(hasWarning(*s, "1 pipe does not drain to outfall O and is not listed: X1."));
  // The discharge text shows as it is; the walk counted it as 0 and went on.
  EXPECT_EQ(s->tables().pipes.cell(2, pipecol::Discharge), "abc");
  EXPECT_FALSE(s->tables().structures.cell(3, strcol::HglLow).empty());
}

TEST(CreateProfileData, NodeNumbersWithQuotesAndOddCharacters) {
  const std::string odd = "MH 'A', \"1\"; x";
  auto s = sessionWith({pipeRecord("P'1", "O'1", odd,
                                   {{"NODEOUT_NO", q("O''1")},
                                    {"NODEIN_NO", q("MH ''A'', \"1\"; x")},
                                    {"PIPE_NUMBER", q("P''1")}})},
                       "O'1");
  createProfileData(*s);
  EXPECT_EQ(s->tables().structures.cell(2, strcol::StrNo), odd);
  EXPECT_EQ(s->tables().pipes.cell(1, pipecol::PipeNo), "P'1");
  EXPECT_EQ(s->tables().branches.cell(1, branchcol::NodeIn), odd);
}

TEST(CreateProfileData, InletSubtypesAndLengths) {
  auto s = sessionWith(
      {pipeRecord("P1", "O", "I-1", {{"NODEIN_TYPE", q("Inlet")}}),
       pipeRecord("P2", "I-1", "I-2",
                  {{"NODEIN_TYPE", q("Inlet")}, {"PIPE_ELEOUT", "101"}, {"PIPE_ELEIN", "102"}})},
      "O");
  s->databases.setInletDatabase(inletDatabase(
      {{{"INLET_NUMBER", q("I-1")}, {"INLET_SUBTYPE", q("DI-3B")}, {"INLETLENGTH", "10"}},
       {{"INLET_NUMBER", q("I-2")}, {"INLET_SUBTYPE", "NULL"}, {"INLETLENGTH", "NULL"}}}));
  createProfileData(*s);
  const Table& st = s->tables().structures;
  EXPECT_EQ(st.cell(2, strcol::VdotStd), "DI-3B");
  EXPECT_EQ(st.cell(2, strcol::Length), "10.00");
  EXPECT_EQ(st.cell(3, strcol::VdotStd), "TBD");
  EXPECT_EQ(st.cell(3, strcol::Length), "0.00");
}

}  // namespace
}  // namespace tarvello
