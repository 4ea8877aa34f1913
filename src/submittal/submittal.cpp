#include "submittal/submittal.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "common/atomic_file.h"
#include "common/sha256.h"
#include "common/source_date.h"
#include "tables/row_lookups.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr const char* kManifest = "manifest.json";

// The file names of a folder, sorted; false when it cannot be listed or holds
// anything but plain files.
bool listFiles(const fs::path& folder, std::vector<std::string>& names) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec) || it->is_symlink(ec)) return false;
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return !ec;
}

// The manifest of a folder, or nothing with the reason.
std::optional<Json> readManifest(const fs::path& folder, std::string& error) {
  std::string text;
  if (!readWholeFile((folder / kManifest).string(), text)) {
    error = (folder / kManifest).string() + ": the file cannot be read";
    return std::nullopt;
  }
  Json manifest = Json::parse(text, nullptr, false);
  if (manifest.is_discarded() || !manifest.is_object() || !manifest.contains("outputs") ||
      !manifest["outputs"].is_array()) {
    error = (folder / kManifest).string() + ": this is not a manifest of a set";
    return std::nullopt;
  }
  for (const auto& output : manifest["outputs"])
    if (!output.is_object() || !output.contains("name") || !output["name"].is_string() ||
        !output.contains("sha256") || !output["sha256"].is_string() || !output.contains("size") ||
        !output["size"].is_number_unsigned()) {
      error =
          (folder / kManifest).string() + ": an output is listed without its name, size or hash";
      return std::nullopt;
    }
  return manifest;
}

Json fileEntry(const std::string& name, std::uintmax_t size, const std::string& sha256) {
  Json entry;
  entry["name"] = name;
  entry["size"] = size;
  entry["sha256"] = sha256;
  return entry;
}

Json databaseEntry(const ProjectDatabase* db, std::string& error) {
  if (!db) return nullptr;
  return fileEntry(fs::path(db->path()).filename().string(), db->stamp().size, db->sha256(error));
}

Json criteriaEntry(const Criteria& c) {
  Json entry;
  entry["freeboard"] = c.freeboard;
  entry["velocity_min"] = c.velocityMin;
  entry["velocity_max"] = c.velocityMax;
  entry["cover_min"] = c.coverMin;
  entry["size_min"] = c.sizeMin;
  Json off = Json::array();
  for (int r = 0; r < kCheckRuleCount; ++r)
    if (c.off[static_cast<size_t>(r)]) off.push_back(std::string(checkRuleId(CheckRule(r))));
  entry["off"] = off;
  return entry;
}

// Every Branch ID that can be drawn, in branch-table order, each once.
std::vector<std::string> drawableBranches(const ProfileTables& tables) {
  std::vector<std::string> ids;
  std::set<std::string> seen;
  for (int r = 1; r <= tables.branches.lastFilledRow(); ++r) {
    std::string id = tables.branches.cell(r, branchcol::BranchId).str();
    if (id.empty() || !seen.insert(id).second) continue;
    if (branchRowOf(tables, id) != 0) ids.push_back(std::move(id));
  }
  return ids;
}

// Writes one output of the set; "" or the message.
std::string writeOne(const OutputDescription& output, const OutputContext& context,
                     const fs::path& path, Warnings& warnings) {
  const WriteResult result = output.write(context, path.string(), Overwrite::No, warnings);
  if (result.written()) return "";
  const std::string reason = result.message.empty() ? "it could not be written" : result.message;
  return path.filename().string() + ": " + reason;
}

}  // namespace

std::string submittalTargetProblem(const std::string& folder, bool force) {
  const fs::path target(folder);
  std::error_code ec;
  const auto status = fs::status(target, ec);
  if (!fs::exists(status)) return "";
  if (!fs::is_directory(status)) return folder + " is not a folder";
  std::vector<std::string> names;
  if (!listFiles(target, names))
    return folder +
           " holds folders or other things that are not files of a set; nothing "
           "was written";
  if (names.empty()) return "";
  std::string error;
  const auto manifest = readManifest(target, error);
  std::vector<std::string> listed;
  if (manifest)
    for (const auto& output : (*manifest)["outputs"]) listed.push_back(output["name"]);
  listed.push_back(kManifest);
  std::sort(listed.begin(), listed.end());
  if (!manifest || listed != names)
    return folder +
           " is not empty and is not a set this program wrote (a manifest.json "
           "listing exactly its files); nothing was written";
  if (!force) return folder + " holds a previous set; give --force to replace it";
  return "";
}

SubmittalResult writeSubmittal(const Run& run, const std::string& folder,
                               const SubmittalOptions& options) {
  SubmittalResult result;
  if (!run.created()) {
    result.error = "No tables yet: run Create Profile Data first.";
    return result;
  }
  if (!options.checks) {
    result.error = "the design checks were not run";
    return result;
  }
  // An absolute path, so that "." names the folder, not the process's place in it.
  std::error_code ec;
  const fs::path target = fs::weakly_canonical(fs::absolute(fs::path(folder), ec), ec);
  if (target.filename().empty()) {
    result.error = folder + " cannot hold a set";
    return result;
  }
  if (result.error = submittalTargetProblem(target.string(), options.force); !result.error.empty())
    return result;
  // Hashed before anything is written: a database changed since it was read is refused.
  const ProjectDatabases& databases = run.inputs().databases;
  Json pipeDb = databaseEntry(databases.pipe(), result.error);
  Json inletDb = databaseEntry(databases.inlet(), result.error);
  if (!result.error.empty()) return result;
  if (!fs::exists(target.parent_path(), ec)) fs::create_directories(target.parent_path(), ec);
  // Made beside the target and renamed into place whole; dropped on any failure.
  AtomicFolder set(target);
  if (!set.open()) {
    result.error = target.string() + ": " + set.error();
    return result;
  }
  const std::string made = set.temporaryPath().string();
  auto fail = [&](std::string message) {
    set.discard();
    result.error = std::move(message);
    return result;
  };

  OutputContext context{run, options.drawing, options.checks, options.templatePath, 0};
  // Every optional worksheet and page the run can give joins the set.
  context.withHglSheet = context.withQuantities = run.hglTrace() != nullptr;
  if (options.previous) {
    result.revisions =
        compareSets(options.previous->tables, setTablesOf(run, &options.checks->findings));
    context.moreWorksheets.push_back({"Revisions", revisionRows(result.revisions)});
    // The PDF's first page: the counts, then the list.
    auto page = revisionRows(result.revisions);
    page.insert(page.begin(), {{revisionsSummary(result.revisions)}, {}});
    context.leadingPages.push_back({"Revisions", std::move(page)});
    if (options.markRevisions) context.drawing.revisionMarks = revisionMarks(result.revisions);
  }
  const fs::path dir(made);
  // Every output the catalogue can make, planned first so that the progress
  // can say how many; a table of outputs that grows joins the set.
  struct Planned {
    const OutputDescription* output;
    int branchRow;
    std::string name;
  };
  std::vector<Planned> plan;
  for (const OutputDescription& output : outputCatalogue()) {
    if (!output.available || output.target == OutputTarget::BranchRow) continue;
    if (output.target == OutputTarget::Branch) {
      for (const std::string& id : drawableBranches(run.tables()))
        plan.push_back({&output, branchRowOf(run.tables(), id), setFileName(output, id)});
      continue;
    }
    // Row 1 stands for "a row chosen": the workbook asks for one in the window.
    if (outputBlocked(output, run, 1).empty()) plan.push_back({&output, 0, setFileName(output)});
  }
  const std::size_t count = plan.size() + (options.previous ? 1 : 0) + 1;  // + the manifest
  std::size_t done = 0;
  auto goOn = [&](const std::string& name) {
    if (!options.progress || options.progress(done++, count, name)) return true;
    result.cancelled = true;
    return false;
  };
  const std::string cancelled = "The submittal was cancelled; nothing was written.";
  for (const Planned& step : plan) {
    if (!goOn(step.name)) return fail(cancelled);
    context.branchRow = step.branchRow;
    if (std::string error = writeOne(*step.output, context, dir / step.name, result.warnings);
        !error.empty())
      return fail(error);
  }
  if (options.previous) {
    if (!goOn("revisions.csv")) return fail(cancelled);
    const WriteResult written = writeTextOutput((dir / "revisions.csv").string(),
                                                revisionsCsv(result.revisions), Overwrite::No);
    if (!written.written()) return fail("revisions.csv: " + written.message);
  }
  if (!goOn(kManifest)) return fail(cancelled);

  // The manifest lists what is in the folder, so that nothing written goes unlisted.
  std::vector<std::string> names;
  if (!listFiles(dir, names)) return fail(made + " cannot be listed");
  Json outputs = Json::array();
  for (const std::string& name : names) {
    std::string error;
    const std::string hash = sha256OfFile((dir / name).string(), error);
    if (!error.empty()) return fail(name + " cannot be read back (" + error + ")");
    outputs.push_back(fileEntry(name, fs::file_size(dir / name, ec), hash));
  }
  Json manifest;
  manifest["program"] = "tarvello";
  manifest["version"] = options.version;
  manifest["created"] = isoUtcNow();
  Json& inputs = manifest["inputs"];
  inputs["pipe_db"] = std::move(pipeDb);
  inputs["inlet_db"] = std::move(inletDb);
  inputs["outfall"] = run.inputs().outfall;
  inputs["tail_water_given"] = options.tailWaterGiven.empty() ? "0.0" : options.tailWaterGiven;
  inputs["tail_water_used"] = run.tailWaterUsed();
  inputs["units"] = run.unitSystem();
  inputs["criteria"] = criteriaEntry(options.checks->criteria);
  inputs["egl"] = options.drawing.energyGradeLine;
  if (options.previous)
    manifest["previous_set"]["manifest_sha256"] = options.previous->manifestSha256;
  manifest["outputs"] = std::move(outputs);
  const WriteResult written =
      writeTextOutput((dir / kManifest).string(), manifest.dump(2) + "\n", Overwrite::No);
  if (!written.written()) return fail(std::string(kManifest) + ": " + written.message);

  // Checked again at the last moment: the folder may have been filled meanwhile.
  if (result.error = submittalTargetProblem(target.string(), options.force); !result.error.empty())
    return fail(result.error);
  // Only a previous set or an empty folder gets this far: replacing it is what was asked.
  if (std::string error = set.commit(Overwrite::Yes); !error.empty())
    return fail(target.string() + ": " + error);
  if (!set.notice().empty()) result.warnings.add(warning_kind::kNotConfirmed, set.notice());
  result.files = std::move(names);
  result.files.push_back(kManifest);
  return result;
}

VerifyResult verifySubmittal(const std::string& folder, const std::string& pipeDbPath,
                             const std::string& inletDbPath) {
  VerifyResult result;
  const fs::path dir(folder);
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    result.error = folder + ": there is no such folder";
    return result;
  }
  if (!fs::exists(dir / kManifest, ec)) {
    result.error = (dir / kManifest).string() + ": the file does not exist";
    return result;
  }
  const auto manifest = readManifest(dir, result.error);
  if (!manifest) return result;
  std::set<std::string> listed{kManifest};
  for (const auto& output : (*manifest)["outputs"]) {
    const std::string name = output["name"];
    listed.insert(name);
    const fs::path path = dir / fs::path(name).filename();
    if (!fs::is_regular_file(path, ec)) {
      result.lines.push_back("missing: " + name);
      continue;
    }
    std::string error;
    const std::string hash = sha256OfFile(path.string(), error);
    if (!error.empty() || hash != output["sha256"].get<std::string>() ||
        fs::file_size(path, ec) != output["size"].get<std::uintmax_t>())
      result.lines.push_back("changed: " + name);
  }
  std::vector<std::string> names;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  for (const auto& name : names)
    if (!listed.count(name)) result.lines.push_back("not listed: " + name);

  const Json& inputs = (*manifest).contains("inputs") ? (*manifest)["inputs"] : Json();
  for (const auto& [path, key, what] : {std::tuple{pipeDbPath, "pipe_db", "pipe database"},
                                        std::tuple{inletDbPath, "inlet_db", "inlet database"}}) {
    if (path.empty()) continue;
    std::string error;
    const std::string hash = sha256OfFile(path, error);
    const bool recorded = inputs.is_object() && inputs.contains(key) && inputs[key].is_object() &&
                          inputs[key].contains("sha256") && inputs[key]["sha256"].is_string();
    if (!error.empty())
      result.lines.push_back(std::string("not the ") + what + " of the set: " + path +
                             " cannot be read (" + error + ")");
    else if (!recorded || inputs[key]["sha256"].get<std::string>() != hash)
      result.lines.push_back(std::string("not the ") + what + " of the set: " + path);
  }
  return result;
}

}  // namespace tarvello
