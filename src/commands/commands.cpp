#include "commands/commands.h"

#include "commands/browse.h"
#include "common/data_location.h"
#include "dxf/dxf_writer.h"
#include "excel/excel_export.h"
#include "pdf/pdf_writer.h"

namespace tarvello {
namespace {

// Each command's dialog texts, as the users of the first program know them.
constexpr SaveDialogTexts kDrawingDialog{"Save", "Create DXF files (*.dxf)|*.dxf", "", "*.dxf",
                                         "No DXF File Name selected!"};
constexpr SaveDialogTexts kWorkbookDialog{"Enter New File Name for Pipe Profile Schedules",
                                          "Tarvello Schedule files (*.xlsx)|*.xlsx", ".xlsx",
                                          "*.xlsx", "No File Name selected!"};
constexpr SaveDialogTexts kPdfDialog{"Export PDF", "PDF files (*.pdf)|*.pdf", ".pdf", "*.pdf",
                                     "No PDF File Name selected!"};
constexpr SaveDialogTexts kCsvDialog{"Save Table as CSV", "CSV files (*.csv)|*.csv", ".csv", "",
                                     ""};

constexpr SaveDialogTexts kWarningsDialog{"Save Warnings as CSV", "CSV files (*.csv)|*.csv", ".csv",
                                          "", ""};

const SaveDialogTexts& dialogFor(const OutputDescription& output) {
  if (output.id == "warnings") return kWarningsDialog;
  switch (output.report) {
    case OutputReport::Drawing:
      return kDrawingDialog;
    case OutputReport::Workbook:
      return kWorkbookDialog;
    case OutputReport::Pdf:
      return kPdfDialog;
    case OutputReport::Table:
    case OutputReport::Findings:
      break;
  }
  return kCsvDialog;
}

bool saveById(Session& session, UserInterface& ui, std::string_view id, int branchRow) {
  return saveOutput(session, ui, *findOutput(id), branchRow).has_value();
}

}  // namespace

WriteResult writeConfirmed(UserInterface& ui, const std::function<WriteResult(Overwrite)>& write) {
  WriteResult result = write(Overwrite::No);
  if (result.status == WriteResult::Status::Exists &&
      ui.askYesNo(kOverwriteQuestion, MessageIcon::Exclamation))
    result = write(Overwrite::Yes);
  if (result.status == WriteResult::Status::Failed && !result.message.empty())
    ui.showMessage(result.message, MessageIcon::Exclamation);
  if (result.written() && !result.notice.empty())
    ui.showMessage(result.path + "\n" + result.notice, MessageIcon::Exclamation);
  return result;
}

std::string askSaveName(const Session& session, UserInterface& ui, const SaveDialogTexts& texts) {
  FileDialogRequest request;
  request.title = texts.title;
  request.filter = texts.filter;
  request.defaultExtension = texts.defaultExtension;
  request.initialFolder = session.lastFolder;
  const std::string chosen = ui.askSaveFileName(request);
  if (chosen.empty() || chosen == texts.emptyName) {
    if (*texts.noNameMessage) ui.showMessage(texts.noNameMessage, MessageIcon::Exclamation);
    return "";
  }
  return chosen;
}

std::string askDrawingToView(Session& session, UserInterface& ui, const std::string& folder) {
  FileDialogRequest request;
  request.title = "Open";
  request.filter = "DXF files (*.dxf)|*.dxf";
  request.defaultExtension = ".dxf";
  request.initialFolder = !folder.empty()              ? folder
                          : session.lastFolder.empty() ? session.programFolder
                                                       : session.lastFolder;
  request.mustExist = true;
  const std::string chosen = ui.askOpenFileName(request);
  if (chosen.empty()) {
    ui.showMessage("No DXF File selected!", MessageIcon::Exclamation);
    return "";
  }
  session.lastFolder = folderOf(chosen);
  return chosen;
}

std::string schedulesTemplatePath(const Session& session) {
  return dataFile(session.programFolder, kSchedulesTemplateName).string();
}

GenerationResult createProfileData(Session& session) {
  std::shared_ptr<Run> run = Run::make(session.runInputs());
  session.warnings = run->warnings();
  GenerationResult result;
  result.ran = run->outcome() != RunOutcome::None;
  result.error = run->failure();
  result.tailWaterText = run->tailWaterUsed();
  // With no outfall node nothing is done: the tables shown stay.
  if (!result.ran) return result;
  session.run = std::move(run);
  session.tailWaterText = result.tailWaterText;
  return result;
}

std::optional<std::string> saveOutput(Session& session, UserInterface& ui,
                                      const OutputDescription& output, int branchRow,
                                      const RunFindings* checks) {
  session.warnings.clear();
  if (!outputBlocked(output, *session.run, branchRow).empty()) return std::nullopt;
  const std::string path = askSaveName(session, ui, dialogFor(output));
  if (path.empty()) return std::nullopt;
  const OutputContext context{*session.run, session.drawingOptions(), checks,
                              schedulesTemplatePath(session), branchRow};
  const WriteResult result = writeConfirmed(ui, [&](Overwrite overwrite) {
    WriteResult r = output.write(context, path, overwrite, session.warnings);
    // The text outputs hand back the bare reason: the dialog says which table.
    if (r.status == WriteResult::Status::Failed &&
        (output.report == OutputReport::Table || output.report == OutputReport::Findings))
      r.message = "The table could not be saved:\n" + path + "\n" + r.message;
    return r;
  });
  if (!result.written()) return std::nullopt;
  if (output.report == OutputReport::Drawing) {
    session.lastDrawing = path;
    ui.showMessage(dxfSavedMessage(path), MessageIcon::None);
  } else if (output.report == OutputReport::Pdf) {
    ui.showMessage(pdfSavedMessage(path), MessageIcon::None);
  }
  return path;
}

bool plotCurrentPipeProfile(Session& session, UserInterface& ui) {
  return saveById(session, ui, "pipe-profile", session.tables().branches.currentRow());
}

bool plotCurrentBranchProfile(Session& session, UserInterface& ui) {
  return saveById(session, ui, "branch-profile", session.tables().branches.currentRow());
}

bool plotAllProfiles(Session& session, UserInterface& ui) {
  return saveById(session, ui, "all-profiles", 1);
}

bool drawStructureSchedule(Session& session, UserInterface& ui) {
  return saveById(session, ui, "structure-schedule", 0);
}

bool drawPipeSchedule(Session& session, UserInterface& ui) {
  return saveById(session, ui, "pipe-schedule", 0);
}

std::optional<std::string> exportSchedulesToExcel(Session& session, UserInterface& ui,
                                                  const RunFindings* checks) {
  return saveOutput(session, ui, *findOutput("workbook"), session.tables().branches.currentRow(),
                    checks);
}

std::optional<std::string> exportSheetSetPdf(Session& session, UserInterface& ui,
                                             const std::string& pageSize) {
  if (!pdfPageSize(pageSize)) {
    ui.showMessage("Unknown page size: " + pageSize, MessageIcon::Exclamation);
    return std::nullopt;
  }
  session.pdfPageSize = pageSize;
  return saveOutput(session, ui, *findOutput("pdf"), 0);
}

std::optional<std::string> saveTableAsCsv(Session& session, UserInterface& ui,
                                          std::string_view outputId, const RunFindings* checks) {
  const OutputDescription* output = findOutput(outputId);
  if (!output) return std::nullopt;
  return saveOutput(session, ui, *output, 0, checks);
}

}  // namespace tarvello
