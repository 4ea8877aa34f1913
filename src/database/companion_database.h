#pragma once
// A project database opened on its own (from the file manager or a desktop
// menu) brings its partner along: the pipe and the inlet database of a
// project usually share a name and a folder.
#include <string>

namespace tarvello {

struct DatabasePair {
  std::string pipe;   // "" when there is none to open
  std::string inlet;  // "" when there is none to open
};

// What to open for the one file `path`: a pipe database (.bvp, .bvh) with the
// inlet database of the same name beside it, an inlet database (.olm, .olh)
// with the pipe database of the same name beside it, each partner only when
// such a file exists. Any other file is taken as the pipe database, as a
// named file always was, so that opening it reports what is wrong.
DatabasePair databasesForOneFile(const std::string& path);

}  // namespace tarvello
