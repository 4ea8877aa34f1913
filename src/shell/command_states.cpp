#include "shell/command_states.h"

#include <QPushButton>
#include <QWidget>

#include "commands/session.h"
#include "profile/profile_drawings.h"
#include "shell/widget_names.h"
#include "tables/profile_tables.h"

namespace tarvello {

CommandBlocks commandBlocks(const Session& session, const QString& outfallText) {
  const ProfileTables& t = session.tables();
  const QString noData = "Nothing to draw yet: run Create Profile Data first.";
  CommandBlocks blocks;
  if (outfallText.trimmed().isEmpty())
    blocks.createProfileData = "Choose or type the outfall node first.";
  if (!branchRowSelected(t.branches, 1)) {
    blocks.currentRowPlots = blocks.allProfiles = noData;
  } else if (!branchRowSelected(t.branches, t.branches.currentRow())) {
    blocks.currentRowPlots = "Pick a row of a branch in the table first.";
  }
  if (t.structures.cell(1, strcol::StrNo).empty()) blocks.structureSchedule = noData;
  if (t.pipes.cell(1, pipecol::PipeNo).empty()) blocks.pipeSchedule = noData;
  return blocks;
}

void showCommandStates(QWidget& window, const CommandBlocks& blocks) {
  const std::pair<const char*, const QString&> buttons[] = {
      {widget::kCreateProfileData, blocks.createProfileData},
      {widget::kPipeProfile, blocks.currentRowPlots},
      {widget::kBranchProfile, blocks.currentRowPlots},
      {widget::kExportToExcel, blocks.currentRowPlots},
      {widget::kAllProfiles, blocks.allProfiles},
      {widget::kStructureSchedule, blocks.structureSchedule},
      {widget::kPipeSchedule, blocks.pipeSchedule},
  };
  for (const auto& [name, reason] : buttons) {
    auto* button = window.findChild<QPushButton*>(name);
    if (!button) continue;
    button->setEnabled(reason.isEmpty());
    button->setToolTip(reason);
  }
}

}  // namespace tarvello
