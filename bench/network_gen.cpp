#include "network_gen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace bench {
namespace {

struct Node {
  std::string name;
  std::string type;
  double station = 0;  // feet along the baseline
  double offset = 0;
  bool right = true;
  double invert = 0;
  double top = 0;
};

std::string stationText(double feet) {
  const long hundreds = static_cast<long>(feet / 100);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld+%05.2f", hundreds,
                feet - 100.0 * static_cast<double>(hundreds));
  return buf;
}

double round2(double v) { return std::round(v * 100) / 100; }

}  // namespace

SyntheticProject makeNetwork(int pipes, std::uint32_t seed, Design design) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0, 1);
  const char* sizes[] = {"15", "18", "24", "30", "36", "42", "48"};

  std::vector<Node> nodes;
  std::vector<std::vector<jet::Cell>> rows;
  rows.reserve(pipes);

  auto addNode = [&](const std::string& type, double station, double invert) {
    Node n;
    n.name = std::to_string(nodes.size() + 1);
    n.type = type;
    n.station = station;
    n.offset = std::round(u(rng) * 60);
    n.right = u(rng) < 0.5;
    n.invert = invert;
    n.top = invert + 4 + u(rng) * 6;
    nodes.push_back(n);
    return static_cast<int>(nodes.size() - 1);
  };
  auto addPipe = [&](int outIdx, int inIdx) {
    const Node& o = nodes[outIdx];
    const Node& i = nodes[inIdx];
    const double length = round2(std::max(20.0, std::fabs(i.station - o.station) + 10));
    const double dia = std::stod(sizes[rng() % 7]);
    const double slope = std::max(0.003, (i.invert - o.invert) / length);
    // Between a third and four fifths of the barrel's full-flow capacity
    // (Manning, n = 0.013), so the grade line stays below the tops; or, for
    // a design being sized, 1.5 to 3 times it. The same draws either way, so
    // both designs have the same pipes.
    const double capacity = 0.463 / 0.013 * std::pow(dia / 12, 8.0 / 3.0) * std::sqrt(slope);
    const double share = u(rng);
    const double q =
        round2(capacity * (design == Design::Finished ? 0.3 + 0.5 * share : 1.5 + 1.5 * share));
    rows.push_back({"P" + std::to_string(rows.size() + 1),
                    o.name,
                    i.name,
                    i.type,
                    o.type,
                    stationText(i.station),
                    i.offset,
                    std::string(i.right ? "RT" : "LT"),
                    round2(i.top),
                    stationText(o.station),
                    o.offset,
                    std::string(o.right ? "RT" : "LT"),
                    round2(o.top),
                    std::string(u(rng) < 0.8 ? "YES" : "NO"),
                    std::string("Circular"),
                    dia,
                    dia,
                    dia,
                    std::int64_t{1},
                    std::string("Concrete"),
                    round2(i.invert),
                    round2(o.invert),
                    length,
                    std::round(slope * 10000) / 10000,
                    0.013,
                    q,
                    round2(3 + u(rng) * 8),
                    round2(dia / 24),
                    0.0,
                    round2(u(rng) * 0.6),
                    round2(3 + u(rng) * 3),
                    std::round(u(rng) * 100) / 10000.0});
  };
  const char* upstreamTypes[] = {"Inlet", "Inlet", "Inlet", "Junction Box", "Man Hole"};
  auto upstreamType = [&] { return std::string(upstreamTypes[rng() % 5]); };

  // A tree of `count` pipes below a new outfall: each new structure hangs off
  // the end of the current trunk most of the time, otherwise off a random
  // structure of the system, which makes it a junction.
  auto grow = [&](int count, double station0, double invert0) {
    const int first = addNode("End Wall", station0, invert0);
    int tip = first;
    for (int k = 0; k < count; ++k) {
      const int parent =
          (u(rng) < 0.7) ? tip : first + static_cast<int>(rng() % (nodes.size() - first));
      const double station = nodes[parent].station, invert = nodes[parent].invert;
      const double len = 80 + u(rng) * 220;
      const int child =
          addNode(upstreamType(), station + len, invert + len * (0.004 + u(rng) * 0.01));
      addPipe(parent, child);
      tip = child;
    }
  };

  const int loops = std::max(2, pipes / 2500);
  const int lone = std::max(2, pipes / 5000);
  const int smallSystems = 3;
  const int smallSize = std::max(5, pipes / 200);
  const int mainPipes = pipes - loops - lone - smallSystems * smallSize;
  grow(mainPipes, 1100, 396.5);
  const int mainNodes = static_cast<int>(nodes.size());
  for (int s = 0; s < smallSystems; ++s) grow(smallSize, 5000.0 * s, 420 + 10 * s);
  // Loops: a second pipe out of a structure of the main system into another one.
  for (int k = 0; k < loops; ++k) {
    const int a = 1 + static_cast<int>(rng() % (mainNodes - 1));
    const int b = 1 + static_cast<int>(rng() % (mainNodes - 1));
    addPipe(a, b == a ? (a % (mainNodes - 1)) + 1 : b);
  }
  for (int k = 0; k < lone; ++k) {
    const int a = addNode("End Section", 900.0 * k, 430);
    const int b = addNode("Inlet", 900.0 * k + 120, 431);
    addPipe(a, b);
  }
  std::shuffle(rows.begin(), rows.end(), rng);

  SyntheticProject project;
  using T = jet::ColumnType;
  jet::TableData projectTable{"PROJECT",
                              {{"UNITS", T::Text}, {"PROJECT_NAME", T::Text}},
                              {{std::string("ENGLISH"), std::string("Synthetic network")}}};
  jet::TableData pipe{"PIPE", {}, std::move(rows)};
  const std::pair<const char*, T> pipeColumns[] = {
      {"PIPE_NUMBER", T::Text},      {"NODEOUT_NO", T::Text},       {"NODEIN_NO", T::Text},
      {"NODEIN_TYPE", T::Text},      {"NODEOUT_TYPE", T::Text},     {"NODEIN_STATION", T::Text},
      {"NODEIN_OFFSET", T::Double},  {"NODEIN_OFFLOC", T::Text},    {"NODEIN_TOPELE", T::Double},
      {"NODEOUT_STATION", T::Text},  {"NODEOUT_OFFSET", T::Double}, {"NODEOUT_OFFLOC", T::Text},
      {"NODEOUT_TOPELE", T::Double}, {"NODEIN_SHAPING", T::Text},   {"PIPE_SHAPE", T::Text},
      {"PIPE_DIA", T::Double},       {"SPAN", T::Double},           {"RISE", T::Double},
      {"NUMOFPIPES", T::Integer},    {"PIPE_MAT", T::Text},         {"PIPE_ELEIN", T::Double},
      {"PIPE_ELEOUT", T::Double},    {"PIPE_LENGTH", T::Double},    {"PIPE_SLOPE", T::Double},
      {"PIPE_MANN", T::Single},      {"PIPE_DISCHARGE", T::Double}, {"PIPE_VELOCITY", T::Double},
      {"PIPE_FLOWDEPTH", T::Double}, {"PIPE_SKEW", T::Double},      {"STRUCTURE_CA", T::Double},
      {"PIPE_I", T::Double},         {"FRICTION_SLOPE", T::Double}};
  for (const auto& [name, type] : pipeColumns) pipe.columns.push_back({name, type});
  project.pipe.tables = {projectTable, std::move(pipe)};

  jet::TableData inlet{"INLET",
                       {{"INLET_NUMBER", T::Text},
                        {"INLET_SUBTYPE", T::Text},
                        {"INLETLENGTH", T::Double},
                        {"INLET_TYPE", T::Text},
                        {"IN_SAG", T::Boolean},
                        {"STATION", T::Text},
                        {"OFFSET", T::Double},
                        {"OFFLOC", T::Text},
                        {"DRAIN_AREA", T::Double},
                        {"RUNOFF_C", T::Double},
                        {"INTENSITY", T::Double},
                        {"INLET_FLOW", T::Double}},
                       {}};
  for (const Node& n : nodes) {
    if (n.type != "Inlet") continue;
    const double area = round2(0.2 + u(rng) * 0.8);
    inlet.rows.push_back({n.name, std::string("DI-3B"), 10.0, std::string("CURB"), u(rng) < 0.1,
                          stationText(n.station), n.offset, std::string(n.right ? "RT" : "LT"),
                          area, 0.85, 6.56, round2(area * 0.85 * 6.56)});
  }
  projectTable.rows[0][1] = std::string("Synthetic network, inlet design");
  project.inlet.tables = {std::move(projectTable), std::move(inlet)};
  return project;
}

}  // namespace bench
