#pragma once
// Vector PDF of drawings read as DXF: one page a sheet, each sheet scaled to
// fit its landscape page within a margin, a footer line in the margin below.
// Written with libharu (the desktop and the web page alike); lines and arcs
// as paths, texts in an embedded font so that they can be searched and copied.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/write_result.h"
#include "dxf/dxf_reader.h"

namespace tarvello {

// A paper size, landscape, in PostScript points (1/72 in).
struct PdfPageSize {
  std::string name;
  double width = 0;
  double height = 0;
};

// The sizes that can be chosen, the default (tabloid, 17 x 11 in) first.
const std::vector<PdfPageSize>& pdfPageSizes();
// The size of that name ("tabloid", "letter", "ansi-d", "a3", "a1"), any case.
std::optional<PdfPageSize> pdfPageSize(const std::string& name);
// As a page-size choice shows it: "tabloid (17 x 11 in)", "a3 (16.5 x 11.7 in)".
std::string pdfPageSizeLabel(const PdfPageSize& size);

// One page: the entities of one sheet and what the footer calls it.
struct PdfSheet {
  DxfEntities entities;
  std::string name;
};

struct PdfDocumentInfo {
  std::string title;   // the document's title in its info
  std::string source;  // the footer's middle part, e.g. the pipe database file name
};

// The margin around a sheet's drawing on every side, in points; the footer
// line sits in the lower one.
inline constexpr double kPdfMargin = 36;

// The font the texts are set in: an ISO 3098 drafting lettering (TrueType),
// found by fontconfig (the web page carries its own copy) and embedded in the
// file.
inline constexpr const char* kPdfFontFamily = "osifont";

// What a DXF text shows on the page, as UTF-8: the control codes for degree,
// plus-minus and diameter as their signs, underline and overline switches
// dropped, control characters as spaces, bytes that are no UTF-8 as Latin-1.
std::string pdfDisplayText(std::string_view text);

// "PDF file was saved to:" and the failure message, as the user is told.
std::string pdfSavedMessage(const std::string& path);
std::string pdfFailedMessage(const std::string& path, const std::string& reason);

// Writes every sheet, in order, one a page, into a new file at `path`
// (through a temporary file, so a failure leaves nothing under the name). An
// existing file is replaced only with Overwrite::Yes.
WriteResult writePdfFile(const std::string& path, Overwrite overwrite, const PdfPageSize& size,
                         const PdfDocumentInfo& info, const std::vector<PdfSheet>& sheets);

class TrueTypeMetrics;
// The lettering's measures, read once; null when the font cannot be read.
const TrueTypeMetrics* pdfFontMetrics();

}  // namespace tarvello
