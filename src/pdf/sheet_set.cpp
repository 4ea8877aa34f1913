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
  for (const Warning& w : from.all())
    if (seen.insert(w.text).second) to.add(w);
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
    if (settings.revisions) drawing.addLayer(kRevisionLayer, kRevisionColour);
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

std::vector<PdfSheet> textSheets(const std::string& title,
                                 const std::vector<std::vector<std::string>>& rows) {
  // A tabloid sheet in inches: the frame fixes the scale, so every page's text is alike.
  constexpr double kWidth = 17, kHeight = 11, kText = 0.14, kPitch = 0.22, kMargin = 0.5;
  constexpr int kRowsPerSheet = static_cast<int>((kHeight - 2 * kMargin - 2 * kPitch) / kPitch);
  std::vector<size_t> widths;
  for (const auto& row : rows)
    for (size_t c = 0; c < row.size() && row.size() > 1; ++c) {  // a line alone spans the page
      if (widths.size() <= c) widths.resize(c + 1);
      widths[c] = std::max(widths[c], std::min<size_t>(row[c].size(), 40));
    }
  const int count =
      std::max(1, (static_cast<int>(rows.size()) + kRowsPerSheet - 1) / kRowsPerSheet);
  std::vector<PdfSheet> sheets;
  for (int page = 0; page < count; ++page) {
    DxfDrawing drawing;
    drawing.dxfRectangle("0", 0, 0, 0, kWidth, kHeight, 0);
    double y = kHeight - kMargin - kText;
    drawing.dxfText("0", kMargin, y, 0, kText * 1.5, 0, 1, title);
    y -= 2 * kPitch;
    for (int r = page * kRowsPerSheet;
         r < std::min<int>(static_cast<int>(rows.size()), (page + 1) * kRowsPerSheet); ++r) {
      double x = kMargin;
      const auto& row = rows[static_cast<size_t>(r)];
      for (size_t c = 0; c < row.size(); ++c) {
        if (!row[c].empty()) drawing.dxfText("0", x, y, 0, kText, 0, 1, row[c]);
        x += (static_cast<double>(widths[c]) + 2) * kText * 0.8;
      }
      y -= kPitch;
    }
    std::string name = title;
    if (count > 1) name += ", sheet " + std::to_string(page + 1) + " of " + std::to_string(count);
    sheets.push_back({readBackDrawing(drawing), name});
  }
  return sheets;
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
                             const std::vector<PdfSheet>* appendedPages,
                             const std::vector<PdfSheet>& leading) {
  std::error_code ec;
  // Nothing is drawn when the answer is known already.
  if (overwrite == Overwrite::No && std::filesystem::exists(path, ec))
    return WriteResult::exists(path);
  std::vector<PdfSheet> sheets = leading;
  try {
    for (PdfSheet& sheet : sheetSet(tables, settings, englishUnits, warnings))
      sheets.push_back(std::move(sheet));
    if (appendedPages) sheets.insert(sheets.end(), appendedPages->begin(), appendedPages->end());
  } catch (const std::runtime_error& e) {
    return WriteResult::failed(path, pdfFailedMessage(path, e.what()));
  }
  return writePdfFile(path, overwrite, size, sheetSetInfo(pipeDbPath), sheets);
}

}  // namespace tarvello
