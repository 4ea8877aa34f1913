#include "common/warning_groups.h"

#include <string_view>

#include "common/one_line.h"

namespace tarvello {
namespace {

// The group of each warning, and the groups. A run has a few kinds, so a
// look at the last kind and then along the groups finds one fastest.
struct Grouping {
  std::vector<WarningGroup> groups;
  std::vector<size_t> groupOf;
};

Grouping grouping(const std::vector<Warning>& warnings, bool members) {
  Grouping g;
  g.groupOf.reserve(warnings.size());
  std::vector<size_t> counts;
  size_t last = 0;
  for (size_t i = 0; i < warnings.size(); ++i) {
    const std::string& kind = warnings[i].kind;
    if (g.groups.empty() || g.groups[last].kind != kind) {
      last = 0;
      while (last < g.groups.size() && g.groups[last].kind != kind) ++last;
      if (last == g.groups.size()) g.groups.push_back({kind, {}});
    }
    g.groupOf.push_back(last);
    if (members) g.groups[last].members.push_back(i);
  }
  return g;
}

constexpr std::string_view kPrefix = "warning: ";
constexpr std::string_view kMoreStart = "... and ";
constexpr std::string_view kMoreEnd = " more of this kind (--warnings FILE lists them all)\n";

bool plainLine(std::string_view text) {
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\\' || u < 0x20 || u == 0x7f) return false;
  }
  return true;
}

}  // namespace

std::vector<WarningGroup> groupWarnings(const std::vector<Warning>& warnings) {
  return grouping(warnings, true).groups;
}

void appendWarningLines(std::string& out, const std::vector<Warning>& warnings, size_t perKind) {
  const Grouping g = grouping(warnings, false);
  std::vector<size_t> total(g.groups.size(), 0);
  for (const size_t k : g.groupOf) ++total[k];
  // Sized first; a sentence that needs escaping is measured as escaped.
  std::vector<size_t> shown(g.groups.size(), 0);
  size_t size = out.size();
  for (size_t i = 0; i < warnings.size(); ++i) {
    const size_t k = g.groupOf[i];
    const size_t n = shown[k]++;
    const std::string& text = warnings[i].text;
    if (n < perKind)
      size += kPrefix.size() + (plainLine(text) ? text.size() : oneLine(text).size()) + 1;
    else if (n == perKind)
      size += kMoreStart.size() + std::to_string(total[k] - perKind).size() + kMoreEnd.size();
  }
  out.reserve(size);
  shown.assign(g.groups.size(), 0);
  for (size_t i = 0; i < warnings.size(); ++i) {
    const size_t k = g.groupOf[i];
    const size_t n = shown[k]++;
    const std::string& text = warnings[i].text;
    if (n < perKind) {
      out += kPrefix;
      if (plainLine(text))
        out += text;
      else
        out += oneLine(text);
      out += '\n';
    } else if (n == perKind) {
      out += kMoreStart;
      out += std::to_string(total[k] - perKind);
      out += kMoreEnd;
    }
  }
}

std::string warningLines(const std::vector<Warning>& warnings, size_t perKind) {
  std::string out;
  appendWarningLines(out, warnings, perKind);
  return out;
}

}  // namespace tarvello
