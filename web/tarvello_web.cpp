// The page's module: the worker hands it the two databases (and a criteria
// file) as files in the module's memory file system, and it answers with what
// the page shows and the files it offers, made from one run by the outputs
// of the catalogue that every front end shares.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <zip.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "checks/criteria.h"
#include "common/number_format.h"
#include "common/one_line.h"
#include "common/text_index.h"
#include "common/warning_groups.h"
#include "dxf/aci_colours.h"
#include "excel/excel_export.h"
#include "network/unit_constants.h"
#include "pdf/pdf_writer.h"
#include "profile/profile_drawings.h"
#include "run/outputs.h"
#include "run/project_open.h"
#include "run/run.h"
#include "submittal/revisions.h"
#include "submittal/submittal.h"
#include "tables/cell_numbers.h"
#include "tables/csv.h"
#include "tables/row_lookups.h"

namespace tarvello::web {
namespace {

using emscripten::val;

const char* const kOut = "/out";
// Where "Download all" makes its set before zipping it.
const char* const kSets = "/sets";
// The findings the page lists; all of them are in the design-checks download.
const size_t kFindingsShown = 500;

// The files are named as the user picked them, without their place in the module.
std::string shownText(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (const std::string folder : {"/in/pipe/", "/in/inlet/", "/in/criteria/", "/in/old/"})
    for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
      text.erase(at, folder.size());
  return text;
}

val stringList(const std::vector<std::string>& items) {
  // A large network's 100,000 outfalls or 22,000 branches: one text split in
  // JavaScript, not a call into it per item (unless an item holds a newline).
  if (!items.empty() && std::none_of(items.begin(), items.end(), [](const std::string& s) {
        return s.find('\n') != std::string::npos;
      })) {
    std::string joined;
    for (size_t i = 0; i < items.size(); ++i) {
      if (i > 0) joined += '\n';
      joined += items[i];
    }
    return val(joined).call<val>("split", std::string("\n"));
  }
  val list = val::array();
  for (const auto& s : items) list.call<void>("push", s);
  return list;
}

// The warnings the page shows, grouped by kind as the window's panel groups
// them. The page gets the groups and their counts; a group's sentences and a
// warning's row only when asked, so that 100,000 warnings cost no message and
// no element each.
class ShownWarnings {
 public:
  using List = std::shared_ptr<const std::vector<Warning>>;
  // Shows `warnings` from now on (a run's are shared, not copied); [{kind,
  // count, first}] in the order the kinds first occur, `first` the group's
  // first sentence.
  val show(List warnings) {
    warnings_ = warnings ? std::move(warnings) : std::make_shared<const std::vector<Warning>>();
    groups_ = groupWarnings(*warnings_);
    ++generation_;
    val list = val::array();
    for (const WarningGroup& g : groups_) {
      val item = val::object();
      item.set("kind", g.kind);
      item.set("count", static_cast<int>(g.count()));
      item.set("first", oneLine(shownText((*warnings_)[g.members.front()].text)));
      list.call<void>("push", item);
    }
    return list;
  }
  int generation() const { return generation_; }
  int count() const { return static_cast<int>(warnings_->size()); }
  // The same warnings, held by another run made from the same inputs: the
  // groups and the generation the page knows stay.
  void rebind(List warnings) {
    if (warnings && warnings->size() == warnings_->size()) warnings_ = std::move(warnings);
  }

  // The sentences of group `group`, a line each, or "" when the warnings
  // shown are no longer those of `generation`.
  std::string items(int generation, int group) const {
    const WarningGroup* g = groupOf(generation, group);
    if (!g) return "";
    std::string text;
    for (const size_t m : g->members) {
      text += oneLine(shownText((*warnings_)[m].text));
      text += '\n';
    }
    return text;
  }

  // The table row the warning `index` of group `group` is about, as the
  // window's panel finds it: {table: "structures"|"pipes"|"", row}.
  val row(int generation, int group, int index, const ProfileTables* tables) const {
    val result = val::object();
    result.set("table", std::string());
    const WarningGroup* g = groupOf(generation, group);
    if (!g || !tables || index < 0 || static_cast<size_t>(index) >= g->count()) return result;
    const Warning& w = (*warnings_)[g->members[static_cast<size_t>(index)]];
    if (!w.structure.empty()) {
      const Table& s = tables->structures;
      int r = w.branch.empty() ? s.rowCount() : findBranchStructureRow(s, w.branch, w.structure);
      if (r >= s.rowCount()) r = findStructureRow(s, w.structure);
      if (r < s.rowCount()) {
        result.set("table", std::string("structures"));
        result.set("row", r);
      }
    } else if (!w.pipe.empty()) {
      const Table& p = tables->pipes;
      for (int r = 1; r <= p.lastFilledRow(); ++r)
        if (p.cell(r, pipecol::PipeNo) == w.pipe) {
          result.set("table", std::string("pipes"));
          result.set("row", r);
          break;
        }
    }
    return result;
  }

 private:
  const WarningGroup* groupOf(int generation, int group) const {
    if (generation != generation_ || group < 0 || static_cast<size_t>(group) >= groups_.size())
      return nullptr;
    return &groups_[static_cast<size_t>(group)];
  }

  List warnings_ = std::make_shared<const std::vector<Warning>>();
  std::vector<WarningGroup> groups_;
  int generation_ = 0;
};

// Row numbers as an Int32Array: one copy, not an element pushed at a time.
val intArray(const std::vector<int>& items) {
  return val::global("Int32Array")
      .new_(val(emscripten::typed_memory_view(items.size(), items.data())));
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
  // Opens the pipe and inlet databases; {ok, message, units, english, outfalls}.
  val open(const std::string& pipePath, const std::string& inletPath) {
    databases_ = ProjectDatabases();
    forgetRun();
    val result = val::object();
    std::vector<std::string> outfalls;
    std::string error;
    try {
      error = openProject(pipePath, inletPath, databases_, &outfalls);
    } catch (const std::exception& e) {
      error = e.what();
    }
    outfalls_ = std::move(outfalls);
    return opened(result, error);
  }

  // Opens another inlet database beside the pipe database open now (the
  // user picked the inlet file after the pipe file): the answer of open(),
  // with needPipe set when no pipe database is open.
  val openInlet(const std::string& inletPath) {
    forgetRun();
    val result = val::object();
    if (!databases_.pipe()) {
      result.set("needPipe", true);
      return opened(result, "No Pipe project database selected!");
    }
    std::string error;
    try {
      error = databases_.openInletDatabase(inletPath);
    } catch (const std::exception& e) {
      error = e.what();
    }
    return opened(result, error);
  }

  // Create Profile Data and the tables and findings into /out; {ok, message,
  // warningGroups, warningGeneration, warningCount, tailWater, rowCounts, structures, pipes, files,
  // fileIds, hglTop, findingStructureRows, findingPipeRows, findings, findingCount, criteriaLine,
  // branchIds}. A failed run leaves no run behind: its outputs cannot be asked for.
  val run(const std::string& outfall, const std::string& tailWater, bool egl,
          const std::string& criteriaPath) {
    val result = val::object();
    result.set("ok", false);
    forgetRun();
    setWarnings(result, nullptr);
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

  // "" while the last run matches these fields, else the line saying it does not.
  std::string staleLine(const std::string& outfall, const std::string& tailWater) const {
    return run_ ? run_->staleLine(outfall, tailWater.empty() ? "0.0" : tailWater, databases_) : "";
  }

  // The criteria a run would check against: the open project's defaults with
  // the criteria file (if any) applied; {ok, line, message}.
  val criteria(const std::string& criteriaPath) const {
    val result = val::object();
    CriteriaOverrides overrides;
    if (!criteriaPath.empty()) {
      const CriteriaReadResult read = readCriteriaFile(criteriaPath);
      if (!read.overrides) {
        result.set("ok", false);
        result.set("message", shownText(read.error));
        return result;
      }
      overrides = *read.overrides;
    }
    result.set("ok", true);
    result.set("line", criteriaInForce(
                           overrides.appliedTo(Criteria::forUnitSystem(databases_.unitSystem())),
                           english()));
    return result;
  }

  // The energy grade line and the PDF set's paper are options of the
  // drawings, not of the run.
  void setEnergyGradeLine(bool on) { drawing_.energyGradeLine = on; }
  void setPageSize(const std::string& name) { drawing_.pageSize = name; }

  // Compares the last run with the earlier set whose tables are in `folder`
  // (structures.csv, pipes.csv, design-checks.csv as a set names them):
  // {ok, message, rows (heads first), summary, name}; the log is written to
  // /out/revisions.csv, and "Download all" then includes it.
  val compare(const std::string& folder) {
    val result = val::object();
    result.set("ok", false);
    previous_.reset();
    if (!run_) {
      result.set("message", std::string("Create Profile Data first"));
      return result;
    }
    try {
      auto previous = std::make_unique<PreviousSet>();
      const std::string error =
          readPreviousSet(folder, setTablesOf(*run_, &checks_.findings), *previous);
      // The worker names the files as the user picked them.
      if (!error.empty()) {
        result.set("message", error);
        return result;
      }
      const auto revisions = compareSets(previous->tables, setTablesOf(*run_, &checks_.findings));
      const std::string name = "revisions.csv";
      const WriteResult w =
          writeTextOutput(std::string(kOut) + "/" + name, revisionsCsv(revisions), Overwrite::Yes);
      if (!w.written()) {
        result.set("message", name + ": " + w.message);
        return result;
      }
      val rows = val::array();
      for (const auto& row : revisionRows(revisions)) rows.call<void>("push", stringList(row));
      result.set("rows", rows);
      result.set("summary", revisionsSummary(revisions));
      result.set("name", name);
      result.set("ok", true);
      previous_ = std::move(previous);
    } catch (const std::exception& e) {
      result.set("message", std::string(e.what()));
    }
    return result;
  }

  // Everything at once: the set tarvello-cli --submittal writes for the same
  // inputs (with revisions.csv when an earlier set was compared), zipped into
  // /out; {ok, message, warnings, name}.
  val submittal() {
    val result = val::object();
    result.set("ok", false);
    if (!run_) {
      result.set("message", std::string("Create Profile Data first"));
      return result;
    }
    std::error_code ec;
    const std::string folder = std::string(kSets) + "/set", zipName = "submittal.zip";
    std::filesystem::remove_all(kSets, ec);
    std::filesystem::create_directories(kSets, ec);
    try {
      traceRun();  // the set carries the computation sheet and the quantities
      SubmittalOptions options;
      options.drawing = drawing_;
      options.checks = &checks_;
      options.templatePath = "/data/SCHEDULES.xlr";
      options.tailWaterGiven = tailWaterGiven_;
      options.version = TARVELLO_VERSION;
      options.previous = previous_.get();
      const SubmittalResult set = writeSubmittal(*run_, folder, options);
      if (!set.warnings.empty())
        setWarnings(result, std::make_shared<const std::vector<Warning>>(set.warnings.all()));
      if (!set.ok()) {
        result.set("message", shownText(set.error));
      } else if (std::string error =
                     zipFolder(folder, set.files, std::string(kOut) + "/" + zipName);
                 !error.empty()) {
        result.set("message", zipName + ": " + error);
      } else {
        result.set("ok", true);
        result.set("name", zipName);
      }
    } catch (const std::exception& e) {
      result.set("message", std::string(e.what()));
    }
    // The set lives on only in the zip: the module's memory is the page's.
    std::filesystem::remove_all(kSets, ec);
    return result;
  }

  // An output of the last run, written into /out when asked for (a large
  // network's drawings take long): {ok, message, name} and, when it warned,
  // the warnings as run() gives them. `id` is a
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
      if (output->needs == OutputNeeds::Traced) traceRun();
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
    if (!warnings.empty())
      setWarnings(result, std::make_shared<const std::vector<Warning>>(warnings.all()));
    return result;
  }

  // The sentences of a group of the warnings shown, a line each ("" once
  // other warnings are shown than those of `generation`).
  std::string warningItems(int generation, int group) const {
    return shown_.items(generation, group);
  }
  // The row of the tables a warning is about: {table, row}, table "" when none.
  val warningRow(int generation, int group, int index) const {
    return shown_.row(generation, group, index, run_ ? &run_->tables() : nullptr);
  }

 private:
  // The answer of an open: {ok, message, units, english, outfalls}; a
  // failure leaves no database open.
  val opened(val& result, const std::string& error) {
    result.set("ok", error.empty());
    result.set("message", shownText(error));
    if (error.empty()) {
      result.set("units", databases_.unitSystem());
      result.set("english", english());
      result.set("outfalls", stringList(outfalls_));
    } else {
      databases_ = ProjectDatabases();
      outfalls_.clear();
    }
    return result;
  }

  // Lets go of the last run and all it holds (its warnings shown keep it
  // alive, and its findings are as many as its rows) before another is read:
  // the module's memory never shrinks, so two projects held at once would
  // keep the larger high-water mark for good.
  void forgetRun() {
    run_.reset();
    previous_.reset();
    checks_ = RunFindings();
    shown_.show(nullptr);
  }

  // The last run again from its own inputs, recording the grade lines' terms
  // (the computation sheet, the quantities and the whole set need them): the
  // same tables, findings and warnings. Recording them in every run cost a
  // large network a tenth of its time and 27 MB it might never use.
  void traceRun() {
    if (!run_ || run_->hglTrace()) return;
    RunInputs inputs = run_->inputs();
    inputs.traceHgl = true;
    std::shared_ptr<const Run> traced = Run::make(std::move(inputs));
    if (!traced->created())
      throw std::runtime_error("the run could not be made again: " + traced->failure());
    shown_.rebind(ShownWarnings::List(traced, &traced->warnings().all()));
    run_ = std::move(traced);
  }

  void setWarnings(val& result, ShownWarnings::List warnings) {
    result.set("warningGroups", shown_.show(std::move(warnings)));
    result.set("warningGeneration", shown_.generation());
    result.set("warningCount", shown_.count());
  }

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
    tailWaterGiven_ = tailWater;
    // The grade lines' terms are recorded when an output first needs them.
    RunInputs inputs{databases_, outfall, tailWater.empty() ? "0.0" : tailWater, false};
    if (!parseNumber(inputs.tailWater)) {
      result.set("message",
                 "the tail-water elevation \"" + oneLine(tailWater) + "\" is not a number");
      return;
    }
    const std::string pageSize = drawing_.pageSize;
    drawing_ = DrawingOptions();
    drawing_.energyGradeLine = egl;
    drawing_.pageSize = pageSize;
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
    setWarnings(result, ShownWarnings::List(run, &run->warnings().all()));
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
    // The rows each table's CSV holds after its heads, so that the page need
    // not read a file through to count them.
    val rowCounts = val::object();
    rowCounts.set("structures", tables.structures.lastFilledRow());
    rowCounts.set("pipes", tables.pipes.lastFilledRow());
    rowCounts.set("branches", tables.branches.lastFilledRow());
    result.set("rowCounts", rowCounts);

    checks_ = RunFindings::check(*run, overrides);
    timed("checks");
    // The tables and the findings come with the run: the page shows them at once.
    std::vector<std::string> files, fileIds;
    const OutputContext context{*run, drawing_, &checks_, "", 0};
    Warnings none;
    // The computation sheet and the quantities need the grade lines' terms:
    // they are made when their tab or their download asks for them.
    for (const char* id : {"structures", "pipes", "branches", "checks"}) {
      const OutputDescription& output = *findOutput(id);
      const std::string name = setFileName(output);
      const WriteResult w =
          output.write(context, std::string(kOut) + "/" + name, Overwrite::Yes, none);
      if (!w.written()) throw std::runtime_error(name + " could not be written: " + w.message);
      files.push_back(name);
      fileIds.push_back(id);
    }
    timed("tables");
    result.set("files", stringList(files));
    result.set("fileIds", stringList(fileIds));
    result.set("criteriaLine", criteriaInForce(checks_.criteria, run->english()));
    result.set("checksSummary", findingsSummary(checks_.findings));

    // What the grids mark: structure rows whose HGL reaches the top.
    std::vector<int> hgl;
    for (int row = 1; row <= tables.structures.lastFilledRow(); ++row)
      if (hglReachesTop(tables.structures, row)) hgl.push_back(row);
    result.set("hglTop", intArray(hgl));
    // And the rows the findings are about, as the window marks them.
    std::vector<int> structureFindings, pipeFindings;
    for (const Finding& f : checks_.findings)
      (f.table == CheckTable::Structures ? structureFindings : pipeFindings).push_back(f.row);
    result.set("findingStructureRows", intArray(structureFindings));
    result.set("findingPipeRows", intArray(pipeFindings));
    result.set("findings", findingList(checks_.findings, run->english()));
    result.set("findingCount", static_cast<int>(checks_.findings.size()));
    // One entry per branch, in the order the branch table lists them.
    std::vector<std::string> branchIds;
    TextIndex seen;
    const int branchRows = tables.branches.lastFilledRow();
    for (int row = 1; row <= branchRows; ++row)
      if (branchRowSelected(tables.branches, row)) {
        const CellText id = tables.branches.cell(row, branchcol::BranchId);
        const size_t known = seen.size();
        if (seen.add(id) == known) branchIds.emplace_back(id);
      }
    result.set("branchIds", stringList(branchIds));
    timed("marks");
    result.set("timings", timings);
    run_ = std::move(run);
    result.set("ok", true);
    result.set("message", run_->statusLine());
  }

  bool english() const { return UnitConstants::forUnitSystem(databases_.unitSystem()).english; }

  // The first findings as the page's table shows them: [{rule, branchId,
  // structure, pipe, value, limit, unit, table, row}].
  static val findingList(const std::vector<Finding>& findings, bool englishUnits) {
    val list = val::array();
    // The cells of the shown ones only: a large network has 100,000 findings.
    const std::vector<Finding> shown(
        findings.begin(),
        findings.begin() + static_cast<std::ptrdiff_t>(std::min(findings.size(), kFindingsShown)));
    const auto rows = findingRows(shown);
    for (size_t i = 0; i < shown.size(); ++i) {
      const Finding& f = findings[i];
      const auto& cells = rows[i + 1];
      val item = val::object();
      item.set("rule", cells[0]);
      item.set("branchId", cells[1]);
      item.set("structure", cells[2]);
      item.set("pipe", cells[3]);
      item.set("value", cells[4]);
      item.set("limit", cells[5]);
      item.set("unit", std::string(checkRuleUnit(f.rule, englishUnits)));
      item.set("table", std::string(f.table == CheckTable::Structures ? "structures" : "pipes"));
      item.set("row", f.row);
      list.call<void>("push", item);
    }
    return list;
  }

  // Writes `names` of `folder` into a new zip at `zipPath`, at its top level
  // in that order; "" or the reason it failed.
  static std::string zipFolder(const std::string& folder, const std::vector<std::string>& names,
                               const std::string& zipPath) {
    int code = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
      return "the archive could not be made (libzip error " + std::to_string(code) + ")";
    for (const std::string& name : names) {
      const std::string path = folder + "/" + name;
      zip_source_t* source = zip_source_file(archive, path.c_str(), 0, 0);
      if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
        if (source) zip_source_free(source);
        const std::string error = name + " could not be added: " + zip_strerror(archive);
        zip_discard(archive);
        return error;
      }
    }
    if (zip_close(archive) != 0) {
      const std::string error = zip_strerror(archive);
      zip_discard(archive);
      return error;
    }
    return "";
  }

  ProjectDatabases databases_;
  std::vector<std::string> outfalls_;  // of the pipe database open
  std::shared_ptr<const Run> run_;
  RunFindings checks_;
  DrawingOptions drawing_;
  std::string tailWaterGiven_;  // as typed, for the set's manifest
  // The earlier set the last run was compared with, if any.
  std::unique_ptr<PreviousSet> previous_;
  ShownWarnings shown_;
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

// The colours of the AutoCAD colour indices 0..255, "#rrggbb", as the window's
// viewer draws them.
val aciColours() {
  val list = val::array();
  char text[8];
  for (int i = 0; i < 256; ++i) {
    const AciRgb c = aciRgb(i);
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    list.call<void>("push", std::string(text));
  }
  return list;
}

// The design-check rules: [{id, description}], the descriptions as tool tips.
val checkRules() {
  val list = val::array();
  for (int r = 0; r < kCheckRuleCount; ++r) {
    val item = val::object();
    item.set("id", std::string(checkRuleId(static_cast<CheckRule>(r))));
    item.set("description", std::string(checkRuleDescription(static_cast<CheckRule>(r))));
    list.call<void>("push", item);
  }
  return list;
}

// The PDF set's papers as the window offers them: [{name, label}],
// "tabloid (17 x 11 in)", the default first.
val pageSizes() {
  val list = val::array();
  for (const PdfPageSize& size : pdfPageSizes()) {
    val item = val::object();
    item.set("name", size.name);
    item.set("label", pdfPageSizeLabel(size));
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

// A file of the page's own named after the project as the catalogue's are:
// "highway-submittal.zip".
std::string projectFileName(const std::string& pipeFileName, const std::string& name) {
  std::string project = std::filesystem::path(pipeFileName).stem().string();
  return (project.empty() ? "tarvello" : project) + "-" + name;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarvello) {
  emscripten::class_<Project>("Project")
      .constructor<>()
      .function("open", &Project::open)
      .function("openInlet", &Project::openInlet)
      .function("run", &Project::run)
      .function("output", &Project::output)
      .function("staleLine", &Project::staleLine)
      .function("criteria", &Project::criteria)
      .function("warningItems", &Project::warningItems)
      .function("warningRow", &Project::warningRow)
      .function("setEnergyGradeLine", &Project::setEnergyGradeLine)
      .function("setPageSize", &Project::setPageSize)
      .function("compare", &Project::compare)
      .function("submittal", &Project::submittal);
  emscripten::function("version",
                       emscripten::optional_override([] { return std::string(TARVELLO_VERSION); }));
  emscripten::function("catalogue", &catalogue);
  emscripten::function("downloadName", &downloadName);
  emscripten::function("projectFileName", &projectFileName);
  emscripten::function("aciColours", &aciColours);
  emscripten::function("checkRules", &checkRules);
  emscripten::function("pageSizes", &pageSizes);
}

}  // namespace tarvello::web
