#include "pdf/pdf_writer.h"

#include <hpdf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>
#include <string_view>

#ifndef TARVELLO_PDF_FONT_FILE
#include <fontconfig/fontconfig.h>
#endif

#include "common/ascii_case.h"
#include "common/atomic_file.h"
#include "common/source_date.h"
#include "pdf/truetype_metrics.h"

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

// A drawing's text may come from old databases in a single-byte code page.
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

// Places a sheet on its page: drawing units to points (y up, as in PDF).
struct Placement {
  double scale = 1;
  double minX = 0, minY = 0;
  double left = 0, bottom = 0;  // page point of (minX, minY)
  double x(double wx) const { return left + (wx - minX) * scale; }
  double y(double wy) const { return bottom + (wy - minY) * scale; }
};

bool finite(DxfPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// libharu's numbers are floats, written within +-32767.
HPDF_REAL real(double v) {
  return std::isfinite(v) ? static_cast<HPDF_REAL>(std::clamp(v, -32767.0, 32767.0)) : 0;
}

// The font the pages are set in: its file, its metrics, its name once loaded.
struct PdfFont {
  std::string file;
  TrueTypeMetrics metrics;
};

// The lettering's file: fixed where the program carries it (the web page),
// otherwise the file fontconfig finds for the family.
std::string fontFile() {
#ifdef TARVELLO_PDF_FONT_FILE
  return TARVELLO_PDF_FONT_FILE;
#else
  std::string file;
  if (!FcInit()) return file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kPdfFontFamily));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcChar8* family = nullptr;
  FcChar8* path = nullptr;
  // fontconfig offers any font when the family is missing; only ours will do.
  if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
      equalsIgnoringCase(reinterpret_cast<const char*>(family), kPdfFontFamily) &&
      FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
    file = reinterpret_cast<const char*>(path);
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return file;
#endif
}

std::optional<PdfFont> loadFont() {
  PdfFont font;
  font.file = fontFile();
  if (font.file.empty()) return std::nullopt;
  std::ifstream in(font.file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::optional<TrueTypeMetrics> metrics = TrueTypeMetrics::read(bytes.str());
  if (!in || !metrics) return std::nullopt;
  font.metrics = std::move(*metrics);
  return font;
}

}  // namespace

const TrueTypeMetrics* pdfFontMetrics() {
  static const std::optional<PdfFont> font = loadFont();
  return font ? &font->metrics : nullptr;
}

namespace {

// The texts are shown in the font's Windows ANSI encoding (the font is
// embedded as a simple TrueType font); what it cannot show becomes "?".
std::string winAnsi(std::string_view utf8) {
  static constexpr char16_t k80[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
    char32_t code = n == 1 ? c : c & (0x7F >> n);
    for (size_t k = 1; k < n && i + k < utf8.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += n;
    char byte = '?';
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
      byte = static_cast<char>(code);
    } else {
      for (int k = 0; k < 32; ++k)
        if (k80[k] != 0 && k80[k] == code) byte = static_cast<char>(0x80 + k);
    }
    out += byte;
  }
  return out;
}

// A text's placement in drawing units: the start of its baseline, its
// direction, the scale of the font from size 1, and its width factor.
struct TextLayout {
  bool shown = false;
  DxfPoint origin;
  double rotation = 0;  // radians
  double fontScale = 1;
  double widthFactor = 1;
  TextExtents extents;  // at size 1
};

class PageRenderer {
 public:
  PageRenderer(const TrueTypeMetrics& metrics, HPDF_Font font, const PdfPageSize& size)
      : metrics_(metrics), font_(font), size_(size) {
    const TextExtents h = metrics_.measure("H");
    capHeight_ = h.inkTop - h.inkBottom > 0 ? h.inkTop - h.inkBottom : 0.7;
    descent_ = metrics_.descent();
  }

  void drawSheet(HPDF_Page page, const PdfSheet& sheet, const std::string& footer,
                 const std::string& pageText) {
    page_ = page;
    stroke_ = fill_ = -1;
    std::vector<TextLayout> texts;
    texts.reserve(sheet.entities.texts.size());
    for (const DxfTextEntity& t : sheet.entities.texts) texts.push_back(layout(t));
    const DxfBounds bounds = extent(sheet.entities, texts);
    if (!bounds.empty) {
      const Placement place = placement(bounds);
      HPDF_Page_SetLineWidth(page_, real(kLineWidth));
      HPDF_Page_SetLineCap(page_, HPDF_ROUND_END);
      HPDF_Page_SetLineJoin(page_, HPDF_ROUND_JOIN);
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
    l.extents = metrics_.measure(text);
    l.fontScale = t.height / capHeight_;
    l.widthFactor = t.widthFactor > 0 && std::isfinite(t.widthFactor) ? t.widthFactor : 1.0;
    l.rotation = std::isfinite(t.rotation) ? t.rotation * kPi / 180 : 0;
    DxfPoint anchor = t.insertion;
    const double advance = l.extents.advance;
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
      const TextExtents& x = l.extents;
      const double x0 = std::min(0.0, x.inkLeft);
      const double x1 = std::max(x.advance, x.inkRight);
      for (double u : {x0, x1})
        for (double v : {x.inkBottom, x.inkTop}) add(textPoint(l, u, v));
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
    p.bottom = kMargin + (areaHeight - h * scale) / 2;
    return p;
  }

  // Colours are set only when they change: most entities share a few.
  void strokeColour(int index) {
    if (index == stroke_) return;
    stroke_ = index;
    const Rgb c = paperColour(index);
    HPDF_Page_SetRGBStroke(page_, real(c.r), real(c.g), real(c.b));
  }
  void fillColour(int index) {
    if (index == fill_) return;
    fill_ = index;
    const Rgb c = paperColour(index);
    HPDF_Page_SetRGBFill(page_, real(c.r), real(c.g), real(c.b));
  }

  void moveTo(double x, double y) { HPDF_Page_MoveTo(page_, real(x), real(y)); }
  void lineTo(double x, double y) { HPDF_Page_LineTo(page_, real(x), real(y)); }

  // An arc counter-clockwise (page y up) from `from` through `sweep` radians,
  // as Bézier curves of at most a quarter turn each.
  void arc(double cx, double cy, double r, double from, double sweep) {
    const int pieces = std::max(1, static_cast<int>(std::ceil(sweep / (kPi / 2) - 1e-9)));
    const double step = sweep / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4) * r;
    double a = from;
    moveTo(cx + r * std::cos(a), cy + r * std::sin(a));
    for (int i = 0; i < pieces; ++i, a += step) {
      const double b = a + step;
      const double x0 = cx + r * std::cos(a), y0 = cy + r * std::sin(a);
      const double x1 = cx + r * std::cos(b), y1 = cy + r * std::sin(b);
      HPDF_Page_CurveTo(page_, real(x0 - k * std::sin(a)), real(y0 + k * std::cos(a)),
                        real(x1 + k * std::sin(b)), real(y1 - k * std::cos(b)), real(x1), real(y1));
    }
    HPDF_Page_Stroke(page_);
  }

  void drawGeometry(const DxfEntities& e, const Placement& p) {
    for (const auto& l : e.lines) {
      if (!finite(l.start) || !finite(l.end)) continue;
      strokeColour(l.colour);
      moveTo(p.x(l.start.x), p.y(l.start.y));
      lineTo(p.x(l.end.x), p.y(l.end.y));
      HPDF_Page_Stroke(page_);
    }
    for (const auto& pl : e.polylines) {
      if (pl.points.size() < 2 ||
          !std::all_of(pl.points.begin(), pl.points.end(), [](DxfPoint q) { return finite(q); }))
        continue;
      strokeColour(pl.colour);
      moveTo(p.x(pl.points[0].x), p.y(pl.points[0].y));
      for (size_t i = 1; i < pl.points.size(); ++i)
        lineTo(p.x(pl.points[i].x), p.y(pl.points[i].y));
      if (pl.closed) HPDF_Page_ClosePath(page_);
      HPDF_Page_Stroke(page_);
    }
    for (const auto& c : e.circles) {
      if (!finite(c.centre) || !(c.radius > 0) || !std::isfinite(c.radius)) continue;
      strokeColour(c.colour);
      arc(p.x(c.centre.x), p.y(c.centre.y), c.radius * p.scale, 0, 2 * kPi);
    }
    for (const auto& a : e.arcs) {
      if (!finite(a.centre) || !(a.radius > 0) || !std::isfinite(a.radius) ||
          !std::isfinite(a.startAngle) || !std::isfinite(a.endAngle))
        continue;
      const double start = std::fmod(a.startAngle, 360.0);
      double end = std::fmod(a.endAngle, 360.0);
      while (end < start) end += 360;
      if (end == start) continue;  // nothing to stroke
      strokeColour(a.colour);
      arc(p.x(a.centre.x), p.y(a.centre.y), a.radius * p.scale, start * kPi / 180,
          (end - start) * kPi / 180);
    }
  }

  // One line of text from `x`, `y` (page points) along `rotation`, stretched
  // by `widthFactor`, at `size` points.
  void showText(const std::string& utf8, double x, double y, double rotation, double widthFactor,
                double size) {
    // The font size stays within what a PDF reader must accept; the rest of
    // it goes into the text matrix.
    const double fontSize = std::min(size, 500.0);
    const double m = size / fontSize;
    const double c = std::cos(rotation) * m, s = std::sin(rotation) * m;
    HPDF_Page_BeginText(page_);
    HPDF_Page_SetFontAndSize(page_, font_, real(fontSize));
    HPDF_Page_SetTextMatrix(page_, real(c * widthFactor), real(s * widthFactor), real(-s), real(c),
                            real(x), real(y));
    HPDF_Page_ShowText(page_, winAnsi(utf8).c_str());
    HPDF_Page_EndText(page_);
  }

  void drawText(const DxfTextEntity& t, const TextLayout& l, const Placement& p) {
    if (!l.shown) return;
    // Far too small or large to read.
    const double size = l.fontScale * p.scale;
    const auto readable = [](double points) { return points > 1e-3 && points < 1e5; };
    if (!readable(size) || !readable(size * l.widthFactor)) return;
    fillColour(t.colour);
    showText(pdfDisplayText(t.text), p.x(l.origin.x), p.y(l.origin.y), l.rotation, l.widthFactor,
             size);
  }

  void drawFooter(const std::string& left, const std::string& right) {
    fillColour(7);  // black on paper
    const double y = kFooterBaseline;
    showText(pdfDisplayText(left), kMargin, y, 0, 1, kFooterSize);
    const std::string r = pdfDisplayText(right);
    const double width = metrics_.measure(r).advance * kFooterSize;
    showText(r, size_.width - kMargin - width, y, 0, 1, kFooterSize);
  }

  const TrueTypeMetrics& metrics_;
  HPDF_Font font_;
  PdfPageSize size_;
  HPDF_Page page_ = nullptr;
  int stroke_ = -1, fill_ = -1;  // the colour indexes in force on the page
  double capHeight_ = 0.7;
  double descent_ = 0.2;
};

// libharu reports its errors here; the first one is what the user is told.
void HPDF_STDCALL onPdfError(HPDF_STATUS error, HPDF_STATUS detail, void* data) {
  auto* first = static_cast<std::string*>(data);
  // The end of the finished file's stream comes as an "error" too.
  if (first->empty() && error != HPDF_STREAM_EOF) {
    char text[64];
    std::snprintf(text, sizeof text, "the PDF library failed (error 0x%04X, %u)",
                  static_cast<unsigned>(error), static_cast<unsigned>(detail));
    *first = text;
  }
}

std::string targetProblem(const std::string& path) {
  std::error_code ec;
  const auto status = fs::status(fs::path(path), ec);
  if (fs::is_directory(status)) return "a folder of that name exists";
  if (fs::exists(status) && !fs::is_regular_file(status)) return "it is not a regular file";
  return "";
}

// The document's info strings are PDFDocEncoding, which agrees with Windows
// ANSI on what a file name holds.
std::string infoText(const std::string& utf8) { return winAnsi(pdfDisplayText(utf8)); }

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

std::string pdfPageSizeLabel(const PdfPageSize& size) {
  char text[96];
  std::snprintf(text, sizeof text, " (%.3g x %.3g in)", size.width / kPointsPerInch,
                size.height / kPointsPerInch);
  return size.name + text;
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

  const std::optional<PdfFont> font = loadFont();
  if (!font)
    return failed(std::string("the drafting font ") + kPdfFontFamily +
                  " (Debian package fonts-osifont) is not installed or cannot be read");

  std::string error;
  const std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, decltype(&HPDF_Free)> pdf(
      HPDF_New(onPdfError, &error), HPDF_Free);
  if (!pdf) return failed("the PDF library could not start");
  HPDF_SetCompressionMode(pdf.get(), HPDF_COMP_ALL);
  HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_TITLE, infoText(info.title).c_str());
  HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_CREATOR, "Tarvello");
  // SOURCE_DATE_EPOCH, when set, makes two sets of the same inputs the same bytes.
  const auto epoch = sourceDateEpoch();
  const std::time_t now = epoch ? static_cast<std::time_t>(*epoch) : std::time(nullptr);
  if (const std::tm* utc = std::gmtime(&now)) {
    HPDF_Date date{};
    date.year = utc->tm_year + 1900;
    date.month = utc->tm_mon + 1;
    date.day = utc->tm_mday;
    date.hour = utc->tm_hour;
    date.minutes = utc->tm_min;
    date.seconds = std::min(utc->tm_sec, 59);
    date.ind = 'Z';
    HPDF_SetInfoDateAttr(pdf.get(), HPDF_INFO_CREATION_DATE, date);
  }
  const char* fontName = HPDF_LoadTTFontFromFile(pdf.get(), font->file.c_str(), HPDF_TRUE);
  HPDF_Font hpdfFont = fontName ? HPDF_GetFont(pdf.get(), fontName, "WinAnsiEncoding") : nullptr;
  if (!hpdfFont)
    return failed(std::string("the drafting font ") + kPdfFontFamily + " could not be embedded");

  PageRenderer renderer(font->metrics, hpdfFont, size);
  const std::string count = std::to_string(sheets.size());
  for (size_t i = 0; i < sheets.size() && error.empty(); ++i) {
    HPDF_Page page = HPDF_AddPage(pdf.get());
    if (!page) break;
    HPDF_Page_SetWidth(page, real(size.width));
    HPDF_Page_SetHeight(page, real(size.height));
    std::string footer = sheets[i].name;
    if (!info.source.empty()) footer += "    " + info.source;
    renderer.drawSheet(page, sheets[i], footer, std::to_string(i + 1) + " of " + count);
  }
  if (error.empty()) HPDF_SaveToStream(pdf.get());
  std::array<HPDF_BYTE, 65536> chunk;
  while (error.empty()) {
    HPDF_UINT32 n = chunk.size();
    const HPDF_STATUS status = HPDF_ReadFromStream(pdf.get(), chunk.data(), &n);
    file.write(std::string_view(reinterpret_cast<const char*>(chunk.data()), n));
    if (status == HPDF_STREAM_EOF) break;
    if (status != HPDF_OK && error.empty()) onPdfError(status, 0, &error);
  }
  if (!error.empty()) return failed(error);
  if (std::string problem = file.close(); !problem.empty()) return failed(problem);
  if (std::string problem = targetProblem(path); !problem.empty()) return failed(problem);
  if (std::string problem = file.commit(); !problem.empty()) return failed(problem);
  return WriteResult::wrote(path, file.notice());
}

}  // namespace tarvello
