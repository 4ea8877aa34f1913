#pragma once
// Field texts (node numbers, file names) on one output line.
#include <string>
#include <string_view>

namespace tarvello {

// A backslash becomes "\\", line feed, carriage return and tab "\n", "\r",
// "\t", other control characters "\xHH"; everything else is copied.
std::string oneLine(std::string_view text);

}  // namespace tarvello
