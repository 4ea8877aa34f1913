#pragma once
// Every file the program writes, described once: the CLI's options, the
// window's commands and the page's downloads are all read from this table,
// and each output is written from a run by the one operation named here.
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "checks/criteria.h"
#include "checks/design_checks.h"
#include "common/atomic_file.h"
#include "common/warnings.h"
#include "common/write_result.h"
#include "excel/excel_export.h"
#include "profile/profile_plot.h"
#include "run/run.h"

namespace tarvello {

// The design checks of a run under the criteria in force. Worked out when
// asked for; they never make a run stale.
struct RunFindings {
  Criteria criteria;
  std::vector<Finding> findings;
  ExtraWorksheet worksheet;  // "Design Checks", for the workbook

  static RunFindings check(const Run& run, const CriteriaOverrides& overrides);
  static RunFindings check(const Run& run, const Criteria& criteria);
};

// How the drawings are made; options of the outputs, not of the run.
struct DrawingOptions {
  float profileScale = 5.0f;
  bool energyGradeLine = false;
  std::string pageSize = "tabloid";  // the PDF set's paper, one of pdfPageSizes()
  // Revision clouds in the profiles (a resubmittal's); none when null.
  std::shared_ptr<const RevisionMarks> revisionMarks;
};

// Everything an output is written from.
struct OutputContext {
  const Run& run;
  DrawingOptions drawing;
  const RunFindings* checks = nullptr;  // the design checks, when asked for
  std::string templatePath;             // the workbook template
  int branchRow = 0;                    // the branch-table row of a pipe or branch output
  // The workbook and the PDF set carry the computation sheet and the
  // quantities too (they need a run that traced its grade lines).
  bool withHglSheet = false;
  bool withQuantities = false;
  // Worksheets after the design checks' in the workbook (a set's "Revisions").
  std::vector<ExtraWorksheet> moreWorksheets = {};
  // Tables of text drawn as the PDF set's first pages, each titled by its name.
  std::vector<ExtraWorksheet> leadingPages = {};
};

enum class OutputTarget {
  Whole,      // the whole run
  BranchRow,  // one pipe: a row of the branch table
  Branch,     // one branch: a Branch ID
};

// How a front end words a save: what it says once the file is written, and
// whether a failure's message is a bare reason that it words itself.
enum class OutputReport { Table, Findings, Drawing, Workbook, Pdf };
// What a run must hold before the output can be made from it.
enum class OutputNeeds {
  Created,        // a created run
  Traced,         // a created run that traced its grade line
  AnyRows,        // rows in any of the three tables
  StructureRows,  // rows in the structure table
  PipeRows,       // rows in the pipe table
  Branches,       // a first branch row naming a branch
  BranchRow,      // that, and the chosen row naming a branch
};

struct OutputDescription {
  std::string_view id;         // stable: the page's "dl-<id>" button, tests
  std::string_view caption;    // as the user sees it
  std::string_view extension;  // without the point
  std::string_view fileStem;   // "structure-schedule": the name in a set of files
  OutputTarget target;
  std::string_view cliOption;  // "--structure-schedule"; tables share "--tables"
  bool available;              // this build can make it
  OutputReport report;
  OutputNeeds needs;  // the enable rule
  // Writes the output of `context` to `path`; what it worked around goes to `warnings`.
  WriteResult (*write)(const OutputContext& context, const std::string& path, Overwrite overwrite,
                       Warnings& warnings);
};

// In the order the CLI writes them.
std::span<const OutputDescription> outputCatalogue();
// The output with that id, or null.
const OutputDescription* findOutput(std::string_view id);

// "highway-structure-schedule.dxf" for the pipe database highway.bvp;
// `key` is the Branch ID or the pipe number of a one-branch or one-pipe output.
std::string defaultOutputName(const OutputDescription& output, const std::string& pipeDbPath,
                              const std::string& key = "");
// The name in a set of files: "structures.csv", "branch-3.dxf".
std::string setFileName(const OutputDescription& output, const std::string& key = "");

// Why the output cannot be made from the run now ("" when it can); for a
// pipe or branch output, `branchRow` is the row chosen.
std::string outputBlocked(const OutputDescription& output, const Run& run, int branchRow);

// The branch-table row of a Branch ID, or 0 when no row names that branch.
int branchRowOf(const ProfileTables& tables, const std::string& branchId);
// Text written to a new file or over an existing one (with Overwrite::Yes);
// a failure's message is the bare reason.
WriteResult writeTextOutput(const std::string& path, std::string_view text, Overwrite overwrite);
// The same for a text made piece by piece: `produce` hands each piece to the
// writer it is given, and the file is put in place once all are written.
WriteResult writeTextOutputInPieces(const std::string& path, Overwrite overwrite,
                                    const TextPieces& produce);

}  // namespace tarvello
