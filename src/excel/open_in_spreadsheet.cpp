#include "open_in_spreadsheet.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace tarvello {

bool openInSpreadsheetProgram(const std::string& path, const std::string& opener) {
  // A shell starts the opener in the background and ends at once: the opener
  // may live as long as the spreadsheet program, and no zombie is left for
  // the caller to reap. Exit status 127 means the opener does not exist.
  static const char* const script =
      "command -v \"$1\" >/dev/null 2>&1 || exit 127\n"
      "\"$1\" \"$2\" </dev/null >/dev/null 2>&1 &\n";
  const char* argv[] = {"sh", "-c", script, "sh", opener.c_str(), path.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0)
    return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace tarvello
