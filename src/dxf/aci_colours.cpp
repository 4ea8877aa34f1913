#include "dxf/aci_colours.h"

#include <cmath>

namespace tarvello {
namespace {

// HSV to 8-bit RGB through 16-bit channels, rounded as Qt rounds them, so that
// the window's viewer keeps the colours it has always drawn.
AciRgb fromHsv(int hueDegrees, float saturation, float value) {
  constexpr float kMax = 65535.0f;
  auto round = [](float v) { return static_cast<int>(std::round(v)); };
  const int hue16 = round(static_cast<float>(hueDegrees) / 360.0f * 36000.0f);
  const float s = static_cast<float>(round(saturation * kMax)) / kMax;
  const float v = static_cast<float>(round(value * kMax)) / kMax;
  const float h = hue16 == 36000 ? 0.0f : static_cast<float>(hue16) / 6000.0f;
  const int i = static_cast<int>(h);
  const float f = h - static_cast<float>(i);
  const float p = v * (1.0f - s);
  const float q = v * (1.0f - s * f);
  const float t = v * (1.0f - s * (1.0f - f));
  float r = v, g = t, b = p;
  switch (i) {
    case 1:
      r = q, g = v, b = p;
      break;
    case 2:
      r = p, g = v, b = t;
      break;
    case 3:
      r = p, g = q, b = v;
      break;
    case 4:
      r = t, g = p, b = v;
      break;
    case 5:
      r = v, g = p, b = q;
      break;
    default:
      break;
  }
  auto channel = [&](float c) {
    const int x = round(c * kMax);
    return static_cast<std::uint8_t>(std::lround(x / 257.0));
  };
  return {channel(r), channel(g), channel(b)};
}

}  // namespace

AciRgb aciRgb(int index) {
  switch (index) {
    case 1:
      return {255, 0, 0};
    case 2:
      return {190, 160, 0};
    case 3:
      return {0, 160, 0};
    case 4:
      return {0, 150, 170};
    case 5:
      return {0, 0, 255};
    case 6:
      return {200, 0, 200};
    case 8:
      return {128, 128, 128};
    case 9:
      return {160, 160, 160};
    default:
      break;
  }
  if (index >= 10 && index <= 249) {
    // 24 hues of 15 degrees, ten shades each: even indices saturated, odd
    // ones pale, the value falling pair by pair.
    static constexpr float kValues[] = {1.0f, 0.8f, 0.6f, 0.5f, 0.3f};
    const int shade = index % 10;
    return fromHsv((index / 10 - 1) * 15, shade % 2 ? 0.5f : 1.0f, kValues[shade / 2]);
  }
  if (index >= 250 && index <= 254) {
    static constexpr std::uint8_t kGreys[] = {51, 80, 105, 130, 190};
    const std::uint8_t g = kGreys[index - 250];
    return {g, g, g};
  }
  return {};  // 7, 255 and anything unknown
}

}  // namespace tarvello
