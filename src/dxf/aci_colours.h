#pragma once
// The colours CAD programs give the AutoCAD Color Index, on a white sheet:
// one table for the window's viewer and the page's preview.
#include <cstdint>

namespace tarvello {

struct AciRgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

// Colour of an AutoCAD colour index on a white sheet: 7 (white on a dark
// screen) is drawn black, yellow darkened so that it stays visible; indices
// out of 1..255 are black too.
AciRgb aciRgb(int index);

}  // namespace tarvello
