#pragma once
// Drawing of profiles into a DXF drawing: one pipe, one branch, or every
// branch side by side. A ProfilePlot lives for one drawing and holds its sheet
// state and the record of the pipe being drawn.
#include <memory>
#include <set>
#include <string>

#include "common/warnings.h"
#include "profile/pipe_plot_record.h"
#include "profile/profile_sheet.h"
#include "tables/cell_numbers.h"
#include "tables/profile_tables.h"

namespace tarvello {

class DxfDrawing;

// The structures (Str #) and pipes (Pipe No) a resubmittal changed: each
// drawing that shows one clouds its label on their own layer.
struct RevisionMarks {
  std::set<std::string> structures, pipes;
};
inline constexpr const char* kRevisionLayer = "REVISIONS";
inline constexpr int kRevisionColour = 6;

struct ProfileSettings {
  float profileScale = 5.0f;
  ProfileUnits units;
  float tailWater = 0;
  // Also the energy grade line: the grade line of each pipe raised by its
  // velocity head, on its own layer.
  bool energyGradeLine = false;
  // Revision clouds; none when null (the drawing is then as it always was).
  std::shared_ptr<const RevisionMarks> revisions;
};

// The layer of the energy grade line, which a drawing must add to its layer
// table before its header is written.
inline constexpr const char* kEnergyGradeLayer = "EGL";
inline constexpr int kEnergyGradeColour = 5;

class ProfilePlot {
 public:
  ProfilePlot(const ProfileTables& tables, const ProfileSettings& settings, DxfDrawing& drawing,
              Warnings& warnings);

  // The pipe of branch-table row `row` alone, framed on both sides.
  void drawPipeProfile(int row);
  // Every pipe of the branch of branch-table row `row`, from its first row.
  void drawBranchProfile(int row);
  // Every branch of the branch table, one framed profile each.
  void drawAllProfiles();

  const ProfileSheet& sheet() const { return sheet_; }

 private:
  // Building blocks of a profile.
  void loadPipe(int row, FrameMode mode, bool nextProfile);
  void startProfile(int row, bool nextProfile);
  void plotPipe(int row, bool first, bool last);
  void closeProfile();
  bool rowEmpty(int row) const;
  int findFirstBranchRow(int row) const;

  // Entities of one pipe.
  void drawDownstreamEnd();
  void drawUpstreamEnd(const std::string& rightInvText, bool continues);
  void drawBubble(double x0, const std::string& code, const std::string& number);
  void drawDownstreamBody();
  void markDownstreamTop();
  void drawUpstreamBody();
  void drawNotes(double x0, const std::string& kind, const std::string& standard,
                 const std::string& station, const std::string& offset,
                 const std::string& offsetLoc);
  void drawDownstreamStructure();
  void drawUpstreamStructure();
  void drawPipe(const std::string& axisText);
  std::string sizeCallout() const;

  const ProfileTables& tables_;
  ProfileSettings settings_;
  DxfDrawing& drawing_;
  CellNumbers reader_;
  StructureRowIndex structureRows_;  // the tables stay as they are while plotting
  ProfileSheet sheet_;
  PipePlotRecord rec_;
  std::string pipeNo_;  // the Pipe No of the pipe being drawn
};

// The station text of a distance: hundreds, "+", the rest without leading
// zero (104 gives "1+4", 58 gives "0+58").
std::string stationText(double distance);

}  // namespace tarvello
