#pragma once
// Writer of ASCII DXF release 12 drawing files. A drawing is a sequence of
// group codes and values, one a line; the entity section is kept as the text
// of those lines (each ended by CR LF), or streamed to the file as it grows.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_interface.h"

namespace tarvello {

// Where a drawing hands its entity text once enough has gathered, so that a
// large drawing never sits in memory whole.
class DxfSink {
 public:
  virtual void write(std::string_view text) = 0;

 protected:
  ~DxfSink() = default;
};

class DxfDrawing {
 public:
  // Entity builders; they append to the entity buffer.
  void dxfLine(const std::string& layer, double x1, double y1, double z1, double x2, double y2,
               double z2, int colour);
  void dxfCircle(const std::string& layer, double x, double y, double z, double radius);
  void dxfText(const std::string& layer, double x, double y, double z, double height,
               double rotation, double widthFactor, const std::string& text);
  void dxfRectangle(const std::string& layer, double x1, double y1, double z1, double x2,
                    double y2, double z2);

  // Empties the entity buffer (and the always-empty block buffer).
  void clear();
  // The entity lines held in memory (all of them unless streaming), with
  // their CR LF ends.
  const std::string& entityText() const { return entities_; }
  // The same split into lines, without line ends.
  std::vector<std::string> entityTokens() const;
  // Every line of the finished file, without line ends (not while streaming).
  std::vector<std::string> fileLines() const;

  // From now on entity text is handed to `sink` whenever about a megabyte has
  // gathered; nullptr keeps everything in memory again.
  void streamTo(DxfSink* sink) { sink_ = sink; }
  // Hands what is left to the sink.
  void flush();

  // Adds a layer to the drawing's layer table, after the fixed ones; only
  // before the header is written (DxfFile::begin). Commas and line breaks in
  // the name become "_".
  void addLayer(const std::string& name, int colour);
  // The lines before the first entity: the fixed header with this drawing's
  // added layers (exactly headerText() when there are none).
  std::string header() const;

  // The fixed lines before the first entity and after the last.
  static std::string_view headerText();
  static std::string_view trailerText();

 private:
  void entityDone() {
    if (sink_ && entities_.size() >= kFlushBytes) flush();
  }

  static constexpr size_t kFlushBytes = 1 << 20;
  std::string entities_;
  DxfSink* sink_ = nullptr;
  std::string addedLayers_;  // LAYER entries, in the header's comma form
  int addedLayerCount_ = 0;
};

// The save dialog and the file: CreateDxfFile / FinishDxfFile. The file is
// written under a temporary name beside the chosen one and renamed over it
// only when complete, so a failure never leaves a half drawing under that name.
class DxfFile : private DxfSink {
 public:
  DxfFile() = default;
  DxfFile(const DxfFile&) = delete;
  DxfFile& operator=(const DxfFile&) = delete;
  // A file never finished is removed.
  ~DxfFile();

  // Asks for the file name; "" (and a message) when the user cancelled or
  // declined to overwrite. Nothing is written yet.
  bool create(UserInterface& ui, const std::string& lastFolder);
  const std::string& fileName() const { return fileName_; }
  // Opens the temporary file and writes the header; the drawing's entities
  // then go to it as they are drawn. A failure here is reported by finish.
  void begin(DxfDrawing& drawing);
  // Writes the rest (the whole file without begin), renames the temporary
  // file over the chosen name and tells the user.
  bool finish(const DxfDrawing& drawing, UserInterface& ui);

 private:
  void write(std::string_view text) override;
  // "" when the chosen name may be replaced by a regular file, else why not.
  std::string targetProblem() const;
  bool open(const DxfDrawing& drawing);
  void discard();
  bool fail(UserInterface& ui, const std::string& reason);

  std::string fileName_;
  std::filesystem::path temporary_;
  std::FILE* out_ = nullptr;
  DxfDrawing* streamed_ = nullptr;
  std::string problem_;  // why the file cannot be written, found before finish
  int writeError_ = 0;
};

}  // namespace tarvello
