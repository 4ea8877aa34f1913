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

// The 15 significant digits of |value| and the decimal exponent of the first.
struct Decimal15 {
  std::string digits;  // exactly 15 characters
  int exponent = 0;
};

Decimal15 decimal15(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  Decimal15 d;
  std::string_view s(buf);
  const auto e = s.find('e');
  for (char c : s.substr(0, e))
    if (isDigit(c)) d.digits.push_back(c);
  d.exponent = std::atoi(buf + e + 1);
  return d;
}

std::string trimTrailingZeros(std::string s) {
  while (!s.empty() && s.back() == '0') s.pop_back();
  return s;
}

// Positional text of digits d0 d1 ... with d0 at 10^exponent, no exponent form.
std::string positional(const std::string& digits, int exponent) {
  std::string out;
  const int n = static_cast<int>(digits.size());
  if (exponent < 0) {
    out = "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  if (n <= exponent + 1) {
    out = digits;
    out.append(static_cast<size_t>(exponent + 1 - n), '0');
    return out;
  }
  out = digits.substr(0, static_cast<size_t>(exponent + 1));
  out += '.';
  out += digits.substr(static_cast<size_t>(exponent + 1));
  return out;
}

std::string exponentForm(const std::string& digits, int exponent) {
  std::string out(1, digits[0]);
  if (digits.size() > 1) {
    out += '.';
    out += digits.substr(1);
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return out + buf;
}

// General text of a number with the given significant digits; exponent form
// outside [10^minExp, 10^maxExp).
std::string generalText(double value, int significant, int minExp, int maxExp) {
  if (!std::isfinite(value)) return "";
  if (value == 0.0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
  std::string_view s(buf);
  const auto e = s.find('e');
  std::string digits;
  for (char c : s.substr(0, e))
    if (isDigit(c)) digits.push_back(c);
  const int exponent = std::atoi(buf + e + 1);
  digits = trimTrailingZeros(digits);
  if (digits.empty()) return "0";
  std::string body = (exponent < minExp || exponent >= maxExp) ? exponentForm(digits, exponent)
                                                               : positional(digits, exponent);
  return value < 0 ? "-" + body : body;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  std::string_view s = trimBlanks(text);
  size_t i = 0;
  const size_t n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  const size_t mantissaStart = i;
  size_t intDigits = 0, fracDigits = 0;
  while (i < n && isDigit(s[i])) { ++i; ++intDigits; }
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && isDigit(s[i])) { ++i; ++fracDigits; }
  }
  if (intDigits == 0 && fracDigits == 0) return std::nullopt;
  bool negativeExponent = false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
    size_t expDigits = 0;
    while (i < n && isDigit(s[i])) { ++i; ++expDigits; }
    if (expDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  (void)mantissaStart;

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
    const Decimal15 d = decimal15(value);
    const int shift = d.exponent - 14 + decimals;  // power of ten of the last digit
    if (shift >= 0) {
      integer = d.digits + std::string(static_cast<size_t>(shift), '0');
    } else {
      const int keep = 15 + shift;
      bool roundUp = false;
      if (keep >= 0 && keep < 15) roundUp = d.digits[static_cast<size_t>(keep)] >= '5';
      integer = keep > 0 ? d.digits.substr(0, static_cast<size_t>(keep)) : std::string("0");
      if (roundUp) {
        int k = static_cast<int>(integer.size()) - 1;
        while (k >= 0 && integer[static_cast<size_t>(k)] == '9') integer[static_cast<size_t>(k--)] = '0';
        if (k < 0) integer.insert(integer.begin(), '1');
        else ++integer[static_cast<size_t>(k)];
      }
    }
    const auto firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
  }
  if (static_cast<int>(integer.size()) <= decimals)
    integer.insert(0, static_cast<size_t>(decimals + 1) - integer.size(), '0');
  std::string out = integer;
  if (decimals > 0) out.insert(out.size() - static_cast<size_t>(decimals), ".");
  const bool isZero = integer.find_first_not_of('0') == std::string::npos;
  if (value < 0 && !isZero) out.insert(out.begin(), '-');
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

std::string shortestSingle(float value) {
  if (!std::isfinite(value)) return "";
  char buf[64];
  for (int p = 6; p <= 9; ++p) {
    std::snprintf(buf, sizeof buf, "%.*g", p, static_cast<double>(value));
    if (std::strtof(buf, nullptr) == value) break;
  }
  // Re-render without exponent quirks through the general rule.
  return numberText(std::strtod(buf, nullptr));
}

}  // namespace tarvello
