#include "excel/xlsx_workbook.h"

#include <gtest/gtest.h>
#include <zip.h>

#include "excel/excel_export.h"
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
  // Where each text went, and what it reads as.
  const char* const texts[] = {
      "D9", "=SUM(A1:A2)",           "F7", "<b> & \"q\"", "B7", "  padded  ", "B8", "line\nbreak",
      "D8", "bad \xEF\xBF\xBD byte", "A8", "Über 30 m €", "B3", "STR. NO."};
  for (size_t i = 0; i < std::size(texts); i += 2) {
    EXPECT_EQ(s.value(texts[i]), texts[i + 1]) << texts[i];
    EXPECT_EQ(s.type(texts[i]), "s") << texts[i];
  }
  EXPECT_EQ(s.type("C8"), "s");
  EXPECT_EQ(s.value("B9"), "1.5e+20");
  EXPECT_EQ(s.value("C9"), "-0.5");
  EXPECT_EQ(s.at("B3")->style, tmpl.at("B3")->style);
  ASSERT_NE(s.at("A1"), nullptr);
  EXPECT_EQ(s.value("A1"), "");
  EXPECT_EQ(s.at("A1")->style, tmpl.at("A1")->style);

  if (!haveLibreOffice())
    GTEST_SKIP() << "LibreOffice is not installed: its reading is not checked";
  // LibreOffice's own reading of the first worksheet, as formatted CSV.
  const std::string log = capture(
      std::string(TARVELLO_LIBREOFFICE) + " -env:UserInstallation=file://" +
      quote((scratch.path() / "lo-profile").string()) +
      " --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,"
      "false,false,1' --outdir " +
      quote(scratch.path().string()) + " " + quote(path.string()) + " 2>&1");
  const std::string csv = fileBytes(scratch.path() / "book-Structure Schedule.csv");
  EXPECT_NE(csv.find("bell\x07here"), std::string::npos) << "the _x0007_ escape read back\n" << log;
  EXPECT_NE(csv.find("=SUM(A1:A2)"), std::string::npos) << "a text, not a formula\n" << log;
}

// A member of a zip archive, read or replaced.
std::string zipMember(const fs::path& archive, const char* name, const std::string* replacement) {
  zip_t* zip = zip_open(archive.string().c_str(), 0, nullptr);
  if (!zip) return "(no archive)";
  std::string bytes;
  if (replacement) {
    zip_source_t* source = zip_source_buffer(zip, replacement->data(), replacement->size(), 0);
    zip_file_add(zip, name, source, ZIP_FL_OVERWRITE);
  } else if (zip_file_t* file = zip_fopen(zip, name, 0)) {
    char buffer[4096];
    for (zip_int64_t got; (got = zip_fread(file, buffer, sizeof buffer)) > 0;)
      bytes.append(buffer, static_cast<size_t>(got));
    zip_fclose(file);
  }
  zip_close(zip);
  return bytes;
}

// Rows added before, between and after the template's rows of a sheet whose
// elements carry a prefix, each written where it would stand as an XML node,
// with the XML writer's escapes, taking its style from a template row or an
// added one.
TEST(XlsxWorkbook, AddedRowsStandAmongTheTemplatesRowsInTheirXml) {
  ScratchFolder scratch;
  const fs::path path = scratch.path() / "book.xlsx";
  fs::copy_file(fs::path(TARVELLO_BINARY_DIR) / "bin" / kSchedulesTemplateName, path);
  const std::string head =
      R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
      R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";
  const std::string cols = R"(<x:cols><x:col min="2" max="3" style="7"/></x:cols>)";
  const std::string sheet =
      head + R"(<x:dimension ref="A1"/>)" + cols +
      R"(<x:sheetData><x:row r="3" spans="1:4" ht="20" customHeight="1" s="4" customFormat="1">)"
      R"(<x:c r="B3" s="a&amp;&quot;'&lt;&gt;&#9;b"/><x:c r="D3" s="9"><x:v>1</x:v></x:c></x:row>)"
      R"(<x:row r="8" ht="15"><x:c r="A8" t="inlineStr"><x:is><x:t>old</x:t></x:is></x:c></x:row>)"
      R"(</x:sheetData></x:worksheet>)";
  zipMember(path, "xl/worksheets/sheet1.xml", &sheet);
  {
    XlsxWorkbook book;
    ASSERT_TRUE(book.open(path.string())) << book.error();
    XlsxWorksheet* s = book.worksheet(0);
    ASSERT_NE(s, nullptr) << book.error();
    s->styleLikeRow(5, 3);
    s->setText(5, 3, "first");
    s->setNumber(5, 4, 2.5);
    s->setText(5, 3, "a<b & \"c\">\td\x01");  // replaces "first"
    s->setText(10, 1, "last");
    s->setText(1, 2, "top");
    s->styleLikeRow(6, 5);
    s->setText(6, 3, "");   // stays an empty styled cell
    s->setText(12, 2, "");  // adds nothing
    s->setText(3, 3, "t");  // the model row gains C3 ...
    s->styleLikeRow(7, 3);  // ... which row 7 then takes
    s->styleLikeRow(8, 5);  // a template row styled like an added one
    EXPECT_EQ(s->text(5, 3), "a<b & \"c\">\td_x0001_");
    EXPECT_EQ(s->text(1, 2), "top");
    EXPECT_EQ(s->text(5, 4), "");
    EXPECT_EQ(s->text(12, 2), "");
    ASSERT_TRUE(book.save()) << book.error();
  }
  const std::string b = R"(s="a&amp;&quot;'&lt;>&#09;b")";
  const std::string rowStyle = R"(ht="20" customHeight="1" s="4" customFormat="1">)";
  EXPECT_EQ(
      zipMember(path, "xl/worksheets/sheet1.xml", nullptr),
      head + R"(<x:dimension ref="A1:D10"/>)" + cols + "<x:sheetData>" +
          R"(<x:row r="1"><x:c r="B1" s="7" t="inlineStr"><x:is><x:t xml:space="preserve">top)"
          R"(</x:t></x:is></x:c></x:row>)"
          R"(<x:row r="3" )" +
          rowStyle + "<x:c r=\"B3\" " + b +
          R"(/><x:c r="C3" s="4" t="inlineStr"><x:is><x:t xml:space="preserve">t</x:t></x:is>)"
          R"(</x:c><x:c r="D3" s="9"><x:v>1</x:v></x:c></x:row>)"
          R"(<x:row r="5" )" +
          rowStyle + "<x:c r=\"B5\" " + b +
          R"(/><x:c r="C5" s="4" t="inlineStr"><x:is><x:t xml:space="preserve">)"
          "a&lt;b &amp; \"c\"&gt;\td_x0001_"
          R"(</x:t></x:is></x:c><x:c r="D5" s="9"><x:v>2.5</x:v></x:c></x:row>)"
          R"(<x:row r="6" )" +
          rowStyle + "<x:c r=\"B6\" " + b +
          R"(/><x:c r="C6" s="4"/><x:c r="D6" s="9"/></x:row>)"
          R"(<x:row r="7" )" +
          rowStyle + "<x:c r=\"B7\" " + b +
          R"(/><x:c r="C7" s="4"/><x:c r="D7" s="9"/></x:row>)"
          R"(<x:row r="8" ht="15" customHeight="1" s="4" customFormat="1">)"
          R"(<x:c r="A8" t="inlineStr"><x:is><x:t>old</x:t></x:is></x:c><x:c r="B8" )" +
          b +
          R"(/><x:c r="C8" s="4"/><x:c r="D8" s="9"/></x:row>)"
          R"(<x:row r="10"><x:c r="A10" t="inlineStr"><x:is><x:t xml:space="preserve">last)"
          R"(</x:t></x:is></x:c></x:row></x:sheetData></x:worksheet>)");
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

}  // namespace
}  // namespace tarvello
