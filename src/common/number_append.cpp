#include "number_append.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <version>

#include "number_format.h"

namespace tarvello {

void appendFixed(std::string& out, double value, int decimals) {
  static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
  if (decimals >= 0 && decimals <= 6 && std::isfinite(value)) {
    const double scaled = std::fabs(value) * kScale[decimals];
    // Below 1e9 the scaled value's error, and the step to its 15-digit decimal
    // form that formatFixed rounds from, are both far below 1e-4: away from a
    // half, rounding the binary value gives the same digits. Near a half the
    // decimal form decides, and formatFixed is asked.
    if (scaled < 1e9) {
      const double whole = std::floor(scaled);
      const double fraction = scaled - whole;
      if (std::fabs(fraction - 0.5) > 1e-4) {
        uint64_t n = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
        if (value < 0 && n != 0) out += '-';  // never a negative zero
        char digits[24];                      // least significant first
        int count = 0;
        do {
          digits[count++] = static_cast<char>('0' + n % 10);
          n /= 10;
        } while (n != 0);
        while (count <= decimals) digits[count++] = '0';
        for (int i = count - 1; i >= 0; --i) {
          if (i == decimals - 1) out += '.';
          out += digits[i];
        }
        return;
      }
    }
  }
  out += formatFixed(value, decimals);
}

void appendGeneral6(std::string& out, double value) {
  if (!std::isfinite(value)) return;
  char buffer[32];
#if defined(__cpp_lib_to_chars)
  // to_chars with a precision writes exactly what printf's "%.6g" writes.
  const char* end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
  out.append(buffer, static_cast<size_t>(end - buffer));
#else
  const int n = std::snprintf(buffer, sizeof buffer, "%.6g", value);
  if (n > 0) out.append(buffer, static_cast<size_t>(n));
#endif
}

}  // namespace tarvello
