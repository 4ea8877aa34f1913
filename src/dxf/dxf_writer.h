#pragma once
// Writer of ASCII DXF release 12 drawing files. A drawing is a sequence of
// group codes and values, one a line; the entity section is kept as the text
// of those lines (each ended by CR LF), or streamed to the file as it grows.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/atomic_file.h"
#include "common/write_result.h"

namespace tarvello {

// The lettering of every drawing: text narrowed to three quarters of its
// height's natural width; profiles letter 6 units high (8.25 on the axes).
inline constexpr double kLetteringWidthFactor = 0.75;
inline constexpr double kProfileTextHeight = 6;
inline constexpr double kProfileAxisTextHeight = 8.25;

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
  void dxfRectangle(const std::string& layer, double x1, double y1, double z1, double x2, double y2,
                    double z2);

  // Empties the entity buffer.
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

// "DXF file was saved to:" and the failure message, as the user is told.
std::string dxfSavedMessage(const std::string& path);
std::string dxfFailedMessage(const std::string& path, const std::string& reason);

// One drawing file (CreateDxfFile / FinishDxfFile), written through a
// temporary file so that a failure never leaves half a drawing under the name.
class DxfFile : private DxfSink {
 public:
  explicit DxfFile(std::string path);
  DxfFile(const DxfFile&) = delete;
  DxfFile& operator=(const DxfFile&) = delete;
  // A file never finished is removed.
  ~DxfFile();

  const std::string& fileName() const { return fileName_; }
  // Opens the temporary file and writes the header; the drawing's entities
  // then go to it as they are drawn. A failure here is reported by finish.
  void begin(DxfDrawing& drawing);
  // Writes the rest (the whole file without begin) and renames the temporary
  // file over the target. "" or why the drawing could not be written.
  std::string finish(const DxfDrawing& drawing);
  // After a finish that succeeded: "" or what the user still needs to be told.
  const std::string& notice() const { return file_.notice(); }

 private:
  void write(std::string_view text) override;
  // "" when the chosen name may be replaced by a regular file, else why not.
  std::string targetProblem() const;
  bool open(const DxfDrawing& drawing);

  std::string fileName_;
  AtomicFile file_;
  DxfDrawing* streamed_ = nullptr;
  std::string problem_;  // why the file cannot be written, found before finish
};

// A layer beyond the fixed ones of the layer table.
struct DxfLayer {
  std::string name;
  int colour = 7;
};

// Draws into a new file at `path` with `draw`: the operation behind every
// drawing command. An existing file is replaced only with Overwrite::Yes.
WriteResult writeDxfFile(const std::string& path, Overwrite overwrite,
                         const std::function<void(DxfDrawing&)>& draw,
                         const std::vector<DxfLayer>& extraLayers = {});

}  // namespace tarvello
