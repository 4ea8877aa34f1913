#pragma once
// Synthetic storm-drain networks for the benchmarks: a pipe database (PIPE and
// PROJECT) and an inlet database (INLET and PROJECT) shaped like a large
// agency project.
#include <cstdint>

#include "jet/jet_writer.h"

namespace bench {

struct SyntheticProject {
  jet::DatabaseData pipe;
  jet::DatabaseData inlet;
};

// `pipes` pipes in total. Most drain to outfall "1" as a branching tree (long
// trunks with laterals joining at junctions); a few pipes close loops between
// existing structures, and a few small systems with their own outfalls and
// some lone pipes are not connected to the main one. Rows are shuffled, as
// entry order in a real database has nothing to do with the tree.
//
// The design is either finished (discharges within the pipes' capacity, the
// grade line below nearly every top) or still being sized (the same network
// with every pipe carrying 1.5 to 3 times its capacity: the grade line
// reaches the tops at most structures, and the run warns about each).
enum class Design { Finished, BeingSized };
SyntheticProject makeNetwork(int pipes, std::uint32_t seed = 617, Design design = Design::Finished);

}  // namespace bench
