#include "tables/table.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text_index.h"
#include "tables/csv.h"

namespace tarvello {
namespace {

std::string textOfLength(size_t n, int fill) {
  std::string s(n, static_cast<char>(fill));
  if (n > 0) s.front() = '<';
  if (n > 1) s.back() = '>';
  return s;
}

TEST(Table, TextsOfEveryLengthReadBackAsWritten) {
  Table t({"A", "B"});
  // In place up to 7 bytes, in a chunk beyond; 70,000 is more than a chunk.
  const size_t lengths[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 100, 65530, 70000, 9, 8};
  int row = 1;
  for (size_t n : lengths) {
    const std::string text = textOfLength(n, 'a' + row);
    ASSERT_TRUE(t.setCell(row, 1, text));
    EXPECT_EQ(t.cell(row, 1), text) << n;
    ++row;
  }
  // Rewriting swaps between the two kinds of cell.
  t.setCell(9, 1, "short");
  t.setCell(2, 1, textOfLength(40, 'x'));
  EXPECT_EQ(t.cell(9, 1), "short");
  EXPECT_EQ(t.cell(2, 1), textOfLength(40, 'x'));
  // Bytes are kept as bytes, NUL and UTF-8 included.
  const std::string bytes("a\0b\xC3\xA9 and more than seven", 25);
  t.setCell(3, 0, bytes);
  EXPECT_EQ(t.cell(3, 0), bytes);
  EXPECT_EQ(t.cell(99, 0), "");
  EXPECT_EQ(t.cell(1, 7), "");
  // The texts not written over still read as written.
  row = 1;
  for (size_t n : lengths) {
    if (row != 2 && row != 9) {
      EXPECT_EQ(t.cell(row, 1), textOfLength(n, 'a' + row)) << n;
    }
    ++row;
  }
}

TEST(Table, LongTextsSurviveManyChunksCopiesAndClearing) {
  Table t({"A"});
  for (int r = 1; r <= 3000; ++r)
    t.setCell(r, 0, textOfLength(static_cast<size_t>(20 + r % 50), 'a' + r % 26));
  Table copy = t;
  t.clear();
  EXPECT_EQ(t.cell(1, 0), "");
  EXPECT_EQ(t.lastFilledRow(), 0);
  for (int r = 1; r <= 3000; ++r)
    ASSERT_EQ(copy.cell(r, 0), textOfLength(static_cast<size_t>(20 + r % 50), 'a' + r % 26)) << r;
  // The copy takes new long texts without disturbing the ones it has.
  const CellText first = copy.cell(1, 0);
  for (int r = 1; r <= 3000; ++r) copy.setCell(r + 3000, 0, textOfLength(30, 'z'));
  EXPECT_EQ(first, textOfLength(21, 'b'));
  EXPECT_EQ(copy.lastFilledRow(), 6000);
}

TEST(Table, ACellCopiedIntoANewRowIsReadBeforeTheTableGrows) {
  Table t({"A", "B"});
  t.reserveRows(3);
  t.setCell(1, 0, "1.25");
  t.setCell(1, 1, textOfLength(33, 'q'));
  // Row 40 is beyond the reserve: growing moves every cell, the source included.
  t.setCell(40, 0, t.cell(1, 0));
  t.setCell(41, 1, t.cell(1, 1));
  t.setCell(1, 0, t.cell(1, 1));  // long text over a short one in the same row
  EXPECT_EQ(t.cell(40, 0), "1.25");
  EXPECT_EQ(t.cell(41, 1), textOfLength(33, 'q'));
  EXPECT_EQ(t.cell(1, 0), textOfLength(33, 'q'));
  EXPECT_EQ(t.lastFilledRow(), 41);
  // A cell reads as text wherever a string is needed.
  const std::string joined = "[" + t.cell(40, 0) + "]";
  EXPECT_EQ(joined, "[1.25]");
  EXPECT_FALSE(t.setCell(-1, 0, "x"));
  EXPECT_FALSE(t.setCell(1, 2, "x"));
}

// Cells quoted as RFC 4180 asks; written in pieces, the text is the whole
// one's whatever the piece size.
TEST(TableCsv, QuotedAndTheSameInPieces) {
  Table t({"Name", "Note"});
  t.setCell(1, 0, "P-1");
  t.setCell(1, 1, "a, b");
  t.setCell(2, 0, "say \"hi\"");
  t.setCell(2, 1, "two\r\nlines");
  EXPECT_EQ(tableCsv(t), "Name,Note\r\nP-1,\"a, b\"\r\n\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n");
  for (int r = 3; r <= 2000; ++r) t.setCell(r, 0, "S-" + std::to_string(r));
  const std::string whole = tableCsv(t);
  for (const size_t piece : {size_t{1}, size_t{7}, size_t{4096}, size_t{1} << 20}) {
    std::string joined;
    int pieces = 0;
    writeTableCsv(
        t,
        [&](std::string_view p) {
          joined += p;
          ++pieces;
        },
        piece);
    EXPECT_EQ(joined, whole) << piece;
    EXPECT_GE(pieces, piece == 1 ? 2001 : 1) << piece;
  }
}

TEST(TextIndex, IdsAreDenseStableAndExact) {
  TextIndex index;
  for (int i = 0; i < 20000; ++i) ASSERT_EQ(index.add("N" + std::to_string(i)), i);
  // Growth rehashed the table many times; every text still finds its id.
  for (int i = 0; i < 20000; ++i) ASSERT_EQ(index.find("N" + std::to_string(i)), i);
  EXPECT_EQ(index.add("N7"), 7u);
  EXPECT_EQ(index.find("n7"), TextIndex::kNone);   // exact, not case-blind
  EXPECT_EQ(index.find("N7 "), TextIndex::kNone);  // nor trimmed
  EXPECT_EQ(index.find(""), TextIndex::kNone);
  const std::uint32_t withNul = index.add(std::string_view("a\0b", 3));
  EXPECT_EQ(index.find(std::string_view("a\0b", 3)), withNul);
  EXPECT_EQ(index.find("a"), TextIndex::kNone);
  EXPECT_EQ(index.text(withNul), std::string("a\0b", 3));
  EXPECT_EQ(TextIndex().find("x"), TextIndex::kNone);
}

}  // namespace
}  // namespace tarvello
