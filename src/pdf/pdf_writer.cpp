#include "pdf/pdf_writer.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string_view>

#include "common/ascii_case.h"
#include "common/atomic_file.h"
#include "common/source_date.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;

constexpr double kPointsPerInch = 72;
constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kMargin = kPdfMargin;
constexpr double kFooterSize = 9;       // points
constexpr double kFooterBaseline = 14;  // points above the page's lower edge
constexpr double kLineWidth = 0.3;      // points: thin enough for the schedules' rulings
constexpr double kPi = std::numbers::pi;

struct Rgb {
  double r = 0, g = 0, b = 0;
};

Rgb hsv(double hue, double saturation, double value) {
  const double c = value * saturation;
  const double h = std::fmod(hue, 360.0) / 60.0;
  const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  Rgb rgb;
  switch (static_cast<int>(h)) {
    case 0:
      rgb = {c, x, 0};
      break;
    case 1:
      rgb = {x, c, 0};
      break;
    case 2:
      rgb = {0, c, x};
      break;
    case 3:
      rgb = {0, x, c};
      break;
    case 4:
      rgb = {x, 0, c};
      break;
    default:
      rgb = {c, 0, x};
      break;
  }
  const double m = value - c;
  return {rgb.r + m, rgb.g + m, rgb.b + m};
}

// The AutoCAD colour index on white paper, as the viewer shows it: white
// (7) and the unknown print black, yellow is darkened to stay readable.
Rgb paperColour(int index) {
  auto byte = [](int r, int g, int b) { return Rgb{r / 255.0, g / 255.0, b / 255.0}; };
  switch (index) {
    case 1:
      return byte(255, 0, 0);
    case 2:
      return byte(190, 160, 0);
    case 3:
      return byte(0, 160, 0);
    case 4:
      return byte(0, 150, 170);
    case 5:
      return byte(0, 0, 255);
    case 6:
      return byte(200, 0, 200);
    case 8:
      return byte(128, 128, 128);
    case 9:
      return byte(160, 160, 160);
    default:
      break;
  }
  if (index >= 10 && index <= 249) {
    static constexpr double kValues[] = {1.0, 0.8, 0.6, 0.5, 0.3};
    const int shade = index % 10;
    return hsv((index / 10 - 1) * 15.0, shade % 2 ? 0.5 : 1.0, kValues[shade / 2]);
  }
  if (index >= 250 && index <= 254) {
    static constexpr int kGreys[] = {51, 80, 105, 130, 190};
    const int g = kGreys[index - 250];
    return byte(g, g, g);
  }
  return {};
}

void appendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Length of the well-formed UTF-8 sequence at `at`, or 0.
size_t utf8Length(std::string_view s, size_t at) {
  const auto c = static_cast<unsigned char>(s[at]);
  const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (n == 0 || at + n > s.size()) return 0;
  for (size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(s[at + i]) & 0xC0) != 0x80) return 0;
  unsigned code = n == 1 ? c : c & (0x7F >> n);
  for (size_t i = 1; i < n; ++i)
    code = (code << 6) | (static_cast<unsigned char>(s[at + i]) & 0x3F);
  static constexpr unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are overlong
  if (code < kLeast[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

// Cairo refuses malformed UTF-8, and a drawing's text may come from old
// databases in a single-byte code page.
std::string pdfDisplayText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text.substr(i, 2) == "%%" && i + 2 < text.size()) {
      const char code = static_cast<char>(text[i + 2] | 0x20);
      const char* sign = code == 'd'                  ? "\u00B0"
                         : code == 'p'                ? "\u00B1"
                         : code == 'c'                ? "\u00D8"
                         : code == 'u' || code == 'o' ? ""
                         : text[i + 2] == '%'         ? "%"
                                                      : nullptr;
      if (sign) {
        out += sign;
        i += 3;
        continue;
      }
    }
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) {
      out += ' ';
      ++i;
    } else if (const size_t n = utf8Length(text, i); n > 0) {
      out.append(text.substr(i, n));
      i += n;
    } else {
      appendUtf8(out, c);
      ++i;
    }
  }
  return out;
}

namespace {

// Places a sheet on its page: drawing units to points, y turned downwards.
struct Placement {
  double scale = 1;
  double minX = 0, minY = 0;
  double left = 0, bottom = 0;  // page point of (minX, minY)
  double x(double wx) const { return left + (wx - minX) * scale; }
  double y(double wy) const { return bottom - (wy - minY) * scale; }
};

bool finite(DxfPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A text's placement in drawing units: the start of its baseline, its
// direction, the scale of the font from size 1, and its width factor.
struct TextLayout {
  bool shown = false;
  DxfPoint origin;
  double rotation = 0;  // radians
  double fontScale = 1;
  double widthFactor = 1;
  cairo_text_extents_t extents{};  // at size 1
};

class PageRenderer {
 public:
  PageRenderer(cairo_t* cr, const PdfPageSize& size) : cr_(cr), size_(size) {
    cairo_select_font_face(cr_, kPdfFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, 1);
    cairo_text_extents_t h;
    cairo_text_extents(cr_, "H", &h);
    capHeight_ = h.height > 0 ? h.height : 0.7;
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    descent_ = font.descent;
  }

  void drawSheet(const PdfSheet& sheet, const std::string& footer, const std::string& pageText) {
    std::vector<TextLayout> texts;
    texts.reserve(sheet.entities.texts.size());
    for (const DxfTextEntity& t : sheet.entities.texts) texts.push_back(layout(t));
    const DxfBounds bounds = extent(sheet.entities, texts);
    if (!bounds.empty) {
      const Placement place = placement(bounds);
      cairo_set_line_width(cr_, kLineWidth);
      cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
      drawGeometry(sheet.entities, place);
      for (size_t i = 0; i < texts.size(); ++i) drawText(sheet.entities.texts[i], texts[i], place);
    }
    drawFooter(footer, pageText);
  }

 private:
  TextLayout layout(const DxfTextEntity& t) const {
    TextLayout l;
    const std::string text = pdfDisplayText(t.text);
    if (text.empty() || !(t.height > 0) || !std::isfinite(t.height) || !finite(t.insertion))
      return l;
    cairo_set_font_size(cr_, 1);
    cairo_text_extents(cr_, text.c_str(), &l.extents);
    l.fontScale = t.height / capHeight_;
    l.widthFactor = t.widthFactor > 0 && std::isfinite(t.widthFactor) ? t.widthFactor : 1.0;
    l.rotation = std::isfinite(t.rotation) ? t.rotation * kPi / 180 : 0;
    DxfPoint anchor = t.insertion;
    const double advance = l.extents.x_advance;
    double ax = 0;  // the anchor's place on the text, font units from the baseline's start
    double ay = 0;
    switch (t.hAlign) {
      case 1:
      case 4:
        ax = advance / 2;
        break;
      case 2:
        ax = advance;
        break;
      case 3:
      case 5: {
        // The text spans insertion to alignment point.
        const double dx = t.alignment.x - t.insertion.x;
        const double dy = t.alignment.y - t.insertion.y;
        const double span = std::hypot(dx, dy);
        if (finite(t.alignment) && span > 0 && advance > 0) {
          l.rotation = std::atan2(dy, dx);
          l.widthFactor = span / (advance * l.fontScale);
        }
        break;
      }
      default:
        break;
    }
    if (t.hAlign == 4) {
      ay = capHeight_ / 2;
    } else if (t.hAlign < 3) {
      switch (t.vAlign) {
        case 1:
          ay = -descent_;
          break;
        case 2:
          ay = capHeight_ / 2;
          break;
        case 3:
          ay = capHeight_;
          break;
        default:
          break;
      }
    }
    if ((t.hAlign == 1 || t.hAlign == 2 || t.hAlign == 4 || t.vAlign != 0) && t.hAlign != 3 &&
        t.hAlign != 5 && finite(t.alignment))
      anchor = t.alignment;
    const double ox = -ax * l.fontScale * l.widthFactor;
    const double oy = -ay * l.fontScale;
    const double c = std::cos(l.rotation), s = std::sin(l.rotation);
    l.origin = {anchor.x + ox * c - oy * s, anchor.y + ox * s + oy * c};
    l.shown = finite(l.origin) && std::isfinite(l.fontScale);
    return l;
  }

  // Corner `u`, `v` of a text's box (font units, y up) in drawing units.
  static DxfPoint textPoint(const TextLayout& l, double u, double v) {
    const double x = u * l.fontScale * l.widthFactor;
    const double y = v * l.fontScale;
    const double c = std::cos(l.rotation), s = std::sin(l.rotation);
    return {l.origin.x + x * c - y * s, l.origin.y + x * s + y * c};
  }

  static DxfBounds extent(const DxfEntities& e, const std::vector<TextLayout>& texts) {
    DxfBounds b;
    auto add = [&b](DxfPoint p) {
      if (finite(p)) b.include(p);
    };
    auto addRound = [&](DxfPoint c, double r) {
      if (!std::isfinite(r)) return;
      add({c.x - r, c.y - r});
      add({c.x + r, c.y + r});
    };
    for (const auto& l : e.lines) {
      add(l.start);
      add(l.end);
    }
    for (const auto& c : e.circles) addRound(c.centre, c.radius);
    for (const auto& a : e.arcs) addRound(a.centre, a.radius);
    for (const auto& p : e.polylines)
      for (const DxfPoint& q : p.points) add(q);
    for (const TextLayout& l : texts) {
      if (!l.shown) continue;
      const double x0 = std::min(0.0, l.extents.x_bearing);
      const double x1 = std::max(l.extents.x_advance, l.extents.x_bearing + l.extents.width);
      const double y0 = -(l.extents.y_bearing + l.extents.height);
      const double y1 = -l.extents.y_bearing;
      for (double u : {x0, x1})
        for (double v : {y0, y1}) add(textPoint(l, u, v));
    }
    return b;
  }

  Placement placement(const DxfBounds& b) const {
    const double areaWidth = size_.width - 2 * kMargin;
    const double areaHeight = size_.height - 2 * kMargin;
    const double w = b.maxX - b.minX;
    const double h = b.maxY - b.minY;
    double scale = std::min(w > 0 ? areaWidth / w : HUGE_VAL, h > 0 ? areaHeight / h : HUGE_VAL);
    if (!std::isfinite(scale) || scale <= 0) scale = 1;
    Placement p;
    p.scale = scale;
    p.minX = b.minX;
    p.minY = b.minY;
    p.left = kMargin + (areaWidth - w * scale) / 2;
    p.bottom = size_.height - kMargin - (areaHeight - h * scale) / 2;
    return p;
  }

  void setColour(int index) {
    const Rgb c = paperColour(index);
    cairo_set_source_rgb(cr_, c.r, c.g, c.b);
  }

  void drawGeometry(const DxfEntities& e, const Placement& p) {
    for (const auto& l : e.lines) {
      if (!finite(l.start) || !finite(l.end)) continue;
      setColour(l.colour);
      cairo_move_to(cr_, p.x(l.start.x), p.y(l.start.y));
      cairo_line_to(cr_, p.x(l.end.x), p.y(l.end.y));
      cairo_stroke(cr_);
    }
    for (const auto& pl : e.polylines) {
      if (pl.points.size() < 2 ||
          !std::all_of(pl.points.begin(), pl.points.end(), [](DxfPoint q) { return finite(q); }))
        continue;
      setColour(pl.colour);
      cairo_move_to(cr_, p.x(pl.points[0].x), p.y(pl.points[0].y));
      for (size_t i = 1; i < pl.points.size(); ++i)
        cairo_line_to(cr_, p.x(pl.points[i].x), p.y(pl.points[i].y));
      if (pl.closed) cairo_close_path(cr_);
      cairo_stroke(cr_);
    }
    for (const auto& c : e.circles) {
      if (!finite(c.centre) || !(c.radius > 0) || !std::isfinite(c.radius)) continue;
      setColour(c.colour);
      cairo_new_sub_path(cr_);
      cairo_arc(cr_, p.x(c.centre.x), p.y(c.centre.y), c.radius * p.scale, 0, 2 * kPi);
      cairo_stroke(cr_);
    }
    for (const auto& a : e.arcs) {
      if (!finite(a.centre) || !(a.radius > 0) || !std::isfinite(a.radius) ||
          !std::isfinite(a.startAngle) || !std::isfinite(a.endAngle))
        continue;
      setColour(a.colour);
      cairo_new_sub_path(cr_);
      // Counter-clockwise on the drawing is clockwise on the page, y being turned.
      cairo_arc_negative(cr_, p.x(a.centre.x), p.y(a.centre.y), a.radius * p.scale,
                         -std::fmod(a.startAngle, 360.0) * kPi / 180,
                         -std::fmod(a.endAngle, 360.0) * kPi / 180);
      cairo_stroke(cr_);
    }
  }

  void drawText(const DxfTextEntity& t, const TextLayout& l, const Placement& p) {
    if (!l.shown) return;
    // Far too small or large to read, and cairo refuses a font matrix that
    // collapses to nothing.
    const double size = l.fontScale * p.scale;
    const auto readable = [](double points) { return points > 1e-3 && points < 1e5; };
    if (!readable(size) || !readable(size * l.widthFactor)) return;
    setColour(t.colour);
    cairo_save(cr_);
    cairo_translate(cr_, p.x(l.origin.x), p.y(l.origin.y));
    cairo_rotate(cr_, -l.rotation);
    cairo_scale(cr_, l.widthFactor, 1);
    cairo_set_font_size(cr_, size);
    cairo_move_to(cr_, 0, 0);
    cairo_show_text(cr_, pdfDisplayText(t.text).c_str());
    cairo_restore(cr_);
  }

  void drawFooter(const std::string& left, const std::string& right) {
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_set_font_size(cr_, kFooterSize);
    const double y = size_.height - kFooterBaseline;
    cairo_move_to(cr_, kMargin, y);
    cairo_show_text(cr_, pdfDisplayText(left).c_str());
    cairo_text_extents_t e;
    const std::string r = pdfDisplayText(right);
    cairo_text_extents(cr_, r.c_str(), &e);
    cairo_move_to(cr_, size_.width - kMargin - e.x_advance, y);
    cairo_show_text(cr_, r.c_str());
  }

  cairo_t* cr_;
  PdfPageSize size_;
  double capHeight_ = 0.7;
  double descent_ = 0.2;
};

cairo_status_t writeToFile(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<AtomicFile*>(closure)->write(
      std::string_view(reinterpret_cast<const char*>(data), length));
  return CAIRO_STATUS_SUCCESS;
}

std::string targetProblem(const std::string& path) {
  std::error_code ec;
  const auto status = fs::status(fs::path(path), ec);
  if (fs::is_directory(status)) return "a folder of that name exists";
  if (fs::exists(status) && !fs::is_regular_file(status)) return "it is not a regular file";
  return "";
}

}  // namespace

const std::vector<PdfPageSize>& pdfPageSizes() {
  static const std::vector<PdfPageSize> sizes = {
      {"tabloid", 17 * kPointsPerInch, 11 * kPointsPerInch},
      {"letter", 11 * kPointsPerInch, 8.5 * kPointsPerInch},
      {"ansi-d", 34 * kPointsPerInch, 22 * kPointsPerInch},
      {"a3", 420 * kPointsPerMm, 297 * kPointsPerMm},
      {"a1", 841 * kPointsPerMm, 594 * kPointsPerMm},
  };
  return sizes;
}

std::optional<PdfPageSize> pdfPageSize(const std::string& name) {
  for (const PdfPageSize& size : pdfPageSizes())
    if (equalsIgnoringCase(size.name, name)) return size;
  return std::nullopt;
}

std::string pdfSavedMessage(const std::string& path) { return "PDF file was saved to:" + path; }

std::string pdfFailedMessage(const std::string& path, const std::string& reason) {
  return "PDF file could not be written:" + path + "\n" + reason;
}

WriteResult writePdfFile(const std::string& path, Overwrite overwrite, const PdfPageSize& size,
                         const PdfDocumentInfo& info, const std::vector<PdfSheet>& sheets) {
  std::error_code ec;
  if (overwrite == Overwrite::No && fs::exists(fs::path(path), ec))
    return WriteResult::exists(path);
  auto failed = [&](const std::string& reason) {
    return WriteResult::failed(path, pdfFailedMessage(path, reason));
  };
  if (path.empty()) return failed("no file name was chosen");
  if (sheets.empty()) return failed("there is nothing to draw");
  if (std::string problem = targetProblem(path); !problem.empty()) return failed(problem);
  AtomicFile file{fs::path(path)};
  if (!file.open()) return failed(file.error());

  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(writeToFile, &file, size.width, size.height);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE,
                                 pdfDisplayText(info.title).c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Tarvello");
  if (const auto epoch = sourceDateEpoch())
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, isoUtc(*epoch).c_str());
  cairo_t* cr = cairo_create(surface);
  {
    PageRenderer renderer(cr, size);
    const std::string count = std::to_string(sheets.size());
    for (size_t i = 0; i < sheets.size() && cairo_status(cr) == CAIRO_STATUS_SUCCESS; ++i) {
      std::string footer = sheets[i].name;
      if (!info.source.empty()) footer += "    " + info.source;
      renderer.drawSheet(sheets[i], footer, std::to_string(i + 1) + " of " + count);
      cairo_show_page(cr);
    }
  }
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) return failed(cairo_status_to_string(status));
  if (std::string problem = file.close(); !problem.empty()) return failed(problem);
  if (std::string problem = targetProblem(path); !problem.empty()) return failed(problem);
  if (std::string problem = file.commit(); !problem.empty()) return failed(problem);
  return WriteResult::wrote(path, file.notice());
}

}  // namespace tarvello
