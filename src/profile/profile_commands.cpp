#include "profile/profile_commands.h"

#include <functional>

#include "common/number_format.h"
#include "dxf/dxf_writer.h"

namespace tarvello {

namespace {

// The header row and rows without a branch are no selection.
bool branchRowSelected(const Table& branches, int row) {
  return row >= 1 && row < branches.rowCount() && !branches.cell(row, branchcol::BranchId).empty();
}

bool drawToFile(Session& session, UserInterface& ui,
                const std::function<void(ProfilePlot&)>& draw) {
  DxfFile file;
  if (!file.create(ui, session.lastFolder)) return false;
  DxfDrawing drawing;
  const ProfileSettings settings = profileSettings(session, session.warnings);
  if (settings.energyGradeLine) drawing.addLayer(kEnergyGradeLayer, kEnergyGradeColour);
  file.begin(drawing);
  ProfilePlot plot(session.tables, settings, drawing, session.warnings);
  draw(plot);
  return file.finish(drawing, ui);
}

}  // namespace

ProfileSettings profileSettings(const Session& session, Warnings& warnings) {
  ProfileSettings settings;
  settings.profileScale = session.profileScale;
  settings.energyGradeLine = session.energyGradeLine;
  settings.units = ProfileUnits::forUnitSystem(session.databases.unitSystem());
  if (const auto tailWater = parseNumber(session.tailWaterText)) {
    settings.tailWater = static_cast<float>(*tailWater);
  } else {
    warnings.add("The tail-water elevation \"" + session.tailWaterText +
                 "\" is not a number; the profile's base elevation was worked out from 0.");
  }
  return settings;
}

bool plotCurrentPipeProfile(Session& session, UserInterface& ui) {
  session.warnings.clear();
  const int row = session.tables.branches.currentRow();
  if (!branchRowSelected(session.tables.branches, row)) return false;
  return drawToFile(session, ui, [row](ProfilePlot& plot) { plot.drawPipeProfile(row); });
}

bool plotCurrentBranchProfile(Session& session, UserInterface& ui) {
  session.warnings.clear();
  const int row = session.tables.branches.currentRow();
  if (!branchRowSelected(session.tables.branches, row)) return false;
  return drawToFile(session, ui, [row](ProfilePlot& plot) { plot.drawBranchProfile(row); });
}

bool plotAllProfiles(Session& session, UserInterface& ui) {
  session.warnings.clear();
  if (!branchRowSelected(session.tables.branches, 1)) return false;
  return drawToFile(session, ui, [](ProfilePlot& plot) { plot.drawAllProfiles(); });
}

}  // namespace tarvello
