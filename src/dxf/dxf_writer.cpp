#include "dxf_writer.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

#include "common/atomic_file.h"
#include "common/number_format.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPlaceholder = "{}";

constexpr std::string_view kLayerTable =
    "TABLE,  2,LAYER, 70,     3,  0,LAYER,  2,0, 70,     0, 62,     7,  6,CONTINUOUS,  0,LAYER,"
    "  2,PIPE_PROFILE, 70,     0, 62,     7,  6,CONTINUOUS,  0,LAYER,  2,DEFPOINTS, 70,     0,"
    " 62,     7, 6,CONTINUOUS,  0,ENDTAB,  0";
constexpr std::string_view kLayerCount = " 70,     3,";
constexpr int kFixedLayers = 3;

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
    kLayerTable,
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
constexpr std::string_view kLine = "LINE,8,{}, 62,{}, 10,{}, 20,{}, 30,{}, 11,{}, 21,{}, 31,{},0,";
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

// Fixed text cut at its commas into lines: "a,b," is "a\r\nb\r\n". A comma at
// the very end is the joint to what follows, so it just ends the last line.
std::string linesOf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    if (c == ',')
      out += "\r\n";
    else
      out += c;
  }
  return out;
}

// An entity template as the text between its values, cut once.
struct EntityTemplate {
  std::vector<std::string> pieces;  // one more than the values
  explicit EntityTemplate(std::string_view templ) {
    const std::string text = linesOf(templ);
    size_t start = 0;
    for (size_t at; (at = text.find(kPlaceholder, start)) != std::string::npos;
         start = at + kPlaceholder.size())
      pieces.push_back(text.substr(start, at - start));
    pieces.push_back(text.substr(start));
  }
};

// A value is one line whatever it holds; a line break inside it would end
// the line early and shift every group code after it.
void put(std::string& out, const std::string& text) {
  const size_t first = out.size();
  out += text;
  for (size_t i = first; i < out.size(); ++i)
    if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
}

struct Num {
  double value;
};
void put(std::string& out, Num n) { appendSingleGeneral(out, n.value); }

struct Colour {
  short value;
};
void put(std::string& out, Colour c) {
  char buf[8];
  out.append(buf, static_cast<size_t>(std::to_chars(buf, buf + sizeof buf, c.value).ptr - buf));
}

template <class... Values>
void appendEntity(std::string& out, const EntityTemplate& templ, const Values&... values) {
  static_assert(sizeof...(Values) > 0);
  size_t piece = 0;
  out += templ.pieces[0];
  ((put(out, values), out += templ.pieces[++piece]), ...);
}

const EntityTemplate& lineTemplate() {
  static const EntityTemplate t(kLine);
  return t;
}
const EntityTemplate& circleTemplate() {
  static const EntityTemplate t(kCircle);
  return t;
}
const EntityTemplate& textTemplate() {
  static const EntityTemplate t(kText);
  return t;
}
const EntityTemplate& rectangleTemplate() {
  static const EntityTemplate t(kRectangle);
  return t;
}

}  // namespace

void DxfDrawing::dxfLine(const std::string& layer, double x1, double y1, double z1, double x2,
                         double y2, double z2, int colour) {
  appendEntity(entities_, lineTemplate(), layer, Colour{static_cast<short>(colour)}, Num{x1},
               Num{y1}, Num{z1}, Num{x2}, Num{y2}, Num{z2});
  entityDone();
}

void DxfDrawing::dxfCircle(const std::string& layer, double x, double y, double z, double radius) {
  appendEntity(entities_, circleTemplate(), layer, Num{x}, Num{y}, Num{z}, Num{radius});
  entityDone();
}

void DxfDrawing::dxfText(const std::string& layer, double x, double y, double z, double height,
                         double rotation, double widthFactor, const std::string& text) {
  appendEntity(entities_, textTemplate(), layer, Num{x}, Num{y}, Num{z}, Num{height}, text,
               Num{rotation}, Num{widthFactor});
  entityDone();
}

void DxfDrawing::dxfRectangle(const std::string& layer, double x1, double y1, double z1, double x2,
                              double y2, double z2) {
  appendEntity(entities_, rectangleTemplate(), layer, Num{x1}, Num{y1}, Num{z1}, Num{x2}, Num{y1},
               Num{z2}, Num{x2}, Num{y2}, Num{z2}, Num{x1}, Num{y2}, Num{z1});
  entityDone();
}

void DxfDrawing::clear() { entities_.clear(); }

void DxfDrawing::flush() {
  if (!sink_) return;
  sink_->write(entities_);
  entities_.clear();
}

namespace {

// A group value right-aligned in six places, as the fixed text has them.
std::string sixWide(int value) {
  std::string text = std::to_string(value);
  return std::string(text.size() < 6 ? 6 - text.size() : 0, ' ') + text;
}

// The header with `addedLayers` (LAYER entries, each ending in a comma)
// before the end of the layer table.
std::string headerWith(const std::string& addedLayers, int addedCount) {
  std::string fixedStart = "999,Tarvello,999,Pipe profiles and schedules,";
  for (size_t i = 0; i < std::size(kHeaderPieces); ++i) {
    if (i > 0) fixedStart += ',';
    if (kHeaderPieces[i].data() != kLayerTable.data() || addedCount == 0) {
      fixedStart += kHeaderPieces[i];
      continue;
    }
    std::string table(kLayerTable);
    table.replace(table.find(kLayerCount), kLayerCount.size(),
                  " 70," + sixWide(kFixedLayers + addedCount) + ",");
    table.insert(table.rfind("  0,ENDTAB"), addedLayers);
    fixedStart += table;
  }
  fixedStart += kBlocksBegin;
  fixedStart += kBlocksEnd;  // the block buffer is always empty
  fixedStart += kEntitiesBegin;
  return linesOf(fixedStart);
}

}  // namespace

std::string_view DxfDrawing::headerText() {
  static const std::string header = headerWith("", 0);
  return header;
}

void DxfDrawing::addLayer(const std::string& name, int colour) {
  std::string safe = name;
  for (char& c : safe)
    if (c == ',' || c == '\r' || c == '\n') c = '_';
  addedLayers_ +=
      "  0,LAYER,  2," + safe + ", 70,     0, 62," + sixWide(colour) + ",  6,CONTINUOUS,";
  ++addedLayerCount_;
}

std::string DxfDrawing::header() const {
  if (addedLayerCount_ == 0) return std::string(headerText());
  return headerWith(addedLayers_, addedLayerCount_);
}

std::string_view DxfDrawing::trailerText() {
  static const std::string trailer =
      linesOf(std::string(kEntitiesEnd) + std::string(kEof)) + "\r\n";
  return trailer;
}

namespace {
void splitLines(std::string_view text, std::vector<std::string>& lines) {
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    lines.emplace_back(text.substr(start, end - start));
    start = end + 2;
  }
}
}  // namespace

std::vector<std::string> DxfDrawing::entityTokens() const {
  std::vector<std::string> lines;
  splitLines(entities_, lines);
  return lines;
}

std::vector<std::string> DxfDrawing::fileLines() const {
  std::vector<std::string> lines;
  splitLines(header(), lines);
  splitLines(entities_, lines);
  splitLines(trailerText(), lines);
  return lines;
}

std::string dxfSavedMessage(const std::string& path) { return "DXF file was saved to:" + path; }

std::string dxfFailedMessage(const std::string& path, const std::string& reason) {
  return "DXF file could not be written:" + path + "\n" + reason;
}

DxfFile::DxfFile(std::string path) : fileName_(std::move(path)), file_(fs::path(fileName_)) {}

DxfFile::~DxfFile() { file_.discard(); }

std::string DxfFile::targetProblem() const {
  std::error_code ec;
  const auto status = fs::status(fs::path(fileName_), ec);
  // Renaming over a directory or a device would fail or, worse, replace it.
  if (fs::is_directory(status)) return "a folder of that name exists";
  if (fs::exists(status) && !fs::is_regular_file(status)) return "it is not a regular file";
  return "";
}

bool DxfFile::open(const DxfDrawing& drawing) {
  problem_ = targetProblem();
  if (!problem_.empty()) return false;
  if (!file_.open()) {
    problem_ = file_.error();
    return false;
  }
  file_.write(drawing.header());
  return true;
}

void DxfFile::write(std::string_view text) { file_.write(text); }

void DxfFile::begin(DxfDrawing& drawing) {
  if (fileName_.empty() || file_.isOpen() || streamed_) return;
  open(drawing);
  // Even when the file cannot be opened the entities go to it (and nowhere):
  // finish reports why, and memory stays small meanwhile.
  streamed_ = &drawing;
  drawing.streamTo(this);
  drawing.flush();
}

std::string DxfFile::finish(const DxfDrawing& drawing) {
  const bool begun = streamed_ != nullptr;
  if (begun) {
    streamed_->flush();
    streamed_->streamTo(nullptr);
    streamed_ = nullptr;
  }
  if (fileName_.empty()) return "no file name was chosen";
  if (!begun) open(drawing);
  if (!problem_.empty()) {
    file_.discard();
    return problem_;
  }
  if (!begun) write(drawing.entityText());
  write(DxfDrawing::trailerText());
  if (std::string failure = file_.close(); !failure.empty()) return failure;
  // The target may have changed while a streamed drawing was being drawn.
  if (std::string problem = targetProblem(); !problem.empty()) {
    file_.discard();
    return problem;
  }
  return file_.commit();
}

WriteResult writeDxfFile(const std::string& path, Overwrite overwrite,
                         const std::function<void(DxfDrawing&)>& draw,
                         const std::vector<DxfLayer>& extraLayers) {
  std::error_code ec;
  if (overwrite == Overwrite::No && fs::exists(fs::path(path), ec))
    return WriteResult::exists(path);
  DxfFile file(path);
  DxfDrawing drawing;
  // The layer table is part of the header, written when the file begins.
  for (const DxfLayer& layer : extraLayers) drawing.addLayer(layer.name, layer.colour);
  file.begin(drawing);
  draw(drawing);
  if (std::string reason = file.finish(drawing); !reason.empty())
    return WriteResult::failed(path, dxfFailedMessage(path, reason));
  return WriteResult::wrote(path, file.notice());
}

}  // namespace tarvello
