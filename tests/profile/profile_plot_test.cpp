#include "profile/profile_plot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dxf/dxf_writer.h"
#include "profile_test_support.h"

namespace tarvello {
namespace {

using testing::Entity;
using testing::hasLine;
using testing::lineFrom;
using testing::ofType;
using testing::textsSaying;

ProfileSettings settingsFor(const std::string& unitSystem, float tailWater = 100) {
  ProfileSettings s;
  s.units = ProfileUnits::forUnitSystem(unitSystem);
  s.tailWater = tailWater;
  return s;
}

struct Drawn {
  std::vector<Entity> entities;
  std::vector<std::string> tokens;
  Warnings warnings;
};

enum class Kind { Pipe, Branch, All };

Drawn draw(const ProfileTables& tables, Kind kind, int row = 1,
           const ProfileSettings& settings = settingsFor("ENGLISH")) {
  Drawn out;
  DxfDrawing drawing;
  ProfilePlot plot(tables, settings, drawing, out.warnings);
  if (kind == Kind::Pipe) plot.drawPipeProfile(row);
  if (kind == Kind::Branch) plot.drawBranchProfile(row);
  if (kind == Kind::All) plot.drawAllProfiles();
  out.tokens = drawing.entityTokens();
  out.entities = testing::parseEntities(out.tokens);
  return out;
}

// The single TEXT saying `text`; fails the test when there is not exactly one.
Entity theText(const Drawn& d, const std::string& text) {
  const auto found = textsSaying(d.entities, text);
  EXPECT_EQ(found.size(), 1u) << text;
  return found.empty() ? Entity{} : found.front();
}

void expectAt(const Entity& e, double x, double y, const std::string& layer) {
  EXPECT_DOUBLE_EQ(e.x(), x) << e.text();
  EXPECT_DOUBLE_EQ(e.y(), y) << e.text();
  EXPECT_EQ(e.layer(), layer) << e.text();
}

bool mentions(const Warnings& w, const std::string& part) {
  return std::any_of(w.all().begin(), w.all().end(),
                     [&](const Warning& s) { return s.text.find(part) != std::string::npos; });
}

TEST(OnePipeProfile, BoxPipesFromAnEndWallGetSpanSizeCountAndNarrowBody) {
  ProfileTables t = testing::onePipeTables();
  t.structures.setCell(1, strcol::StrType, "End Wall");
  t.pipes.setCell(1, pipecol::Shape, "Box");
  t.pipes.setCell(1, pipecol::Span, "36");
  t.pipes.setCell(1, pipecol::NumPipes, "3");
  const Drawn d = draw(t, Kind::Pipe);
  EXPECT_TRUE(d.warnings.empty());

  // End wall downstream: no outer half, so the frame is 2 narrower than 808.
  EXPECT_TRUE(hasLine(d.entities, "10", 806, 0, 806, 500));
  const auto bodies = ofType(d.entities, "POLYLINE");
  ASSERT_EQ(bodies.size(), 2u);
  EXPECT_EQ(bodies[0].vertices, (std::vector<std::pair<double, double>>{
                                    {600, 146}, {602, 146}, {602, 190}, {600, 190}}));

  // Size from span and rise; the crown stands 5 x 24 / 12 = 10 over the invert.
  expectAt(theText(d, "3-36X24\" Box CONC @1%"), 616, 22.5, "2");
  const Entity* invert = lineFrom(d.entities, "2", 602, 150);
  const Entity* crown = lineFrom(d.entities, "2", 602, 160);
  ASSERT_TRUE(invert && crown);
  EXPECT_EQ(crown->number(21), 165);
  EXPECT_EQ(crown->value(62), "15");
  expectAt(theText(d, "I 12 TO EW 7"), 616, -20, "2");
  expectAt(theText(d, "EW"), 595, 542, "1");
}

TEST(OnePipeProfile, CountPrefixOnlyForTwoBarrelsOrMore) {
  // What the hydraulics treat as one barrel carries no prefix in the callout.
  const std::pair<const char*, const char*> cases[] = {
      {"", "24\" Circular CONC @1%"},      {"x", "24\" Circular CONC @1%"},
      {"0", "24\" Circular CONC @1%"},     {"-2", "24\" Circular CONC @1%"},
      {"1", "24\" Circular CONC @1%"},     {"2", "2-24\" Circular CONC @1%"},
      {"12", "12-24\" Circular CONC @1%"},
  };
  for (const auto& [count, callout] : cases) {
    SCOPED_TRACE(count);
    ProfileTables t = testing::onePipeTables();
    t.pipes.setCell(1, pipecol::NumPipes, count);
    const Drawn d = draw(t, Kind::Pipe);
    expectAt(theText(d, callout), 616, 22.5, "2");
  }
}

TEST(OnePipeProfile, MetricProjectsScaleSizesFromMillimetresAndNameMetricUnits) {
  ProfileTables t = testing::onePipeTables();
  t.pipes.setCell(1, pipecol::DiaRise, "600");
  // Only the exact word ENGLISH means inches.
  for (const std::string units : {"METRIC", "english", ""}) {
    SCOPED_TRACE(units);
    const Drawn d = draw(t, Kind::Pipe, 1, settingsFor(units));
    // Crown 5 x 600 / 1000 = 3; wall (0.6 + 0.3048) / 12 m = 0.0754, drawn 0.377.
    for (double y : {150.0, 153.0, 149.623}) EXPECT_NE(lineFrom(d.entities, "2", 602, y), nullptr);
    const Entity* outerTop = lineFrom(d.entities, "2", 602, 153.377);
    ASSERT_NE(outerTop, nullptr);
    EXPECT_NEAR(outerTop->number(21), 158.377, 1e-4);
    EXPECT_EQ(theText(d, "100 M").y(), 32.5);
    EXPECT_EQ(theText(d, "600MM Circular CONC @1%").y(), 22.5);
    EXPECT_EQ(theText(d, "Q10=12.5 CMS").y(), 12.5);
    EXPECT_EQ(theText(d, "V10=4.25 M/S").y(), 2.5);
  }

  t.pipes.setCell(1, pipecol::DiaRise, "24");
  const Drawn english = draw(t, Kind::Pipe, 1, settingsFor("ENGLISH"));
  // Crown 10; wall (24 / 12 + 1) / 12 ft = 0.25, drawn 1.25.
  for (double y : {160.0, 148.75, 161.25})
    EXPECT_NE(lineFrom(english.entities, "2", 602, y), nullptr) << y;
  EXPECT_EQ(theText(english, "100 L.F.").y(), 32.5);
  EXPECT_EQ(theText(english, "Q10=12.5 CFS").y(), 12.5);
}

TEST(OnePipeProfile, AllProfilesOfAOnePipeTableDrawTheSameEntitiesInAnotherOrder) {
  const ProfileTables t = testing::onePipeTables();
  auto single = draw(t, Kind::Pipe).entities;
  auto all = draw(t, Kind::All).entities;
  EXPECT_NE(single, all);
  std::sort(single.begin(), single.end());
  std::sort(all.begin(), all.end());
  EXPECT_EQ(single, all);
}

TEST(BranchProfile, ThreePipesContinueFromStationToStation) {
  const ProfileTables t = testing::twoBranchTables();
  const Drawn d = draw(t, Kind::Branch, 2);
  EXPECT_TRUE(d.warnings.empty()) << d.warnings.all().front().text;

  // One frame: left edge at 500, right edge after the third pipe.
  const auto elevation = textsSaying(d.entities, "ELEVATION");
  ASSERT_EQ(elevation.size(), 2u);
  EXPECT_EQ(elevation[0].x(), 490);
  EXPECT_EQ(elevation[1].x(), 1118);  // FrameRight 788 + 60 + 250 = 1098, text 20 right
  // The baseline grows pipe by pipe.
  EXPECT_TRUE(hasLine(d.entities, "10", 500, 0, 806, 0));
  EXPECT_TRUE(hasLine(d.entities, "10", 806, 0, 1034, 0));
  EXPECT_TRUE(hasLine(d.entities, "10", 1034, 0, 1098, 0));
  EXPECT_TRUE(hasLine(d.entities, "10", 1098, 0, 1098, 500));
  // Station lines at 600 (end wall), 704, 788, 852; stations count per pipe.
  expectAt(theText(d, "1+4"), 699, 2.5, "10");
  expectAt(theText(d, "0+84"), 783, 2.5, "10");
  expectAt(theText(d, "0+64"), 847, 2.5, "10");
  for (double x : {600, 704, 788, 852}) EXPECT_TRUE(hasLine(d.entities, "10", x, 0, x, 525)) << x;
  // Where the profile continues, the right side shows the next pipe's invert
  // and the structure's higher grade line; the last structure shows neither.
  expectAt(theText(d, "INV. 96.20"), 714, 30, "10");
  expectAt(theText(d, "HGL 98.5"), 714, 75, "10");
  expectAt(theText(d, "INV. 97.10"), 798, 30, "10");
  expectAt(theText(d, "HGL 99.5"), 798, 75, "10");
  EXPECT_EQ(textsSaying(d.entities, "HGL 100.4").size(), 0u);
  EXPECT_EQ(textsSaying(d.entities, "INV. 97.30").size(), 0u);  // branch 2 is not drawn
  EXPECT_EQ(textsSaying(d.entities, "5").size(), 0u);

  // Second pipe: top line between the structure tops, HGL from the manhole's
  // high value to the junction box's low value, callout a quarter along.
  EXPECT_TRUE(hasLine(d.entities, "1", 704, 200, 788, 210));
  const Entity* hgl = lineFrom(d.entities, "3", 706, 142.5);
  ASSERT_NE(hgl, nullptr);
  EXPECT_TRUE(hasLine(d.entities, "3", 706, 142.5, 786, 145));
  EXPECT_EQ(hgl->value(62), "3");
  expectAt(theText(d, "JB 3 TO MH 2"), 715, -20, "2");
  expectAt(theText(d, "80 L.F."), 715, 32.5, "2");
  // One body for the end wall, on the pipe side only, and one per pipe.
  const auto bodies = ofType(d.entities, "POLYLINE");
  ASSERT_EQ(bodies.size(), 4u);
  EXPECT_EQ(bodies[0].vertices.front(), (std::pair<double, double>{600, 121}));
  EXPECT_EQ(bodies[0].vertices[2], (std::pair<double, double>{602, 175}));
  EXPECT_EQ(ofType(d.entities, "CIRCLE").size(), 4u);

  // Whichever row of the branch is selected, the drawing is the same.
  EXPECT_EQ(draw(t, Kind::Branch, 1).tokens, d.tokens);
  EXPECT_EQ(draw(t, Kind::Branch, 3).tokens, d.tokens);
}

TEST(AllProfiles, EachBranchGetsItsOwnFrameToTheRight) {
  ProfileTables t = testing::twoBranchTables();
  t.structures.setCell(5, strcol::HglHigh, "99.60");  // branch 2's own listing of the junction
  t.structures.setCell(5, strcol::VdotStd, "JB-2");
  const Drawn d = draw(t, Kind::All);
  EXPECT_TRUE(d.warnings.empty());

  const auto elevation = textsSaying(d.entities, "ELEVATION");
  ASSERT_EQ(elevation.size(), 4u);
  std::vector<double> xs;
  for (const auto& e : elevation) xs.push_back(e.x());
  // Second frame: 1098 + 200 = 1298; its right edge 1452 + 40 + 250 = 1742.
  EXPECT_EQ(xs, (std::vector<double>{490, 1118, 1288, 1762}));
  EXPECT_TRUE(hasLine(d.entities, "10", 1298, 0, 1298, 500));
  EXPECT_TRUE(hasLine(d.entities, "10", 1298, 0, 1556, 0));
  EXPECT_TRUE(hasLine(d.entities, "10", 1556, 0, 1742, 0));
  EXPECT_EQ(textsSaying(d.entities, "170").size(), 4u);  // every edge numbered 70 to 170

  // Branch 2 starts at the junction: its labels from branch 2's listing, its
  // notes from the junction's first listing.
  expectAt(theText(d, "HGL. 99.6"), 1408, 75, "3");
  EXPECT_EQ(textsSaying(d.entities, "0+00").size(), 2u);
  EXPECT_EQ(textsSaying(d.entities, "VDOT ST'D JB-1").size(), 2u);
  EXPECT_EQ(textsSaying(d.entities, "VDOT ST'D JB-2").size(), 0u);
  expectAt(theText(d, "0+54"), 1447, 2.5, "10");
  expectAt(theText(d, "INV. 98.10"), 1462, 30, "10");
  expectAt(theText(d, "HGL 100.6"), 1462, 75, "10");
  EXPECT_EQ(textsSaying(d.entities, "HGL 101.2").size(), 0u);
  // Right-hand invert labels only where a profile continues: 2 + 1.
  int inverts = 0;
  for (const auto& e : ofType(d.entities, "TEXT"))
    if (e.text().rfind("INV. ", 0) == 0) ++inverts;
  EXPECT_EQ(inverts, (1 + 3 + 2) + (1 + 2 + 1));
  EXPECT_EQ(ofType(d.entities, "POLYLINE").size(), 7u);
}

TEST(ProfileFaults, MissingStructuresAreNotDrawnAndAreNamed) {
  ProfileTables t = testing::onePipeTables();
  t.branches.setCell(1, branchcol::NodeIn, "99");
  Drawn d = draw(t, Kind::Pipe);
  EXPECT_TRUE(mentions(d.warnings, "\"99\"")) << d.warnings.size();
  EXPECT_EQ(ofType(d.entities, "CIRCLE").size(), 1u);
  EXPECT_EQ(ofType(d.entities, "POLYLINE").size(), 1u);
  EXPECT_FALSE(testing::hasTextStartingWith(d.entities, "T.C."));
  EXPECT_FALSE(testing::hasTextStartingWith(d.entities, "HGL. 102"));
  EXPECT_EQ(textsSaying(d.entities, "Inlet").size(), 0u);
  EXPECT_EQ(lineFrom(d.entities, "1", 600, 190), nullptr);  // no top line
  // Frame 3, ticks 100, station lines 2, one bubble 1, pipe 4.
  EXPECT_EQ(ofType(d.entities, "LINE").size(), 110u);
  EXPECT_EQ(lineFrom(d.entities, "3", 602, 157.5), nullptr);
  expectAt(theText(d, "INV. 101.00"), 699, 30, "10");  // the pipe itself is still drawn
  EXPECT_NE(lineFrom(d.entities, "2", 602, 150), nullptr);

  t = testing::onePipeTables();
  t.branches.setCell(1, branchcol::NodeOut, "98");
  d = draw(t, Kind::Pipe);
  EXPECT_TRUE(mentions(d.warnings, "\"98\""));
  EXPECT_EQ(ofType(d.entities, "CIRCLE").size(), 1u);
  EXPECT_FALSE(testing::hasTextStartingWith(d.entities, "T.W."));
  EXPECT_FALSE(testing::hasTextStartingWith(d.entities, "HGL"));
  EXPECT_EQ(textsSaying(d.entities, "Man Hole").size(), 0u);
  expectAt(theText(d, "T.C. 107"), 714, 195, "10");
  expectAt(theText(d, "I 12 TO  "), 616, -20, "2");
}

TEST(ProfileFaults, UnreadableNumbersDrawAsZeroAndEachCellIsNamedOnce) {
  ProfileTables t = testing::twoBranchTables();
  t.pipes.setCell(2, pipecol::Length, "");
  t.structures.setCell(3, strcol::TopElev, "abc");  // read for pipes 2 and 3
  const Drawn d = draw(t, Kind::Branch, 1);

  ASSERT_EQ(d.warnings.size(), 2u);
  EXPECT_TRUE(mentions(d.warnings, "Pipe table row 2, \"Length\" is empty"));
  EXPECT_TRUE(
      mentions(d.warnings, "Structure table row 3, \"Top Elev.\": \"abc\" is not a number"));
  // Length 0, not the first pipe's 100: the junction box stands 0 + 2 + 2 on.
  expectAt(theText(d, "0+4"), 703, 2.5, "10");
  EXPECT_EQ(theText(d, "0 L.F.").y(), 32.5);
  // Top 0 is drawn at (0 - 70) x 5.
  expectAt(theText(d, "T.C. 0"), 718, -340, "10");
  EXPECT_TRUE(hasLine(d.entities, "1", 708, -350, 772, 220));  // the third pipe's top line
}

}  // namespace
}  // namespace tarvello
