#include <gtest/gtest.h>

#include "attributes/standard_types.h"

namespace tarvello {
namespace {

PipeForStandard pipe(const char* shape, double size, int count = 1, double skew = 0,
                     const char* material = "Concrete") {
  return {shape, material, size, count, skew};
}

TEST(StandardName, EndWallsBySizeBarrelsAndSkew) {
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 36, 1, 45), ""), "EW-1");  // skew ignored
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 24, 2, 30), ""), "EW-6S");
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 24, 2, 29), ""), "EW-6");  // 29 is not skewed
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 36.1, 1, 0), ""), "EW-2");
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 48, 1, 30), ""), "EW-2S");
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 48, 3, 30), ""), "EW-7S");
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 48, 3, 0), ""), "EW-7");
  EXPECT_EQ(standardName("End Wall", pipe("Circular", 96.1, 1), ""), "-");
  EXPECT_EQ(standardName("End Wall", pipe("Elliptical", 34), ""), "EW-1A");
  EXPECT_EQ(standardName("End Wall", pipe("Elliptical", 38), ""), "EW-2-A");
  EXPECT_EQ(standardName("End Wall", pipe("Elliptical", 68.1), ""), "-");
  EXPECT_EQ(standardName("End Wall", pipe("Box", 120), ""), "BCW-21");
  EXPECT_EQ(standardName("End Wall", pipe("Arch", 30, 1), ""), "EW-9");
  EXPECT_EQ(standardName("End Wall", pipe("Arch", 30, 2), ""), "EW-10");
  EXPECT_EQ(standardName("End Wall", pipe("Arch", 40), ""), "-");
  EXPECT_EQ(standardName("End Wall", pipe("Rectangulr", 40), ""), "-");
  EXPECT_EQ(standardName("End Wall", pipe("", 0), ""), "-");  // no pipe met: no stale name
}

TEST(StandardName, EndSectionsAndOtherTypes) {
  EXPECT_EQ(standardName("End Section", pipe("Circular", 24), ""), "ES-1");
  EXPECT_EQ(standardName("End Section", pipe("Elliptical", 24), ""), "ES-1A");
  EXPECT_EQ(standardName("End Section", pipe("Box", 24), ""), "-");
  EXPECT_EQ(standardName("End Section", pipe("Circular", 24, 1, 0, "CMP"), ""), "ES-2");
  EXPECT_EQ(standardName("End Section", pipe("Arch", 24, 1, 0, "CMP"), ""), "ES-3");
  EXPECT_EQ(standardName("End Section", pipe("Circular", 24, 1, 0, "HDPE"), ""), "-");
  EXPECT_EQ(standardName("Inlet", pipe("Circular", 24), "DI-3B"), "DI-3B");
  EXPECT_EQ(standardName("Man Hole", pipe("Circular", 24), ""), "MH-1/MH-2");
  EXPECT_EQ(standardName("Junction Box", pipe("Circular", 24), ""), "JB-1");
  EXPECT_EQ(standardName("Other", pipe("Circular", 24), ""), "-");
  EXPECT_EQ(standardName("man hole", pipe("Circular", 24), ""), "-");
}

TEST(InletCatalog, MissingDatabaseGivesTbdAndZeroLength) {
  const InletCatalog none;
  EXPECT_EQ(none.lookupInletSubtype("I-1"), "TBD");
  EXPECT_EQ(none.lookupInletLength("I-1"), "0.00");
}

}  // namespace
}  // namespace tarvello
