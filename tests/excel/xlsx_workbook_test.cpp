#include "excel/xlsx_workbook.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "excel/excel_export.h"
#include "excel/open_in_spreadsheet.h"
#include "excel/workbook_reader.h"

namespace tarvello {
namespace {

using namespace xltest;

TEST(XlsxWorkbook, CellsStayTextInOrderAndKeepTheirStyle) {
  ScratchFolder scratch;
  const fs::path path = scratch.path() / "book.xlsx";
  fs::copy_file(fs::path(TARVELLO_BINARY_DIR) / "bin" / kSchedulesTemplateName, path);
  const ReadWorkbook original = readWithOpenpyxl(path);
  {
    XlsxWorkbook book;
    ASSERT_TRUE(book.open(path.string())) << book.error();
    ASSERT_EQ(book.worksheetCount(), 2);
    XlsxWorksheet* sheet = book.worksheet(0);
    ASSERT_NE(sheet, nullptr) << book.error();
    // Rows and cells written out of order on purpose: Excel wants them sorted.
    sheet->setText(9, 4, "=SUM(A1:A2)");
    sheet->setText(7, 6, "<b> & \"q\"");
    sheet->setText(7, 2, "  padded  ");
    sheet->setText(8, 2, "line\nbreak");
    sheet->setText(8, 3, "bell\x07here");
    sheet->setText(8, 4, "bad \xff byte");
    sheet->setText(8, 1, "Über 30 m €");
    sheet->setNumber(9, 3, -0.25);
    sheet->setNumber(9, 2, 1.5e20);
    sheet->setNumber(9, 3, -0.5);      // found again after its left neighbour, not added twice
    sheet->setText(3, 2, "STR. NO.");  // replaces a shared-string head
    sheet->setText(1, 1, "");          // clears the title, keeps its style
    ASSERT_TRUE(book.setActiveWorksheet(1)) << book.error();
    ASSERT_TRUE(book.save()) << book.error();
  }
  EXPECT_EQ(fileNamesIn(scratch.path()), std::vector<std::string>{"book.xlsx"});

  const ReadWorkbook got = readWithOpenpyxl(path);
  ASSERT_TRUE(got.ok) << got.output;
  const ReadSheet &s = got.sheets[0], &tmpl = original.sheets[0];
  EXPECT_TRUE(s.ordered);
  EXPECT_FALSE(s.active);
  EXPECT_TRUE(got.sheets[1].active);
  for (const auto& [at, text] :
       std::vector<std::pair<std::string, std::string>>{{"D9", "=SUM(A1:A2)"},
                                                        {"F7", "<b> & \"q\""},
                                                        {"B7", "  padded  "},
                                                        {"B8", "line\nbreak"},
                                                        {"D8", "bad \xEF\xBF\xBD byte"},
                                                        {"A8", "Über 30 m €"},
                                                        {"B3", "STR. NO."}}) {
    EXPECT_EQ(s.value(at), text) << at;
    EXPECT_EQ(s.type(at), "s") << at;
  }
  EXPECT_EQ(s.type("C8"), "s");
  EXPECT_EQ(s.value("B9"), "1.5e+20");
  EXPECT_EQ(s.value("C9"), "-0.5");
  EXPECT_EQ(s.at("B3")->style, tmpl.at("B3")->style);
  ASSERT_NE(s.at("A1"), nullptr);
  EXPECT_EQ(s.value("A1"), "");
  EXPECT_EQ(s.at("A1")->style, tmpl.at("A1")->style);

  if (!haveLibreOffice()) return;
  // LibreOffice's own reading of the first worksheet, as formatted CSV.
  const std::string log = runCommand(
      std::string(TARVELLO_LIBREOFFICE) + " -env:UserInstallation=file://" +
      quote((scratch.path() / "lo-profile").string()) +
      " --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,"
      "false,false,1' --outdir " +
      quote(scratch.path().string()) + " " + quote(path.string()) + " 2>&1");
  const std::string csv = fileBytes(scratch.path() / "book-Structure Schedule.csv");
  EXPECT_NE(csv.find("bell\x07here"), std::string::npos) << "the _x0007_ escape read back\n" << log;
  EXPECT_NE(csv.find("=SUM(A1:A2)"), std::string::npos) << "a text, not a formula\n" << log;
}

TEST(SpreadsheetText, EscapesWhatXmlCannotCarry) {
  EXPECT_EQ(spreadsheetText("plain"), "plain");
  EXPECT_EQ(spreadsheetText("a\x01z"), "a_x0001_z");
  EXPECT_EQ(spreadsheetText("cr\r\nlf"), "cr_x000D_\nlf");
  // A text that looks like an escape is escaped itself.
  EXPECT_EQ(spreadsheetText("_x0041_"), "_x005F_x0041_");
  EXPECT_EQ(spreadsheetText("_x12_"), "_x12_");
  EXPECT_EQ(spreadsheetText("\xC3\xA9"), "\xC3\xA9");
  EXPECT_EQ(spreadsheetText("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // overlong
  EXPECT_EQ(spreadsheetText("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // surrogate
  EXPECT_EQ(spreadsheetText("\xE2\x82"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // cut short
  EXPECT_EQ(spreadsheetText("\xEF\xBF\xBF"), "_xFFFF_");
  EXPECT_EQ(columnName(1), "A");
  EXPECT_EQ(columnName(26), "Z");
  EXPECT_EQ(columnName(27), "AA");
  EXPECT_EQ(columnName(16384), "XFD");
}

TEST(OpenInSpreadsheetProgram, HandsThePathToTheOpenerWithoutWaiting) {
  ScratchFolder scratch;
  const fs::path opener = scratch.path() / "opener";
  std::ofstream(opener) << "#!/bin/sh\nsleep 2\nprintf '%s' \"$1\" > \"$0.out\"\n";
  fs::permissions(opener, fs::perms::owner_all);
  const fs::path workbook = scratch.path() / "I-64 schedules (rev 2).xlsx";

  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(openInSpreadsheetProgram(workbook.string(), opener.string()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));

  const fs::path out = scratch.path() / "opener.out";
  for (int i = 0; i < 100 && fileBytes(out).empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(fileBytes(out), workbook.string());

  EXPECT_FALSE(
      openInSpreadsheetProgram(workbook.string(), (scratch.path() / "no-opener").string()));
}

}  // namespace
}  // namespace tarvello
