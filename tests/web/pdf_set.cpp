// pdf-set PIPE_DB INLET_DB OUTFALL PDF [PAGE_SIZE [TAIL_WATER]]: the sheet set
// written by the web build's own code under node, as `tarvello-cli --pdf`
// writes it, for comparison with the CLI's file. Paths are the host's, seen
// under /host; the time of the run goes to standard error.
#include <emscripten/emscripten.h>

#include <chrono>
#include <iostream>
#include <string>

#include "cli_generate.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: pdf-set PIPE_DB INLET_DB OUTFALL PDF [PAGE_SIZE [TAIL_WATER]]\n";
    return 2;
  }
  EM_ASM(FS.mkdir('/host'); FS.mount(NODEFS, {root : '/'}, '/host'););
  const std::string host = "/host";
  tarvello::cli::GenerateOptions options;
  options.pipeDb = host + argv[1];
  options.inletDb = host + argv[2];
  options.outfall = argv[3];
  options.pdf = host + argv[4];
  if (argc > 5) options.pageSize = argv[5];
  if (argc > 6) options.tailWater = argv[6];
  options.force = true;
  const auto start = std::chrono::steady_clock::now();
  const int status = tarvello::cli::generate(options, std::cout, std::cerr);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::cerr << "pdf-set: " << took.count() << " s\n";
  return status;
}
