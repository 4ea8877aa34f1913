// Warnings of a real run grouped by kind, capped for the command line and
// listed in full as CSV.
#include <gtest/gtest.h>

#include "common/warning_groups.h"
#include "generation_fixture.h"
#include "tables/csv.h"

namespace tarvello {
namespace {

using namespace tarvello::testing;

std::vector<std::string> lines(const std::string& text, const std::string& end) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size())
    out.push_back(text.substr(start, at - start));
  EXPECT_EQ(start, text.size()) << "the text ends in the middle of a line";
  return out;
}

// A chain O <- S1 <- ... <- S29 under a tail water of 200, far above every top
// (108 and 110): the grade line is above the top of all 30 structures. S5 and
// S17 have no top: estimated as the invert 101 + 2 ft of pipe + 1 ft = 104.
// Beside it, twelve lone pipes that reach no outfall, the first with a line
// feed in its number.
std::unique_ptr<Session> sizedNetwork() {
  std::vector<Fields> pipes;
  for (int k = 1; k <= 29; ++k) {
    const std::string up = "S" + std::to_string(k);
    const std::string down = k == 1 ? "O" : "S" + std::to_string(k - 1);
    Fields overrides;
    if (k == 5 || k == 17) overrides["NODEIN_TOPELE"] = q("");
    pipes.push_back(pipeRecord("P" + std::to_string(k), down, up, overrides));
  }
  for (int k = 1; k <= 12; ++k) {
    pipes.push_back(
        pipeRecord("L" + std::to_string(k), "X" + std::to_string(k), "Y" + std::to_string(k)));
    if (k == 1) pipes.back()["PIPE_NUMBER"] = "'L' || char(10) || '1'";
  }
  return sessionWith(pipes, "O", "200");
}

const std::string kLeftOut =
    "12 pipes do not drain to outfall O and are not listed: L\n1, L2, L3, L4, L5, L6, L7, L8, L9, "
    "L10, ....";

TEST(WarningGroups, ThirtyOfOneKindAreCountedCappedAndListedInFull) {
  auto s = sizedNetwork();
  const auto result = createProfileData(*s);
  ASSERT_TRUE(result.ran);
  ASSERT_EQ(result.error, "");
  const auto& all = s->warnings.all();
  ASSERT_EQ(all.size(), 33u);

  // Grouped in the order the kinds first occur.
  const auto groups = groupWarnings(all);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].kind, "not-draining");
  EXPECT_EQ(groups[0].members, std::vector<size_t>{0});
  EXPECT_EQ(groups[1].kind, "top-estimated");
  EXPECT_EQ(groups[1].members, (std::vector<size_t>{1, 2}));
  EXPECT_EQ(groups[2].kind, "hgl-reaches-top");
  EXPECT_EQ(groups[2].count(), 30u);
  EXPECT_EQ(groups[2].members.front(), 3u);
  EXPECT_EQ(groups[2].members.back(), 32u);

  // The command line: every line as before up to ten of a kind, then one
  // line for the other twenty.
  const auto err = lines(warningLines(all), "\n");
  ASSERT_EQ(err.size(), 1u + 2u + 10u + 1u);
  EXPECT_EQ(err[0],
            "warning: 12 pipes do not drain to outfall O and are not listed: L\\n1, L2, L3, L4, "
            "L5, L6, L7, L8, L9, L10, ....");
  EXPECT_EQ(err[1], "warning: Structure S5 has no top elevation; it was estimated as 104.00.");
  EXPECT_EQ(err[2], "warning: Structure S17 has no top elevation; it was estimated as 104.00.");
  // Structure rows from the outfall up: O, S1, ..., S9.
  for (int k = 0; k < 10; ++k) {
    const std::string start = "warning: The hydraulic grade line at structure " +
                              (k == 0 ? std::string("O") : "S" + std::to_string(k)) + " (";
    EXPECT_EQ(err[3 + static_cast<size_t>(k)].rfind(start, 0), 0u) << err[3 + k];
    EXPECT_NE(err[3 + static_cast<size_t>(k)].find(") is above its top (1"), std::string::npos);
  }
  EXPECT_EQ(err[13], "... and 20 more of this kind (--warnings FILE lists them all)");

  // The CSV: a row per subject, the twelve pipes left out each on its own.
  const auto rows = lines(warningsCsv(all), "\r\n");
  ASSERT_EQ(rows.size(), 1u + 12u + 2u + 30u);
  EXPECT_EQ(rows[0], "Kind,Branch ID,Structure,Pipe,Message");
  EXPECT_EQ(rows[1], "not-draining,,,\"L\n1\",\"" + kLeftOut + "\"");
  EXPECT_EQ(rows[12], "not-draining,,,L12,\"" + kLeftOut + "\"");
  EXPECT_EQ(rows[14],
            "top-estimated,1,S17,,Structure S17 has no top elevation; it was estimated as 104.00.");
  EXPECT_EQ(rows[15].rfind("hgl-reaches-top,1,O,,The hydraulic grade line at structure O (", 0),
            0u);
  EXPECT_EQ(rows[44].rfind("hgl-reaches-top,1,S29,,The hydraulic grade line at structure S29 (", 0),
            0u);
}

TEST(WarningGroups, TenOfAKindReadAsBeforeAndTheEleventhBecomesTheCount) {
  Warnings w;
  for (int k = 1; k <= 11; ++k) {
    w.add("barrels", "barrels " + std::to_string(k));
    if (k == 3) w.add("loop", "a loop\r");
  }
  std::string expected;
  for (int k = 1; k <= 10; ++k) {
    expected += "warning: barrels " + std::to_string(k) + "\n";
    if (k == 3) expected += "warning: a loop\\r\n";
  }
  // Ten of each kind: exactly what was printed before there was a cap.
  EXPECT_EQ(warningLines(std::vector<Warning>(w.all().begin(), w.all().end() - 1)), expected);
  expected += "... and 1 more of this kind (--warnings FILE lists them all)\n";
  EXPECT_EQ(warningLines(w.all()), expected);

  // Appended to what is already there; nothing at all for no warnings.
  std::string out = "Tail water: 1\n";
  appendWarningLines(out, {});
  EXPECT_EQ(out, "Tail water: 1\n");
  EXPECT_EQ(warningsCsv({}), "Kind,Branch ID,Structure,Pipe,Message\r\n");
}

}  // namespace
}  // namespace tarvello
