#pragma once
// Number texts appended to a growing buffer, for outputs of many rows: the
// same texts as formatFixed and C's "%.6g", without a string for each.
#include <string>

namespace tarvello {

// formatFixed(value, decimals), appended to `out`.
void appendFixed(std::string& out, double value, int decimals);

// C's "%.6g" of `value`, appended to `out`; nothing for a value that is no
// finite number.
void appendGeneral6(std::string& out, double value);

}  // namespace tarvello
