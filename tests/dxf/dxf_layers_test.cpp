// Layers added to a drawing's layer table: the fixed header changes only by
// their entries and the table's count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dxf/dxf_writer.h"
#include "support/dxf.h"

namespace tarvello {
namespace {

TEST(DxfLayers, AddedLayersGoAtTheEndOfTheLayerTable) {
  DxfDrawing plain;
  EXPECT_EQ(plain.header(), std::string(DxfDrawing::headerText()));

  DxfDrawing drawing;
  drawing.addLayer("EGL", 5);
  drawing.addLayer("A,B\r\n", 140);
  std::vector<std::string> expected = testing::linesOf(std::string(DxfDrawing::headerText()));
  const auto table = std::find(expected.begin(), expected.end(), "LAYER");
  ASSERT_NE(table, expected.end());
  ASSERT_EQ(*(table + 2), "     3");
  *(table + 2) = "     5";
  const auto end = std::find(table, expected.end(), "ENDTAB");
  ASSERT_NE(end, expected.end());
  expected.insert(
      end - 1,
      {"  0", "LAYER", "  2", "EGL",   " 70", "     0", " 62", "     5", "  6", "CONTINUOUS",
       "  0", "LAYER", "  2", "A_B__", " 70", "     0", " 62", "   140", "  6", "CONTINUOUS"});
  EXPECT_EQ(testing::linesOf(drawing.header()), expected);

  // The whole file carries the same header.
  drawing.dxfLine("EGL", 0, 1, 0, 2, 3, 0, 5);
  const std::vector<std::string> file = drawing.fileLines();
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), file.begin()));
}

}  // namespace
}  // namespace tarvello
