#pragma once
// The design metrics of a TrueType font, read from its tables: what the page
// layout needs to measure a text before it is drawn (advance widths and the
// ink box of each glyph, the font's descent), in ems, unhinted.
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarvello {

// A text's extents at size 1 (one em), y upwards from the baseline's start.
// Without ink (spaces only) the ink box is the origin.
struct TextExtents {
  double advance = 0;
  double inkLeft = 0, inkRight = 0, inkBottom = 0, inkTop = 0;
};

class TrueTypeMetrics {
 public:
  // Nothing when the bytes are not a TrueType font with a Unicode map.
  static std::optional<TrueTypeMetrics> read(std::string_view font);

  // Of a UTF-8 text; a character the font lacks measures as its missing glyph.
  TextExtents measure(std::string_view utf8) const;
  // The font's descent below the baseline, in ems, as a positive number.
  double descent() const { return descent_; }

 private:
  struct Glyph {
    double advance = 0;
    bool ink = false;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  };
  const Glyph& glyph(char32_t code) const;

  std::unordered_map<char32_t, unsigned> glyphOf_;  // character to glyph index
  std::vector<Glyph> glyphs_;
  double descent_ = 0;
};

}  // namespace tarvello
