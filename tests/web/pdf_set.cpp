// pdf-set PIPE_DB INLET_DB OUTFALL PDF [PAGE_SIZE [TAIL_WATER]]: the sheet set
// written by the web build's own code under node, through the outputs
// catalogue as the page writes it, for comparison with `tarvello-cli --pdf`.
// Paths are the host's, seen under /host; the time goes to standard error.
#include <emscripten/emscripten.h>

#include <chrono>
#include <iostream>
#include <string>

#include "run/outputs.h"
#include "run/project_open.h"

using namespace tarvello;

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: pdf-set PIPE_DB INLET_DB OUTFALL PDF [PAGE_SIZE [TAIL_WATER]]\n";
    return 2;
  }
  EM_ASM(FS.mkdir('/host'); FS.mount(NODEFS, {root : '/'}, '/host'););
  const std::string host = "/host";
  const auto start = std::chrono::steady_clock::now();
  RunInputs inputs;
  inputs.outfall = argv[3];
  if (argc > 6) inputs.tailWater = argv[6];
  const std::string error = openProject(host + argv[1], host + argv[2], inputs.databases, nullptr);
  if (!error.empty()) {
    std::cerr << error << '\n';
    return 1;
  }
  const std::shared_ptr<Run> run = Run::make(std::move(inputs));
  if (!run->created()) {
    std::cerr << run->statusLine() << '\n';
    return 1;
  }
  OutputContext context{*run, DrawingOptions(), nullptr, "", 0};
  if (argc > 5) context.drawing.pageSize = argv[5];
  Warnings warnings;
  const WriteResult written =
      findOutput("pdf")->write(context, host + argv[4], Overwrite::Yes, warnings);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::cerr << "pdf-set: " << took.count() << " s\n";
  if (!written.written()) std::cerr << written.message << '\n';
  return written.written() ? 0 : 1;
}
