// Function benchmarks. Each pair is a core function and a floor measured on
// the same input in the same run; run.sh prints their ratios.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "commands/commands.h"
#include "commands/session.h"
#include "database/project_database.h"
#include "dxf/dxf_writer.h"
#include "network/generation.h"
#include "network/tree_build.h"
#include "network_gen.h"
#include "reports/hgl_sheet.h"
#include "tables/csv.h"

namespace {

struct Endpoints {
  std::vector<std::string> out, in;
};

const Endpoints& endpoints(int pipes) {
  static std::map<int, Endpoints> cache;
  auto [it, fresh] = cache.try_emplace(pipes);
  if (fresh) {
    const auto project = bench::makeNetwork(pipes);
    for (const auto& row : project.pipe.tables[1].rows) {
      it->second.out.push_back(std::get<std::string>(row[1]));
      it->second.in.push_back(std::get<std::string>(row[2]));
    }
  }
  return it->second;
}

// The pipe database of `pipes` pipes, written once per size.
const std::string& pipeDatabase(int pipes) {
  static std::map<int, std::string> cache;
  auto [it, fresh] = cache.try_emplace(pipes);
  if (fresh) {
    it->second = (std::filesystem::temp_directory_path() /
                  ("tarvello-bench-" + std::to_string(pipes) + ".bvp"))
                     .string();
    jet::writeJet4(it->second, bench::makeNetwork(pipes).pipe);
  }
  return it->second;
}

void perPipe(benchmark::State& state, int pipes) {
  state.counters["per_pipe"] =
      benchmark::Counter(static_cast<double>(pipes), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_TreeBuild(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto& e = endpoints(n);
  for (auto _ : state) benchmark::DoNotOptimize(tarvello::treeBuild(e.out, e.in, "1"));
  perPipe(state, n);
}

// Floor: one hash index of the pipes by downstream node and a breadth-first
// walk from the outfall, the least any tree builder has to do.
void BM_TreeBuildFloor(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto& e = endpoints(n);
  for (auto _ : state) {
    std::unordered_map<std::string_view, std::vector<int>> byOut;
    byOut.reserve(e.out.size());
    for (size_t i = 0; i < e.out.size(); ++i) byOut[e.out[i]].push_back(static_cast<int>(i));
    std::vector<bool> used(e.out.size());
    std::deque<std::string_view> queue{"1"};
    size_t reached = 0;
    while (!queue.empty()) {
      auto it = byOut.find(queue.front());
      queue.pop_front();
      if (it == byOut.end()) continue;
      for (int p : it->second)
        if (!used[p]) {
          used[p] = true;
          ++reached;
          queue.push_back(e.in[p]);
        }
    }
    benchmark::DoNotOptimize(reached);
  }
  perPipe(state, n);
}

void BM_OpenDatabase(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto& path = pipeDatabase(n);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        tarvello::ProjectDatabase::openJet(path, tarvello::DatabaseKind::Pipe));
  perPipe(state, n);
}

void BM_CreateProfileData(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  tarvello::Session session;
  if (!session.databases.openPipeDatabase(pipeDatabase(n)).empty()) {
    state.SkipWithError("cannot open the database");
    return;
  }
  session.outfallNode = "1";
  session.tailWaterText = "398.5";
  for (auto _ : state) {
    session.warnings = {};
    auto result = tarvello::createProfileData(session);
    if (!result.error.empty()) state.SkipWithError(result.error.c_str());
  }
  perPipe(state, n);
}

bool openPipe(benchmark::State& state, tarvello::ProjectDatabases& databases, int pipes) {
  if (databases.openPipeDatabase(pipeDatabase(pipes)).empty()) return true;
  state.SkipWithError("cannot open the database");
  return false;
}

// Generation as --tables runs it, without and with the branch walk's trace
// of every row's grade line (what the computation sheet is made from).
void generate(benchmark::State& state, bool traced) {
  const int n = static_cast<int>(state.range(0));
  tarvello::ProjectDatabases databases;
  if (!openPipe(state, databases, n)) return;
  tarvello::ProfileTables tables;
  tarvello::Warnings warnings;
  tarvello::HglTrace trace;
  for (auto _ : state) {
    auto result = tarvello::createProfileData(databases, "1", "398.5", tables, warnings,
                                              traced ? &trace : nullptr);
    if (!result.error.empty()) state.SkipWithError(result.error.c_str());
  }
  perPipe(state, n);
}

void BM_UntracedGeneration(benchmark::State& state) { generate(state, false); }
void BM_TracedGeneration(benchmark::State& state) { generate(state, true); }

// The computation sheet's text against the text of the three tables --tables
// writes, from the same traced run: what --hgl-sheet writes instead.
void csvText(benchmark::State& state, bool sheet) {
  const int n = static_cast<int>(state.range(0));
  tarvello::ProjectDatabases databases;
  if (!openPipe(state, databases, n)) return;
  tarvello::ProfileTables tables;
  tarvello::Warnings warnings;
  tarvello::HglTrace trace;
  auto result = tarvello::createProfileData(databases, "1", "398.5", tables, warnings, &trace);
  if (!result.error.empty()) {
    state.SkipWithError(result.error.c_str());
    return;
  }
  size_t bytes = 0;
  for (auto _ : state) {
    if (sheet) {
      bytes = tarvello::hglSheetCsv(trace, tables).size();
    } else {
      bytes = tarvello::tableCsv(tables.structures).size() +
              tarvello::tableCsv(tables.pipes).size() + tarvello::tableCsv(tables.branches).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  perPipe(state, n);
}

void BM_HglSheetText(benchmark::State& state) { csvText(state, true); }
void BM_TablesText(benchmark::State& state) { csvText(state, false); }

// A drawing of `pipes` profile-like groups: a line, a circle and a label each.
void BM_DxfDrawing(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  size_t bytes = 0;
  for (auto _ : state) {
    tarvello::DxfDrawing d;
    for (int i = 0; i < n; ++i) {
      const double x = i * 3.5;
      d.dxfLine("PIPE_PROFILE", x, 400.25, 0, x + 3.5, 401.5, 0, 7);
      d.dxfCircle("PIPE_PROFILE", x, 400.25, 0, 0.75);
      d.dxfText("PIPE_PROFILE", x, 398, 0, 0.18, 90, 1, "P" + std::to_string(i));
    }
    // What DxfFile writes: header, the entity buffer as it stands, trailer.
    std::string file(tarvello::DxfDrawing::headerText());
    file += d.entityText();
    file += tarvello::DxfDrawing::trailerText();
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  perPipe(state, n);
}

// Floor: the same entities formatted straight into one buffer.
void BM_DxfDrawingFloor(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::string file;
    char buf[512];
    for (int i = 0; i < n; ++i) {
      const double x = i * 3.5;
      int k = std::snprintf(buf, sizeof buf,
                            "0\nLINE\n8\nPIPE_PROFILE\n62\n7\n10\n%g\n20\n400.25\n30\n0\n11\n%g\n"
                            "21\n401.5\n31\n0\n0\nCIRCLE\n8\nPIPE_PROFILE\n10\n%g\n20\n400.25\n"
                            "30\n0\n40\n0.75\n0\nTEXT\n8\nPIPE_PROFILE\n10\n%g\n20\n398\n30\n0\n"
                            "40\n0.18\n1\nP%d\n50\n90\n41\n1\n",
                            x, x + 3.5, x, x, i);
      file.append(buf, static_cast<size_t>(k));
    }
    benchmark::DoNotOptimize(file.data());
  }
  perPipe(state, n);
}

}  // namespace

BENCHMARK(BM_TreeBuild)->Arg(5001)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeBuildFloor)->Arg(5001)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDatabase)->Arg(5001)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CreateProfileData)
    ->Arg(5001)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_UntracedGeneration)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TracedGeneration)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HglSheetText)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TablesText)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DxfDrawing)->Arg(5001)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DxfDrawingFloor)->Arg(5001)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
