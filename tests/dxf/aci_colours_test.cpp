// The colour table the window's viewer and the page's preview share, at
// points worked out by hand from the AutoCAD Color Index's layout.
#include <gtest/gtest.h>

#include <tuple>

#include "dxf/aci_colours.h"

namespace tarvello {
namespace {

void expectRgb(int index, int r, int g, int b) {
  const AciRgb c = aciRgb(index);
  EXPECT_EQ(std::tuple(int(c.r), int(c.g), int(c.b)), std::tuple(r, g, b)) << "index " << index;
}

TEST(AciColours, NamedColoursHuesShadesAndGreys) {
  expectRgb(1, 255, 0, 0);
  expectRgb(2, 190, 160, 0);  // yellow, darkened for a white sheet
  expectRgb(7, 0, 0, 0);      // white on a dark screen, black on paper
  expectRgb(0, 0, 0, 0);
  expectRgb(256, 0, 0, 0);
  // Hue (index / 10 - 1) * 15 degrees; even shades saturated, the value
  // 1, 0.8, 0.6, 0.5, 0.3 pair by pair.
  expectRgb(10, 255, 0, 0);
  expectRgb(12, 204, 0, 0);
  expectRgb(90, 0, 255, 0);     // 120 degrees
  expectRgb(170, 0, 0, 255);    // 240 degrees
  expectRgb(134, 0, 153, 153);  // 180 degrees at 0.6
  expectRgb(250, 51, 51, 51);
  expectRgb(254, 190, 190, 190);
}

}  // namespace
}  // namespace tarvello
