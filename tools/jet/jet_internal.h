#pragma once
// Rules shared by the description reader and the file writer, so that a bad
// value is reported the same way whichever way it came in.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "jet_writer.h"

namespace jet::detail {

// Limits of the Jet 4 format as Access applies them (lengths in UTF-16 units).
inline constexpr std::size_t kMaxTextChars = 255;
inline constexpr std::size_t kMaxMemoChars = 4'000'000;
inline constexpr std::size_t kMaxNameChars = 64;
inline constexpr std::size_t kMaxColumns = 255;

// Throws JetError on malformed UTF-8 (including encoded surrogates).
std::u16string utf8ToUtf16(std::string_view text);

std::string_view typeName(ColumnType type);
std::optional<ColumnType> typeFromName(std::string_view name);

// Why `name` cannot name a table or column, or "" when it can.
std::string nameProblem(std::string_view name);

// Why `cell` cannot be stored in a column of `type`, or "" when it can.
std::string cellProblem(ColumnType type, const Cell& cell);

}  // namespace jet::detail
