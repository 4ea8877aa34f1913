#include "pdf/sheet_set.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <stdexcept>

#include "profile/pipe_plot_record.h"
#include "schedules/pipe_schedule.h"
#include "schedules/schedule_sheet.h"
#include "schedules/structure_schedule.h"
#include "tables/cell_numbers.h"

namespace tarvello {

DxfEntities readBackDrawing(const DxfDrawing& drawing) {
  std::string text = drawing.header();
  text += drawing.entityText();
  text += DxfDrawing::trailerText();
  DxfReadResult result = readDxfText(text);
  if (!result.ok)
    throw std::runtime_error("the drawing does not read back as DXF: " + result.error);
  return std::move(result.entities);
}

std::vector<DxfEntities> splitSideBySide(const DxfEntities& entities, double firstLeft,
                                         double width, double gap) {
  std::vector<DxfEntities> sheets;
  const double pitch = width + gap;
  auto sheetAt = [&](double x) -> DxfEntities& {
    const double k = std::isfinite(x) ? std::floor((x - firstLeft + gap / 2) / pitch) : 0;
    const size_t index = k > 0 ? static_cast<size_t>(std::min(k, 1e6)) : 0;
    if (sheets.size() <= index) sheets.resize(index + 1);
    return sheets[index];
  };
  for (const auto& l : entities.lines) sheetAt(std::min(l.start.x, l.end.x)).lines.push_back(l);
  for (const auto& c : entities.circles) sheetAt(c.centre.x - c.radius).circles.push_back(c);
  for (const auto& a : entities.arcs) sheetAt(a.centre.x - a.radius).arcs.push_back(a);
  for (const auto& t : entities.texts)
    sheetAt(t.hAlign == 0 && t.vAlign == 0 ? t.insertion.x : t.alignment.x).texts.push_back(t);
  for (const auto& p : entities.polylines) {
    double left = HUGE_VAL;
    for (const DxfPoint& q : p.points) left = std::min(left, q.x);
    sheetAt(left).polylines.push_back(p);
  }
  return sheets;
}

namespace {

void addOnce(Warnings& to, const Warnings& from, std::set<std::string>& seen) {
  for (const std::string& w : from.items())
    if (seen.insert(w).second) to.add(w);
}

void addSchedule(std::vector<PdfSheet>& set, const DxfDrawing& drawing, const std::string& title) {
  std::vector<DxfEntities> sheets =
      splitSideBySide(readBackDrawing(drawing), ScheduleSheet::kFirstLeft, ScheduleSheet::kWidth,
                      ScheduleSheet::kGap);
  const size_t count = sheets.size();
  for (size_t i = 0; i < count; ++i)
    set.push_back({std::move(sheets[i]),
                   title + ", sheet " + std::to_string(i + 1) + " of " + std::to_string(count)});
}

}  // namespace

std::vector<PdfSheet> sheetSet(const ProfileTables& tables, const ProfileSettings& settings,
                               bool englishUnits, Warnings& warnings) {
  std::vector<PdfSheet> set;
  std::set<std::string> seen;
  Warnings drawn;

  // Each branch by itself, as "Current Branch Profile" draws it from the
  // branch's first row; a branch starts where the branch number changes, as
  // "All Pipe Profiles" finds them.
  Warnings unused;  // the plots report the same cells
  CellNumbers reader(unused);
  const Table& branches = tables.branches;
  long long previous = 0;
  for (int row = 1; row < branches.rowCount(); ++row) {
    if (branches.cell(row, branchcol::NodeOut).empty()) break;
    const long long branch = branchNumber(tables, row, reader);
    if (row > 1 && branch == previous) continue;
    previous = branch;
    DxfDrawing drawing;
    if (settings.energyGradeLine) drawing.addLayer(kEnergyGradeLayer, kEnergyGradeColour);
    ProfilePlot(tables, settings, drawing, drawn).drawBranchProfile(row);
    set.push_back({readBackDrawing(drawing), "Branch " + branches.cell(row, branchcol::BranchId)});
    addOnce(warnings, drawn, seen);
    drawn.clear();
  }

  if (!tables.structures.cell(1, strcol::StrNo).empty()) {
    addSchedule(set, structureScheduleDrawing(tables, englishUnits, drawn), "Structure Schedule");
    addOnce(warnings, drawn, seen);
  }
  if (!tables.pipes.cell(1, pipecol::PipeNo).empty())
    addSchedule(set, pipeScheduleDrawing(tables, englishUnits), "Pipe Schedule");
  return set;
}

PdfDocumentInfo sheetSetInfo(const std::string& pipeDbPath) {
  PdfDocumentInfo info;
  info.source = std::filesystem::path(pipeDbPath).filename().string();
  info.title = "Tarvello - " + info.source;
  return info;
}

WriteResult writeSheetSetPdf(const ProfileTables& tables, const ProfileSettings& settings,
                             bool englishUnits, const PdfPageSize& size,
                             const std::string& pipeDbPath, const std::string& path,
                             Overwrite overwrite, Warnings& warnings,
                             const std::vector<PdfSheet>* appendedPages) {
  std::error_code ec;
  // Nothing is drawn when the answer is known already.
  if (overwrite == Overwrite::No && std::filesystem::exists(path, ec))
    return WriteResult::exists(path);
  std::vector<PdfSheet> sheets;
  try {
    sheets = sheetSet(tables, settings, englishUnits, warnings);
    if (appendedPages) sheets.insert(sheets.end(), appendedPages->begin(), appendedPages->end());
  } catch (const std::runtime_error& e) {
    return WriteResult::failed(path, pdfFailedMessage(path, e.what()));
  }
  return writePdfFile(path, overwrite, size, sheetSetInfo(pipeDbPath), sheets);
}

}  // namespace tarvello
