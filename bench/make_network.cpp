// make-network [--being-sized] PIPES PIPE_DB INLET_DB: writes a synthetic
// project of PIPES pipes; --being-sized overloads every pipe, so that the grade
// line reaches the tops at most structures.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "network_gen.h"

int main(int argc, char** argv) {
  bench::Design design = bench::Design::Finished;
  if (argc > 1 && std::strcmp(argv[1], "--being-sized") == 0) {
    design = bench::Design::BeingSized;
    --argc;
    ++argv;
  }
  if (argc != 4) {
    std::fprintf(stderr, "usage: make-network [--being-sized] PIPES PIPE_DB INLET_DB\n");
    return 2;
  }
  try {
    const auto project = bench::makeNetwork(std::atoi(argv[1]), 617, design);
    jet::writeJet4(argv[2], project.pipe);
    jet::writeJet4(argv[3], project.inlet);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-network: %s\n", e.what());
    return 1;
  }
  return 0;
}
