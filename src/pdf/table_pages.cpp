#include "pdf/table_pages.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/number_format.h"
#include "pdf/pdf_writer.h"
#include "pdf/truetype_metrics.h"

namespace tarvello {
namespace {

constexpr double kLetterHeight = 6;  // points, the largest
constexpr double kPad = 0.6;         // letter heights either side of a cell's text
constexpr double kPitch = 2.0;       // letter heights from row to row

// Advances of the printable ASCII characters in the sheet font, in letter
// (capital) heights, measured once; any other character counts as an "M".
class LetterWidths {
 public:
  LetterWidths() {
    const TrueTypeMetrics* font = pdfFontMetrics();
    // Without the lettering the set is refused anyway; these keep the layout sane.
    widths_.fill(0.85);
    if (!font) return;
    const TextExtents h = font->measure("H");
    const double cap = h.inkTop - h.inkBottom > 0 ? h.inkTop - h.inkBottom : 0.7;
    for (int c = 32; c < 127; ++c) {
      const char text[2] = {static_cast<char>(c), '\0'};
      widths_[static_cast<size_t>(c - 32)] = font->measure(text).advance / cap;
    }
  }

  // The width of `text` in letter heights.
  double of(const std::string& text) const {
    double w = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c >= 32 && c < 127)
        w += widths_[c - 32];
      else if ((c & 0xC0) != 0x80)  // the first byte of a character
        w += widths_['M' - 32];
    }
    return w;
  }

 private:
  std::array<double, 95> widths_{};
};

// A head on at most two lines: a head of several words breaks at the blank
// that makes its longer line the shortest.
std::array<std::string, 2> headLines(const std::string& head, const LetterWidths& widths) {
  std::array<std::string, 2> best{head, ""};
  double bestWidth = widths.of(head);
  for (size_t at = head.find(' '); at != std::string::npos; at = head.find(' ', at + 1)) {
    const std::string a = head.substr(0, at), b = head.substr(at + 1);
    const double w = std::max(widths.of(a), widths.of(b));
    if (w < bestWidth) {
      bestWidth = w;
      best = {a, b};
    }
  }
  return best;
}

DxfTextEntity text(const std::string& value, double x, double y, double height, int hAlign) {
  DxfTextEntity t;
  t.insertion = {x, y};
  t.alignment = {x, y};
  t.height = height;
  t.hAlign = hAlign;
  t.text = value;
  return t;
}

}  // namespace

std::vector<PdfSheet> tablePages(const std::vector<std::vector<std::string>>& rows,
                                 const std::string& title, const PdfPageSize& size) {
  std::vector<PdfSheet> pages;
  if (rows.empty()) return pages;
  static const LetterWidths widths;
  const std::vector<std::string>& heads = rows.front();
  size_t columns = heads.size();
  for (const auto& row : rows) columns = std::max(columns, row.size());
  if (columns == 0) return pages;

  // Widths in letter heights, then the letter height that fits them.
  std::vector<std::array<std::string, 2>> headText(columns);
  std::vector<double> need(columns, 0);
  for (size_t c = 0; c < columns; ++c) {
    if (c < heads.size()) headText[c] = headLines(heads[c], widths);
    need[c] = std::max(widths.of(headText[c][0]), widths.of(headText[c][1]));
  }
  for (size_t r = 1; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) need[c] = std::max(need[c], widths.of(rows[r][c]));
  double total = 0;
  for (double& w : need) total += (w += 2 * kPad);

  const double frameWidth = std::max(size.width - 2 * kPdfMargin, 1.0);
  const double frameHeight = std::max(size.height - 2 * kPdfMargin, 1.0);
  const double h = std::min(kLetterHeight, frameWidth / total);
  // The page's width left over is shared out in proportion.
  const double stretch = frameWidth / (total * h);
  std::vector<double> left(columns + 1, 0);
  for (size_t c = 0; c < columns; ++c) left[c + 1] = left[c] + need[c] * h * stretch;
  left[columns] = frameWidth;

  const double pitch = kPitch * h;
  const double headHeight = 2 * pitch + 0.5 * h;
  const size_t perPage =
      std::max<size_t>(1, static_cast<size_t>((frameHeight - headHeight) / pitch));
  const size_t dataRows = rows.size() - 1;
  const size_t count = std::max<size_t>(1, (dataRows + perPage - 1) / perPage);

  auto line = [](DxfEntities& e, double x0, double y0, double x1, double y1) {
    e.lines.push_back({{x0, y0}, {x1, y1}, 7});
  };
  pages.reserve(count);
  for (size_t page = 0; page < count; ++page) {
    DxfEntities e;
    // The frame gives every page the same extent, so all are drawn at one scale.
    line(e, 0, 0, frameWidth, 0);
    line(e, frameWidth, 0, frameWidth, frameHeight);
    line(e, frameWidth, frameHeight, 0, frameHeight);
    line(e, 0, frameHeight, 0, 0);
    const double headBottom = frameHeight - headHeight;
    line(e, 0, headBottom, frameWidth, headBottom);
    for (size_t c = 1; c < columns; ++c) line(e, left[c], 0, left[c], frameHeight);
    for (size_t c = 0; c < columns; ++c) {
      const double middle = (left[c] + left[c + 1]) / 2;
      // Two lines centred in the head block; a head of one line takes the lower.
      const bool two = !headText[c][1].empty();
      const double lower = headBottom + (headHeight - 2 * pitch) / 2 + (pitch - h) / 2;
      e.texts.push_back(text(headText[c][0], middle, two ? lower + pitch : lower, h, 1));
      if (two) e.texts.push_back(text(headText[c][1], middle, lower, h, 1));
    }
    const size_t begin = 1 + page * perPage;
    const size_t end = std::min(rows.size(), begin + perPage);
    for (size_t r = begin; r < end; ++r) {
      const double bottom = headBottom - static_cast<double>(r - begin + 1) * pitch;
      if (r + 1 < end) line(e, 0, bottom, frameWidth, bottom);
      const double baseline = bottom + (pitch - h) / 2;
      for (size_t c = 0; c < rows[r].size(); ++c) {
        const std::string& value = rows[r][c];
        if (value.empty()) continue;
        if (parseNumber(value))
          e.texts.push_back(text(value, left[c + 1] - kPad * h, baseline, h, 2));
        else
          e.texts.push_back(text(value, left[c] + kPad * h, baseline, h, 0));
      }
    }
    pages.push_back({std::move(e), count == 1 ? title
                                              : title + ", sheet " + std::to_string(page + 1) +
                                                    " of " + std::to_string(count)});
  }
  return pages;
}

}  // namespace tarvello
