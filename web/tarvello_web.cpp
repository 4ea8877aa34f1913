// The page's module: the worker hands it the two databases (and a criteria
// file) as files in the module's memory file system, and it answers with what
// the page shows and the files it offers, made by the same operations
// tarvello-cli calls.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli_checks.h"
#include "cli_commands.h"
#include "commands/commands.h"
#include "common/atomic_file.h"
#include "common/number_format.h"
#include "dxf/dxf_writer.h"
#include "excel/excel_export.h"
#include "network/unit_constants.h"
#include "profile/profile_drawings.h"
#include "schedules/pipe_schedule.h"
#include "schedules/structure_schedule.h"
#include "tables/cell_numbers.h"
#include "tables/csv.h"
#include "tables/row_lookups.h"

namespace tarvello::web {
namespace {

using emscripten::val;

const char* const kOut = "/out";

// The CLI's messages without its program-name prefix.
std::string message(const std::string& text) {
  std::string m = text;
  while (!m.empty() && m.back() == '\n') m.pop_back();
  const std::string prefix = "tarvello-cli: ";
  std::string out;
  std::istringstream lines(m);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(prefix, 0) == 0) line.erase(0, prefix.size());
    // The files are named as the user picked them, without their place in the module.
    for (const std::string folder : {"/in/pipe/", "/in/inlet/", "/in/criteria/"})
      for (auto at = line.find(folder); at != std::string::npos; at = line.find(folder, at))
        line.erase(at, folder.size());
    if (!out.empty()) out += '\n';
    out += line;
  }
  return out;
}

val stringList(const std::vector<std::string>& items) {
  val list = val::array();
  for (const auto& s : items) list.call<void>("push", s);
  return list;
}

class Project {
 public:
  // Opens the pipe and inlet databases as the CLI does; {ok, message, units, outfalls}.
  val open(const std::string& pipePath, const std::string& inletPath) {
    session_ = std::make_unique<Session>();
    session_->programFolder = "/data";
    val result = val::object();
    std::ostringstream err;
    std::vector<std::string> outfalls;
    bool ok = false;
    try {
      ok = cli::openDatabases(pipePath, inletPath, session_->databases, &outfalls, err);
    } catch (const std::exception& e) {
      err << e.what() << '\n';
    }
    result.set("ok", ok);
    result.set("message", message(err.str()));
    if (ok) {
      result.set("units", session_->databases.unitSystem());
      result.set("outfalls", stringList(outfalls));
    } else {
      session_.reset();
    }
    return result;
  }

  // Create Profile Data and every output into /out; {ok, message, warnings,
  // tailWater, structures, pipes, files, hglTop, findingStructureRows,
  // findingPipeRows, branchIds}.
  val run(const std::string& outfall, const std::string& tailWater, bool egl,
          const std::string& criteriaPath) {
    val result = val::object();
    result.set("ok", false);
    std::error_code ec;
    std::filesystem::remove_all(kOut, ec);
    std::filesystem::create_directories(kOut, ec);
    if (!session_) {
      result.set("message", std::string("No Pipe project database selected!"));
      return result;
    }
    try {
      runInto(result, outfall, tailWater, egl, criteriaPath);
    } catch (const std::exception& e) {
      result.set("ok", false);
      result.set("message", std::string(e.what()));
    }
    if (!result["ok"].as<bool>()) std::filesystem::remove_all(kOut, ec);
    return result;
  }

  // A drawing or the workbook of the last run, written into /out when asked
  // for (a large network's drawings take long): {ok, message, warnings}.
  // `name` is all-profiles.dxf, structure-schedule.dxf, pipe-schedule.dxf,
  // schedules.xlsx or branch-<Branch ID>.dxf.
  val output(const std::string& name) {
    val result = val::object();
    result.set("ok", false);
    if (!session_ || !ran_) {
      result.set("message", std::string("Create Profile Data first"));
      return result;
    }
    try {
      const WriteResult w = writeOutput(name);
      result.set("ok", w.written());
      result.set("message",
                 w.written() ? "" : (w.message.empty() ? name + " was not written" : w.message));
    } catch (const std::exception& e) {
      result.set("message", std::string(e.what()));
    }
    std::vector<std::string> warnings;
    for (const auto& w : session_->warnings.all()) warnings.push_back(w.text);
    session_->warnings.clear();
    result.set("warnings", stringList(warnings));
    return result;
  }

 private:
  WriteResult writeOutput(const std::string& name) {
    Session& session = *session_;
    const ProfileTables& tables = session.tables;
    const std::string path = std::string(kOut) + "/" + name;
    session.warnings.clear();
    // As the CLI: the drawing settings read once per drawing, the EGL as chosen.
    auto settings = [&] {
      ProfileSettings s = profileSettings(session.profileScale, session.databases.unitSystem(),
                                          session.tailWaterText, session.warnings);
      s.energyGradeLine = session.energyGradeLine;
      return s;
    };
    const bool english = UnitConstants::forUnitSystem(session.databases.unitSystem()).english;
    if (name == "all-profiles.dxf")
      return writeAllProfiles(tables, settings(), path, Overwrite::Yes, session.warnings);
    if (name == "structure-schedule.dxf")
      return writeStructureSchedule(tables, english, path, Overwrite::Yes, session.warnings);
    if (name == "pipe-schedule.dxf")
      return writePipeSchedule(tables, english, path, Overwrite::Yes);
    if (name == "schedules.xlsx")
      return exportSchedules(tables, english, schedulesTemplatePath(session), path, Overwrite::Yes,
                             session.warnings, &checks_.worksheet());
    const std::string prefix = "branch-", suffix = ".dxf";
    if (name.size() > prefix.size() + suffix.size() && name.rfind(prefix, 0) == 0 &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      const std::string branchId =
          name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
      const int row = findBranchRow(tables.branches, branchId);
      if (row < 1 || row > tables.branches.lastFilledRow() ||
          !branchRowSelected(tables.branches, row))
        return WriteResult::failed(path,
                                   "branch " + oneLine(branchId) + " is not in the branch table");
      return writeBranchProfile(tables, settings(), row, path, Overwrite::Yes, session.warnings);
    }
    return WriteResult::failed(path, name + ": no such output");
  }

  void runInto(val& result, const std::string& outfall, const std::string& tailWater, bool egl,
               const std::string& criteriaPath) {
    std::ostringstream out, err;
    checks_ = cli::DesignChecksRun();
    cli::DesignChecksRun& checks = checks_;
    if (!checks.loadCriteria(criteriaPath, err)) {
      result.set("message", message(err.str()));
      return;
    }
    Session& session = *session_;
    ran_ = false;
    session.tables = ProfileTables();
    if (!tailWater.empty()) {
      if (!parseNumber(tailWater)) {
        result.set("message",
                   "the tail-water elevation \"" + oneLine(tailWater) + "\" is not a number");
        return;
      }
      session.tailWaterText = tailWater;
    } else {
      session.tailWaterText = "0.0";
    }
    session.outfallNode = outfall;
    session.energyGradeLine = egl;
    session.warnings.clear();
    // Where the time goes, for the benchmark.
    std::string timings;
    double lap = emscripten_get_now();
    auto timed = [&](const char* what) {
      const double now = emscripten_get_now();
      timings += std::string(what) + " " + std::to_string(static_cast<int>(now - lap)) + " ms; ";
      lap = now;
    };
    const GenerationResult generated = createProfileData(session);
    timed("create");
    std::vector<std::string> warnings;
    for (const auto& w : session.warnings.all()) warnings.push_back(w.text);
    result.set("warnings", stringList(warnings));
    if (!generated.error.empty() || !generated.ran) {
      result.set("message",
                 generated.error.empty() ? std::string("No outfall node") : generated.error);
      return;
    }
    const ProfileTables& tables = session.tables;
    result.set("tailWater", session.tailWaterText);
    result.set("structures", tables.structures.lastFilledRow());
    result.set("pipes", tables.pipes.lastFilledRow());

    std::vector<std::string> files;
    auto save = [&](const std::string& name, const std::string& text) {
      const std::string failure = writeFileAtomically(std::string(kOut) + "/" + name, text);
      if (!failure.empty()) throw std::runtime_error(name + " could not be written: " + failure);
      files.push_back(name);
    };
    save("structures.csv", tableCsv(tables.structures));
    save("pipes.csv", tableCsv(tables.pipes));
    save("branches.csv", tableCsv(tables.branches));
    timed("tables");
    checks.run(session);
    std::ostringstream summary;
    if (!checks.write(std::string(kOut) + "/design-checks.csv", true, out, summary))
      throw std::runtime_error("design-checks.csv could not be written");
    files.push_back("design-checks.csv");
    result.set("checksSummary", summary.str());
    timed("checks");

    result.set("files", stringList(files));

    // What the grids mark: structure rows whose HGL reaches the top.
    val hgl = val::array();
    for (int row = 1; row <= tables.structures.lastFilledRow(); ++row)
      if (hglReachesTop(tables.structures, row)) hgl.call<void>("push", row);
    result.set("hglTop", hgl);
    // And the rows the findings are about, as the window marks them.
    val structureFindings = val::array(), pipeFindings = val::array();
    for (const Finding& f : checks.findings())
      (f.table == CheckTable::Structures ? structureFindings : pipeFindings)
          .call<void>("push", f.row);
    result.set("findingStructureRows", structureFindings);
    result.set("findingPipeRows", pipeFindings);
    std::vector<std::string> branchIds;
    for (int row = 1; row <= tables.branches.lastFilledRow(); ++row)
      if (branchRowSelected(tables.branches, row))
        branchIds.push_back(tables.branches.cell(row, branchcol::BranchId));
    result.set("branchIds", stringList(branchIds));
    timed("marks");
    result.set("timings", timings);
    ran_ = true;
    result.set("ok", true);
    result.set("message", profileDataSummary(tables));
  }

  std::unique_ptr<Session> session_;
  cli::DesignChecksRun checks_;
  bool ran_ = false;
};

}  // namespace

EMSCRIPTEN_BINDINGS(tarvello) {
  emscripten::class_<Project>("Project")
      .constructor<>()
      .function("open", &Project::open)
      .function("run", &Project::run)
      .function("output", &Project::output);
  emscripten::function("version",
                       emscripten::optional_override([] { return std::string(TARVELLO_VERSION); }));
}

}  // namespace tarvello::web
