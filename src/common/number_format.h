#pragma once
// Number texts used in the tables, the drawings and the workbook.
#include <optional>
#include <string>
#include <string_view>

namespace tarvello {

class Value;

// Parses numeric text: after trimming blanks, [+-]?(d+(.d*)?|.d+)([eE][+-]?d+)?.
// Anything else ("", "12+34.5", "YES") and values that overflow a double are not numbers.
std::optional<double> parseNumber(std::string_view text);

// The plain text of a number: at most 15 significant digits, no trailing zeros,
// no exponent between 1e-5 and 1e15 (outside that range "1.5E+20" / "1E-06").
std::string numberText(double value);

// Fixed-decimal picture ("0.00" is decimals = 2): rounded half away from zero on
// the number's 15-significant-digit decimal form, at least one digit before the
// point, never a negative zero.
std::string formatFixed(double value, int decimals);
// The same text appended to `out`, without a string of its own.
void appendFixed(std::string& out, double value, int decimals);
// The same for a cell or field text: numeric text is formatted, other text comes
// back unchanged.
std::string formatFixed(std::string_view text, int decimals);
// The same for a database value: null gives "", numbers are formatted, text as above.
std::string formatFixed(const Value& value, int decimals);

// Single-precision general format used for numbers in drawings: the value as a
// float, at most 7 significant digits, no trailing zeros, "0.75" not ".75".
std::string singleGeneral(double value);
// The same text appended to `out`, without a string of its own.
void appendSingleGeneral(std::string& out, double value);

// C's "%.6g" of `value` appended to `out`; nothing for a value that is no
// finite number.
void appendGeneral6(std::string& out, double value);

// Shortest decimal text that reads back as the same single-precision float.
std::string shortestSingle(float value);

// C's "%.6g" of `value` appended to `out`; nothing for a value that is no
// finite number.
void appendGeneral6(std::string& out, double value);

// Shortest decimal text that reads back as the same double, fixed or with an
// exponent ("1e+21"), whichever is shorter: std::to_chars's plain form.
std::string shortestText(double value);

}  // namespace tarvello
