// The page's module: the worker hands it the two databases (and a criteria
// file) as files in the module's memory file system, and it answers with what
// the page shows and the files it offers, made from one run by the outputs
// of the catalogue that every front end shares.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "checks/criteria.h"
#include "common/number_format.h"
#include "common/one_line.h"
#include "excel/excel_export.h"
#include "profile/profile_drawings.h"
#include "run/outputs.h"
#include "run/project_open.h"
#include "run/run.h"
#include "tables/cell_numbers.h"
#include "tables/csv.h"

namespace tarvello::web {
namespace {

using emscripten::val;

const char* const kOut = "/out";

// The files are named as the user picked them, without their place in the module.
std::string shownText(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (const std::string folder : {"/in/pipe/", "/in/inlet/", "/in/criteria/"})
    for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
      text.erase(at, folder.size());
  return text;
}

val stringList(const std::vector<std::string>& items) {
  val list = val::array();
  for (const auto& s : items) list.call<void>("push", s);
  return list;
}

val warningList(const Warnings& warnings) {
  val list = val::array();
  for (const auto& w : warnings.items()) list.call<void>("push", shownText(w));
  return list;
}

const char* targetName(OutputTarget target) {
  switch (target) {
    case OutputTarget::BranchRow:
      return "row";
    case OutputTarget::Branch:
      return "branch";
    case OutputTarget::Whole:
      break;
  }
  return "whole";
}

class Project {
 public:
  // Opens the pipe and inlet databases; {ok, message, units, outfalls}.
  val open(const std::string& pipePath, const std::string& inletPath) {
    databases_ = ProjectDatabases();
    run_.reset();
    val result = val::object();
    std::vector<std::string> outfalls;
    std::string error;
    try {
      error = openProject(pipePath, inletPath, databases_, &outfalls);
    } catch (const std::exception& e) {
      error = e.what();
    }
    result.set("ok", error.empty());
    result.set("message", shownText(error));
    if (error.empty()) {
      result.set("units", databases_.unitSystem());
      result.set("outfalls", stringList(outfalls));
    } else {
      databases_ = ProjectDatabases();
    }
    return result;
  }

  // Create Profile Data and the tables and findings into /out; {ok, message,
  // warnings, tailWater, structures, pipes, files, hglTop,
  // findingStructureRows, findingPipeRows, branchIds}. A failed run leaves
  // no run behind: its outputs cannot be asked for.
  val run(const std::string& outfall, const std::string& tailWater, bool egl,
          const std::string& criteriaPath) {
    val result = val::object();
    result.set("ok", false);
    run_.reset();
    std::error_code ec;
    std::filesystem::remove_all(kOut, ec);
    std::filesystem::create_directories(kOut, ec);
    if (!databases_.pipe()) {
      result.set("message", std::string("No Pipe project database selected!"));
      return result;
    }
    try {
      runInto(result, outfall, tailWater, egl, criteriaPath);
    } catch (const std::exception& e) {
      run_.reset();
      result.set("ok", false);
      result.set("message", std::string(e.what()));
    }
    if (!result["ok"].as<bool>()) std::filesystem::remove_all(kOut, ec);
    return result;
  }

  // An output of the last run, written into /out when asked for (a large
  // network's drawings take long): {ok, message, warnings, name}. `id` is a
  // catalogue id; `key` the Branch ID of a one-branch output.
  val output(const std::string& id, const std::string& key) {
    val result = val::object();
    result.set("ok", false);
    const OutputDescription* output = findOutput(id);
    if (!run_) {
      result.set("message", std::string("Create Profile Data first"));
      return result;
    }
    if (!output || !output->available || output->target == OutputTarget::BranchRow) {
      result.set("message", id + ": no such output here");
      return result;
    }
    Warnings warnings;
    try {
      OutputContext context{*run_, drawing_, &checks_, "/data/SCHEDULES.xlr", 0};
      if (output->target == OutputTarget::Branch) {
        context.branchRow = branchRowOf(run_->tables(), key);
        if (context.branchRow == 0) {
          result.set("message", "branch " + oneLine(key) + " is not in the branch table");
          return result;
        }
      }
      const std::string name = setFileName(*output, key);
      const WriteResult w =
          output->write(context, std::string(kOut) + "/" + name, Overwrite::Yes, warnings);
      result.set("ok", w.written());
      result.set("name", name);
      if (!w.written())
        result.set("message", w.message.empty() ? name + " was not written"
                                                : shownText(name + ": " + w.message));
    } catch (const std::exception& e) {
      result.set("message", std::string(e.what()));
    }
    result.set("warnings", warningList(warnings));
    return result;
  }

 private:
  void runInto(val& result, const std::string& outfall, const std::string& tailWater, bool egl,
               const std::string& criteriaPath) {
    CriteriaOverrides overrides;
    if (!criteriaPath.empty()) {
      const CriteriaReadResult read = readCriteriaFile(criteriaPath);
      if (!read.overrides) {
        result.set("message", shownText(read.error));
        return;
      }
      overrides = *read.overrides;
    }
    RunInputs inputs{databases_, outfall, tailWater.empty() ? "0.0" : tailWater};
    if (!parseNumber(inputs.tailWater)) {
      result.set("message",
                 "the tail-water elevation \"" + oneLine(tailWater) + "\" is not a number");
      return;
    }
    drawing_ = DrawingOptions();
    drawing_.energyGradeLine = egl;
    // Where the time goes, for the benchmark.
    std::string timings;
    double lap = emscripten_get_now();
    auto timed = [&](const char* what) {
      const double now = emscripten_get_now();
      timings += std::string(what) + " " + std::to_string(static_cast<int>(now - lap)) + " ms; ";
      lap = now;
    };
    std::shared_ptr<const Run> run = Run::make(std::move(inputs));
    timed("create");
    result.set("warnings", warningList(run->warnings()));
    if (!run->created()) {
      result.set("message", run->failed()
                                ? shownText(run->statusLine())
                                : std::string("Create Profile Data failed: no outfall node"));
      return;
    }
    const ProfileTables& tables = run->tables();
    result.set("tailWater", run->tailWaterUsed());
    result.set("structures", tables.structures.lastFilledRow());
    result.set("pipes", tables.pipes.lastFilledRow());

    checks_ = RunFindings::check(*run, overrides);
    // The tables and the findings come with the run: the page shows them at once.
    std::vector<std::string> files;
    const OutputContext context{*run, drawing_, &checks_, "", 0};
    Warnings none;
    for (const char* id : {"structures", "pipes", "branches", "checks"}) {
      const OutputDescription& output = *findOutput(id);
      const std::string name = setFileName(output);
      const WriteResult w =
          output.write(context, std::string(kOut) + "/" + name, Overwrite::Yes, none);
      if (!w.written()) throw std::runtime_error(name + " could not be written: " + w.message);
      files.push_back(name);
    }
    timed("tables");
    result.set("files", stringList(files));
    result.set("checksSummary", findingsSummary(checks_.findings));

    // What the grids mark: structure rows whose HGL reaches the top.
    val hgl = val::array();
    for (int row = 1; row <= tables.structures.lastFilledRow(); ++row)
      if (hglReachesTop(tables.structures, row)) hgl.call<void>("push", row);
    result.set("hglTop", hgl);
    // And the rows the findings are about, as the window marks them.
    val structureFindings = val::array(), pipeFindings = val::array();
    for (const Finding& f : checks_.findings)
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
    run_ = std::move(run);
    result.set("ok", true);
    result.set("message", run_->statusLine());
  }

  ProjectDatabases databases_;
  std::shared_ptr<const Run> run_;
  RunFindings checks_;
  DrawingOptions drawing_;
};

// The outputs this page offers, from the catalogue: [{id, caption,
// extension, target, available, fileStem}].
val catalogue() {
  val list = val::array();
  for (const OutputDescription& o : outputCatalogue()) {
    val item = val::object();
    item.set("id", std::string(o.id));
    item.set("caption", std::string(o.caption));
    item.set("extension", std::string(o.extension));
    item.set("target", std::string(targetName(o.target)));
    item.set("available", o.available);
    item.set("fileStem", std::string(o.fileStem));
    list.call<void>("push", item);
  }
  return list;
}

// The name a download is saved under: "highway-structure-schedule.dxf".
std::string downloadName(const std::string& id, const std::string& pipeFileName,
                         const std::string& key) {
  const OutputDescription* output = findOutput(id);
  return output ? defaultOutputName(*output, pipeFileName, key) : id;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarvello) {
  emscripten::class_<Project>("Project")
      .constructor<>()
      .function("open", &Project::open)
      .function("run", &Project::run)
      .function("output", &Project::output);
  emscripten::function("version",
                       emscripten::optional_override([] { return std::string(TARVELLO_VERSION); }));
  emscripten::function("catalogue", &catalogue);
  emscripten::function("downloadName", &downloadName);
}

}  // namespace tarvello::web
