#include "excel_export.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "common/atomic_file.h"
#include "common/number_format.h"
#include "common/warnings.h"
#include "excel/xlsx_workbook.h"
#include "tables/profile_tables.h"

namespace tarvello {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFrameAndCover = "MH-1FR.&C";
constexpr int kFirstDataRow = 5;

// Worksheet columns.
enum : int { B = 2, C, D, E, F, G, H, I, J, K, L, M };

// The whole-number part of a Branch ID cell.
std::optional<long> wholeNumber(const std::string& text) {
  const auto value = parseNumber(text);
  if (!value || std::fabs(*value) > 1e9) return std::nullopt;
  return static_cast<long>(std::trunc(*value));
}

std::optional<float> singleOf(const std::string& text) {
  const auto value = parseNumber(text);
  if (!value) return std::nullopt;
  const auto single = static_cast<float>(*value);
  if (!std::isfinite(single)) return std::nullopt;
  return single;
}

// Top minus bottom at single precision, rounded to hundredths. The result goes
// into the cell as the shortest decimal of that single, so 5.46 stays 5.46
// instead of widening to 5.46000003814697.
std::optional<double> verticalDepth(const std::string& top, const std::string& bottom) {
  const auto t = singleOf(top);
  const auto b = singleOf(bottom);
  if (!t || !b) return std::nullopt;
  const float depth = *t - *b;
  if (!std::isfinite(depth)) return std::nullopt;
  const auto rounded = singleOf(formatFixed(static_cast<double>(depth), 2));
  if (!rounded) return std::nullopt;
  return parseNumber(shortestSingle(*rounded));
}

std::string rowLabel(int row) { return "Structure table row " + std::to_string(row); }

void writeStructureScheduleRow(const ProfileTables& tables, XlsxWorksheet& sheet, int n, int r,
                               bool lastOfBranch, Warnings& warnings) {
  const Table& s = tables.structures;
  const Table& p = tables.pipes;
  sheet.styleLikeRow(n, kFirstDataRow);

  sheet.setText(n, B, s.cell(r, strcol::StrNo));
  sheet.setText(n, D, s.cell(r, strcol::Station));
  const std::string& side = s.cell(r, strcol::OffsetLoc);
  sheet.setText(n, E,
                side.empty() ? s.cell(r, strcol::Offset) : s.cell(r, strcol::Offset) + "-" + side);
  sheet.setText(n, F, s.cell(r, strcol::VdotStd) + "/" + s.cell(r, strcol::StrType));
  sheet.setText(n, G, s.cell(r, strcol::TopElev));

  if (!lastOfBranch) {
    // Each branch lists one structure more than it has pipes, so this is the
    // pipe that enters the structure from upstream.
    if (const auto branch = wholeNumber(s.cell(r, strcol::BranchId)))
      sheet.setText(n, H, p.cell(r - static_cast<int>(*branch - 1), pipecol::ElevOut));
    else
      warnings.add(rowLabel(r) + ": \"Branch ID\" is not a number, so INV. IN was left empty.");
  }

  std::optional<double> depth;
  if (r <= 1) {
    // The outfall structure has no outlet pipe of its own in the table: its
    // depth is measured to the outlet end of the first pipe.
    depth = verticalDepth(s.cell(r, strcol::TopElev), p.cell(r, pipecol::ElevOut));
    if (!depth)
      warnings.add(rowLabel(r) +
                   ": the vertical depth needs numbers in \"Top Elev.\" and the pipe table's "
                   "\"Elev. Out\"; 0 was written.");
  } else {
    sheet.setText(n, I, s.cell(r, strcol::BottomElev));
    depth = verticalDepth(s.cell(r, strcol::TopElev), s.cell(r, strcol::BottomElev));
    if (!depth)
      warnings.add(rowLabel(r) +
                   ": the vertical depth needs numbers in \"Top Elev.\" and \"Bottom Elev.\"; 0 "
                   "was written.");
  }
  sheet.setNumber(n, J, depth.value_or(0.0));

  sheet.setText(n, K, s.cell(r, strcol::Length));
  sheet.setText(n, L, s.cell(r, strcol::Shaping));
  const std::string& type = s.cell(r, strcol::StrType);
  if (type == "Man Hole" || type == "Junction Box") sheet.setText(n, M, kFrameAndCover);
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
  const Table& s = tables.structures;
  long previousBranch = wholeNumber(s.cell(1, strcol::BranchId)).value_or(0);
  long currentBranch = 0;
  bool lastOfBranch = false;
  int n = kFirstDataRow;
  for (int r = 1; r < s.rowCount(); ++r) {
    if (s.cell(r, strcol::StrNo).empty()) break;
    if (s.cell(r + 1, strcol::StrNo).empty()) lastOfBranch = true;
    const auto nextBranch = wholeNumber(s.cell(r + 1, strcol::BranchId));
    if (nextBranch && *nextBranch != previousBranch) lastOfBranch = true;
    // An unreadable Branch ID keeps the branch of the row before.
    currentBranch = wholeNumber(s.cell(r, strcol::BranchId)).value_or(currentBranch);
    // The first row of every branch after the first is never its last.
    if (currentBranch != previousBranch) lastOfBranch = false;
    writeStructureScheduleRow(tables, sheet, n, r, lastOfBranch, warnings);
    previousBranch = currentBranch;
    ++n;
    lastOfBranch = false;
  }
}

void fillPipeWorksheet(const ProfileTables& tables, XlsxWorksheet& sheet) {
  const Table& p = tables.pipes;
  int n = kFirstDataRow;
  for (int r = 1; r < p.rowCount(); ++r) {
    if (p.cell(r, pipecol::PipeNo).empty()) break;
    sheet.styleLikeRow(n, kFirstDataRow);
    sheet.setText(n, C, p.cell(r, pipecol::NodeIn));
    sheet.setText(n, D, p.cell(r, pipecol::NodeOut));
    const std::string& rise = p.cell(r, pipecol::DiaRise);
    sheet.setText(
        n, E,
        p.cell(r, pipecol::Shape) == "Circular" ? rise : rise + "x" + p.cell(r, pipecol::Span));
    sheet.setText(n, F, p.cell(r, pipecol::Shape));
    sheet.setText(n, G, p.cell(r, pipecol::Material));
    sheet.setText(n, H, p.cell(r, pipecol::NumPipes));
    sheet.setText(n, I, p.cell(r, pipecol::ElevIn));
    sheet.setText(n, J, p.cell(r, pipecol::ElevOut));
    sheet.setText(n, K, p.cell(r, pipecol::Length));
    sheet.setText(n, L, p.cell(r, pipecol::Skew));
    sheet.setText(n, M, p.cell(r, pipecol::HeightOfCover));
    ++n;
  }
}

std::string excelFailedMessage(const std::string& path, const std::string& reason) {
  return "Excel workbook could not be written:\n" + path + "\n" + reason;
}

std::string excelTemplateMessage(const std::string& templatePath, const std::string& reason) {
  return "Excel template could not be read:\n" + templatePath + "\n" + reason;
}

WriteResult exportSchedules(const ProfileTables& tables, const std::string& templatePath,
                            const std::string& target, Overwrite overwrite, Warnings& warnings,
                            const ExtraWorksheet* extra) {
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

  std::string reason;
  const auto templateBytes = readWholeFile(fs::path(templatePath), reason);
  if (!templateBytes) return cannotReadTemplate(reason);

  // The template is copied to the temporary file, edited there and renamed
  // into place only when complete.
  AtomicFile copy{fs::path(target)};
  if (!copy.open()) return cannotWrite(copy.error());
  copy.write(*templateBytes);
  if (reason = copy.close(); !reason.empty()) return cannotWrite(reason);

  XlsxWorkbook workbook;
  if (!workbook.open(copy.temporaryPath().string()))
    return cannotReadTemplate("it is not a workbook (" + workbook.error() + ")");
  if (workbook.worksheetCount() < 2)
    return cannotReadTemplate("it needs a structure worksheet and a pipe worksheet");
  XlsxWorksheet* structures = workbook.worksheet(0);
  XlsxWorksheet* pipes = structures ? workbook.worksheet(1) : nullptr;
  if (!pipes) return cannotReadTemplate(workbook.error());

  fillStructureWorksheet(tables, *structures, warnings);
  fillPipeWorksheet(tables, *pipes);
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
  return WriteResult::wrote(target);
}

}  // namespace tarvello
