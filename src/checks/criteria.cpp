#include "checks/criteria.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include <toml++/toml.h>

#include "common/number_format.h"
#include "network/unit_constants.h"

namespace tarvello {

namespace {

constexpr std::string_view kRuleIds[kCheckRuleCount] = {
    "freeboard", "velocity-low",  "velocity-high", "cover",
    "size-min",  "size-decrease", "adverse-slope", "invert-drop"};

struct NumberKey {
  std::string_view name;
  std::optional<double> CriteriaOverrides::*field;
  double Criteria::*criterion;
};
constexpr NumberKey kNumberKeys[] = {
    {"freeboard", &CriteriaOverrides::freeboard, &Criteria::freeboard},
    {"velocity_min", &CriteriaOverrides::velocityMin, &Criteria::velocityMin},
    {"velocity_max", &CriteriaOverrides::velocityMax, &Criteria::velocityMax},
    {"cover_min", &CriteriaOverrides::coverMin, &Criteria::coverMin},
    {"size_min", &CriteriaOverrides::sizeMin, &Criteria::sizeMin},
};
constexpr std::string_view kOffKey = "off";

std::string located(const std::string& source, size_t line, std::string_view key,
                    const std::string& what) {
  std::string text = source + ":" + std::to_string(line) + ": ";
  if (!key.empty()) text += "key \"" + std::string(key) + "\": ";
  return text + what;
}

bool isBareKeyChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

// The key a parse error belongs to: the nearest "key =" at or above its line
// (a list may run over several lines). "" when there is none.
std::string keyNear(std::string_view text, size_t line) {
  std::vector<std::string_view> lines;
  for (size_t start = 0; start <= text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  for (size_t i = std::min(line, lines.size()); i-- > 0;) {
    std::string_view l = lines[i];
    while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
    size_t n = 0;
    while (n < l.size() && isBareKeyChar(l[n])) ++n;
    if (n == 0) continue;
    std::string_view rest = l.substr(n);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    if (!rest.empty() && rest.front() == '=') return std::string(l.substr(0, n));
  }
  return "";
}

}  // namespace

std::string_view checkRuleId(CheckRule rule) { return kRuleIds[static_cast<size_t>(rule)]; }

std::string_view checkRuleDescription(CheckRule rule) {
  static constexpr std::string_view kTexts[kCheckRuleCount] = {
      "grade line closer to the top than the freeboard",
      "velocity below the minimum",
      "velocity above the maximum",
      "cover below the minimum",
      "pipe smaller than the minimum size",
      "a larger pipe flows into a smaller one",
      "slope zero or against the flow",
      "the pipe leaving starts above the pipe arriving"};
  return kTexts[static_cast<size_t>(rule)];
}

std::string_view checkRuleUnit(CheckRule rule, bool english) {
  switch (rule) {
    case CheckRule::VelocityLow:
    case CheckRule::VelocityHigh:
      return english ? "ft/s" : "m/s";
    case CheckRule::SizeMin:
    case CheckRule::SizeDecrease:
      return english ? "in" : "mm";
    case CheckRule::AdverseSlope:
      return "%";
    case CheckRule::Freeboard:
    case CheckRule::Cover:
    case CheckRule::InvertDrop:
      break;
  }
  return english ? "ft" : "m";
}

std::string criteriaInForce(const Criteria& c, bool english) {
  // Ten significant digits without trailing zeros, as the window's label shows them.
  auto number = [](double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", v);
    return std::string(text);
  };
  const std::string length(checkRuleUnit(CheckRule::Cover, english));
  std::string off;
  for (int r = 0; r < kCheckRuleCount; ++r)
    if (!c.enabled(static_cast<CheckRule>(r)))
      off += (off.empty() ? "" : ", ") + std::string(kRuleIds[r]);
  return "Criteria in force: freeboard " + number(c.freeboard) + " " + length + ";  velocity " +
         number(c.velocityMin) + " to " + number(c.velocityMax) + " " +
         std::string(checkRuleUnit(CheckRule::VelocityLow, english)) + ";  cover " +
         number(c.coverMin) + " " + length + ";  size " + number(c.sizeMin) + " " +
         std::string(checkRuleUnit(CheckRule::SizeMin, english)) +
         ";  rules off: " + (off.empty() ? std::string("none") : off);
}

std::optional<CheckRule> checkRuleFromId(std::string_view id) {
  for (int i = 0; i < kCheckRuleCount; ++i)
    if (kRuleIds[i] == id) return static_cast<CheckRule>(i);
  return std::nullopt;
}

Criteria Criteria::defaults(bool english) {
  Criteria c;
  if (!english) {
    c.freeboard = 0.30;
    c.velocityMin = 0.9;
    c.velocityMax = 3.7;
    c.coverMin = 0.6;
    c.sizeMin = 375;
  }
  return c;
}

Criteria Criteria::forUnitSystem(const std::string& unitSystem) {
  return defaults(UnitConstants::forUnitSystem(unitSystem).english);
}

Criteria CriteriaOverrides::appliedTo(Criteria base) const {
  for (const NumberKey& key : kNumberKeys)
    if (const auto& value = this->*key.field) base.*key.criterion = *value;
  if (off) base.off = *off;
  return base;
}

CriteriaReadResult parseCriteria(std::string_view text, const std::string& sourceName) {
  CriteriaReadResult result;
  toml::table table;
  try {
    table = toml::parse(text, sourceName);
  } catch (const toml::parse_error& e) {
    const size_t line = e.source().begin.line;
    result.error = located(sourceName, line, keyNear(text, line),
                           "not a criteria file: " + std::string(e.description()));
    return result;
  }

  CriteriaOverrides overrides;
  for (auto&& [key, node] : table) {
    const std::string_view name = key.str();
    const size_t line = key.source().begin.line;
    const NumberKey* numberKey = nullptr;
    for (const NumberKey& k : kNumberKeys)
      if (k.name == name) numberKey = &k;
    if (numberKey) {
      const std::optional<double> value = node.is_number() ? node.value<double>() : std::nullopt;
      if (!value) {
        result.error = located(sourceName, line, name, "must be a number");
        return result;
      }
      if (!std::isfinite(*value)) {
        result.error = located(sourceName, line, name, "must be a finite number");
        return result;
      }
      overrides.*numberKey->field = *value;
    } else if (name == kOffKey) {
      const toml::array* list = node.as_array();
      if (!list) {
        result.error = located(sourceName, line, name, "must be a list of rule ids");
        return result;
      }
      std::array<bool, kCheckRuleCount> off{};
      for (const toml::node& element : *list) {
        const size_t at = element.source().begin.line ? element.source().begin.line : line;
        const std::optional<std::string> id = element.value<std::string>();
        if (!element.is_string() || !id) {
          result.error = located(sourceName, at, name, "must be a list of rule ids (text)");
          return result;
        }
        const auto rule = checkRuleFromId(*id);
        if (!rule) {
          std::string known;
          for (std::string_view r : kRuleIds) known += (known.empty() ? "" : ", ") + std::string(r);
          result.error =
              located(sourceName, at, name, "unknown rule \"" + *id + "\" (rules: " + known + ")");
          return result;
        }
        off[static_cast<size_t>(*rule)] = true;
      }
      overrides.off = off;
    } else {
      result.error = located(sourceName, line, name,
                             "unknown key (keys: freeboard, velocity_min, velocity_max, "
                             "cover_min, size_min, off)");
      return result;
    }
  }
  result.overrides = overrides;
  return result;
}

CriteriaReadResult readCriteriaFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    CriteriaReadResult result;
    result.error = path + ": the criteria file cannot be read";
    return result;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    CriteriaReadResult result;
    result.error = path + ": reading the criteria file failed";
    return result;
  }
  return parseCriteria(text, path);
}

std::string criteriaText(const Criteria& criteria) {
  std::string text;
  for (const NumberKey& key : kNumberKeys) {
    // The shortest text that reads back as the same number; a TOML float
    // needs a point or an exponent.
    std::string number = shortestText(criteria.*key.criterion);
    if (number.find_first_of(".e") == std::string::npos) number += ".0";
    text += std::string(key.name) + " = " + number + "\n";
  }
  text += "off = [";
  bool first = true;
  for (int i = 0; i < kCheckRuleCount; ++i) {
    if (!criteria.off[static_cast<size_t>(i)]) continue;
    text += (first ? "\"" : ", \"") + std::string(kRuleIds[i]) + "\"";
    first = false;
  }
  return text + "]\n";
}

}  // namespace tarvello
