// make-network PIPES PIPE_DB INLET_DB: writes a synthetic project of PIPES pipes.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "network_gen.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make-network PIPES PIPE_DB INLET_DB\n");
    return 2;
  }
  try {
    const auto project = bench::makeNetwork(std::atoi(argv[1]));
    jet::writeJet4(argv[2], project.pipe);
    jet::writeJet4(argv[3], project.inlet);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-network: %s\n", e.what());
    return 1;
  }
  return 0;
}
