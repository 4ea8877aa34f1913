#pragma once
// tarvello-cli run as a separate program on a copy of an example project.
#include <filesystem>
#include <string>

#include "support/database_test_support.h"
#include "shell_command.h"

namespace tarvello::clitest {

struct CliRun {
  int status = -1;
  std::string out, err;
};

// One run on an example project ("highway" or "metric"), copied into `folder`
// the first time.
inline CliRun runCli(const dbtest::ScratchFolder& folder, const std::string& example,
                     const std::string& outfall, const std::string& arguments) {
  const std::string errFile = folder.file("stderr.txt");
  auto database = [&](const std::string& name) {
    return std::filesystem::exists(folder.file(name)) ? folder.file(name)
                                                      : folder.copyExample(name);
  };
  const std::string pipe = database(example + ".bvp");
  const std::string inlet = database(example + ".olm");
  CliRun run;
  run.out =
      capture(quote(TARVELLO_CLI) + " --pipe-db " + quote(pipe) + " --inlet-db " + quote(inlet) +
                  " --outfall " + outfall + " " + arguments + " 2>" + quote(errFile),
              &run.status);
  run.err = dbtest::readBytes(errFile);
  return run;
}

}  // namespace tarvello::clitest
