#pragma once
// Field text made safe for one line of output.
#include <string>
#include <string_view>

namespace tarvello {

// A node number or other field text on one output line: a backslash becomes
// "\\", line feed, carriage return and tab "\n", "\r", "\t", other control
// characters "\xHH"; everything else is copied.
std::string oneLine(std::string_view text);

}  // namespace tarvello
