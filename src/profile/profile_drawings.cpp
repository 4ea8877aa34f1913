#include "profile/profile_drawings.h"

#include "common/number_format.h"
#include "dxf/dxf_writer.h"

namespace tarvello {

ProfileSettings profileSettings(float profileScale, const std::string& unitSystem,
                                const std::string& tailWaterText, Warnings& warnings) {
  ProfileSettings settings;
  settings.profileScale = profileScale;
  settings.units = ProfileUnits::forUnitSystem(unitSystem);
  if (const auto tailWater = parseNumber(tailWaterText)) {
    settings.tailWater = static_cast<float>(*tailWater);
  } else {
    warnings.add(warning_kind::kBadTailWater,
                 "The tail-water elevation \"" + tailWaterText +
                     "\" is not a number; the profile's base elevation was worked out from 0.");
  }
  return settings;
}

namespace {

// The energy grade line's and the revision clouds' layers join the layer
// table when they are drawn.
std::vector<DxfLayer> extraLayers(const ProfileSettings& settings) {
  std::vector<DxfLayer> layers;
  if (settings.energyGradeLine) layers.push_back(DxfLayer{kEnergyGradeLayer, kEnergyGradeColour});
  if (settings.revisions) layers.push_back(DxfLayer{kRevisionLayer, kRevisionColour});
  return layers;
}

}  // namespace

bool branchRowSelected(const Table& branches, int row) {
  return row >= 1 && row < branches.rowCount() && !branches.cell(row, branchcol::BranchId).empty();
}

WriteResult writePipeProfile(const ProfileTables& tables, const ProfileSettings& settings,
                             int branchRow, const std::string& path, Overwrite overwrite,
                             Warnings& warnings) {
  return writeDxfFile(
      path, overwrite,
      [&](DxfDrawing& drawing) {
        ProfilePlot(tables, settings, drawing, warnings).drawPipeProfile(branchRow);
      },
      extraLayers(settings));
}

WriteResult writeBranchProfile(const ProfileTables& tables, const ProfileSettings& settings,
                               int branchRow, const std::string& path, Overwrite overwrite,
                               Warnings& warnings) {
  return writeDxfFile(
      path, overwrite,
      [&](DxfDrawing& drawing) {
        ProfilePlot(tables, settings, drawing, warnings).drawBranchProfile(branchRow);
      },
      extraLayers(settings));
}

WriteResult writeAllProfiles(const ProfileTables& tables, const ProfileSettings& settings,
                             const std::string& path, Overwrite overwrite, Warnings& warnings) {
  return writeDxfFile(
      path, overwrite,
      [&](DxfDrawing& drawing) {
        ProfilePlot(tables, settings, drawing, warnings).drawAllProfiles();
      },
      extraLayers(settings));
}

}  // namespace tarvello
