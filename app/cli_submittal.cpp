#include "cli_submittal.h"

#include <ostream>

#include "cli_commands.h"
#include "common/warning_groups.h"
#include "submittal/submittal.h"

namespace tarvello::cli {

int verifySet(const std::string& folder, const std::string& pipeDb, const std::string& inletDb,
              std::ostream& out, std::ostream& err) {
  const VerifyResult result = verifySubmittal(folder, pipeDb, inletDb);
  if (!result.error.empty()) {
    err << "tarvello-cli: " << oneLine(result.error) << '\n';
    return kExitError;
  }
  for (const auto& line : result.lines) out << oneLine(line) << '\n';
  if (result.ok()) out << "The set matches its manifest: " << oneLine(folder) << '\n';
  return result.ok() ? kExitOk : kExitError;
}

bool readOldSet(const std::string& folder, const Run& run, const RunFindings& checks,
                PreviousSet& previous, std::ostream& err) {
  const std::string error = readPreviousSet(folder, setTablesOf(run, &checks.findings), previous);
  if (error.empty()) return true;
  err << "tarvello-cli: --compare-with: " << oneLine(error) << '\n';
  return false;
}

int writeRevisions(const GenerateOptions& options, const Run& run, const RunFindings& checks,
                   const PreviousSet& previous, std::ostream& out, std::ostream& err) {
  const auto revisions = compareSets(previous.tables, setTablesOf(run, &checks.findings));
  const std::string& path = options.revisions;
  const WriteResult written = writeFile(options.force, out, path + ": ", [&](Overwrite overwrite) {
    return writeTextOutput(path, revisionsCsv(revisions), overwrite);
  });
  err << revisionsSummary(revisions) << '\n';
  if (written.written()) {
    out << "Table: " << oneLine(path) << '\n';
    return kExitOk;
  }
  if (written.status == WriteResult::Status::Failed)
    err << "tarvello-cli: " << oneLine(path) << " could not be written: " << written.message
        << '\n';
  return kExitError;
}

int writeSet(const GenerateOptions& options, const Run& run, const RunFindings& checks,
             const DrawingOptions& drawing, const std::string& templatePath,
             const PreviousSet* previous, std::ostream& out, std::ostream& err) {
  SubmittalOptions set;
  set.drawing = drawing;
  set.checks = &checks;
  set.templatePath = templatePath;
  set.tailWaterGiven = options.tailWater;
  set.version = TARVELLO_VERSION;
  set.previous = previous;
  set.force = options.force;
  set.markRevisions = options.markRevisions;
  const SubmittalResult result = writeSubmittal(run, options.submittal, set);
  if (!result.warnings.empty()) err << warningLines(result.warnings.all());
  if (!result.ok()) {
    err << "tarvello-cli: --submittal: " << oneLine(result.error) << '\n';
    return kExitError;
  }
  if (previous) err << revisionsSummary(result.revisions) << '\n';
  out << "Submittal: " << oneLine(options.submittal) << " (" << result.files.size() << " files)\n";
  return kExitOk;
}

}  // namespace tarvello::cli
