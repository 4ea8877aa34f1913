#pragma once
// tarvello-cli run as a separate program on a copy of an example project, and
// shell commands whose output a test reads.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "database/database_test_support.h"

namespace tarvello::clitest {

// `s` quoted for the shell.
inline std::string quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Standard output of a shell command, and its exit status.
inline std::string capture(const std::string& command, int* status = nullptr) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  const int rc = ::pclose(pipe);
  if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

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
    return std::filesystem::exists(folder.file(name)) ? folder.file(name) : folder.copyExample(name);
  };
  const std::string pipe = database(example + ".bvp");
  const std::string inlet = database(example + ".olm");
  CliRun run;
  run.out = capture(quote(TARVELLO_CLI) + " --pipe-db " + quote(pipe) + " --inlet-db " +
                        quote(inlet) + " --outfall " + outfall + " " + arguments + " 2>" +
                        quote(errFile),
                    &run.status);
  run.err = dbtest::readBytes(errFile);
  return run;
}

}  // namespace tarvello::clitest
