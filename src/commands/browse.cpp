#include "commands/browse.h"

#include <filesystem>

#include "commands/session.h"
#include "commands/user_interface.h"

namespace tarvello {
namespace {

struct BrowseKind {
  const char* filter;
  const char* extension;
  const char* cancelMessage;
};

constexpr BrowseKind kPipe{"Brenvik files (*.bvp;*.bvh)|*.bvp;*.bvh", ".bvp",
                           "No Pipe project database selected!"};
constexpr BrowseKind kInlet{"Olmstra files (*.olm;*.olh)|*.olm;*.olh", ".olm",
                            "No Inlet project database selected!"};

BrowseResult browse(Session& session, UserInterface& ui, DatabaseKind kind) {
  const std::string path = askForDatabase(session, ui, kind);
  if (path.empty()) return {};
  return openChosenDatabase(session, ui, kind, path);
}

}  // namespace

std::string folderOf(const std::string& path) {
  std::error_code ec;
  auto absolute = std::filesystem::absolute(path, ec);
  if (ec) absolute = path;
  return absolute.parent_path().string();
}

std::string askForDatabase(Session& session, UserInterface& ui, DatabaseKind kind) {
  const BrowseKind& k = kind == DatabaseKind::Pipe ? kPipe : kInlet;
  FileDialogRequest request;
  request.title = "Open";
  request.filter = k.filter;
  request.defaultExtension = k.extension;
  request.initialFolder = session.lastFolder.empty() ? session.programFolder : session.lastFolder;
  request.mustExist = true;
  std::string path = ui.askOpenFileName(request);
  if (path.empty()) {
    ui.showMessage(k.cancelMessage, MessageIcon::Exclamation);
    return path;
  }
  // The folder counts as chosen even when the file then fails to open.
  session.lastFolder = folderOf(path);
  return path;
}

BrowseResult openChosenDatabase(Session& session, UserInterface& ui, DatabaseKind kind,
                                const std::string& path) {
  return openChosenDatabase(session.databases, ui, kind, path);
}

BrowseResult openChosenDatabase(ProjectDatabases& databases, UserInterface& ui, DatabaseKind kind,
                                const std::string& path) {
  const bool pipe = kind == DatabaseKind::Pipe;
  BrowseResult result;
  result.path = path;
  result.error = pipe ? databases.openPipeDatabase(path) : databases.openInletDatabase(path);
  if (!result.error.empty()) {
    result.status = BrowseResult::Status::Failed;
    ui.showMessage(result.error, MessageIcon::Exclamation);
    return result;
  }
  result.status = BrowseResult::Status::Opened;
  if (pipe) {
    result.refillOutfalls = true;
    try {
      result.outfalls = databases.outfallNodes();
    } catch (const std::exception& e) {
      result.error = e.what();
      ui.showMessage(result.error, MessageIcon::Exclamation);
    }
  }
  return result;
}

BrowseResult browsePipeDatabase(Session& session, UserInterface& ui) {
  return browse(session, ui, DatabaseKind::Pipe);
}

BrowseResult browseInletDatabase(Session& session, UserInterface& ui) {
  return browse(session, ui, DatabaseKind::Inlet);
}

}  // namespace tarvello
