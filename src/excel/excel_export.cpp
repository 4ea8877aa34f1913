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

#include "common/number_format.h"
#include "common/warnings.h"
#include "excel/xlsx_workbook.h"
#include "tables/profile_tables.h"

namespace tarvello {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDialogTitle = "Enter New File Name for Pipe Profile Schedules";
constexpr const char* kDialogFilter = "Tarvello Schedule files (*.xlsx)|*.xlsx";
constexpr const char* kBarePattern = "*.xlsx";
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

// A file beside the target that is removed again unless it was renamed into
// place, so a failed export never leaves a half-written workbook behind.
class TemporaryFile {
 public:
  explicit TemporaryFile(const fs::path& target) {
    std::random_device random;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 16 && path_.empty(); ++attempt) {
      char suffix[16];
      std::snprintf(suffix, sizeof suffix, "%08x", random());
      fs::path candidate = folder / ("." + target.filename().string() + "." + suffix + ".tmp");
      std::error_code ec;
      if (!fs::exists(candidate, ec) && !ec) path_ = candidate;
    }
  }
  ~TemporaryFile() {
    std::error_code ec;
    if (!path_.empty()) fs::remove(path_, ec);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const fs::path& path() const { return path_; }
  // Writes the bytes into a new file; false and the reason when that failed.
  bool write(const std::string& bytes, std::string& reason) {
    if (path_.empty()) {
      reason = "no temporary file name could be found in its folder";
      return false;
    }
    // "x": never open a file that appeared meanwhile.
    std::FILE* file = std::fopen(path_.string().c_str(), "wbx");
    if (!file) {
      reason = std::strerror(errno);
      path_.clear();  // not ours
      return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
      reason = std::strerror(written ? errno : writeErrno);
      return false;
    }
    return true;
  }
  bool renameTo(const fs::path& target, std::string& reason) {
    std::error_code ec;
    fs::rename(path_, target, ec);
    if (ec) {
      reason = ec.message();
      return false;
    }
    path_.clear();
    return true;
  }

 private:
  fs::path path_;
};

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

void writeStructureSchedule(const ProfileTables& tables, XlsxWorksheet& sheet, Warnings& warnings) {
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

void writePipeSchedule(const ProfileTables& tables, XlsxWorksheet& sheet) {
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

std::optional<std::string> exportSchedulesToExcel(Session& session, UserInterface& ui) {
  session.warnings.clear();
  const Table& branches = session.tables.branches;
  if (branches.cell(branches.currentRow(), branchcol::BranchId).empty()) return std::nullopt;

  const fs::path templatePath = fs::path(session.programFolder) / kSchedulesTemplateName;

  FileDialogRequest request;
  request.title = kDialogTitle;
  request.filter = kDialogFilter;
  request.defaultExtension = ".xlsx";
  request.initialFolder = session.lastFolder;
  const std::string target = ui.askSaveFileName(request);
  if (target.empty() || target == kBarePattern) {
    ui.showMessage("No File Name selected!", MessageIcon::Exclamation);
    return std::nullopt;
  }

  auto cannotWrite = [&](const std::string& reason) -> std::optional<std::string> {
    ui.showMessage("Excel workbook could not be written:\n" + target + "\n" + reason,
                   MessageIcon::Exclamation);
    return std::nullopt;
  };
  auto cannotReadTemplate = [&](const std::string& reason) -> std::optional<std::string> {
    ui.showMessage("Excel template could not be read:\n" + templatePath.string() + "\n" + reason,
                   MessageIcon::Exclamation);
    return std::nullopt;
  };

  std::error_code ec;
  const auto status = fs::status(fs::path(target), ec);
  if (fs::exists(status)) {
    // Renaming over a folder would fail, or replace something that is no workbook.
    if (!fs::is_regular_file(status))
      return cannotWrite("the name belongs to something that is not a file");
    if (!ui.askYesNo("File Already Exists!   Overwrite?", MessageIcon::Exclamation))
      return std::nullopt;
  }

  auto outOfMemory = [&]() -> std::optional<std::string> {
    ui.showMessage("There is not enough memory to read " + templatePath.string() + ".", MessageIcon::Exclamation);
    return std::nullopt;
  };

  std::string reason;
  std::optional<std::string> templateBytes;
  try {
    templateBytes = readWholeFile(templatePath, reason);
  } catch (const std::bad_alloc&) {
    return outOfMemory();
  }
  if (!templateBytes) return cannotReadTemplate(reason);

  TemporaryFile copy{fs::path(target)};
  if (!copy.write(*templateBytes, reason)) return cannotWrite(reason);

  XlsxWorkbook workbook;
  XlsxWorksheet* structures = nullptr;
  XlsxWorksheet* pipes = nullptr;
  try {
    if (!workbook.open(copy.path().string()))
      return cannotReadTemplate("it is not a workbook (" + workbook.error() + ")");
    if (workbook.worksheetCount() < 2)
      return cannotReadTemplate("it needs a structure worksheet and a pipe worksheet");
    structures = workbook.worksheet(0);
    pipes = structures ? workbook.worksheet(1) : nullptr;
  } catch (const std::bad_alloc&) {
    return outOfMemory();
  }
  if (!pipes) return cannotReadTemplate(workbook.error());

  writeStructureSchedule(session.tables, *structures, session.warnings);
  writePipeSchedule(session.tables, *pipes);
  if (!workbook.setActiveWorksheet(0)) return cannotReadTemplate(workbook.error());
  if (!workbook.save()) return cannotWrite(workbook.error());
  if (!copy.renameTo(fs::path(target), reason)) return cannotWrite(reason);
  return target;
}

}  // namespace tarvello
