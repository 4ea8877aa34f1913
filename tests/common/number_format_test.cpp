#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "common/number_format.h"
#include "common/value.h"

namespace tarvello {
namespace {

TEST(FixedFormat, RoundsHalfAwayFromZeroOnTheDecimalForm) {
  EXPECT_EQ(formatFixed(2.345, 2), "2.35");  // 2.34499999... in binary
  EXPECT_EQ(formatFixed(0.5, 2), "0.50");
  EXPECT_EQ(formatFixed(-2.345, 2), "-2.35");
  EXPECT_EQ(formatFixed(1.005, 2), "1.01");
  EXPECT_EQ(formatFixed(0.125, 2), "0.13");
  EXPECT_EQ(formatFixed(120.37, 1), "120.4");
  EXPECT_EQ(formatFixed(0.013, 3), "0.013");
  EXPECT_EQ(formatFixed(0.0005, 3), "0.001");
  EXPECT_EQ(formatFixed(9.995, 2), "10.00");
  EXPECT_EQ(formatFixed(999.96, 1), "1000.0");
  EXPECT_EQ(formatFixed(12.0, 0), "12");
}

TEST(FixedFormat, NeverWritesNegativeZero) {
  EXPECT_EQ(formatFixed(-0.004, 2), "0.00");
  EXPECT_EQ(formatFixed(-0.0, 2), "0.00");
  EXPECT_EQ(formatFixed(-0.05, 1), "-0.1");
  EXPECT_EQ(formatFixed(-1e-300, 3), "0.000");
}

TEST(FixedFormat, HugeAndTinyValues) {
  EXPECT_EQ(formatFixed(1e20, 2), "100000000000000000000.00");
  EXPECT_EQ(formatFixed(123456789012345678.0, 1), "123456789012346000.0");
  EXPECT_EQ(formatFixed(1e-20, 2), "0.00");
  EXPECT_EQ(formatFixed(0.005, 2), "0.01");
  EXPECT_EQ(formatFixed(0.0049999, 2), "0.00");
}

// What formatFixed promises, the slow way: printf's 15-digit decimal form,
// rounded half away from zero by hand on its digits.
std::string fixedByHand(double v, int decimals) {
  if (!std::isfinite(v)) return "";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
  const std::string digits = buf[0] + std::string(buf + 2, 14);
  const int keep = std::atoi(buf + 17) + 1 + decimals;  // digits before the rounding one
  std::string kept = keep <= 0 ? "0" : (digits + std::string(99, '0')).substr(0, size_t(keep));
  if (keep >= 0 && keep < 15 && digits[size_t(keep)] >= '5') {
    size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0)
      kept.insert(0, "1");
    else
      ++kept[i - 1];
  }
  kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size()));
  if (kept.size() <= size_t(decimals)) kept.insert(0, size_t(decimals) + 1 - kept.size(), '0');
  if (decimals > 0) kept.insert(kept.size() - size_t(decimals), ".");
  return (v < 0 && kept.find_first_of("123456789") != std::string::npos ? "-" : "") + kept;
}

// The quick path must give the decimal form's text exactly: halves in binary
// and in decimal, signs, magnitudes on both sides of its limit, and random
// values of every size the tables see; "%.6g" as printf writes it.
TEST(FixedFormat, QuickAndAppendedTextsAreTheDecimalFormsOwn) {
  std::vector<double> values = {0,
                                -0.0,
                                2.345,
                                -2.345,
                                1.005,
                                0.125,
                                9.995,
                                999.96,
                                0.0005,
                                -0.004,
                                -0.05,
                                0.0049999,
                                1e-20,
                                1e20,
                                1e9,
                                99999.99995,
                                123456.78915,
                                0.00005,
                                -1e-300,
                                std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity()};
  std::mt19937_64 random(31);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-6, 10);
  for (int i = 0; i < 20000; ++i)
    values.push_back(mantissa(random) * std::pow(10, exponent(random)));
  // Decimal halves at five decimals, which the binary value misses by a hair.
  for (int i = 0; i < 2000; ++i) values.push_back(std::round(mantissa(random) * 1e5) / 1e5 + 5e-6);
  for (double v : values) {
    for (int decimals = 0; decimals <= 6; ++decimals) {
      std::string out = "x";
      appendFixed(out, v, decimals);
      ASSERT_EQ(out, "x" + fixedByHand(v, decimals)) << v << " with " << decimals;
      ASSERT_EQ(formatFixed(v, decimals), fixedByHand(v, decimals)) << v << " with " << decimals;
    }
    std::string out = "x";
    appendGeneral6(out, v);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.6g", v);
    ASSERT_EQ(out, std::isfinite(v) ? "x" + std::string(buffer) : "x") << v;
  }
}

TEST(FixedFormat, TextAndNullInput) {
  EXPECT_EQ(formatFixed(std::string_view("12.5"), 2), "12.50");
  EXPECT_EQ(formatFixed(std::string_view(" 7 "), 2), "7.00");
  EXPECT_EQ(formatFixed(std::string_view("12+34.5"), 2), "12+34.5");
  EXPECT_EQ(formatFixed(std::string_view("YES"), 2), "YES");
  EXPECT_EQ(formatFixed(std::string_view(""), 2), "");
  EXPECT_EQ(formatFixed(Value::null(), 2), "");
  EXPECT_EQ(formatFixed(Value::text("abc"), 2), "abc");
  EXPECT_EQ(formatFixed(Value::real(95.5), 2), "95.50");
  EXPECT_EQ(formatFixed(Value::integer(104), 2), "104.00");
}

TEST(NumericText, AcceptsOnlyPlainDecimalNumbers) {
  EXPECT_EQ(parseNumber("12"), 12.0);
  EXPECT_EQ(parseNumber("  -3.5  "), -3.5);
  EXPECT_EQ(parseNumber("+.5"), 0.5);
  EXPECT_EQ(parseNumber("5."), 5.0);
  EXPECT_EQ(parseNumber("1e3"), 1000.0);
  EXPECT_EQ(parseNumber("2.5E-2"), 0.025);
  EXPECT_EQ(parseNumber("1e-400"), 0.0);
  for (const char* bad : {"", " ", ".", "-", "e5", "1e", "12+34.5", "YES", "1,5", "0x10", "1e400",
                          "inf", "nan", "1 2", "--1"}) {
    EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
  }
}

TEST(NumberText, FifteenSignificantDigitsWithoutExponentInTheUsualRange) {
  EXPECT_EQ(numberText(3.5), "3.5");
  EXPECT_EQ(numberText(12), "12");
  EXPECT_EQ(numberText(0), "0");
  EXPECT_EQ(numberText(-0.0), "0");
  EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(numberText(-12.25), "-12.25");
  EXPECT_EQ(numberText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(numberText(0.00001), "0.00001");
  EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
  EXPECT_EQ(numberText(1e15), "1E+15");
  EXPECT_EQ(numberText(0.000001), "1E-06");
  EXPECT_EQ(numberText(-2.5e20), "-2.5E+20");
}

TEST(SingleGeneral, SevenDigitsThroughSinglePrecision) {
  EXPECT_EQ(singleGeneral(600), "600");
  EXPECT_EQ(singleGeneral(2.5), "2.5");
  EXPECT_EQ(singleGeneral(0.75), "0.75");
  EXPECT_EQ(singleGeneral(8.25), "8.25");
  EXPECT_EQ(singleGeneral(-12.4), "-12.4");
  EXPECT_EQ(singleGeneral(0.1), "0.1");
  EXPECT_EQ(singleGeneral(1234.5678), "1234.568");
  EXPECT_EQ(singleGeneral(1.0 / 3.0), "0.3333333");
  EXPECT_EQ(singleGeneral(-0.0), "0");
}

TEST(ShortestSingle, ReadsBackAsTheSameFloat) {
  EXPECT_EQ(shortestSingle(0.013f), "0.013");
  EXPECT_EQ(shortestSingle(95.5f), "95.5");
  EXPECT_EQ(shortestSingle(16777217.0f), "16777216");
  EXPECT_EQ(shortestSingle(0.1f), "0.1");
}

TEST(ValueRules, JoinAndConvert) {
  EXPECT_EQ(Value::null().asText(), "");
  EXPECT_FALSE(Value::null().isEmptyText());
  EXPECT_TRUE(Value::text("").isEmptyText());
  EXPECT_EQ(Value::real(0.013).asText(), "0.013");
  EXPECT_EQ(Value::integer(-7).asText(), "-7");
  EXPECT_EQ(Value::text(" 12 ").asNumber(), 12.0);
  EXPECT_FALSE(Value::text("abc").asNumber());
  EXPECT_FALSE(Value::null().asNumber());
  EXPECT_EQ(Value::text("abc").numberOr(0), 0.0);
}

}  // namespace
}  // namespace tarvello
