#include "cli_generate.h"

#include <filesystem>
#include <functional>
#include <ostream>

#include "cli_commands.h"
#include "cli_ui.h"
#include "attributes/lookups.h"
#include "common/data_location.h"
#include "common/number_format.h"
#include "database/browse.h"
#include "excel/excel_export.h"
#include "network/generation.h"
#include "profile/profile_commands.h"
#include "schedules/pipe_schedule.h"
#include "schedules/structure_schedule.h"
#include "tables/csv.h"

namespace tarvello::cli {
namespace {

void printWarnings(const Session& session, std::ostream& err) {
  for (const auto& w : session.warnings.items()) err << "warning: " << oneLine(w) << '\n';
}

}  // namespace

int generate(const GenerateOptions& options, std::ostream& out, std::ostream& err) {
  CliUserInterface ui(out, err, options.force);
  Session session;
  session.programFolder = executableFolder().string();
  ui.setOpenFileName(options.pipeDb);
  const BrowseResult pipe = browsePipeDatabase(session, ui);
  if (!pipe.opened() || !pipe.error.empty()) return kExitError;
  if (!options.inletDb.empty()) {
    ui.setOpenFileName(options.inletDb);
    if (!browseInletDatabase(session, ui).opened()) return kExitError;
  }
  if (!options.tailWater.empty()) {
    if (!parseNumber(options.tailWater)) {
      err << "tarvello-cli: the tail-water elevation \"" << oneLine(options.tailWater)
          << "\" is not a number\n";
      return kExitUsage;
    }
    session.tailWaterText = options.tailWater;
  }
  session.outfallNode = options.outfall;

  const GenerationResult result = createProfileData(session);
  printWarnings(session, err);
  if (!result.error.empty()) {
    err << "tarvello-cli: " << oneLine(result.error) << '\n';
    return kExitError;
  }
  out << "Tail water: " << oneLine(session.tailWaterText) << '\n';

  int status = kExitOk;
  if (!options.tablesDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(options.tablesDir, ec);
    const std::pair<const char*, const Table*> files[] = {{"structures.csv", &session.tables.structures},
                                                         {"pipes.csv", &session.tables.pipes},
                                                         {"branches.csv", &session.tables.branches}};
    for (const auto& [name, table] : files) {
      const std::string path = (std::filesystem::path(options.tablesDir) / name).string();
      // Like every other output: an existing file is replaced only when the user says so.
      if (std::filesystem::exists(path, ec)) {
        out << path << ": ";
        if (!ui.askYesNo("File Already Exists!   Overwrite?", MessageIcon::Exclamation)) {
          status = kExitError;
          continue;
        }
      }
      const std::string failure = writeFileAtomically(path, tableCsv(*table));
      if (!failure.empty()) {
        err << "tarvello-cli: " << path << " could not be written: " << failure << '\n';
        status = kExitError;
      }
    }
  }

  // "ROW:FILE" / "BRANCH_ID:FILE": the part before the first colon picks what to plot.
  auto split = [&](const std::string& argument, const char* option, std::string& key,
                   std::string& file) {
    const auto colon = argument.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == argument.size()) {
      err << "tarvello-cli: " << option << " needs KEY:FILE, got \"" << oneLine(argument) << "\"\n";
      return false;
    }
    key = argument.substr(0, colon);
    file = argument.substr(colon + 1);
    return true;
  };
  std::string pipeRowText, pipeFile, branchId, branchFile;
  if (!options.pipeProfile.empty() &&
      !split(options.pipeProfile, "--pipe-profile", pipeRowText, pipeFile))
    return kExitUsage;
  if (!options.branchProfile.empty() &&
      !split(options.branchProfile, "--branch-profile", branchId, branchFile))
    return kExitUsage;
  // The plot commands draw the branch table's current row.
  auto selectRow = [&](int row, const std::string& what) {
    if (row < 1 || row > session.tables.branches.lastFilledRow()) {
      err << "tarvello-cli: " << what << " is not in the branch table\n";
      return false;
    }
    session.tables.branches.selectRow(row);
    return true;
  };
  const std::pair<const std::string*, std::function<bool()>> commands[] = {
      {&pipeFile, [&] {
         const auto row = parseNumber(pipeRowText);
         return row && selectRow(static_cast<int>(*row), "row " + oneLine(pipeRowText)) &&
                plotCurrentPipeProfile(session, ui);
       }},
      {&branchFile, [&] {
         return selectRow(findBranchRow(session.tables.branches, branchId),
                          "branch " + oneLine(branchId)) &&
                plotCurrentBranchProfile(session, ui);
       }},
      {&options.allProfiles, [&] { return plotAllProfiles(session, ui); }},
      {&options.structureSchedule, [&] { return drawStructureSchedule(session, ui); }},
      {&options.pipeSchedule, [&] { return drawPipeSchedule(session, ui); }},
      {&options.excel, [&] {
         const auto saved = exportSchedulesToExcel(session, ui);
         if (saved) out << "Workbook: " << oneLine(*saved) << '\n';
         return saved.has_value();
       }},
  };
  for (const auto& [file, run] : commands) {
    if (file->empty()) continue;
    ui.setSaveFileName(*file);
    const bool ok = run();
    printWarnings(session, err);
    if (!ok) status = kExitError;
  }
  return status;
}

}  // namespace tarvello::cli
