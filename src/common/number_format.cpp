#include "number_format.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "value.h"

namespace tarvello {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The significant digits of |value| (non-zero, finite) rounded to `significant`
// digits, and the decimal exponent of the first. std::to_chars with a precision
// rounds exactly as printf's "%.*e" does, without its locale and varargs cost.
struct Digits {
  char digits[24];  // `count` characters, no terminator
  int count = 0;
  int exponent = 0;
};

Digits scientificDigits(double value, int significant) {
  char buf[64];
  const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, significant - 1)
                       .ptr;
  Digits d;
  const char* p = buf;
  for (; p < end && *p != 'e'; ++p)
    if (isDigit(*p)) d.digits[d.count++] = *p;
  // "e+05" / "e-310"
  const bool negative = p + 1 < end && p[1] == '-';
  int exponent = 0;
  for (p += 2; p < end; ++p) exponent = exponent * 10 + (*p - '0');
  d.exponent = negative ? -exponent : exponent;
  return d;
}

// General text of a number with the given significant digits, no trailing
// zeros; exponent form outside [10^minExp, 10^maxExp). Writes at most 40
// characters to `out` and returns how many.
size_t writeGeneral(char* out, double value, int significant, int minExp, int maxExp) {
  if (!std::isfinite(value)) return 0;
  if (value == 0.0) {
    out[0] = '0';
    return 1;
  }
  Digits d = scientificDigits(value, significant);
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  if (d.count == 0) {
    out[0] = '0';
    return 1;
  }
  char* o = out;
  if (value < 0) *o++ = '-';
  const int n = d.count;
  const int e = d.exponent;
  if (e < minExp || e >= maxExp) {
    *o++ = d.digits[0];
    if (n > 1) {
      *o++ = '.';
      for (int i = 1; i < n; ++i) *o++ = d.digits[i];
    }
    *o++ = 'E';
    *o++ = e < 0 ? '-' : '+';
    const int a = e < 0 ? -e : e;
    if (a >= 100) *o++ = static_cast<char>('0' + a / 100);
    *o++ = static_cast<char>('0' + a / 10 % 10);
    *o++ = static_cast<char>('0' + a % 10);
  } else if (e < 0) {
    *o++ = '0';
    *o++ = '.';
    for (int i = 0; i < -e - 1; ++i) *o++ = '0';
    for (int i = 0; i < n; ++i) *o++ = d.digits[i];
  } else if (n <= e + 1) {
    for (int i = 0; i < n; ++i) *o++ = d.digits[i];
    for (int i = n; i < e + 1; ++i) *o++ = '0';
  } else {
    for (int i = 0; i <= e; ++i) *o++ = d.digits[i];
    *o++ = '.';
    for (int i = e + 1; i < n; ++i) *o++ = d.digits[i];
  }
  return static_cast<size_t>(o - out);
}

std::string generalText(double value, int significant, int minExp, int maxExp) {
  char buf[48];
  return std::string(buf, writeGeneral(buf, value, significant, minExp, maxExp));
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  std::string_view s = trimBlanks(text);
  size_t i = 0;
  const size_t n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t intDigits = 0, fracDigits = 0;
  while (i < n && isDigit(s[i])) {
    ++i;
    ++intDigits;
  }
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && isDigit(s[i])) {
      ++i;
      ++fracDigits;
    }
  }
  if (intDigits == 0 && fracDigits == 0) return std::nullopt;
  bool negativeExponent = false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
    size_t expDigits = 0;
    while (i < n && isDigit(s[i])) {
      ++i;
      ++expDigits;
    }
    if (expDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;

  std::string_view body = s;
  const bool negative = !body.empty() && body.front() == '-';
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (!negativeExponent) return std::nullopt;  // overflows a double
    value = 0.0;                                 // underflows to zero
  } else if (ec != std::errc() || ptr != body.data() + body.size()) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::string numberText(double value) {
  if (!std::isfinite(value)) return "";
  if (value == 0.0) return "0";
  // Decide on the exponent after rounding to 15 digits (999999999999999.9 is 1E+15).
  return generalText(value, 15, -5, 15);
}

std::string formatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return "";
  if (decimals < 0) decimals = 0;
  std::string integer;  // |value| * 10^decimals, rounded, as decimal digits
  if (value == 0.0) {
    integer = "0";
  } else {
    const Digits d = scientificDigits(value, 15);
    const int shift = d.exponent - 14 + decimals;  // power of ten of the last digit
    if (shift >= 0) {
      integer.reserve(15 + static_cast<size_t>(shift) + 2);
      integer.assign(d.digits, 15);
      integer.append(static_cast<size_t>(shift), '0');
    } else {
      const int keep = 15 + shift;
      bool roundUp = false;
      if (keep >= 0 && keep < 15) roundUp = d.digits[keep] >= '5';
      if (keep > 0)
        integer.assign(d.digits, static_cast<size_t>(keep));
      else
        integer = "0";
      if (roundUp) {
        int k = static_cast<int>(integer.size()) - 1;
        while (k >= 0 && integer[static_cast<size_t>(k)] == '9')
          integer[static_cast<size_t>(k--)] = '0';
        if (k < 0)
          integer.insert(integer.begin(), '1');
        else
          ++integer[static_cast<size_t>(k)];
      }
    }
    const auto firstNonZero = integer.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
      integer = "0";
    else
      integer.erase(0, firstNonZero);
  }
  if (static_cast<int>(integer.size()) <= decimals)
    integer.insert(0, static_cast<size_t>(decimals + 1) - integer.size(), '0');
  const bool isZero = integer.find_first_not_of('0') == std::string::npos;
  const bool negative = value < 0 && !isZero;
  std::string out;
  out.reserve(integer.size() + 2);
  if (negative) out += '-';
  const size_t point = integer.size() - static_cast<size_t>(decimals);
  out.append(integer, 0, point);
  if (decimals > 0) {
    out += '.';
    out.append(integer, point, std::string::npos);
  }
  return out;
}

std::string formatFixed(std::string_view text, int decimals) {
  if (auto v = parseNumber(text)) return formatFixed(*v, decimals);
  return std::string(text);
}

std::string formatFixed(const Value& value, int decimals) {
  if (value.isNull()) return "";
  if (value.isNumeric()) return formatFixed(*value.asNumber(), decimals);
  return formatFixed(value.asText(), decimals);
}

std::string singleGeneral(double value) {
  const float f = static_cast<float>(value);
  return generalText(static_cast<double>(f), 7, -5, 7);
}

void appendSingleGeneral(std::string& out, double value) {
  const float f = static_cast<float>(value);
  char buf[48];
  out.append(buf, writeGeneral(buf, static_cast<double>(f), 7, -5, 7));
}

std::string shortestSingle(float value) {
  if (!std::isfinite(value)) return "";
  // "%.*g" through std::to_chars, which rounds the same way.
  char buf[64];
  char* end = buf;
  for (int p = 6; p <= 9; ++p) {
    end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                        std::chars_format::general, p)
              .ptr;
    float back = 0;
    if (std::from_chars(buf, end, back).ec != std::errc()) {
      *end = '\0';  // a subnormal: read it as strtof does
      back = std::strtof(buf, nullptr);
    }
    if (back == value) break;
  }
  // Re-render without exponent quirks through the general rule.
  double shortest = 0;
  std::from_chars(buf, end, shortest);
  return numberText(shortest);
}

}  // namespace tarvello
