#include "shell/profile_preview.h"

#include "dxf/dxf_writer.h"
#include "profile/profile_drawings.h"
#include "profile/profile_plot.h"

namespace tarvello {

DxfEntities previewEntities(const Session& session, int branchRow, PreviewKind kind) {
  const Table& branches = session.tables().branches;
  if (branchRow < 1 || branchRow >= branches.rowCount() ||
      branches.cell(branchRow, branchcol::BranchId).empty())
    return {};

  // What the drawing works around is reported when the user plots, not here.
  Warnings ignored;
  DxfDrawing drawing;
  ProfileSettings settings = profileSettings(session.profileScale, session.databases.unitSystem(),
                                             session.tailWaterText, ignored);
  settings.energyGradeLine = session.energyGradeLine;
  ProfilePlot plot(session.tables(), settings, drawing, ignored);
  if (kind == PreviewKind::Pipe) {
    plot.drawPipeProfile(branchRow);
  } else {
    plot.drawBranchProfile(branchRow);
  }
  std::string text;
  for (const std::string& line : drawing.fileLines()) {
    text += line;
    text += '\n';
  }
  DxfReadResult read = readDxfText(text);
  return read.ok ? std::move(read.entities) : DxfEntities{};
}

}  // namespace tarvello
