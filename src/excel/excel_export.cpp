#include "excel_export.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <optional>
#include <random>

#include "common/atomic_file.h"
#include "common/number_format.h"
#include "common/warnings.h"
#include "excel/xlsx_workbook.h"
#include "schedules/schedule_rows.h"
#include "schedules/schedule_sheet.h"
#include "tables/profile_tables.h"

namespace tarvello {

namespace fs = std::filesystem;

namespace {

constexpr int kFirstDataRow = 5;

// Worksheet columns.
enum : int { B = 2, C, D, E, F, G, H, I, J, K, L, M };

void writeStructureRow(XlsxWorksheet& sheet, int n, const StructureScheduleRow& row) {
  sheet.styleLikeRow(n, kFirstDataRow);
  sheet.setText(n, B, row.strNo);
  sheet.setText(n, D, row.station);
  sheet.setText(n, E, row.workbookOffset());
  sheet.setText(n, F, row.standardAndType);
  sheet.setText(n, G, row.top);
  if (row.hasInvertIn) sheet.setText(n, H, row.invertIn);
  if (row.tableRow > 1) sheet.setText(n, I, row.invertOut);
  // The shortest decimal of the single, so 5.46 stays 5.46.
  sheet.setNumber(n, J, row.depth ? parseNumber(shortestSingle(*row.depth)).value_or(0.0) : 0.0);
  sheet.setText(n, K, row.inletLength);
  sheet.setText(n, L, row.shaping);
  if (row.frameAndCover) sheet.setText(n, M, kFrameAndCover);
}

// The template's heads are in English units; a metric project's workbook
// gets the same metric words as its DXF schedules. Only changed cells are
// rewritten, so the heads keep their template styles.
void useMetricHeads(XlsxWorksheet& sheet) {
  for (int row = 1; row < kFirstDataRow; ++row)
    for (int column = 1; column <= 26; ++column) {  // A to Z: the template's and some spare
      const std::string head = sheet.text(row, column);
      if (const std::string metric = metricHead(head); metric != head)
        sheet.setText(row, column, metric);
    }
}

std::optional<std::string> readWholeFile(const fs::path& path, std::string& reason) {
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    reason = "the file does not exist";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    reason = std::strerror(errno);
    return std::nullopt;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    reason = "reading it failed";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

void fillStructureWorksheet(const ProfileTables& tables, XlsxWorksheet& sheet, Warnings& warnings) {
  int n = kFirstDataRow;
  for (const StructureScheduleRow& row : structureScheduleRows(tables, warnings))
    writeStructureRow(sheet, n++, row);
}

void fillPipeWorksheet(const ProfileTables& tables, XlsxWorksheet& sheet) {
  int n = kFirstDataRow;
  for (const PipeScheduleRow& row : pipeScheduleRows(tables)) {
    sheet.styleLikeRow(n, kFirstDataRow);
    sheet.setText(n, C, row.fromStr);
    sheet.setText(n, D, row.toStr);
    sheet.setText(n, E, row.workbookSize());
    sheet.setText(n, F, row.shape);
    sheet.setText(n, G, row.material);
    sheet.setText(n, H, row.count);
    sheet.setText(n, I, row.invertIn);
    sheet.setText(n, J, row.invertOut);
    sheet.setText(n, K, row.length);
    sheet.setText(n, L, row.skew);
    sheet.setText(n, M, row.cover);
    ++n;
  }
}

std::string excelFailedMessage(const std::string& path, const std::string& reason) {
  return "Excel workbook could not be written:\n" + path + "\n" + reason;
}

std::string excelTemplateMessage(const std::string& templatePath, const std::string& reason) {
  return "Excel template could not be read:\n" + templatePath + "\n" + reason;
}

WriteResult exportSchedules(const ProfileTables& tables, bool englishUnits,
                            const std::string& templatePath, const std::string& target,
                            Overwrite overwrite, Warnings& warnings, const ExtraWorksheet* extra) {
  auto cannotWrite = [&](const std::string& reason) {
    return WriteResult::failed(target, excelFailedMessage(target, reason));
  };
  auto cannotReadTemplate = [&](const std::string& reason) {
    return WriteResult::failed(target, excelTemplateMessage(templatePath, reason));
  };

  std::error_code ec;
  const auto status = fs::status(fs::path(target), ec);
  if (fs::exists(status)) {
    // Renaming over a folder would fail, or replace something that is no workbook.
    if (!fs::is_regular_file(status))
      return cannotWrite("the name belongs to something that is not a file");
    if (overwrite == Overwrite::No) return WriteResult::exists(target);
  }

  auto outOfMemory = [&] {
    return WriteResult::failed(target, "There is not enough memory to read " + templatePath + ".");
  };

  std::string reason;
  std::optional<std::string> templateBytes;
  try {
    templateBytes = readWholeFile(fs::path(templatePath), reason);
  } catch (const std::bad_alloc&) {
    return outOfMemory();
  }
  if (!templateBytes) return cannotReadTemplate(reason);

  // The template is copied to the temporary file and edited there; libzip
  // saves through a temporary file of its own renamed over ours, which the
  // writer then gives the replaced file's mode, flushes and puts in place.
  AtomicFile copy{fs::path(target)};
  if (!copy.open()) return cannotWrite(copy.error());
  copy.write(*templateBytes);
  if (reason = copy.close(); !reason.empty()) return cannotWrite(reason);

  XlsxWorkbook workbook;
  XlsxWorksheet* structures = nullptr;
  XlsxWorksheet* pipes = nullptr;
  try {
    if (!workbook.open(copy.temporaryPath().string()))
      return cannotReadTemplate("it is not a workbook (" + workbook.error() + ")");
    if (workbook.worksheetCount() < 2)
      return cannotReadTemplate("it needs a structure worksheet and a pipe worksheet");
    structures = workbook.worksheet(0);
    pipes = structures ? workbook.worksheet(1) : nullptr;
  } catch (const std::bad_alloc&) {
    return outOfMemory();
  }
  if (!pipes) return cannotReadTemplate(workbook.error());

  fillStructureWorksheet(tables, *structures, warnings);
  fillPipeWorksheet(tables, *pipes);
  if (!englishUnits) {
    useMetricHeads(*structures);
    useMetricHeads(*pipes);
  }
  if (extra) {
    XlsxWorksheet* sheet = workbook.addWorksheet(extra->name);
    if (!sheet) return cannotWrite(workbook.error());
    for (size_t r = 0; r < extra->rows.size(); ++r)
      for (size_t c = 0; c < extra->rows[r].size(); ++c)
        sheet->setText(static_cast<int>(r + 1), static_cast<int>(c + 1), extra->rows[r][c]);
  }
  if (!workbook.setActiveWorksheet(0)) return cannotReadTemplate(workbook.error());
  if (!workbook.save()) return cannotWrite(workbook.error());
  if (reason = copy.commit(); !reason.empty()) return cannotWrite(reason);
  return WriteResult::wrote(target, copy.notice());
}

}  // namespace tarvello
