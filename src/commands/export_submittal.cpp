#include "commands/export_submittal.h"

#include "commands/browse.h"
#include "commands/commands.h"

namespace tarvello {

std::optional<SubmittalExport> exportSubmittal(Session& session, UserInterface& ui,
                                               const RunFindings* checks,
                                               const std::string& version,
                                               const SubmittalProgress& progress) {
  session.warnings.clear();
  const Run& run = *session.run;
  if (!run.created() || !checks) return std::nullopt;
  FileDialogRequest request;
  request.title = kSubmittalFolderTitle;
  request.initialFolder = session.lastFolder;
  SubmittalExport exported;
  exported.folder = ui.askFolder(request);
  if (exported.folder.empty()) {
    ui.showMessage("No folder selected!", MessageIcon::Exclamation);
    return std::nullopt;
  }
  // The next set is most likely made beside this one.
  session.lastFolder = folderOf(exported.folder);

  SubmittalOptions options;
  if (const std::string problem = submittalTargetProblem(exported.folder, false);
      !problem.empty()) {
    // Only a previous set passes once replacing is allowed; anything else is never touched.
    if (!submittalTargetProblem(exported.folder, true).empty()) {
      ui.showMessage(problem, MessageIcon::Exclamation);
      return std::nullopt;
    }
    if (!ui.askYesNo(kReplaceSetQuestion, MessageIcon::Exclamation)) return std::nullopt;
    options.force = true;
  }

  request.title = kPreviousSetTitle;
  const std::string old = ui.askFolder(request);
  PreviousSet previous;
  if (!old.empty()) {
    // Read before anything is written: the previous set may be the folder being replaced.
    if (const std::string error =
            readPreviousSet(old, setTablesOf(run, &checks->findings), previous);
        !error.empty()) {
      ui.showMessage(error, MessageIcon::Exclamation);
      return std::nullopt;
    }
    exported.compared = true;
    options.previous = &previous;
    options.markRevisions = ui.askYesNo(kMarkRevisionsQuestion, MessageIcon::None);
  }

  options.drawing = session.drawingOptions();
  options.checks = checks;
  options.templatePath = schedulesTemplatePath(session);
  options.tailWaterGiven = run.inputs().tailWater;
  options.version = version;
  options.progress = progress;
  exported.result = writeSubmittal(run, exported.folder, options);
  session.warnings = exported.result.warnings;
  if (!exported.result.ok() && !exported.result.cancelled)
    ui.showMessage(exported.result.error, MessageIcon::Exclamation);
  return exported;
}

std::string submittalWrittenMessage(const SubmittalExport& exported) {
  std::string text = "Submittal written to:" + exported.folder + "\n" +
                     std::to_string(exported.result.files.size()) +
                     " files, each listed in manifest.json";
  if (exported.compared) text += "\n" + revisionsSummary(exported.result.revisions);
  return text;
}

}  // namespace tarvello
