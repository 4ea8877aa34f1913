#pragma once
// Writer of ASCII DXF release 12 drawing files. A drawing is a list of tokens
// (group codes and values); each token becomes one line of the file.
#include <string>
#include <vector>

#include "common/user_interface.h"

namespace tarvello {

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
  const std::vector<std::string>& entityTokens() const { return entities_; }
  // Every line of the finished file, without line ends.
  std::vector<std::string> fileLines() const;

 private:
  std::vector<std::string> entities_;
};

// The save dialog and the file: CreateDxfFile / FinishDxfFile.
class DxfFile {
 public:
  // Asks for the file name; "" (and a message) when the user cancelled or
  // declined to overwrite. Nothing is written yet.
  bool create(UserInterface& ui, const std::string& lastFolder);
  const std::string& fileName() const { return fileName_; }
  // Writes the whole file through a temporary file and tells the user.
  bool finish(const DxfDrawing& drawing, UserInterface& ui);

 private:
  std::string fileName_;
};

}  // namespace tarvello
