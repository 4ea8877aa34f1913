#include "number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <version>

#include "value.h"

// Floating-point std::to_chars / std::from_chars where the standard library
// has them; otherwise (the WebAssembly build's older libc++) printf, which
// rounds exactly as to_chars does, and fast_float's from_chars, which reads as
// std::from_chars does. (The C library's strtod reads through 128-bit
// software floating point there: it was a third of the page's run.)
#if defined(__cpp_lib_to_chars)
#define TARVELLO_FLOAT_CHARCONV 1
#else
#define TARVELLO_FLOAT_CHARCONV 0
#include <fast_float/fast_float.h>
#endif

namespace tarvello {
namespace {

// "%.*e" (scientific) or "%.*g" (general) of `value` into buf; returns the end.
char* printDouble(char* buf, size_t size, double value, bool scientific, int precision) {
#if TARVELLO_FLOAT_CHARCONV
  return std::to_chars(buf, buf + size, value,
                       scientific ? std::chars_format::scientific : std::chars_format::general,
                       precision)
      .ptr;
#else
  const int n = std::snprintf(buf, size, scientific ? "%.*e" : "%.*g", precision, value);
  return buf + (n < 0 ? 0 : std::min(static_cast<size_t>(n), size - 1));
#endif
}

enum class Read { Ok, OutOfRange, Invalid };

// All of [first, last) as a number; OutOfRange when it overflows or underflows to zero.
template <class T>
Read readNumber(const char* first, const char* last, T& value) {
#if TARVELLO_FLOAT_CHARCONV
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) return Read::OutOfRange;
  return ec == std::errc() && ptr == last ? Read::Ok : Read::Invalid;
#else
  T v;
  const auto [ptr, ec] = fast_float::from_chars(first, last, v);
  if (ec != std::errc() || ptr != last) return Read::Invalid;
  // fast_float gives infinity for an overflow and zero for an underflow, where
  // from_chars says the text is out of range; a subnormal result is a number.
  if (std::isinf(v)) {
    const char* p = *first == '-' ? first + 1 : first;
    if (*p != 'i' && *p != 'I') return Read::OutOfRange;
  } else if (v == 0) {
    for (const char* p = first; p < last && *p != 'e' && *p != 'E'; ++p)
      if (*p >= '1' && *p <= '9') return Read::OutOfRange;
  }
  value = v;
  return Read::Ok;
#endif
}

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

#if !TARVELLO_FLOAT_CHARCONV
// printf's digits where the binary value decides them, without the 128-bit
// software arithmetic this C library's printf does on WebAssembly: |value|
// scaled by an exact power of ten to `significant` (at most 15) digits before
// the point is one rounding, at most half an ulp, from the exact product; away
// from a half by more than an ulp, both round to the same integer. False where
// printf must decide (near a half, a misjudged decade, very large or small).
bool quickScientificDigits(double value, int significant, Digits& d) {
  static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const double a = std::fabs(value);
  if (significant < 1 || significant > 15 || !(a >= 1e-290) || !(a < 1e290)) return false;
  int exponent = static_cast<int>(std::floor(std::log10(a)));
  const int k = significant - 1 - exponent;
  if (k < -22 || k > 22) return false;
  const double m = k >= 0 ? a * kPow10[k] : a / kPow10[-k];
  const double high = kPow10[significant];
  if (m < kPow10[significant - 1] || m >= high) return false;
  const double whole = std::floor(m);
  const double ulp = std::nextafter(m, high) - m;
  if (std::fabs(m - whole - 0.5) <= ulp) return false;
  auto n = static_cast<std::int64_t>(whole) + (m - whole > 0.5 ? 1 : 0);
  if (n == static_cast<std::int64_t>(high)) {  // 9.99...95 rounds up to 10.0...0
    n /= 10;
    ++exponent;
  }
  d.count = significant;
  d.exponent = exponent;
  for (int i = significant - 1; i >= 0; --i, n /= 10) d.digits[i] = static_cast<char>('0' + n % 10);
  return true;
}
#endif

Digits scientificDigits(double value, int significant) {
  Digits d;
#if !TARVELLO_FLOAT_CHARCONV
  if (quickScientificDigits(value, significant, d)) return d;
#endif
  char buf[64];
  const char* end = printDouble(buf, sizeof buf, std::fabs(value), true, significant - 1);
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

// formatFixed's text where the binary value decides it, which is nearly
// always: below 1e9 after scaling, the scaled value's own error and the step
// to the 15-digit decimal form formatFixed rounds from are both far below
// 1e-4, so away from a half both round to the same digits. Writes at most 24
// characters and returns how many; 0 where the decimal form must decide.
size_t writeFixedQuick(char* out, double value, int decimals) {
  static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
  if (decimals < 0 || decimals > 6 || !std::isfinite(value)) return 0;
  const double scaled = std::fabs(value) * kScale[decimals];
  if (!(scaled < 1e9)) return 0;
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5) <= 1e-4) return 0;
  uint64_t n = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
  char* o = out;
  if (value < 0 && n != 0) *o++ = '-';  // never a negative zero
  char digits[16];                      // least significant first
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  while (count <= decimals) digits[count++] = '0';
  for (int i = count - 1; i >= 0; --i) {
    if (i == decimals - 1) *o++ = '.';
    *o++ = digits[i];
  }
  return static_cast<size_t>(o - out);
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
  const Read read = readNumber(body.data(), body.data() + body.size(), value);
  if (read == Read::OutOfRange) {
    if (!negativeExponent) return std::nullopt;  // overflows a double
    value = 0.0;                                 // underflows to zero
  } else if (read != Read::Ok) {
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

// formatFixed's text from the 15-digit decimal form, wherever the quick path declines.
static std::string formatFixedExact(double value, int decimals) {
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

std::string formatFixed(double value, int decimals) {
  char quick[24];
  if (const size_t n = writeFixedQuick(quick, value, decimals)) return std::string(quick, n);
  return formatFixedExact(value, decimals);
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

void appendFixed(std::string& out, double value, int decimals) {
  char quick[24];
  if (const size_t n = writeFixedQuick(quick, value, decimals))
    out.append(quick, n);
  else
    out += formatFixedExact(value, decimals);
}

void appendGeneral6(std::string& out, double value) {
  if (!std::isfinite(value)) return;
  char buf[40];
  out.append(buf, printDouble(buf, sizeof buf, value, false, 6));
}

void appendSingleGeneral(std::string& out, double value) {
  const float f = static_cast<float>(value);
  char buf[48];
  out.append(buf, writeGeneral(buf, static_cast<double>(f), 7, -5, 7));
}

namespace {

// "-1.2345e2": the decimal printf's "%.*e" gives with `significant` digits
// (the same value, not its layout); at most 32 characters.
char* writeScientific(char* out, double value, int significant) {
  const Digits d = scientificDigits(value, significant);
  if (std::signbit(value)) *out++ = '-';
  *out++ = d.digits[0];
  if (d.count > 1) {
    *out++ = '.';
    for (int i = 1; i < d.count; ++i) *out++ = d.digits[i];
  }
  *out++ = 'e';
  return std::to_chars(out, out + 8, d.exponent).ptr;
}

}  // namespace

std::string shortestSingle(float value) {
  if (!std::isfinite(value)) return "";
  char buf[64];
  char* end = buf;
  for (int p = 6; p <= 9; ++p) {
    end = writeScientific(buf, static_cast<double>(value), p);
    float back = 0;
    if (readNumber(buf, end, back) != Read::Ok) {
      *end = '\0';  // a subnormal: read it as strtof does
      back = std::strtof(buf, nullptr);
    }
    if (back == value) break;
  }
  // Re-render without exponent quirks through the general rule.
  double shortest = 0;
  readNumber(buf, end, shortest);
  return numberText(shortest);
}

std::string shortestText(double value) {
  if (!std::isfinite(value)) return "";
  char buf[64];
#if TARVELLO_FLOAT_CHARCONV
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
#else
  // The fewest significant digits that read back as `value`, then the shorter
  // of the fixed and the exponent form, the fixed one on a tie, as to_chars does.
  if (value == 0) return std::signbit(value) ? "-0" : "0";
  Digits d;
  for (int p = 1; p <= 17; ++p) {
    d = scientificDigits(value, p);
    char* e = printDouble(buf, sizeof buf, value, true, p - 1);
    double back = 0;
    if (readNumber(buf, e, back) == Read::Ok && back == value) break;
  }
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  const std::string sign = value < 0 ? "-" : "";
  const std::string digits(d.digits, static_cast<size_t>(d.count));
  std::string scientific = sign + digits.substr(0, 1);
  if (d.count > 1) scientific += "." + digits.substr(1);
  const int a = d.exponent < 0 ? -d.exponent : d.exponent;
  scientific += d.exponent < 0 ? "e-" : "e+";
  if (a < 10) scientific += '0';
  scientific += std::to_string(a);
  std::string fixed = sign;
  if (d.exponent < 0) {
    fixed += "0." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + digits;
  } else if (d.count <= d.exponent + 1) {
    // A whole number is written exactly (99999999699596992, not ...97000), as to_chars does.
    char whole[320];
    const int n = std::snprintf(whole, sizeof whole, "%.0f", value);
    fixed.assign(whole, static_cast<size_t>(std::max(n, 0)));
  } else {
    fixed += digits.substr(0, static_cast<size_t>(d.exponent + 1)) + "." +
             digits.substr(static_cast<size_t>(d.exponent + 1));
  }
  return fixed.size() <= scientific.size() ? fixed : scientific;
#endif
}

}  // namespace tarvello
