#pragma once
// Generation runs that keep the branch walk's trace, for the report tests:
// small networks made in memory and the example projects of the build.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/number_format.h"
#include "network/generation.h"
#include "network/generation_fixture.h"

namespace tarvello::reporttest {

// The session holds the databases and the fields the run was made from.
struct TracedRun {
  std::unique_ptr<Session> session;
  ProfileTables tables;
  Warnings warnings;
  GenerationResult result;
  HglTrace trace;
};

inline TracedRun traced(std::unique_ptr<Session> session) {
  TracedRun run;
  run.session = std::move(session);
  Session& s = *run.session;
  run.result = createProfileData(s.databases, s.outfallNode, s.tailWaterText, run.tables,
                                 run.warnings, &run.trace);
  return run;
}

// An example project of the build, opened where the build wrote it (read only).
inline TracedRun example(const std::string& name, const std::string& outfall,
                         const std::string& tailWater) {
  auto s = std::make_unique<Session>();
  const std::string folder = std::string(TARVELLO_BINARY_DIR) + "/examples/";
  EXPECT_EQ(s->databases.openPipeDatabase(folder + name + ".bvp"), "");
  EXPECT_EQ(s->databases.openInletDatabase(folder + name + ".olm"), "");
  s->outfallNode = outfall;
  s->tailWaterText = tailWater;
  return traced(std::move(s));
}

// Fields of a pipe record given as name, value, name, value.
inline testing::Fields fields(const std::vector<std::string>& pairs) {
  testing::Fields f;
  for (size_t i = 0; i + 1 < pairs.size(); i += 2) f[pairs[i]] = pairs[i + 1];
  return f;
}

// Lines of a CSV text, each ended as the CSV files end them.
inline std::string csvLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

inline TracedRun highway() { return example("highway", "1", "399.80"); }
inline TracedRun metric() { return example("metric", "1", "55.40"); }

}  // namespace tarvello::reporttest
