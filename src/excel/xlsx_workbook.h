#pragma once
// Edits an Office Open XML workbook file in place. Cells are written straight
// into the worksheets' XML; every other part of the package (styles, shared
// strings, print settings, defined names) is left as it is, so the formatting
// of the template a workbook was copied from stays on its cells.
#include <memory>
#include <string>
#include <string_view>

namespace tarvello {

class XlsxWorksheet {
 public:
  ~XlsxWorksheet();
  XlsxWorksheet(const XlsxWorksheet&) = delete;
  XlsxWorksheet& operator=(const XlsxWorksheet&) = delete;

  // Rows and columns count from 1 (column 1 is A). Text is always stored as a
  // text cell, never as a formula; empty text leaves the cell without a value.
  // A new cell takes the style of its row, else of its column.
  void setText(int row, int column, std::string_view text);
  void setNumber(int row, int column, double value);
  // Gives every cell of `row` that does not exist yet the style of the cell in
  // the same column of `modelRow`, so data rows share the borders and number
  // formats of the template's first data row.
  void styleLikeRow(int row, int modelRow);
  // The text of a text cell, inline or shared; empty for any other cell.
  std::string text(int row, int column) const;

 private:
  friend class XlsxWorkbook;
  struct Impl;
  explicit XlsxWorksheet(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

class XlsxWorkbook {
 public:
  XlsxWorkbook();
  ~XlsxWorkbook();  // an unsaved workbook is closed without changing the file
  XlsxWorkbook(const XlsxWorkbook&) = delete;
  XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

  // Opens the file and reads its sheet list. False, with error(), when it is
  // not a readable workbook.
  bool open(const std::string& path);
  int worksheetCount() const;
  // Worksheet by position in the workbook (0 is the first tab); nullptr, with
  // error(), when the sheet is missing or its XML cannot be read.
  XlsxWorksheet* worksheet(int index);
  // Appends an empty worksheet after the last one, as a new part of the
  // package; nullptr, with error(), when the name is no valid new tab name or
  // the package cannot take the part.
  XlsxWorksheet* addWorksheet(const std::string& name);
  // The tab shown when the workbook is opened.
  bool setActiveWorksheet(int index);
  // Writes every change into the file and closes it. False, with error(), when
  // writing failed.
  bool save();
  const std::string& error() const { return error_; }

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string error_;
};

// Text made safe for a SpreadsheetML string: invalid UTF-8 becomes U+FFFD,
// characters XML cannot carry (and carriage returns, which XML readers turn
// into line feeds) become _xHHHH_ escapes, and a literal _xHHHH_ in the text
// is escaped so that spreadsheet programs show it unchanged.
std::string spreadsheetText(std::string_view text);
// The same, appended to `out`.
void appendSpreadsheetText(std::string& out, std::string_view text);

// "A" for column 1, "Z" for 26, "AA" for 27.
std::string columnName(int column);

}  // namespace tarvello
