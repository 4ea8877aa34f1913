#include "profile/profile_sheet.h"

#include <gtest/gtest.h>

#include "dxf/dxf_writer.h"
#include "profile/profile_plot.h"
#include "profile_test_support.h"

namespace tarvello {
namespace {

using testing::Entity;
using testing::parseEntities;

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
