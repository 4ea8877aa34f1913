// Reading a large drawing reports its progress and can be stopped part-way.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "dxf/dxf_reader.h"
#include "support/dxf.h"

namespace tarvello {
namespace {

// A drawing of `lines` LINE entities in an ENTITIES section.
std::string manyLines(int lines) {
  std::string text = "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < lines; ++i)
    text += "0\nLINE\n8\n0\n10\n" + std::to_string(i) + "\n20\n0\n11\n" + std::to_string(i) +
            "\n21\n1\n";
  return text + "0\nENDSEC\n0\nEOF\n";
}

TEST(DxfReadProgress, ReportsRisingFractionsAndStopsWhenAsked) {
  testing::ScratchFolder scratch;
  const std::string path = scratch.file("many.dxf");
  std::ofstream(path, std::ios::binary) << manyLines(50000);

  std::vector<double> seen;
  const DxfReadResult whole = readDxfFile(path, [&](double f) {
    seen.push_back(f);
    return true;
  });
  ASSERT_TRUE(whole.ok) << whole.error;
  EXPECT_FALSE(whole.cancelled);
  EXPECT_EQ(whole.entities.lines.size(), 50000u);
  ASSERT_GE(seen.size(), 10u);
  for (size_t i = 1; i < seen.size(); ++i) EXPECT_GE(seen[i], seen[i - 1]);
  EXPECT_GT(seen.front(), 0.0);
  EXPECT_LE(seen.back(), 1.0);
  EXPECT_GT(seen.back(), 0.9);

  // Stopped at the third report: no drawing, and the reason says so.
  int calls = 0;
  const DxfReadResult stopped = readDxfFile(path, [&](double) { return ++calls < 3; });
  EXPECT_FALSE(stopped.ok);
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_EQ(calls, 3);
  EXPECT_TRUE(stopped.entities.lines.empty());
  EXPECT_NE(stopped.error.find("cancelled"), std::string::npos);

  // Without a callback the reading is the plain one.
  const DxfReadResult plain = readDxfFile(path, DxfProgress{});
  EXPECT_TRUE(plain.ok);
  EXPECT_EQ(plain.entities.lines.size(), 50000u);
}

}  // namespace
}  // namespace tarvello
