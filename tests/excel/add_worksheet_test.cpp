// Worksheets added to a workbook as new parts of its package.
#include <gtest/gtest.h>

#include "excel/excel_export.h"
#include "excel/workbook_reader.h"
#include "excel/xlsx_workbook.h"

namespace tarvello {
namespace {

using namespace xltest;

TEST(XlsxAddWorksheet, NewTabsFollowTheOthersAndBadNamesAreRefused) {
  ScratchFolder scratch;
  const fs::path path = scratch.path() / "book.xlsx";
  fs::copy_file(fs::path(TARVELLO_BINARY_DIR) / "bin" / kSchedulesTemplateName, path);
  {
    XlsxWorkbook book;
    ASSERT_TRUE(book.open(path.string())) << book.error();
    for (const std::string& bad :
         std::vector<std::string>{"", "pipe schedule", "a/b", "what?", "'quoted'",
                                  std::string(32, 'x'), std::string("bad \xff")}) {
      EXPECT_EQ(book.addWorksheet(bad), nullptr) << bad;
      EXPECT_FALSE(book.error().empty());
    }
    EXPECT_EQ(book.worksheetCount(), 2);
    XlsxWorksheet* checks = book.addWorksheet("Design Checks");
    ASSERT_NE(checks, nullptr) << book.error();
    checks->setText(1, 1, "Rule");
    checks->setText(2, 5, "-0.20");
    XlsxWorksheet* notes = book.addWorksheet(std::string(31, 'N'));
    ASSERT_NE(notes, nullptr) << book.error();
    notes->setNumber(3, 2, 1.5);
    EXPECT_EQ(book.addWorksheet("design checks"), nullptr);
    EXPECT_EQ(book.worksheetCount(), 4);
    EXPECT_EQ(book.worksheet(2), checks);
    ASSERT_TRUE(book.setActiveWorksheet(0)) << book.error();
    ASSERT_TRUE(book.save()) << book.error();
  }
  const ReadWorkbook read = readWithOpenpyxl(path);
  ASSERT_TRUE(read.ok) << read.output;
  ASSERT_EQ(read.sheets.size(), 4u);
  EXPECT_EQ(read.sheets[0].title, "Structure Schedule");
  EXPECT_TRUE(read.sheets[0].active);
  EXPECT_EQ(read.sheets[2].title, "Design Checks");
  EXPECT_EQ(read.sheets[2].value("A1"), "Rule");
  EXPECT_EQ(read.sheets[2].value("E2"), "-0.20");
  EXPECT_EQ(read.sheets[2].type("E2"), "s");
  EXPECT_EQ(read.sheets[3].title, std::string(31, 'N'));
  EXPECT_EQ(read.sheets[3].value("B3"), "1.5");

  // A workbook opened again takes a further tab beside the added ones.
  XlsxWorkbook again;
  ASSERT_TRUE(again.open(path.string())) << again.error();
  EXPECT_EQ(again.worksheetCount(), 4);
  ASSERT_NE(again.addWorksheet("Fifth"), nullptr) << again.error();
  ASSERT_TRUE(again.save()) << again.error();
  const ReadWorkbook fifth = readWithOpenpyxl(path);
  ASSERT_EQ(fifth.sheets.size(), 5u) << fifth.output;
  EXPECT_EQ(fifth.sheets[4].title, "Fifth");
}

}  // namespace
}  // namespace tarvello
