#include "cli_generate.h"

#include <filesystem>
#include <ostream>
#include <vector>

#include "cli_commands.h"
#include "commands/commands.h"
#include "common/data_location.h"
#include "common/number_format.h"
#include "dxf/dxf_writer.h"
#include "pdf/pdf_writer.h"
#include "profile/profile_drawings.h"
#include "run/outputs.h"
#include "run/project_open.h"
#include "tables/row_lookups.h"

namespace tarvello::cli {
namespace {

void printWarnings(const Warnings& warnings, std::ostream& err) {
  for (const auto& w : warnings.items()) err << "warning: " << oneLine(w) << '\n';
}

// One file asked for on the command line.
struct Request {
  const OutputDescription* output;
  std::string path;
  int branchRow = 0;
  std::string rowError;  // why the row or branch it names cannot be plotted
};

// "ROW:FILE" / "BRANCH_ID:FILE": the part before the first colon picks what to plot.
bool splitKeyFile(const std::string& argument, const char* option, std::string& key,
                  std::string& file, std::ostream& err) {
  const auto colon = argument.find(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == argument.size()) {
    err << "tarvello-cli: " << option << " needs KEY:FILE, got \"" << oneLine(argument) << "\"\n";
    return false;
  }
  key = argument.substr(0, colon);
  file = argument.substr(colon + 1);
  return true;
}

// The branch-table row that `row` names, or 0 and why not.
int plottableRow(const ProfileTables& tables, int row, const std::string& what,
                 std::string& error) {
  if (row >= 1 && row <= tables.branches.lastFilledRow() && branchRowSelected(tables.branches, row))
    return row;
  error = what + " is not in the branch table";
  return 0;
}

// Every file the options ask for, in the catalogue's order.
std::vector<Request> requests(const GenerateOptions& options, const ProfileTables& tables,
                              const std::string& pipeRowText, const std::string& pipeFile,
                              const std::string& branchId, const std::string& branchFile) {
  std::vector<Request> list;
  for (const OutputDescription& output : outputCatalogue()) {
    Request r{&output, "", 0, ""};
    if (output.cliOption == "--tables") {
      if (options.tablesDir.empty()) continue;
      r.path = (std::filesystem::path(options.tablesDir) / setFileName(output)).string();
    } else if (output.id == "checks") {
      r.path = options.checks;
    } else if (output.id == "pipe-profile") {
      r.path = pipeFile;
      const auto number = parseNumber(pipeRowText);
      r.branchRow = plottableRow(tables, number ? static_cast<int>(*number) : 0,
                                 "row " + oneLine(pipeRowText), r.rowError);
    } else if (output.id == "branch-profile") {
      r.path = branchFile;
      r.branchRow = plottableRow(tables, findBranchRow(tables.branches, branchId),
                                 "branch " + oneLine(branchId), r.rowError);
    } else if (output.id == "all-profiles") {
      r.path = options.allProfiles;
    } else if (output.id == "structure-schedule") {
      r.path = options.structureSchedule;
    } else if (output.id == "pipe-schedule") {
      r.path = options.pipeSchedule;
    } else if (output.id == "workbook") {
      r.path = options.excel;
    } else if (output.id == "pdf") {
      r.path = options.pdf;
    }
    if (!r.path.empty()) list.push_back(std::move(r));
  }
  return list;
}

// What the CLI says once a file is written.
std::string savedLine(const OutputDescription& output, const std::string& path) {
  switch (output.report) {
    case OutputReport::Table:
      return "Table: " + oneLine(path);
    case OutputReport::Drawing:
      return dxfSavedMessage(path);
    case OutputReport::Workbook:
      return "Workbook: " + oneLine(path);
    case OutputReport::Pdf:
      return pdfSavedMessage(path);
    case OutputReport::Findings:
      break;
  }
  return "";
}

}  // namespace

int generate(const GenerateOptions& options, std::ostream& out, std::ostream& err) {
  // Wrong arguments and a wrong criteria file stop the run before anything is written.
  std::string pipeRowText, pipeFile, branchId, branchFile;
  if (!options.pipeProfile.empty() &&
      !splitKeyFile(options.pipeProfile, "--pipe-profile", pipeRowText, pipeFile, err))
    return kExitUsage;
  if (!options.branchProfile.empty() &&
      !splitKeyFile(options.branchProfile, "--branch-profile", branchId, branchFile, err))
    return kExitUsage;
  CriteriaOverrides overrides;
  if (!options.criteria.empty()) {
    const CriteriaReadResult read = readCriteriaFile(options.criteria);
    if (!read.overrides) {
      err << "tarvello-cli: " << oneLine(read.error) << '\n';
      return kExitError;
    }
    overrides = *read.overrides;
  }

  RunInputs inputs;
  if (const std::string error =
          openProject(options.pipeDb, options.inletDb, inputs.databases, nullptr);
      !error.empty()) {
    err << error << '\n';
    return kExitError;
  }
  if (!options.tailWater.empty()) {
    if (!parseNumber(options.tailWater)) {
      err << "tarvello-cli: the tail-water elevation \"" << oneLine(options.tailWater)
          << "\" is not a number\n";
      return kExitUsage;
    }
    inputs.tailWater = options.tailWater;
  }
  inputs.outfall = options.outfall;

  const std::shared_ptr<const Run> run = Run::make(std::move(inputs));
  printWarnings(run->warnings(), err);
  if (!run->created()) {
    err << "tarvello-cli: " << oneLine(run->failure()) << '\n';
    return kExitError;
  }
  out << "Tail water: " << oneLine(run->tailWaterUsed()) << '\n';

  RunFindings checks;
  if (!options.checks.empty()) checks = RunFindings::check(*run, overrides);
  DrawingOptions drawing;
  drawing.energyGradeLine = options.energyGradeLine;
  drawing.pageSize = options.pageSize;
  const std::string templatePath =
      dataFile(executableFolder().string(), kSchedulesTemplateName).string();
  const OutputContext base{*run, drawing, options.checks.empty() ? nullptr : &checks, templatePath,
                           0};

  int status = kExitOk;
  if (!options.tablesDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(options.tablesDir, ec);
  }
  for (const Request& request :
       requests(options, run->tables(), pipeRowText, pipeFile, branchId, branchFile)) {
    const OutputDescription& output = *request.output;
    const std::string& path = request.path;
    if (output.target != OutputTarget::Whole && request.branchRow == 0) {
      err << "tarvello-cli: " << request.rowError << '\n';
      status = kExitError;
      continue;
    }
    // The text outputs name their file in the question and word their own failures.
    const bool text =
        output.report == OutputReport::Table || output.report == OutputReport::Findings;
    if (output.report == OutputReport::Findings) err << findingsSummary(checks.findings);
    OutputContext context = base;
    context.branchRow = request.branchRow;
    Warnings warnings;
    const WriteResult written = writeFile(
        options.force, out, text ? path + ": " : "",
        [&](Overwrite overwrite) { return output.write(context, path, overwrite, warnings); });
    if (written.written()) {
      if (const std::string line = savedLine(output, path); !line.empty()) out << line << '\n';
      if (!written.notice.empty())
        err << "tarvello-cli: " << oneLine(path) << ": " << written.notice << '\n';
    } else {
      status = kExitError;
      if (written.status == WriteResult::Status::Failed && !written.message.empty()) {
        if (text)
          err << "tarvello-cli: " << oneLine(path) << " could not be written: " << written.message
              << '\n';
        else
          err << written.message << '\n';
      }
    }
    printWarnings(warnings, err);
  }
  return status;
}

}  // namespace tarvello::cli
