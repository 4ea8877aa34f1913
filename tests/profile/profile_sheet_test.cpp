#include "profile/profile_sheet.h"

#include <gtest/gtest.h>

#include "dxf/dxf_writer.h"
#include "profile/profile_plot.h"
#include "profile_test_support.h"

namespace tarvello {
namespace {

using testing::Entity;
using testing::parseEntities;

TEST(ProfileSheet, FramesAndStationLinesOfOnePipeAndOfAContinuingPipe) {
  ProfileSheet sheet;
  sheet.setStructureWidths("Man Hole", "Man Hole");
  sheet.placeFrame(FrameMode::Single, 100);
  EXPECT_EQ(sheet.frameLeft, 500);
  EXPECT_EQ(sheet.downX, 600);
  EXPECT_EQ(sheet.upX, 704);
  EXPECT_EQ(sheet.frameRight, 808);
  EXPECT_EQ(sheet.frameTop, 500);
  EXPECT_EQ(sheet.stationLineTop, 525);

  // The next pipe starts at the previous upstream station line.
  sheet.setStructureWidths("Man Hole", "Man Hole");
  sheet.placeFrame(FrameMode::Multiple, 80);
  EXPECT_EQ(sheet.frameLeft, 808);
  EXPECT_EQ(sheet.downX, 704);
  EXPECT_EQ(sheet.upX, 788);
  EXPECT_EQ(sheet.frameRight, 1034);

  // A further profile: 200 right of the previous frame, 100 in from its edge.
  sheet.setStructureWidths("Inlet", "End Section");
  sheet.placeNextProfileFrame(50);
  EXPECT_EQ(sheet.frameLeft, 1234);
  EXPECT_EQ(sheet.downX, 1334);
  EXPECT_EQ(sheet.upX, 1334 + 50 + 2 + 2);
  EXPECT_EQ(sheet.frameRight, 1234 + 100 + 50 + 0 + 2 + 2 + 2 + 100);
}

TEST(ProfileSheet, EndStructuresStandOnThePipeSideAndUnknownKindsGetManholeWidths) {
  ProfileSheet sheet;
  sheet.setStructureWidths("Inlet", "End Wall");
  sheet.placeFrame(FrameMode::Single, 50);
  EXPECT_EQ(sheet.downOuterHalf, 0);
  EXPECT_EQ(sheet.downInnerHalf, 2);
  EXPECT_EQ(sheet.frameRight, 756);
  EXPECT_EQ(sheet.upX, 654);

  sheet.setStructureWidths("End Section", "Junction Box");
  EXPECT_EQ(sheet.upInnerHalf, 2);
  EXPECT_EQ(sheet.upOuterHalf, 0);
  EXPECT_EQ(sheet.downOuterHalf, 2);

  // After end structures at both ends, kinds outside the five known ones must
  // not keep their zero outer widths.
  sheet.setStructureWidths("End Wall", "End Wall");
  sheet.setStructureWidths("Other", "manhole");
  EXPECT_EQ(sheet.upInnerHalf, 2);
  EXPECT_EQ(sheet.upOuterHalf, 2);
  EXPECT_EQ(sheet.downOuterHalf, 2);
  EXPECT_EQ(sheet.downInnerHalf, 2);
}

TEST(ProfileSheet, BaseElevationIsTheTailWaterLessThirtyToTheNearestTenHalvesToEven) {
  EXPECT_EQ(computeBaseElevation(100.0f), 70.0f);
  EXPECT_EQ(computeBaseElevation(104.0f), 70.0f);
  EXPECT_EQ(computeBaseElevation(55.0f), 20.0f);
  EXPECT_EQ(computeBaseElevation(65.0f), 40.0f);
  EXPECT_EQ(computeBaseElevation(0.0f), -30.0f);
  EXPECT_EQ(computeBaseElevation(-16.0f), -50.0f);
}

TEST(ProfileSheet, StationTextCountsHundredsAndTheRestWithoutLeadingZero) {
  EXPECT_EQ(stationText(104), "1+4");
  EXPECT_EQ(stationText(254), "2+54");
  EXPECT_EQ(stationText(58), "0+58");
  EXPECT_EQ(stationText(100), "1+0");
  EXPECT_EQ(stationText(1203.6), "12+4");
}

TEST(ProfileSheet, ElevationNumbersSpanTheBaseToAHundredAboveItWhateverIsDrawn) {
  ProfileSheet sheet;
  sheet.setStructureWidths("Man Hole", "Man Hole");
  sheet.placeFrame(FrameMode::Single, 100);
  DxfDrawing drawing;
  sheet.drawLeftElevations(drawing, computeBaseElevation(0));
  sheet.drawRightElevations(drawing, computeBaseElevation(0));
  const auto texts = parseEntities(drawing.entityTokens());
  ASSERT_EQ(texts.size(), 22u);
  for (size_t k = 0; k <= 10; ++k) {
    const Entity& left = texts[k];
    const Entity& right = texts[11 + k];
    EXPECT_EQ(left.text(), std::to_string(-30 + 10 * static_cast<int>(k)));
    EXPECT_EQ(right.text(), left.text());
    EXPECT_EQ(left.y(), 50.0 * static_cast<double>(k) + 5);  // 5 above each long tick
    EXPECT_EQ(left.x(), 510);
    EXPECT_EQ(right.x(), 783);
    EXPECT_EQ(left.layer(), "1");
  }
}

}  // namespace
}  // namespace tarvello
