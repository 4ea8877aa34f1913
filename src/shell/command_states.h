#pragma once
// Commands that cannot act are shown disabled, with a tool tip that says
// what they wait for: the plots and schedules for data in their table,
// "Create Profile Data" for an outfall node.
#include <QString>

class QWidget;

namespace tarvello {

struct Session;

// Why a command cannot act now, or "" when it can.
struct CommandBlocks {
  QString createProfileData;
  QString currentRowPlots;  // the two profiles of the current branch row, and the workbook
  QString allProfiles;
  QString structureSchedule;
  QString pipeSchedule;
};
CommandBlocks commandBlocks(const Session& session, const QString& outfallText);

// Enables or disables the window's command buttons (found by their object
// names under `window`) and sets their tool tips accordingly.
void showCommandStates(QWidget& window, const CommandBlocks& blocks);

}  // namespace tarvello
