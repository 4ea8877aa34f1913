#include "commands/pdf_export.h"

#include "commands/commands.h"
#include "network/unit_constants.h"
#include "pdf/sheet_set.h"
#include "profile/profile_drawings.h"

namespace tarvello {

std::optional<std::string> exportSheetSetPdf(Session& session, UserInterface& ui,
                                             const std::string& pageSize) {
  session.warnings.clear();
  if (session.tables.branches.cell(1, branchcol::NodeOut).empty() &&
      session.tables.structures.cell(1, strcol::StrNo).empty() &&
      session.tables.pipes.cell(1, pipecol::PipeNo).empty())
    return std::nullopt;
  const auto size = pdfPageSize(pageSize);
  if (!size) {
    ui.showMessage("Unknown page size: " + pageSize, MessageIcon::Exclamation);
    return std::nullopt;
  }

  FileDialogRequest request;
  request.title = "Export PDF";
  request.filter = "PDF files (*.pdf)|*.pdf";
  request.defaultExtension = ".pdf";
  request.initialFolder = session.lastFolder;
  const std::string target = ui.askSaveFileName(request);
  if (target.empty() || target == "*.pdf") {
    ui.showMessage("No PDF File Name selected!", MessageIcon::Exclamation);
    return std::nullopt;
  }
  std::optional<ProfileSettings> settings;  // read once, when the file is chosen
  const WriteResult result = writeConfirmed(ui, [&](Overwrite overwrite) {
    if (!settings) {
      settings = profileSettings(session.profileScale, session.databases.unitSystem(),
                                 session.tailWaterText, session.warnings);
      settings->energyGradeLine = session.energyGradeLine;
    }
    const bool english = UnitConstants::forUnitSystem(session.databases.unitSystem()).english;
    return writeSheetSetPdf(session.tables, *settings, english, *size,
                            session.databases.pipeDbPath(), target, overwrite, session.warnings);
  });
  if (!result.written()) return std::nullopt;
  ui.showMessage(pdfSavedMessage(target), MessageIcon::None);
  return target;
}

}  // namespace tarvello
