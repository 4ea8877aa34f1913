// The computation sheet against grade lines worked out by hand, and the
// walk's record against the structure table on whole projects.
#include "reports/hgl_sheet.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "network_gen.h"
#include "reports/quantities.h"
#include "reports/report_runs.h"
#include "support/database_test_support.h"
#include "tables/csv.h"

namespace tarvello {
namespace {

using namespace tarvello::testing;
using namespace tarvello::reporttest;

const std::string kHeads =
    "Branch ID,Str #,Pipe No,Qb,D,n,L,Sf,hf,V,Ho,Vm,Hv,Htheta,Hj,Qin,Inflow Factor,Shaping "
    "Factor,Hs,Hout,Hout Rule,Hin,Raised,W,HGL Elev-Low,HGL Elev-High";

// One record per structure row, in order, and wherever the walk did not
// raise the grade line its Hin, formatted as the table formats it, is the
// table's HGL Elev-Low. Returns the rows that break this.
std::vector<std::string> hinRuleBreaks(const HglTrace& trace, const ProfileTables& tables) {
  std::vector<std::string> breaks;
  const Table& s = tables.structures;
  if (trace.rows.size() != static_cast<size_t>(s.lastFilledRow()))
    breaks.push_back(std::to_string(trace.rows.size()) + " records for " +
                     std::to_string(s.lastFilledRow()) + " rows");
  for (size_t i = 0; i < trace.rows.size(); ++i) {
    const HglTraceRow& t = trace.rows[i];
    if (t.structureRow != static_cast<int>(i) + 1)
      breaks.push_back("record " + std::to_string(i) + " is for row " +
                       std::to_string(t.structureRow));
    if (!t.branchStart() && !t.raised &&
        formatFixed(t.hin, 2) != s.cell(t.structureRow, strcol::HglLow))
      breaks.push_back("row " + std::to_string(t.structureRow) + ": Hin " + formatFixed(t.hin, 2) +
                       ", HGL Elev-Low " + s.cell(t.structureRow, strcol::HglLow));
  }
  return breaks;
}

// A pipe of the worked networks: its hydraulics (D, Eout, Ein, L, Q, V, FD),
// then any other fields as name, value, name, value.
Fields pipe(const std::string& number, const std::string& out, const std::string& in,
            const std::array<std::string, 7>& hydraulics,
            const std::vector<std::string>& more = {}) {
  const char* names[] = {"PIPE_DIA",       "PIPE_ELEOUT",   "PIPE_ELEIN",    "PIPE_LENGTH",
                         "PIPE_DISCHARGE", "PIPE_VELOCITY", "PIPE_FLOWDEPTH"};
  Fields f = fields(more);
  for (size_t i = 0; i < hydraulics.size(); ++i) f[names[i]] = hydraulics[i];
  return pipeRecord(number, out, in, f);
}

// Recording changes nothing: the same run without a trace fills the same
// tables and warns the same.
void expectSameWithoutTrace(Session& plain, const TracedRun& run) {
  createProfileData(plain);
  EXPECT_EQ(tableCsv(plain.tables().structures), tableCsv(run.tables.structures));
  EXPECT_EQ(tableCsv(plain.tables().pipes), tableCsv(run.tables.pipes));
  EXPECT_EQ(warningsCsv(plain.warnings.all()), warningsCsv(run.warnings.all()));
}

// O <- A <- B <- E, with C and D into A and G into B; tail water 103.5.
std::vector<Fields> englishNetwork() {
  return {
      pipe("P1", "O", "A", {"36", "100", "100.5", "200", "40", "6", "1.8"},
           {"NODEIN_TYPE", q("Junction Box"), "NODEOUT_TYPE", q("End Wall")}),
      pipe("P2", "A", "B", {"30", "101", "102", "150", "10", "3", "1.2"},
           {"NODEIN_TYPE", q("Inlet"), "NODEIN_SHAPING", q("YES"), "STRUCTURE_CA", "2", "PIPE_I",
            "5"}),
      pipe("P3", "A", "C", {"24", "103.8", "104.5", "80", "8", "4", "1.8"}, {"PIPE_SKEW", "90"}),
      pipe("P4", "A", "D", {"15", "102", "102.5", "50", "3.5", "10", "0.6"}),
      pipe("P5", "B", "E", {"18", "106", "108", "100", "5", "3", "0.9"}),
      pipe("P7", "B", "G", {"18", "102.5", "103", "60", "4", "4", "0.7"}, {"PIPE_SKEW", "45"}),
  };
}

// g = 32.2, sizes / 12, K = 0.463; 2g = 64.4.
TEST(HglSheet, EnglishRowsWorkedByHand) {
  TracedRun run = traced(sessionWith(englishNetwork(), "O", "103.5"));
  ASSERT_EQ(run.result.error, "");
  const ProfileTables& t = run.tables;
  EXPECT_EQ(hglSheetCsv(run.trace, t),
            csvLines({
                kHeads,
                // The outfall keeps the tail water: 0.8 x 3 ft + 100 = 102.4 is lower.
                "1,O,,,,,,,,,,,,,,,,,,,tail water,,,,103.5,103.5",
                // A: the tail water is above A1 = 102.4 and A2 = 101.8 and carries into Hout.
                // Sf = (40 x 0.013 / (0.463 x 3^2.6667))^2; hf = 200 Sf; Ho = 0.25 x 36 / 64.4.
                // Inflows: P2 (10 x 3, 0 deg), P3 (8 x 4, 90 deg, above 10 % of 40),
                // P4 (3.5 x 10, below 10 %): P4 has the most momentum, Vm = 10,
                // Hv = 0.35 x 100 / 64.4; only P3 turns, Htheta = 0.7 x 16 / 64.4.
                // W = 101 + 1.2, the outlet surface of P2, stays below Hin.
                "1,A,P1,40.000,36,0.013,200,0.00359887,0.7198,6.000,0.1398,10.000,0.5435,"
                "0.1739,0.8571,0.000,1.0,1.0,0.8571,103.5000,downstream,105.0769,no,102.2000,"
                "105.08,105.08",
                // B: an inlet, CA x I = 10 >= 20 % of 10 -> x 1.3, shaping -> x 0.5.
                // P7 at 45 deg: K = 0.0078 + 0.5715 - 0.1215 = 0.4578, x 16 / 64.4; it has
                // the most momentum too (16 against 15), Vm = 4. P5 above surcharges B:
                // W = 106 + 0.9 lifts HGL Elev-High.
                "1,B,P2,10.000,30,0.013,150,0.000594773,0.0892,3.000,0.0349,4.000,0.0870,"
                "0.1137,0.2356,10.000,1.3,0.5,0.1532,105.0800,downstream,105.3224,no,106.9000,"
                "105.32,106.90",
                // E: A1 = 106 + 1.2 is above A2 = 106.9 and B's 105.32; Hin 107.46 is
                // below Ein + FD = 108.9 and raised. The next pipe-table row is branch 2's.
                "1,E,P5,5.000,18,0.013,100,0.00226725,0.2267,3.000,0.0349,0.000,0.0000,0.0000,"
                "0.0349,0.000,1.0,1.0,0.0349,107.2000,0.8D,107.4617,yes,,108.90,108.90",
                // Branch 2 starts at A's first row; P3's outlet surface 105.6 is above it.
                "2,A,,,,,,,,,,,,,,,,,,,from row 2,,,105.6000,105.08,105.60",
                // C: A2 = 103.8 + 1.8 is above A1 = 105.4; raised to 104.5 + 1.8.
                "2,C,P3,8.000,24,0.013,80,0.00125139,0.1001,4.000,0.0621,0.000,0.0000,0.0000,"
                "0.0621,0.000,1.0,1.0,0.0621,105.6000,flow depth,105.7622,yes,,106.30,106.30",
                "3,A,,,,,,,,,,,,,,,,,,,from row 2,,,102.6000,105.08,105.08",
                "3,D,P4,3.500,15,0.013,50,0.00293766,0.1469,10.000,0.3882,0.000,0.0000,0.0000,"
                "0.3882,0.000,1.0,1.0,0.3882,105.0800,downstream,105.6151,no,,105.62,105.62",
                "4,B,,,,,,,,,,,,,,,,,,,from row 3,,,103.2000,105.32,105.32",
                "4,G,P7,4.000,18,0.013,60,0.00145104,0.0871,4.000,0.0621,0.000,0.0000,0.0000,"
                "0.0621,0.000,1.0,1.0,0.0621,105.3200,downstream,105.4692,no,,105.47,105.47",
            }));
  EXPECT_EQ(hinRuleBreaks(run.trace, t), std::vector<std::string>{});

  expectSameWithoutTrace(*sessionWith(englishNetwork(), "O", "103.5"), run);

  // The workbook's rows are the same cells, heads first.
  const ExtraWorksheet sheet = hglWorksheet(run.trace, t);
  EXPECT_EQ(sheet.name, "HGL Computation");
  ASSERT_EQ(sheet.rows.size(), 11u);
  EXPECT_EQ(rowsCsv(sheet.rows), hglSheetCsv(run.trace, t));
}

// g = 9.8, sizes / 1000, K = 0.312; 2g = 19.6. O <- A <- B, and C into A.
TEST(HglSheet, MetricRowsWorkedByHand) {
  TracedRun run = traced(sessionWith(
      {pipe("P1", "O", "A", {"600", "50", "50.5", "40", "0.5", "1.8", "0.25"},
            {"NODEIN_TYPE", q("Inlet"), "NODEIN_SHAPING", q("YES"), "STRUCTURE_CA", "0.001",
             "PIPE_I", "50"}),
       pipe("P2", "A", "B", {"450", "50.2", "50.9", "30", "0.2", "1.5", "0.2"},
            {"PIPE_SKEW", "45"}),
       pipe("P3", "A", "C", {"375", "50.6", "51", "25", "0.04", "3", "0.15"}, {"PIPE_SKEW", "90"})},
      "O", "0.0", "METRIC"));
  ASSERT_EQ(run.result.error, "");
  EXPECT_EQ(run.result.tailWaterText, "50.48");
  EXPECT_EQ(hglSheetCsv(run.trace, run.tables),
            csvLines({
                kHeads,
                // The tail water 0 is raised to 50 + 0.8 x 0.6 m.
                "1,O,,,,,,,,,,,,,,,,,,,tail water,,,,50.48,50.48",
                // A: the walk carries the tail water as first read (0), so A1 = 50.48 sets
                // Hout. P2 at 45 deg: 0.4578 x 2.25 / 19.6; P3 at 90 deg is below 10 % of
                // 0.5 and adds nothing, nor has it the most momentum (0.12 against 0.3).
                // CA x I = 0.05 is below 20 % of 0.5: factor 1.0; shaping halves.
                "1,A,P1,0.500,600,0.013,40,0.00661798,0.2647,1.800,0.0413,1.500,0.0402,0.0526,"
                "0.1341,0.050,1.0,0.5,0.0670,50.4800,0.8D,50.8117,no,50.4000,50.81,50.81",
                // B: A's 50.81 is above A1 = 50.56 and A2 = 50.4; raised to 50.9 + 0.2.
                "1,B,P2,0.200,450,0.013,30,0.00491127,0.1473,1.500,0.0287,0.000,0.0000,0.0000,"
                "0.0287,0.000,1.0,1.0,0.0287,50.8100,downstream,50.9860,yes,,51.10,51.10",
                "2,A,,,,,,,,,,,,,,,,,,,from row 2,,,50.7500,50.81,50.81",
                "2,C,P3,0.040,375,0.013,25,0.000519468,0.0130,3.000,0.1148,0.000,0.0000,0.0000,"
                "0.1148,0.000,1.0,1.0,0.1148,50.9000,0.8D,51.0278,yes,,51.15,51.15",
            }));
}

// The rule on every row of both examples and of a 5,001-pipe network with
// loops, lone pipes and other outfalls; tracing leaves the tables as they are.
TEST(HglSheet, WalkRecordMatchesTheTableOnWholeProjects) {
  TracedRun examples[] = {highway(), metric()};
  for (const TracedRun& run : examples) {
    ASSERT_EQ(run.result.error, "");
    EXPECT_GT(run.trace.rows.size(), 10u);
    EXPECT_EQ(hinRuleBreaks(run.trace, run.tables), std::vector<std::string>{});
  }

  const dbtest::ScratchFolder folder;
  const std::string path = folder.file("large.bvp");
  jet::writeJet4(path, bench::makeNetwork(5001).pipe);
  const auto large = [&path] {
    auto s = std::make_unique<Session>();
    EXPECT_EQ(s->databases.openPipeDatabase(path), "");
    s->outfallNode = "1";
    s->tailWaterText = "398.5";
    return s;
  };
  TracedRun run = traced(large());
  ASSERT_EQ(run.result.error, "");
  const ProfileTables& t = run.tables;
  EXPECT_GT(t.structures.lastFilledRow(), 4000);
  EXPECT_EQ(hinRuleBreaks(run.trace, t), std::vector<std::string>{});
  std::string pieces;  // as the file is written
  writeHglSheetCsv(
      run.trace, t, [&pieces](std::string_view p) { pieces += p; }, 4096);
  EXPECT_EQ(pieces, hglSheetCsv(run.trace, t));
  // Rows were raised, and Hout came from downstream and from 0.8 D (a
  // design's normal depth stays below 0.8 D; the worked rows above have the
  // flow-depth rule): the network exercises the walk, not one path of it.
  int raised = 0, rules[5] = {};
  for (const HglTraceRow& r : run.trace.rows) {
    raised += r.raised;
    ++rules[static_cast<int>(r.rule)];
  }
  EXPECT_GT(raised, 0);
  for (const HoutRule rule : {HoutRule::Downstream, HoutRule::CrownDepth, HoutRule::FromRow})
    EXPECT_GT(rules[static_cast<int>(rule)], 0) << static_cast<int>(rule);

  expectSameWithoutTrace(*large(), run);
}

}  // namespace
}  // namespace tarvello
