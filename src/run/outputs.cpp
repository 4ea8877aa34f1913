#include "run/outputs.h"

#include <array>
#include <filesystem>

#include "common/atomic_file.h"
#include "pdf/sheet_set.h"
#include "pdf/table_pages.h"
#include "profile/profile_drawings.h"
#include "reports/hgl_sheet.h"
#include "reports/quantities.h"
#include "schedules/pipe_schedule.h"
#include "schedules/structure_schedule.h"
#include "tables/csv.h"
#include "tables/row_lookups.h"

namespace tarvello {
namespace {

constexpr const char* kNoData = "Nothing to draw yet: run Create Profile Data first.";

ProfileSettings drawingSettings(const OutputContext& c, Warnings& warnings) {
  // Read once per drawing, when it starts: a bad tail water is reported once.
  ProfileSettings s =
      profileSettings(c.drawing.profileScale, c.run.unitSystem(), c.run.tailWaterUsed(), warnings);
  s.energyGradeLine = c.drawing.energyGradeLine;
  s.revisions = c.drawing.revisionMarks;
  return s;
}

WriteResult structuresCsv(const OutputContext& c, const std::string& path, Overwrite o, Warnings&) {
  return writeTextOutputInPieces(
      path, o, [&](const auto& write) { writeTableCsv(c.run.tables().structures, write); });
}
WriteResult pipesCsv(const OutputContext& c, const std::string& path, Overwrite o, Warnings&) {
  return writeTextOutputInPieces(
      path, o, [&](const auto& write) { writeTableCsv(c.run.tables().pipes, write); });
}
WriteResult branchesCsv(const OutputContext& c, const std::string& path, Overwrite o, Warnings&) {
  return writeTextOutputInPieces(
      path, o, [&](const auto& write) { writeTableCsv(c.run.tables().branches, write); });
}
WriteResult checksCsv(const OutputContext& c, const std::string& path, Overwrite o, Warnings&) {
  if (!c.checks) return WriteResult::failed(path, "the design checks were not run");
  return writeTextOutput(path, findingsCsv(c.checks->findings), o);
}
WriteResult pipeProfile(const OutputContext& c, const std::string& path, Overwrite o, Warnings& w) {
  if (!branchRowSelected(c.run.tables().branches, c.branchRow))
    return WriteResult::failed(path, "");
  return writePipeProfile(c.run.tables(), drawingSettings(c, w), c.branchRow, path, o, w);
}
WriteResult branchProfile(const OutputContext& c, const std::string& path, Overwrite o,
                          Warnings& w) {
  if (!branchRowSelected(c.run.tables().branches, c.branchRow))
    return WriteResult::failed(path, "");
  return writeBranchProfile(c.run.tables(), drawingSettings(c, w), c.branchRow, path, o, w);
}
WriteResult allProfiles(const OutputContext& c, const std::string& path, Overwrite o, Warnings& w) {
  return writeAllProfiles(c.run.tables(), drawingSettings(c, w), path, o, w);
}
WriteResult structureSchedule(const OutputContext& c, const std::string& path, Overwrite o,
                              Warnings& w) {
  return writeStructureSchedule(c.run.tables(), c.run.english(), path, o, w);
}
WriteResult pipeSchedule(const OutputContext& c, const std::string& path, Overwrite o, Warnings&) {
  return writePipeSchedule(c.run.tables(), c.run.english(), path, o);
}
constexpr const char* kNotTraced = "The run did not record its grade lines' terms.";

WriteResult hglSheet(const OutputContext& c, const std::string& path, Overwrite o, Warnings&) {
  const HglTrace* trace = c.run.hglTrace();
  if (!trace) return WriteResult::failed(path, kNotTraced);
  return writeTextOutputInPieces(
      path, o, [&](const auto& write) { writeHglSheetCsv(*trace, c.run.tables(), write); });
}
WriteResult quantities(const OutputContext& c, const std::string& path, Overwrite o, Warnings&) {
  const HglTrace* trace = c.run.hglTrace();
  if (!trace) return WriteResult::failed(path, kNotTraced);
  return writeTextOutput(path, quantitiesCsv(c.run.tables(), *trace, c.run.english()), o);
}
WriteResult warningsCsvOut(const OutputContext& c, const std::string& path, Overwrite o,
                           Warnings&) {
  return writeTextOutput(path, warningsCsv(c.run.warnings().all()), o);
}
WriteResult workbook(const OutputContext& c, const std::string& path, Overwrite o, Warnings& w) {
  // The extra worksheets in the order the set lists them: checks, computation, quantities.
  std::vector<const ExtraWorksheet*> extras;
  if (c.checks) extras.push_back(&c.checks->worksheet);
  const HglTrace* trace = c.run.hglTrace();
  ExtraWorksheet hgl, amounts;
  if (trace && c.withHglSheet) {
    hgl = hglWorksheet(*trace, c.run.tables());
    extras.push_back(&hgl);
  }
  if (trace && c.withQuantities) {
    amounts = quantitiesWorksheet(c.run.tables(), *trace, c.run.english());
    extras.push_back(&amounts);
  }
  for (const ExtraWorksheet& more : c.moreWorksheets) extras.push_back(&more);
  return exportSchedules(c.run.tables(), c.run.english(), c.templatePath, path, o, w, extras);
}
WriteResult pdfSet(const OutputContext& c, const std::string& path, Overwrite o, Warnings& w) {
  const auto size = pdfPageSize(c.drawing.pageSize);
  if (!size) return WriteResult::failed(path, "Unknown page size: " + c.drawing.pageSize);
  const ProfileSettings settings = drawingSettings(c, w);
  // After the schedules: the computation sheet's pages, then the quantities page.
  std::vector<PdfSheet> appended;
  if (const HglTrace* trace = c.run.hglTrace()) {
    if (c.withHglSheet) {
      auto pages = tablePages(hglSheetRows(*trace, c.run.tables()), "HGL Computation", *size);
      appended.insert(appended.end(), pages.begin(), pages.end());
    }
    if (c.withQuantities) {
      auto pages =
          tablePages(quantitiesRows(c.run.tables(), *trace, c.run.english()), "Quantities", *size);
      appended.insert(appended.end(), pages.begin(), pages.end());
    }
  }
  std::vector<PdfSheet> leading;
  try {
    for (const ExtraWorksheet& page : c.leadingPages)
      for (PdfSheet& sheet : textSheets(page.name, page.rows)) leading.push_back(std::move(sheet));
  } catch (const std::runtime_error& e) {
    return WriteResult::failed(path, pdfFailedMessage(path, e.what()));
  }
  return writeSheetSetPdf(c.run.tables(), settings, c.run.english(), *size,
                          c.run.inputs().databases.pipeDbPath(), path, o, w,
                          appended.empty() ? nullptr : &appended, leading);
}

using T = OutputTarget;
using R = OutputReport;
using N = OutputNeeds;
const std::array<OutputDescription, 14> kCatalogue{{
    {"structures", "Structure Table", "csv", "structures", T::Whole, "--tables", true, R::Table,
     N::Created, structuresCsv},
    {"pipes", "Pipe Table", "csv", "pipes", T::Whole, "--tables", true, R::Table, N::Created,
     pipesCsv},
    {"branches", "Branch Table", "csv", "branches", T::Whole, "--tables", true, R::Table,
     N::Created, branchesCsv},
    {"checks", "Design Checks", "csv", "design-checks", T::Whole, "--checks", true, R::Findings,
     N::Created, checksCsv},
    {"hgl-sheet", "HGL Computation", "csv", "hgl-computation", T::Whole, "--hgl-sheet", true,
     R::Table, N::Traced, hglSheet},
    {"quantities", "Quantities", "csv", "quantities", T::Whole, "--quantities", true, R::Table,
     N::Traced, quantities},
    {"warnings", "Warnings", "csv", "warnings", T::Whole, "--warnings", true, R::Table, N::Created,
     warningsCsvOut},
    {"pipe-profile", "Current Pipe Profile", "dxf", "pipe", T::BranchRow, "--pipe-profile", true,
     R::Drawing, N::BranchRow, pipeProfile},
    {"branch-profile", "Current Branch Profile", "dxf", "branch", T::Branch, "--branch-profile",
     true, R::Drawing, N::BranchRow, branchProfile},
    {"all-profiles", "All Pipe Profiles", "dxf", "all-profiles", T::Whole, "--all-profiles", true,
     R::Drawing, N::Branches, allProfiles},
    {"structure-schedule", "Structure Schedule", "dxf", "structure-schedule", T::Whole,
     "--structure-schedule", true, R::Drawing, N::StructureRows, structureSchedule},
    {"pipe-schedule", "Pipe Schedule", "dxf", "pipe-schedule", T::Whole, "--pipe-schedule", true,
     R::Drawing, N::PipeRows, pipeSchedule},
    {"workbook", "Export to Excel", "xlsx", "schedules", T::Whole, "--excel", true, R::Workbook,
     N::BranchRow, workbook},
    {"pdf", "Export PDF", "pdf", "set", T::Whole, "--pdf", true, R::Pdf, N::AnyRows, pdfSet},
}};

// A key that names a file: nothing a file system reads as a folder or stops at.
std::string fileKey(const std::string& key) {
  std::string out;
  for (const char c : key)
    out += (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
  return out;
}

bool filled(const Table& table, int column) { return !table.cell(1, column).empty(); }

}  // namespace

RunFindings RunFindings::check(const Run& run, const CriteriaOverrides& overrides) {
  return check(run, overrides.appliedTo(Criteria::forUnitSystem(run.unitSystem())));
}

RunFindings RunFindings::check(const Run& run, const Criteria& criteria) {
  RunFindings r;
  r.criteria = criteria;
  r.findings = runDesignChecks(run.tables(), r.criteria);
  r.worksheet = findingsWorksheet(r.findings);
  return r;
}

std::span<const OutputDescription> outputCatalogue() { return kCatalogue; }

const OutputDescription* findOutput(std::string_view id) {
  for (const auto& o : kCatalogue)
    if (o.id == id) return &o;
  return nullptr;
}

std::string setFileName(const OutputDescription& output, const std::string& key) {
  std::string name(output.fileStem);
  if (output.target != OutputTarget::Whole) name.append("-").append(fileKey(key));
  return name.append(".").append(output.extension);
}

std::string defaultOutputName(const OutputDescription& output, const std::string& pipeDbPath,
                              const std::string& key) {
  std::string project = std::filesystem::path(pipeDbPath).stem().string();
  if (project.empty()) project = "tarvello";
  return project + "-" + setFileName(output, key);
}

int branchRowOf(const ProfileTables& tables, const std::string& branchId) {
  const int row = findBranchRow(tables.branches, branchId);
  if (row < 1 || row > tables.branches.lastFilledRow() || !branchRowSelected(tables.branches, row))
    return 0;
  return row;
}

std::string outputBlocked(const OutputDescription& output, const Run& run, int branchRow) {
  const ProfileTables& t = run.tables();
  if (!output.available) return "This edition cannot make it.";
  switch (output.needs) {
    case OutputNeeds::Created:
      return run.created() ? "" : "No tables yet: run Create Profile Data first.";
    case OutputNeeds::Traced:
      if (!run.created()) return "No tables yet: run Create Profile Data first.";
      return run.hglTrace() ? "" : kNotTraced;
    case OutputNeeds::AnyRows:
      return filled(t.branches, branchcol::NodeOut) || filled(t.structures, strcol::StrNo) ||
                     filled(t.pipes, pipecol::PipeNo)
                 ? ""
                 : kNoData;
    case OutputNeeds::StructureRows:
      return filled(t.structures, strcol::StrNo) ? "" : kNoData;
    case OutputNeeds::PipeRows:
      return filled(t.pipes, pipecol::PipeNo) ? "" : kNoData;
    case OutputNeeds::Branches:
      return branchRowSelected(t.branches, 1) ? "" : kNoData;
    case OutputNeeds::BranchRow:
      break;
  }
  if (!branchRowSelected(t.branches, 1)) return kNoData;
  return branchRowSelected(t.branches, branchRow) ? ""
                                                  : "Pick a row of a branch in the table first.";
}

WriteResult writeTextOutputInPieces(const std::string& path, Overwrite overwrite,
                                    const TextPieces& produce) {
  std::error_code ec;
  if (overwrite == Overwrite::No && std::filesystem::exists(path, ec))
    return WriteResult::exists(path);
  std::string notice;
  const std::string failure = writeFileAtomically(path, produce, &notice);
  if (!failure.empty()) return WriteResult::failed(path, failure);
  return WriteResult::wrote(path, notice);
}

WriteResult writeTextOutput(const std::string& path, std::string_view text, Overwrite overwrite) {
  return writeTextOutputInPieces(path, overwrite, [text](const auto& write) { write(text); });
}

}  // namespace tarvello
