#pragma once
// tarvello-cli's main job: Create Profile Data, then the tables, drawings and
// workbook that the options ask for.
#include <iosfwd>
#include <string>

namespace tarvello::cli {

struct GenerateOptions {
  std::string pipeDb, inletDb;
  std::string outfall;        // --outfall
  std::string tailWater;      // --tail-water ("" keeps the field's "0.0")
  std::string tablesDir;      // --tables DIR
  std::string pipeProfile;    // --pipe-profile ROW:FILE (branch-table row)
  std::string branchProfile;  // --branch-profile BRANCH_ID:FILE
  std::string allProfiles;
  std::string structureSchedule, pipeSchedule, excel;
  std::string checks;    // --checks FILE: the design-check findings (and a worksheet with --excel)
  std::string criteria;  // --criteria FILE
  std::string hglSheet;  // --hgl-sheet FILE: the HGL computation sheet (and a worksheet, PDF pages)
  std::string quantities;            // --quantities FILE: the summary of quantities (likewise)
  std::string warnings;              // --warnings FILE: every warning of the run, as CSV
  std::string pdf;                   // --pdf FILE: profiles and schedules, one sheet a page
  std::string pageSize = "tabloid";  // --page-size
  bool energyGradeLine = false;      // --egl
  std::string submittal;             // --submittal DIR: the whole set and its manifest
  std::string compareWith;     // --compare-with OLD_DIR: the set the revision log compares with
  std::string revisions;       // --revisions FILE: the revision log on its own
  bool markRevisions = false;  // --mark-revisions: clouds round what changed in the profiles
  bool force = false;
};

int generate(const GenerateOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarvello::cli
