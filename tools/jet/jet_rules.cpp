#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "jet_internal.h"

namespace jet::detail {

std::u16string utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      cp = lead & 0x07u;
    } else {
      throw JetError("malformed UTF-8 text");
    }
    if (i + extra >= text.size()) {
      throw JetError("malformed UTF-8 text (truncated character)");
    }
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) throw JetError("malformed UTF-8 text");
      cp = (cp << 6) | (next & 0x3Fu);
    }
    static constexpr char32_t kMinForLength[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinForLength[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      throw JetError("malformed UTF-8 text");
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += extra + 1;
  }
  return out;
}

std::string_view typeName(ColumnType type) {
  switch (type) {
    case ColumnType::Text:
      return "text";
    case ColumnType::Double:
      return "double";
    case ColumnType::Single:
      return "single";
    case ColumnType::Long:
      return "long";
    case ColumnType::Integer:
      return "integer";
    case ColumnType::Boolean:
      return "boolean";
    case ColumnType::Memo:
      return "memo";
  }
  return "?";
}

std::optional<ColumnType> typeFromName(std::string_view name) {
  for (ColumnType t : {ColumnType::Text, ColumnType::Double, ColumnType::Single, ColumnType::Long,
                       ColumnType::Integer, ColumnType::Boolean, ColumnType::Memo}) {
    if (typeName(t) == name) return t;
  }
  return std::nullopt;
}

std::string nameProblem(std::string_view name) {
  if (name.empty()) return "a name may not be empty";
  std::u16string units;
  try {
    units = utf8ToUtf16(name);
  } catch (const JetError& e) {
    return e.what();
  }
  if (units.size() > kMaxNameChars) {
    return "name \"" + std::string(name) + "\" is longer than " + std::to_string(kMaxNameChars) +
           " characters";
  }
  if (units.front() == u' ') return "name \"" + std::string(name) + "\" starts with a blank";
  for (char16_t c : units) {
    if (c < 0x20 || c == u'.' || c == u'!' || c == u'`' || c == u'[' || c == u']') {
      return "name \"" + std::string(name) +
             "\" holds a character Access forbids in names (. ! ` [ ] or a control character)";
    }
  }
  return {};
}

namespace {

std::string formatNumber(double d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.15g", d);
  return buf;
}

std::string kindOf(const Cell& cell) {
  switch (cell.index()) {
    case 1:
      return "text";
    case 2:
      return "a number";
    case 3:
      return "an integer";
    case 4:
      return "a boolean";
    default:
      return "null";
  }
}

std::string integerProblem(const Cell& cell, std::int64_t lo, std::int64_t hi, ColumnType type) {
  std::int64_t value = 0;
  if (const auto* i = std::get_if<std::int64_t>(&cell)) {
    value = *i;
  } else if (const auto* d = std::get_if<double>(&cell)) {
    if (!std::isfinite(*d) || std::trunc(*d) != *d || *d < static_cast<double>(lo) ||
        *d > static_cast<double>(hi)) {
      return formatNumber(*d) + " is not a whole number from " + std::to_string(lo) + " to " +
             std::to_string(hi) + " (" + std::string(typeName(type)) + ")";
    }
    return {};
  } else {
    return "expected an integer, got " + kindOf(cell);
  }
  if (value < lo || value > hi) {
    return std::to_string(value) + " is out of range for " + std::string(typeName(type)) + " (" +
           std::to_string(lo) + " to " + std::to_string(hi) + ")";
  }
  return {};
}

}  // namespace

std::string cellProblem(ColumnType type, const Cell& cell) {
  if (std::holds_alternative<Null>(cell)) return {};
  switch (type) {
    case ColumnType::Text:
    case ColumnType::Memo: {
      const auto* s = std::get_if<std::string>(&cell);
      if (s == nullptr) return "expected text, got " + kindOf(cell);
      std::size_t units = 0;
      try {
        units = utf8ToUtf16(*s).size();
      } catch (const JetError& e) {
        return e.what();
      }
      const std::size_t limit = type == ColumnType::Text ? kMaxTextChars : kMaxMemoChars;
      if (units > limit) {
        return "text of " + std::to_string(units) + " characters is longer than the " +
               std::to_string(limit) + " a " + std::string(typeName(type)) + " column holds" +
               (type == ColumnType::Text ? " (use memo)" : "");
      }
      return {};
    }
    case ColumnType::Double:
    case ColumnType::Single: {
      double value = 0;
      if (const auto* d = std::get_if<double>(&cell)) {
        value = *d;
      } else if (const auto* i = std::get_if<std::int64_t>(&cell)) {
        value = static_cast<double>(*i);
      } else {
        return "expected a number, got " + kindOf(cell);
      }
      if (!std::isfinite(value)) return "a number must be finite";
      if (type == ColumnType::Single && !std::isfinite(static_cast<float>(value))) {
        return formatNumber(value) + " is out of range for single";
      }
      return {};
    }
    case ColumnType::Long:
      return integerProblem(cell, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max(), type);
    case ColumnType::Integer:
      return integerProblem(cell, std::numeric_limits<std::int16_t>::min(),
                            std::numeric_limits<std::int16_t>::max(), type);
    case ColumnType::Boolean: {
      if (std::holds_alternative<bool>(cell)) return {};
      if (const auto* i = std::get_if<std::int64_t>(&cell); i != nullptr && (*i == 0 || *i == 1)) {
        return {};
      }
      return "expected a boolean, got " + kindOf(cell);
    }
  }
  return "unknown column type";
}

}  // namespace jet::detail
