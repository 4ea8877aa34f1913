// Criteria files: overrides, rules turned off, and every way a file can be
// wrong, with the file, line and key named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "checks/criteria.h"
#include "checks/design_checks.h"
#include "common/number_format.h"

namespace tarvello {
namespace {

Criteria applied(const std::string& text, const Criteria& base) {
  const CriteriaReadResult read = parseCriteria(text, "c.toml");
  EXPECT_TRUE(read.overrides) << read.error;
  return read.overrides ? read.overrides->appliedTo(base) : base;
}

TEST(CriteriaFile, OverridesOnlyWhatItSetsAndTurnsRulesOff) {
  const Criteria c = applied(
      "# agency manual, 2019\n"
      "size_min = 18           # inches: a whole number is a number too\n"
      "velocity_max = 10.5\n"
      "off = [\"adverse-slope\", \"invert-drop\"]\n",
      Criteria::defaults(true));
  EXPECT_DOUBLE_EQ(c.sizeMin, 18);
  EXPECT_DOUBLE_EQ(c.velocityMax, 10.5);
  EXPECT_DOUBLE_EQ(c.freeboard, 1.0);
  EXPECT_DOUBLE_EQ(c.velocityMin, 3.0);
  EXPECT_DOUBLE_EQ(c.coverMin, 2.0);
  for (int i = 0; i < kCheckRuleCount; ++i) {
    const auto rule = static_cast<CheckRule>(i);
    EXPECT_EQ(c.enabled(rule), rule != CheckRule::AdverseSlope && rule != CheckRule::InvertDrop)
        << checkRuleId(rule);
  }
  // An empty file and an empty list change nothing; a list replaces the base's.
  EXPECT_EQ(applied("", Criteria::defaults(false)), Criteria::defaults(false));
  EXPECT_EQ(applied("off = []", c),
            (applied("off = []\nsize_min = 18\nvelocity_max = 10.5", Criteria::defaults(true))));

  // Rules turned off give no findings.
  ProfileTables t;
  t.pipes.setCell(1, pipecol::PipeNo, "P1");
  t.pipes.setCell(1, pipecol::SlopePercent, "-1");
  t.pipes.setCell(1, pipecol::DiaRise, "15");
  EXPECT_EQ(runDesignChecks(t, Criteria::defaults(true)).size(), 1u);
  EXPECT_EQ(runDesignChecks(t, c).size(), 1u);  // now size-min (15 < 18), not adverse-slope
  EXPECT_EQ(runDesignChecks(t, c)[0].rule, CheckRule::SizeMin);
}

TEST(CriteriaFile, WrittenCriteriaReadBackTheSame) {
  Criteria c = Criteria::defaults(false);
  c.velocityMax = 4.25;
  c.sizeMin = 450;
  c.off[static_cast<size_t>(CheckRule::Cover)] = true;
  c.off[static_cast<size_t>(CheckRule::Freeboard)] = true;
  EXPECT_EQ(applied(criteriaText(c), Criteria::defaults(true)), c);
  EXPECT_EQ(applied(criteriaText(Criteria::defaults(true)), c), Criteria::defaults(true));
}

void expectError(const std::string& text, const std::string& where, const std::string& key,
                 const std::string& what) {
  const CriteriaReadResult read = parseCriteria(text, "crit.toml");
  EXPECT_FALSE(read.overrides) << text;
  EXPECT_EQ(read.error.rfind(where, 0), 0u) << read.error;
  if (!key.empty()) {
    EXPECT_NE(read.error.find("key \"" + key + "\""), std::string::npos) << read.error;
  }
  EXPECT_NE(read.error.find(what), std::string::npos) << read.error;
}

TEST(CriteriaFile, MistakesNameTheFileTheLineAndTheKey) {
  expectError("freeboard = 1\n\nvelocity_maximum = 12\n", "crit.toml:3: ", "velocity_maximum",
              "unknown key");
  expectError("[cover]\nmin = 2\n", "crit.toml:1: ", "cover", "unknown key");
  expectError("cover_min = \"2 ft\"\n", "crit.toml:1: ", "cover_min", "must be a number");
  expectError("\nsize_min = true\n", "crit.toml:2: ", "size_min", "must be a number");
  expectError("freeboard = nan\n", "crit.toml:1: ", "freeboard", "finite");
  expectError("velocity_max = -inf\n", "crit.toml:1: ", "velocity_max", "finite");
  expectError("off = \"cover\"\n", "crit.toml:1: ", "off", "list of rule ids");
  expectError("off = [\n  \"cover\",\n  \"velocity\",\n]\n", "crit.toml:3: ", "off",
              "unknown rule \"velocity\"");
  expectError("off = [\"cover\", 3]\n", "crit.toml:1: ", "off", "list of rule ids");
  // Files that are not TOML: the key of the line, or of the list it is in.
  expectError("freeboard = 1.0\ncover_min = 2.0.0\n", "crit.toml:2: ", "cover_min",
              "not a criteria file");
  expectError("off = [\n  \"cover\"\n  \"size-min\"\n]\n", "crit.toml:3: ", "off",
              "not a criteria file");
  expectError("freeboard = 1\nfreeboard = 2\n", "crit.toml:2: ", "freeboard",
              "not a criteria file");
  expectError("this is not toml\n", "crit.toml:1: ", "", "not a criteria file");
  expectError(std::string("freeboard = 1\0\n", 15), "crit.toml:1: ", "", "not a criteria file");
}

TEST(CriteriaFile, UnreadableFileIsNamed) {
  const std::string missing =
      (std::filesystem::temp_directory_path() / "tarvello-no-such-criteria.toml").string();
  const CriteriaReadResult read = readCriteriaFile(missing);
  EXPECT_FALSE(read.overrides);
  EXPECT_EQ(read.error.rfind(missing + ": ", 0), 0u) << read.error;
}

TEST(FindingsCsv, QuotesAsTheTablesDoAndFormatsHundredths) {
  Finding a;
  a.rule = CheckRule::InvertDrop;
  a.branchId = "1";
  a.structure = "JB \"4\", north";
  a.pipe = "P4";
  a.value = -0.004;  // rounds to zero: never "-0.00"
  a.limit = 0;
  Finding b;
  b.rule = CheckRule::Cover;
  b.branchId = "2";
  b.pipe = "P\n7";
  b.value = 1.005;  // half away from zero on the decimal form
  b.limit = 2;
  EXPECT_EQ(findingsCsv({a, b}),
            "Rule,Branch ID,Structure,Pipe,Value,Limit\r\n"
            "invert-drop,1,\"JB \"\"4\"\", north\",P4,0.00,0.00\r\n"
            "cover,2,,\"P\n7\",1.01,2.00\r\n");
  EXPECT_EQ(findingsCsv({}), "Rule,Branch ID,Structure,Pipe,Value,Limit\r\n");
  EXPECT_EQ(
      findingsSummary({a, b, b}),
      "Design checks: 3 findings\n  freeboard: 0\n  velocity-low: 0\n  velocity-high: 0\n"
      "  cover: 2\n  size-min: 0\n  size-decrease: 0\n  adverse-slope: 0\n  invert-drop: 1\n");
}

// The line above the findings, in the window and the page: the project's
// units, the numbers as set, and the rules a file turned off.
TEST(CriteriaFile, CriteriaInForceNamesUnitsAndRulesOff) {
  EXPECT_EQ(criteriaInForce(Criteria::defaults(true), true),
            "Criteria in force: freeboard 1 ft;  velocity 3 to 12 ft/s;  cover 2 ft;  size 15 in;  "
            "rules off: none");
  const Criteria metric =
      applied("freeboard = 0.45\noff = [\"invert-drop\", \"cover\"]\n", Criteria::defaults(false));
  EXPECT_EQ(
      criteriaInForce(metric, false),
      "Criteria in force: freeboard 0.45 m;  velocity 0.9 to 3.7 m/s;  cover 0.6 m;  size 375 "
      "mm;  rules off: cover, invert-drop");
  EXPECT_EQ(checkRuleUnit(CheckRule::AdverseSlope, true), "%");
  EXPECT_EQ(checkRuleUnit(CheckRule::SizeDecrease, false), "mm");
}

}  // namespace
}  // namespace tarvello
