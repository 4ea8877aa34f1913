// The number texts of the tables, drawings and workbook, with the properties
// they are meant to have: numberText and shortestSingle read back as the same
// number, formatFixed is within half a unit of its last decimal, and nothing
// produces text that parseNumber rejects.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "common/number_format.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

double parsed(const std::string& text) {
  const auto v = tarvello::parseNumber(text);
  check(v.has_value());
  return *v;
}

void checkNumber(double x, int decimals) {
  using namespace tarvello;
  if (!std::isfinite(x)) {
    check(numberText(x).empty() && formatFixed(x, decimals).empty());
    return;
  }
  // 15 significant digits: reading back and writing again gives the same text.
  const std::string text = numberText(x);
  // Within 5E+292 of the largest double the 15 digits round up past it, and
  // such text overflows (as parseNumber means it to).
  if (std::fabs(x) >= 1.797693134862315e308) return;
  const double back = parsed(text);
  // Below the normal range parseNumber reads the text as an underflow, zero.
  if (std::fabs(x) >= std::numeric_limits<double>::min()) {
    check(numberText(back) == text);
    check(std::fabs(back - x) <= std::fabs(x) * 1e-14);
  }

  const std::string fixed = formatFixed(x, decimals);
  const double f = parsed(fixed);
  const auto point = fixed.find('.');
  check(decimals <= 0 ? point == std::string::npos
                      : fixed.size() - point - 1 == static_cast<size_t>(decimals));
  check(std::fabs(f - x) <=
        0.5 * std::pow(10.0, -std::max(decimals, 0)) * (1 + 1e-9) + std::fabs(x) * 1e-14);
  check(f != 0 || fixed[0] != '-');  // never a negative zero

  const std::string single = singleGeneral(x);
  if (std::fabs(x) <= std::numeric_limits<float>::max()) {
    const float s = static_cast<float>(x);
    const double g = parsed(single);
    check(std::fabs(g - s) <= std::fabs(static_cast<double>(s)) * 1e-6);
    check(std::strtof(shortestSingle(s).c_str(), nullptr) == s);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvello;
  // The bytes as text, as a cell or field would hold them.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto value = parseNumber(text);
  if (value) {
    check(std::isfinite(*value));
    checkNumber(*value, static_cast<int>(size % 12) - 1);
  }
  // The first bytes as the bits of a double and of a float.
  if (size >= 9) {
    double d;
    std::memcpy(&d, data, sizeof d);
    checkNumber(d, data[8] % 20 - 2);
    float f;
    std::memcpy(&f, data, sizeof f);
    if (std::isfinite(f))
      check(std::strtof(shortestSingle(f).c_str(), nullptr) == f);
    else
      check(shortestSingle(f).empty());
  }
  return 0;
}
