#include "database/browse.h"

#include <filesystem>

#include "common/user_interface.h"
#include "network/session.h"

namespace tarvello {
namespace {

struct BrowseKind {
  const char* filter;
  const char* extension;
  const char* cancelMessage;
  bool pipe;
};

constexpr BrowseKind kPipe{"Brenvik files (*.bvp;*.bvh)|*.bvp;*.bvh", ".bvp", "No Pipe project database selected!", true};
constexpr BrowseKind kInlet{"Olmstra files (*.olm;*.olh)|*.olm;*.olh", ".olm", "No Inlet project database selected!",
                            false};

std::string folderOf(const std::string& path) {
  std::error_code ec;
  auto absolute = std::filesystem::absolute(path, ec);
  if (ec) absolute = path;
  return absolute.parent_path().string();
}

BrowseResult browse(Session& session, UserInterface& ui, const BrowseKind& kind) {
  FileDialogRequest request;
  request.title = "Open";
  request.filter = kind.filter;
  request.defaultExtension = kind.extension;
  request.initialFolder = session.lastFolder.empty() ? session.programFolder : session.lastFolder;
  request.mustExist = true;

  BrowseResult result;
  result.path = ui.askOpenFileName(request);
  if (result.path.empty()) {
    ui.showMessage(kind.cancelMessage, MessageIcon::Exclamation);
    return result;
  }
  // The folder counts as chosen even when the file then fails to open.
  session.lastFolder = folderOf(result.path);

  result.error = kind.pipe ? session.databases.openPipeDatabase(result.path)
                           : session.databases.openInletDatabase(result.path);
  if (!result.error.empty()) {
    result.status = BrowseResult::Status::Failed;
    ui.showMessage(result.error, MessageIcon::Exclamation);
    return result;
  }
  result.status = BrowseResult::Status::Opened;
  if (kind.pipe) {
    result.refillOutfalls = true;
    try {
      result.outfalls = session.databases.outfallNodes();
    } catch (const std::exception& e) {
      result.error = e.what();
      ui.showMessage(result.error, MessageIcon::Exclamation);
    }
  }
  return result;
}

}  // namespace

BrowseResult browsePipeDatabase(Session& session, UserInterface& ui) { return browse(session, ui, kPipe); }

BrowseResult browseInletDatabase(Session& session, UserInterface& ui) { return browse(session, ui, kInlet); }

}  // namespace tarvello
