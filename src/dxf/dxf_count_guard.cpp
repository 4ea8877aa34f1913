#include "dxf/dxf_count_guard.h"

#include <cstdlib>
#include <vector>

namespace tarvello {
namespace {

// dxflib reads a line into a buffer of this size with istream::getline; a
// longer line sets the stream's fail bit without its end-of-file bit, and
// dxflib then reads empty groups for ever.
constexpr size_t kLongestLine = 1023;

// The counts dxflib trusts: it allocates what they declare (LWPOLYLINE,
// SPLINE, LEADER) or bounds its collection by them (HATCH spline edges);
// the other counts of HATCH and LTYPE are passed on as they are, and are held
// to the same rule so that no count reaches anything unchecked.
struct CountedGroup {
  std::string_view entity;
  int code;
  const char* items;
};
constexpr CountedGroup kCountedGroups[] = {
    {"LWPOLYLINE", 90, "vertices"},   {"SPLINE", 72, "knots"},
    {"SPLINE", 73, "control points"}, {"SPLINE", 74, "fit points"},
    {"LEADER", 76, "vertices"},       {"HATCH", 91, "boundary paths"},
    {"HATCH", 93, "boundary edges"},  {"HATCH", 95, "knots"},
    {"HATCH", 96, "control points"},  {"HATCH", 97, "fit points or boundary objects"},
    {"HATCH", 98, "seed points"},     {"LTYPE", 73, "dashes"},
};

const char* countedItems(std::string_view entity, int code) {
  for (const auto& g : kCountedGroups)
    if (g.code == code && g.entity == entity) return g.items;
  return nullptr;
}

const char* article(std::string_view entity) {
  // Said letter by letter: "an LWPOLYLINE", "an LTYPE".
  return entity.front() == 'L' && entity != "LEADER" ? "an" : "a";
}

// The integer dxflib makes of a value: strtol, leading white space skipped.
long numberOf(std::string_view value) {
  char buffer[kLongestLine + 1];
  const size_t n = value.size() < kLongestLine ? value.size() : kLongestLine;
  value.copy(buffer, n);
  buffer[n] = '\0';
  return std::strtol(buffer, nullptr, 10);
}

// As dxflib strips a line: trailing line ends always, spaces and tabs at
// either end only from group code lines.
std::string_view stripped(std::string_view line, bool spaces) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r' ||
                           (spaces && (line.back() == ' ' || line.back() == '\t'))))
    line.remove_suffix(1);
  while (spaces && !line.empty() && (line.front() == ' ' || line.front() == '\t'))
    line.remove_prefix(1);
  return line;
}

struct PendingCount {
  size_t line;   // of the value
  size_t group;  // index of the group
  long declared;
  const char* items;
};

}  // namespace

std::optional<std::string> checkDxfCounts(std::string_view text) {
  // The text as dxflib sees it: lines cut at '\n', taken two by two as group
  // code and value; a code without a value line ends the reading.
  size_t pos = 0;
  size_t lineNo = 0;
  std::optional<std::string> tooLong;
  const auto nextLine = [&](std::string_view& line) {
    if (pos >= text.size()) return false;
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (line.size() > kLongestLine) {
      tooLong = "The drawing cannot be read: line " + std::to_string(lineNo) + " is longer than " +
                std::to_string(kLongestLine) + " characters.";
      return false;
    }
    return true;
  };

  // An entity (or table entry, or header variable) starts at a group 0 or 9
  // and runs to the next; its counts are checked when it ends, against the
  // groups that followed them.
  std::string_view entity;
  std::vector<PendingCount> pending;
  const auto endEntity = [&](size_t endGroup) -> std::optional<std::string> {
    for (const auto& c : pending) {
      const size_t room = endGroup - c.group - 1;
      if (c.declared < 0 || static_cast<unsigned long>(c.declared) > room) {
        return "The drawing is damaged: line " + std::to_string(c.line) + ": " + article(entity) +
               " " + std::string(entity) + " declares " + std::to_string(c.declared) + " " +
               c.items + ".";
      }
    }
    pending.clear();
    return std::nullopt;
  };

  size_t group = 0;
  std::string_view codeLine, valueLine;
  for (; nextLine(codeLine) && nextLine(valueLine); ++group) {
    const std::string_view value = stripped(valueLine, false);
    // dxflib keeps the group code as an int of what strtol reads.
    const int code = static_cast<int>(numberOf(stripped(codeLine, true)));
    if (code == 0 || code == 9) {
      if (auto problem = endEntity(group)) return problem;
      entity = value;
      continue;
    }
    if (entity.empty()) continue;
    if (const char* items = countedItems(entity, code))
      pending.push_back({lineNo, group, numberOf(value), items});
  }
  if (tooLong) return tooLong;
  return endEntity(group);
}

}  // namespace tarvello
