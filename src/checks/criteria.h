#pragma once
// The design criteria the checks hold the tables to, in the project's units
// (feet, ft/s and inches, or metres, m/s and millimetres), and the criteria
// file that overrides them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvello {

// The rules, in the order their findings are listed.
enum class CheckRule {
  Freeboard,
  VelocityLow,
  VelocityHigh,
  Cover,
  SizeMin,
  SizeDecrease,
  AdverseSlope,
  InvertDrop,
};
inline constexpr int kCheckRuleCount = 8;

// "freeboard", "velocity-low", ... as they appear in criteria files and findings.
std::string_view checkRuleId(CheckRule rule);
std::optional<CheckRule> checkRuleFromId(std::string_view id);
// The rule in words, as the tool tips of the findings show it in every front end.
std::string_view checkRuleDescription(CheckRule rule);
// The unit of a rule's value and limit: the length, velocity or pipe-size unit
// of the project ("ft", "ft/s", "in" or "m", "m/s", "mm"), "%" for slopes.
std::string_view checkRuleUnit(CheckRule rule, bool english);

struct Criteria {
  double freeboard = 1.0;  // top of structure above the grade line
  double velocityMin = 3.0;
  double velocityMax = 12.0;
  double coverMin = 2.0;
  double sizeMin = 15;                      // inches or millimetres, as "Dia / Rise"
  std::array<bool, kCheckRuleCount> off{};  // rules skipped

  bool enabled(CheckRule rule) const { return !off[static_cast<size_t>(rule)]; }

  // The defaults of a project's unit system (told apart as everywhere else).
  static Criteria forUnitSystem(const std::string& unitSystem);
  static Criteria defaults(bool english);

  friend bool operator==(const Criteria&, const Criteria&) = default;
};

// What a criteria file sets; everything else keeps the base criteria.
struct CriteriaOverrides {
  std::optional<double> freeboard, velocityMin, velocityMax, coverMin, sizeMin;
  std::optional<std::array<bool, kCheckRuleCount>> off;

  Criteria appliedTo(Criteria base) const;
};

struct CriteriaReadResult {
  std::optional<CriteriaOverrides> overrides;
  std::string error;  // "FILE:LINE: key \"KEY\": what is wrong" when overrides is empty
};

// The TOML text of a criteria file; `sourceName` names it in messages. Keys:
// freeboard, velocity_min, velocity_max, cover_min, size_min (numbers) and
// off (a list of rule ids), all optional; anything else is an error.
CriteriaReadResult parseCriteria(std::string_view text, const std::string& sourceName);
CriteriaReadResult readCriteriaFile(const std::string& path);

// "Criteria in force: freeboard 1 ft;  velocity 3 to 12 ft/s;  cover 2 ft;  size
// 15 in;  rules off: none", as the design checks show them above the findings.
std::string criteriaInForce(const Criteria& criteria, bool english);

// A criteria file that sets every key to the given criteria.
std::string criteriaText(const Criteria& criteria);

}  // namespace tarvello
