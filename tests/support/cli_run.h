#pragma once
// tarvello-cli run as a separate program, on copies of the example projects.
#include <filesystem>
#include <string>

#include "support/command.h"
#include "support/database_test_support.h"

namespace tarvello::clitest {

struct CliRun {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out, err;
};

// tarvello-cli with `arguments` (quoted as needed), run in `folder`.
inline CliRun runCliWith(const dbtest::ScratchFolder& folder, const std::string& arguments) {
  const std::string errFile = folder.file("stderr.txt");
  CliRun run;
  run.out = capture("cd " + quote(folder.path().string()) + " && " + quote(TARVELLO_CLI) + " " +
                        arguments + " 2>" + quote(errFile),
                    &run.status);
  run.err = dbtest::readBytes(errFile);
  return run;
}

// One run on an example project ("highway" or "metric"), copied into `folder`
// the first time.
inline CliRun runCli(const dbtest::ScratchFolder& folder, const std::string& example,
                     const std::string& outfall, const std::string& arguments) {
  auto database = [&](const std::string& name) {
    return std::filesystem::exists(folder.file(name)) ? folder.file(name)
                                                      : folder.copyExample(name);
  };
  return runCliWith(folder, "--pipe-db " + quote(database(example + ".bvp")) + " --inlet-db " +
                                quote(database(example + ".olm")) + " --outfall " + outfall + " " +
                                arguments);
}

}  // namespace tarvello::clitest
