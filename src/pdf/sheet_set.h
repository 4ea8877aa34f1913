#pragma once
// The sheet set a designer hands a reviewer: every branch profile, one a
// page in branch order, then the structure schedule sheets and the pipe
// schedule sheets, one a page. Each page is drawn from the DXF text of the
// drawing the DXF commands write, read back through the DXF reader, so the
// PDF shows nothing the DXF files would not.
#include <string>
#include <vector>

#include "common/warnings.h"
#include "common/write_result.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "pdf/pdf_writer.h"
#include "profile/profile_plot.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The entities of a drawing as a reader of its DXF file gets them. Throws
// std::runtime_error when its text does not read back (which would be a
// fault of the writer).
DxfEntities readBackDrawing(const DxfDrawing& drawing);

// Splits a drawing of sheets side by side into the sheets: `firstLeft` is
// the left edge of the first, each is `width` wide and `gap` apart from the
// next. An entity goes with the sheet its leftmost point lies on (or the half
// gap on either side of it).
std::vector<DxfEntities> splitSideBySide(const DxfEntities& entities, double firstLeft,
                                         double width, double gap);

// The pages of the set, named for their footers ("Branch 3", "Structure
// Schedule, sheet 1 of 2"). What the drawing worked around goes to `warnings`,
// each once.
std::vector<PdfSheet> sheetSet(const ProfileTables& tables, const ProfileSettings& settings,
                               bool englishUnits, Warnings& warnings);

// Pages of text rows set out in columns under `title`, as many rows a page as
// fit ("Revisions, sheet 1 of 2"): pages a set puts before its drawings.
std::vector<PdfSheet> textSheets(const std::string& title,
                                 const std::vector<std::vector<std::string>>& rows);

// "Tarvello - <file name>" and the file name, for a set of the pipe database at `pipeDbPath`.
PdfDocumentInfo sheetSetInfo(const std::string& pipeDbPath);

// The whole set into a new PDF file at `path`, after the `leading` pages;
// `appendedPages`, when given, follow the schedule sheets (e.g. tablePages
// of the computation sheet).
WriteResult writeSheetSetPdf(const ProfileTables& tables, const ProfileSettings& settings,
                             bool englishUnits, const PdfPageSize& size,
                             const std::string& pipeDbPath, const std::string& path,
                             Overwrite overwrite, Warnings& warnings,
                             const std::vector<PdfSheet>* appendedPages = nullptr,
                             const std::vector<PdfSheet>& leading = {});

}  // namespace tarvello
