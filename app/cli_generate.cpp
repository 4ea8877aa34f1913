#include "cli_generate.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

#include "cli_checks.h"
#include "cli_commands.h"
#include "cli_pdf.h"
#include "commands/commands.h"
#include "common/atomic_file.h"
#include "common/data_location.h"
#include "common/number_format.h"
#include "dxf/dxf_writer.h"
#include "excel/excel_export.h"
#include "network/unit_constants.h"
#include "profile/profile_drawings.h"
#include "schedules/pipe_schedule.h"
#include "schedules/structure_schedule.h"
#include "tables/csv.h"
#include "tables/row_lookups.h"

namespace tarvello::cli {
namespace {

void printWarnings(const Session& session, std::ostream& err) {
  for (const auto& w : session.warnings.all()) err << "warning: " << oneLine(w.text) << '\n';
}

}  // namespace

int generate(const GenerateOptions& options, std::ostream& out, std::ostream& err) {
  // A wrong criteria file stops the run before anything is written.
  DesignChecksRun checks;
  if (!checks.loadCriteria(options.criteria, err)) return kExitError;
  Session session;
  session.programFolder = executableFolder().string();
  if (!openDatabases(options.pipeDb, options.inletDb, session.databases, nullptr, err))
    return kExitError;
  if (!options.tailWater.empty()) {
    if (!parseNumber(options.tailWater)) {
      err << "tarvello-cli: the tail-water elevation \"" << oneLine(options.tailWater)
          << "\" is not a number\n";
      return kExitUsage;
    }
    session.tailWaterText = options.tailWater;
  }
  session.outfallNode = options.outfall;
  session.energyGradeLine = options.energyGradeLine;

  const GenerationResult result = createProfileData(session);
  printWarnings(session, err);
  if (!result.error.empty()) {
    err << "tarvello-cli: " << oneLine(result.error) << '\n';
    return kExitError;
  }
  out << "Tail water: " << oneLine(session.tailWaterText) << '\n';
  const ProfileTables& tables = session.tables;

  int status = kExitOk;
  if (!options.tablesDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(options.tablesDir, ec);
    const std::pair<const char*, const Table*> files[] = {{"structures.csv", &tables.structures},
                                                          {"pipes.csv", &tables.pipes},
                                                          {"branches.csv", &tables.branches}};
    for (const auto& [name, table] : files) {
      const std::string path = (std::filesystem::path(options.tablesDir) / name).string();
      // Like every other output: an existing file is replaced only when the user says so.
      if (std::filesystem::exists(path, ec)) {
        out << path << ": " << overwriteAnswer(options.force) << '\n';
        if (!options.force) {
          status = kExitError;
          continue;
        }
      }
      const std::string failure = writeFileAtomically(path, tableCsv(*table));
      if (!failure.empty()) {
        err << "tarvello-cli: " << path << " could not be written: " << failure << '\n';
        status = kExitError;
      } else {
        out << "Table: " << oneLine(path) << '\n';
      }
    }
  }

  if (!options.checks.empty()) {
    checks.run(session);
    if (!checks.write(options.checks, options.force, out, err)) status = kExitError;
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
  // A branch-table row that names a branch, or 0 (and the message).
  auto branchRow = [&](int row, const std::string& what) {
    if (row < 1 || row > tables.branches.lastFilledRow()) {
      err << "tarvello-cli: " << what << " is not in the branch table\n";
      return 0;
    }
    return branchRowSelected(tables.branches, row) ? row : 0;
  };

  const bool english = UnitConstants::forUnitSystem(session.databases.unitSystem()).english;
  Warnings& warnings = session.warnings;
  // Read once per drawing, when it starts (a bad tail water is reported once).
  std::optional<ProfileSettings> drawingSettings;
  auto settings = [&]() -> const ProfileSettings& {
    if (!drawingSettings)
      drawingSettings = profileSettings(session.profileScale, session.databases.unitSystem(),
                                        session.tailWaterText, warnings);
    drawingSettings->energyGradeLine = session.energyGradeLine;
    return *drawingSettings;
  };
  // Each output: the file it goes to and how it is written; a drawing says
  // where it was saved.
  struct Output {
    const std::string* file;
    std::function<WriteResult(const std::string&, Overwrite)> write;
    bool drawing;
  };
  const Output outputs[] = {
      {&pipeFile,
       [&](const std::string& path, Overwrite overwrite) {
         const auto number = parseNumber(pipeRowText);
         const int row =
             number ? branchRow(static_cast<int>(*number), "row " + oneLine(pipeRowText)) : 0;
         if (row == 0) return WriteResult::failed(path, "");
         return writePipeProfile(tables, settings(), row, path, overwrite, warnings);
       },
       true},
      {&branchFile,
       [&](const std::string& path, Overwrite overwrite) {
         const int row =
             branchRow(findBranchRow(tables.branches, branchId), "branch " + oneLine(branchId));
         if (row == 0) return WriteResult::failed(path, "");
         return writeBranchProfile(tables, settings(), row, path, overwrite, warnings);
       },
       true},
      {&options.allProfiles,
       [&](const std::string& path, Overwrite overwrite) {
         return writeAllProfiles(tables, settings(), path, overwrite, warnings);
       },
       true},
      {&options.structureSchedule,
       [&](const std::string& path, Overwrite overwrite) {
         return writeStructureSchedule(tables, english, path, overwrite, warnings);
       },
       true},
      {&options.pipeSchedule,
       [&](const std::string& path, Overwrite overwrite) {
         return writePipeSchedule(tables, english, path, overwrite);
       },
       true},
      {&options.excel,
       [&](const std::string& path, Overwrite overwrite) {
         return exportSchedules(tables, english, schedulesTemplatePath(session), path, overwrite,
                                warnings, options.checks.empty() ? nullptr : &checks.worksheet());
       },
       false},
  };
  for (const auto& output : outputs) {
    if (output.file->empty()) continue;
    warnings.clear();
    drawingSettings.reset();
    const std::string& path = *output.file;
    const WriteResult written = writeFile(options.force, out, err, [&](Overwrite overwrite) {
      return output.write(path, overwrite);
    });
    if (written.written())
      out << (output.drawing ? dxfSavedMessage(path) : "Workbook: " + oneLine(path)) << '\n';
    printWarnings(session, err);
    if (!written.written()) status = kExitError;
  }
  if (!options.pdf.empty() && !writePdfSet(options, session, out, err)) status = kExitError;
  return status;
}

}  // namespace tarvello::cli
