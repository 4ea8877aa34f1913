#pragma once
// The two "Open ... Database" commands without their window: ask for the file,
// open it, and hand back what the window shows (the outfall list of a pipe
// database).
#include <string>
#include <vector>

#include "database/project_database.h"

namespace tarvello {

struct Session;
class UserInterface;

struct BrowseResult {
  enum class Status {
    Cancelled,  // no file chosen: nothing changed
    Failed,     // the file could not be opened: the previous database stays
    Opened,     // the database replaced the previous one
  };
  Status status = Status::Cancelled;
  std::string path;  // the chosen file ("" when cancelled)
  std::string
      error;  // the message shown: why the open failed, or why the outfall list could not be read
  // True when the outfall picker must be refilled with `outfalls` (a pipe
  // database was opened); the list is empty when its query failed.
  bool refillOutfalls = false;
  std::vector<std::string> outfalls;

  bool opened() const { return status == Status::Opened; }
};

// "Open Pipe Database": open dialog for Brenvik files, then the database, the
// unit system and the outfall list. Every problem is also shown through `ui`.
BrowseResult browsePipeDatabase(Session& session, UserInterface& ui);
// "Open Inlet Database": the same for Olmstra files; the outfall list stays.
BrowseResult browseInletDatabase(Session& session, UserInterface& ui);

// The folder of a file, made absolute: where the next file dialog starts.
std::string folderOf(const std::string& path);

// The two steps of those commands, for a window that opens the file on a
// thread of its own. The dialog: the chosen file, or "" (and the message that
// none was chosen). Choosing a file makes its folder the last folder.
std::string askForDatabase(Session& session, UserInterface& ui, DatabaseKind kind);
// The open of a chosen file: a result as the whole command gives it.
BrowseResult openChosenDatabase(Session& session, UserInterface& ui, DatabaseKind kind,
                                const std::string& path);
// The same on databases of their own (a copy, for a thread of its own).
BrowseResult openChosenDatabase(ProjectDatabases& databases, UserInterface& ui, DatabaseKind kind,
                                const std::string& path);

}  // namespace tarvello
