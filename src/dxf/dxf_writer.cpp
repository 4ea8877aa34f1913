#include "dxf_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

#include "common/number_format.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPlaceholder = "{}";

// The fixed header and tables, piece by piece; the pieces are joined with one
// comma each. The odd blanks ("  70", " 6") belong to the fixed text: every
// drawing must read line for line the same, and readers ignore them.
constexpr std::string_view kHeaderPieces[] = {
    "  0,SECTION,  2,HEADER,  9",
    "$ACADVER,  1,AC1009,  9",
    "$INSBASE, 10,0.0, 20,0.0, 30,0.0,  9",
    "$EXTMIN, 10,  0, 20,  0, 30,  0,  9",
    "$EXTMAX, 10,360, 20,320, 30,0.0,  9",
    "$LIMMIN, 10,0.0, 20,0.0,  9",
    "$LIMMAX, 10,100.0, 20,100.0,  9",
    "$ORTHOMODE, 70,     1,  9",
    "$DIMSCALE, 40,1.0,  9",
    "$DIMSTYLE,  2,STANDARD,  9",
    "$FILLETRAD, 40,0.0,  9",
    "$PSLTSCALE, 70,     1,  0",
    "ENDSEC,  0",
    "SECTION,  2,TABLES,  0",
    "TABLE,  2,VPORT, 70,     2,  0,VPORT,  2,*ACTIVE, 70,     0, 10,0.0, 20,0.0, 11,1.0, 21,1.0,"
    " 12,50.0, 22,50.0, 13,0.0, 23,0.0, 14,1.0, 24,1.0, 15,0.0, 25,0.0, 16,0.0, 26,0.0, 36,1.0,"
    " 17,0.0, 27,0.0, 37,0.0, 40,100.0, 41,1.55, 42,50.0, 43,0.0, 44,0.0, 50,0.0, 51,0.0,"
    " 71,     0, 72,   100, 73,     1, 74,     1, 75,     0, 76,     0, 77,     0, 78,     0,"
    "  0,ENDTAB,  0",
    "TABLE,  2,LTYPE, 70,     1,  0,LTYPE,  2,CONTINUOUS,  70,     0,  3,Solid Line, 72,    65,"
    " 73,     0, 40,0.0,  0,ENDTAB,  0",
    "TABLE,  2,LAYER, 70,     3,  0,LAYER,  2,0, 70,     0, 62,     7,  6,CONTINUOUS,  0,LAYER,"
    "  2,PIPE_PROFILE, 70,     0, 62,     7,  6,CONTINUOUS,  0,LAYER,  2,DEFPOINTS, 70,     0,"
    " 62,     7, 6,CONTINUOUS,  0,ENDTAB,  0",
    "TABLE,  2,VIEW, 70,     0,  0,ENDTAB,  0",
    "TABLE,  2,DIMSTYLE, 70,     1,  0,DIMSTYLE,  2,STANDARD, 70,     0,  3,,  4,,  5,,  6,,  7,,"
    " 40,1.0, 41,0.18, 42,0.0625, 43,0.38, 44,0.18, 45,0.0, 46,0.0, 47,0.0, 48,0.0,140,0.18,"
    "141,0.09,142,0.0,143,25.4,144,1.0,145,0.0,146,1.0,147,0.09, 71,     0, 72,     0,"
    " 73,     1, 74,     1, 75,     0, 76,     0, 77,     0, 78,     0,170,     0,171,     2,"
    "172,     0,173,     0,174,     0,175,     0,176,     0,177,     0,178,     0,  0,ENDTAB,  0",
    "ENDSEC,  0,",
};

constexpr std::string_view kBlocksBegin = "SECTION,  2,BLOCKS,  0,";
constexpr std::string_view kBlocksEnd = "ENDSEC,  0,";
constexpr std::string_view kEntitiesBegin = "SECTION,  2,ENTITIES,  0,";
constexpr std::string_view kEntitiesEnd = "ENDSEC,  0,";
constexpr std::string_view kEof = "EOF";

// Entity templates: "{}" stands for one value, in argument order. A trailing
// comma is the joint to whatever follows, not an empty token.
constexpr std::string_view kLine =
    "LINE,8,{}, 62,{}, 10,{}, 20,{}, 30,{}, 11,{}, 21,{}, 31,{},0,";
constexpr std::string_view kCircle = "CIRCLE,8,{}, 10,{}, 20,{}, 30,{}, 40,{}, 39,  0,0,";
constexpr std::string_view kText = "TEXT,8,{}, 10,{}, 20,{}, 30,{}, 40,{},1,{}, 50,{}, 41,{},0,";
// No handles: with the same handle on every rectangle, auditing readers keep
// only one of them.
constexpr std::string_view kRectangle =
    "POLYLINE,  8,{},66,1, 10,0, 20,0, 30,0, 70,1,0,"
    "VERTEX,8,0, 10,{}, 20,{}, 30,{},  0,"
    "VERTEX,8,0, 10,{}, 20,{}, 30,{},  0,"
    "VERTEX,8,0, 10,{}, 20,{}, 30,{},  0,"
    "VERTEX,8,0, 10,{}, 20,{}, 30,{},  0,"
    "SEQEND,0,";

// Cuts fixed text at every comma; a comma at the very end only joins.
void appendFixed(std::vector<std::string>& tokens, std::string_view text) {
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) {
      if (start < text.size()) tokens.emplace_back(text.substr(start));
      return;
    }
    tokens.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
}

// A value is one line whatever it holds; a line break inside it would end
// the line early and shift every group code after it.
std::string oneLine(std::string value) {
  for (char& c : value)
    if (c == '\r' || c == '\n') c = ' ';
  return value;
}

void appendTemplate(std::vector<std::string>& tokens, std::string_view templ,
                    std::initializer_list<std::string> values) {
  const size_t first = tokens.size();
  appendFixed(tokens, templ);
  auto value = values.begin();
  for (size_t i = first; i < tokens.size(); ++i) {
    if (tokens[i] == kPlaceholder && value != values.end()) tokens[i] = oneLine(*value++);
  }
}

std::string num(double value) { return singleGeneral(value); }

std::string systemReason(int error) {
  return std::error_code(error, std::generic_category()).message();
}

}  // namespace

void DxfDrawing::dxfLine(const std::string& layer, double x1, double y1, double z1, double x2,
                         double y2, double z2, int colour) {
  appendTemplate(entities_, kLine,
                 {layer, std::to_string(static_cast<short>(colour)), num(x1), num(y1), num(z1),
                  num(x2), num(y2), num(z2)});
}

void DxfDrawing::dxfCircle(const std::string& layer, double x, double y, double z,
                           double radius) {
  appendTemplate(entities_, kCircle, {layer, num(x), num(y), num(z), num(radius)});
}

void DxfDrawing::dxfText(const std::string& layer, double x, double y, double z, double height,
                         double rotation, double widthFactor, const std::string& text) {
  appendTemplate(entities_, kText,
                 {layer, num(x), num(y), num(z), num(height), text, num(rotation),
                  num(widthFactor)});
}

void DxfDrawing::dxfRectangle(const std::string& layer, double x1, double y1, double z1,
                              double x2, double y2, double z2) {
  appendTemplate(entities_, kRectangle,
                 {layer, num(x1), num(y1), num(z1), num(x2), num(y1), num(z2), num(x2), num(y2),
                  num(z2), num(x1), num(y2), num(z1)});
}

void DxfDrawing::clear() { entities_.clear(); }

std::vector<std::string> DxfDrawing::fileLines() const {
  std::vector<std::string> lines = {"999", "Tarvello", "999", "Pipe profiles and schedules"};
  std::string fixedStart;
  for (size_t i = 0; i < std::size(kHeaderPieces); ++i) {
    if (i > 0) fixedStart += ',';
    fixedStart += kHeaderPieces[i];
  }
  fixedStart += kBlocksBegin;
  fixedStart += kBlocksEnd;  // the block buffer is always empty
  fixedStart += kEntitiesBegin;
  appendFixed(lines, fixedStart);
  lines.insert(lines.end(), entities_.begin(), entities_.end());
  appendFixed(lines, std::string(kEntitiesEnd) + std::string(kEof));
  return lines;
}

bool DxfFile::create(UserInterface& ui, const std::string& lastFolder) {
  fileName_.clear();
  FileDialogRequest request;
  request.title = "Save";
  request.filter = "Create DXF files (*.dxf)|*.dxf";
  request.initialFolder = lastFolder;
  const std::string chosen = ui.askSaveFileName(request);
  if (chosen.empty() || chosen == "*.dxf") {
    ui.showMessage("No DXF File Name selected!", MessageIcon::Exclamation);
    return false;
  }
  std::error_code ec;
  if (fs::exists(fs::path(chosen), ec) &&
      !ui.askYesNo("File Already Exists!   Overwrite?", MessageIcon::Exclamation)) {
    return false;
  }
  fileName_ = chosen;
  return true;
}

bool DxfFile::finish(const DxfDrawing& drawing, UserInterface& ui) {
  const fs::path target(fileName_);
  auto fail = [&](const std::string& reason) {
    ui.showMessage("DXF file could not be written:" + fileName_ + "\n" + reason,
                   MessageIcon::Exclamation);
    return false;
  };
  if (fileName_.empty()) return fail("no file name was chosen");

  std::error_code ec;
  const auto status = fs::status(target, ec);
  // Renaming over a directory or a device would fail or, worse, replace it.
  if (fs::is_directory(status)) return fail("a folder of that name exists");
  if (fs::exists(status) && !fs::is_regular_file(status)) return fail("it is not a regular file");

  // The temporary file sits beside the target so that the rename stays on one
  // file system and never leaves a half-written drawing under the real name.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::random_device seed;
  std::mt19937 random(seed());
  fs::path temporary;
  std::FILE* out = nullptr;
  int openError = 0;
  for (int attempt = 0; attempt < 20 && !out; ++attempt) {
    temporary = folder / ("." + target.filename().string() + ".tmp" +
                          std::to_string(random() % 1000000));
    errno = 0;
    out = std::fopen(temporary.string().c_str(), "wbx");
    openError = errno;
    if (!out && openError != EEXIST) break;
  }
  if (!out) return fail(systemReason(openError));

  int writeError = 0;
  for (const std::string& line : drawing.fileLines()) {
    errno = 0;
    if (std::fwrite(line.data(), 1, line.size(), out) != line.size() ||
        std::fwrite("\r\n", 1, 2, out) != 2) {
      writeError = errno ? errno : EIO;
      break;
    }
  }
  errno = 0;
  if (std::fflush(out) != 0 && !writeError) writeError = errno ? errno : EIO;
  errno = 0;
  if (std::fclose(out) != 0 && !writeError) writeError = errno ? errno : EIO;
  if (writeError) {
    fs::remove(temporary, ec);
    return fail(systemReason(writeError));
  }

  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return fail(ec.message());
  }
  ui.showMessage("DXF file was saved to:" + fileName_, MessageIcon::None);
  return true;
}

}  // namespace tarvello
