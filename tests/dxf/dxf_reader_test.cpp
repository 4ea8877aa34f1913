// Reading DXF drawings: our own, other programs', files that are no drawing
// and drawings that declare more than they hold.
#include "dxf/dxf_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "support/database_test_support.h"
#include "support/dxf_reading.h"

namespace tarvello {
namespace {

using namespace testing;

// A hand-made drawing with entities our writer never makes.
const char* const kOtherEntities =
    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n"
    "0\nLAYER\n2\nRED\n70\n0\n62\n1\n6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n"
    "0\nSECTION\n2\nBLOCKS\n"
    "0\nBLOCK\n8\n0\n2\nMARK\n70\n0\n10\n0\n20\n0\n30\n0\n"
    "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
    "0\nENDBLK\n8\n0\n0\nENDSEC\n"
    "0\nSECTION\n2\nENTITIES\n"
    "0\nARC\n8\nRED\n10\n5\n20\n5\n30\n0\n40\n2\n50\n0\n51\n90\n"
    "0\nLWPOLYLINE\n8\n0\n90\n3\n70\n1\n10\n0\n20\n0\n42\n1\n10\n2\n20\n0\n10\n2\n20\n2\n"
    "0\nPOLYLINE\n8\n0\n66\n1\n70\n0\n0\nVERTEX\n8\n0\n10\n0\n20\n10\n0\nVERTEX\n8\n0\n10\n5\n20\n1"
    "0\n"
    "0\nSEQEND\n8\n0\n"
    "0\nTEXT\n8\n0\n10\n0\n20\n0\n40\n1\n1\nMID\n72\n1\n11\n50\n21\n60\n"
    "0\nINSERT\n8\n0\n2\nMARK\n10\n3\n20\n3\n"
    "0\nENDSEC\n0\nEOF\n";

TEST(DxfReader, ReadsEveryEntityOfOurWriter) {
  dbtest::ScratchFolder scratch;
  const std::string path = scratch.file("profile.dxf");
  ASSERT_EQ(writeSampleDrawing(path), "");
  const DxfReadResult r = readDxfFile(path);
  ASSERT_TRUE(r.ok) << r.error;
  const DxfEntities& e = r.entities;
  ASSERT_EQ(std::tuple(e.lines.size(), e.circles.size(), e.texts.size(), e.polylines.size(),
                       e.arcs.size(), e.skipped),
            std::tuple(2u, 1u, 3u, 2u, 0u, 0));

  EXPECT_EQ(e.lines[0].start.x, 600.0);
  EXPECT_EQ(e.lines[0].end.y, 525.0);
  EXPECT_EQ(e.lines[0].colour, 7);  // colour 0 (BYBLOCK) is drawn like 7
  EXPECT_EQ(e.lines[1].end.x, 700.5);
  EXPECT_EQ(e.lines[1].colour, 3);
  EXPECT_EQ(e.circles[0].radius, 4.5);

  const DxfTextEntity& inv = e.texts[0];
  EXPECT_EQ(inv.text, "INV. 396.50");
  EXPECT_EQ(inv.height, 2.5);
  EXPECT_NEAR(inv.rotation, 90.0, 1e-9);
  EXPECT_EQ(inv.widthFactor, 0.75);
  EXPECT_EQ(inv.insertion.y, 565.0);
  EXPECT_EQ(e.texts[2].text, "");  // an empty TEXT value is still a text

  for (const auto& rect : e.polylines) {
    EXPECT_TRUE(rect.closed);
    EXPECT_EQ(rect.points.size(), 4u);
  }
  EXPECT_EQ(e.polylines[1].points[2].x, 129.0);
  EXPECT_EQ(e.polylines[1].points[2].y, 21.45);

  const DxfBounds b = e.bounds();
  EXPECT_EQ(std::tuple(b.minX, b.maxX, b.minY, b.maxY), std::tuple(100.0, 700.5, -20.0, 565.0));
}

TEST(DxfReader, ReadsArcsPolylinesAlignedTextAndSkipsTheRest) {
  const DxfReadResult r = readDxfText(kOtherEntities);
  ASSERT_TRUE(r.ok) << r.error;
  const DxfEntities& e = r.entities;
  // The line inside the block definition is drawn only through an INSERT,
  // which the viewer counts as not drawn.
  EXPECT_EQ(e.lines.size(), 0u);
  EXPECT_EQ(e.skipped, 1);

  ASSERT_EQ(e.arcs.size(), 1u);
  EXPECT_EQ(e.arcs[0].endAngle, 90.0);
  EXPECT_EQ(e.arcs[0].colour, 1);  // BYLAYER on layer RED

  ASSERT_EQ(e.polylines.size(), 2u);
  const DxfPolylineEntity& lw = e.polylines[0];
  EXPECT_TRUE(lw.closed);
  // The bulged first segment became an arc of several points, the other
  // vertices stayed as they were.
  EXPECT_GT(lw.points.size(), 4u);
  EXPECT_EQ(lw.points.front().x, 0.0);
  EXPECT_EQ(lw.points.back().x, 2.0);
  EXPECT_EQ(lw.points.back().y, 2.0);
  EXPECT_FALSE(e.polylines[1].closed);
  EXPECT_EQ(e.polylines[1].points.size(), 2u);

  ASSERT_EQ(e.texts.size(), 1u);
  EXPECT_EQ(e.texts[0].hAlign, 1);
  EXPECT_EQ(e.texts[0].alignment.x, 50.0);
  EXPECT_EQ(e.texts[0].alignment.y, 60.0);
}

TEST(DxfReader, BulgesBecomeArcs) {
  // Bulge 1 is a half circle; counter-clockwise from (0,0) to (2,0) it
  // passes below the chord, through (1,-1).
  const auto half = bulgeSegment({0, 0}, {2, 0}, 1.0);
  ASSERT_GT(half.size(), 2u);
  bool throughBottom = false;
  for (const auto& p : half) {
    EXPECT_NEAR(std::hypot(p.x - 1, p.y), 1, 1e-9);
    EXPECT_LE(p.y, 1e-12);
    if (std::abs(p.x - 1) < 1e-9 && std::abs(p.y + 1) < 1e-9) throughBottom = true;
  }
  EXPECT_TRUE(throughBottom);
  EXPECT_EQ(half.back().x, 2.0);
  for (const auto& p : bulgeSegment({0, 0}, {2, 0}, -1.0)) EXPECT_GE(p.y, -1e-12);
  const auto straight = bulgeSegment({0, 0}, {3, 4}, 0);
  ASSERT_EQ(straight.size(), 1u);
  EXPECT_EQ(straight[0].y, 4.0);
}

TEST(DxfReader, RefusesFilesThatAreNoDrawing) {
  dbtest::ScratchFolder dir;
  const struct {
    std::string path;
    const char* words;
  } cases[] = {
      {dir.file("missing.dxf"), "could not be opened"},
      {dir.writeFile("empty.dxf", ""), "empty"},
      {dir.writeFile("letter.dxf", "Dear designer,\nthe profiles are late.\n"), "not a DXF"},
      {dir.writeFile("binary.dxf", std::string("PK\x03\x04\x00\x00garbage", 14)), "binary data"},
      {dir.writeFile("acad.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\x00", 22)), "binary DXF"},
      {dir.writeFile("numbers.dxf", "0\nLINE\n10\n1\n"), "does not begin with a SECTION"},
      {dir.writeFile("cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n"), "has no value"},
      {dir.writeFile("lw.dxf",
                     "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n1\n10\n0\n20\n0\n10\n1\n20\n1\n"
                     "0\nENDSEC\n0\nEOF\n"),
       "more vertices"},
      {dir.writeFile("comment.dxf", "999\ndxflib\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"),
       "could not be read"},
      {dir.path().string(), "could not"},
  };
  for (const auto& c : cases) {
    const DxfReadResult r = readDxfFile(c.path);
    EXPECT_FALSE(r.ok) << c.path;
    EXPECT_NE(r.error.find(c.words), std::string::npos) << r.error;
    EXPECT_EQ(r.entities.count(), 0u) << c.path;
  }
}

TEST(DxfReader, HostileDrawingsAreDamagedWithinBoundedMemory) {
  dbtest::ScratchFolder dir;
  for (const auto& h : hostileDrawings()) {
    EXPECT_LT(h.text.size(), 300u);
    const std::string path = dir.writeFile(h.name, h.text);
    const std::string answer = inChildWithMemoryLimit(100 * kMegabyte, [&] {
      const DxfReadResult fromText = readDxfText(h.text);
      const DxfReadResult fromFile = readDxfFile(path);
      if (fromText.ok || fromFile.ok || fromFile.entities.count() != 0)
        return std::string("read as a drawing");
      return fromText.error + "|" + fromFile.error;
    });
    EXPECT_EQ(answer, h.message + "|" + h.message);
  }
}

TEST(DxfReader, BulgedDrawingsStayWithinTheirMemory) {
  // Every few bytes a bulge that would become 30 points of an arc: at most
  // 64 MB and 20 times the size of the file may be taken for it.
  std::string text = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n%\n";
  const size_t countAt = text.find('%');
  size_t vertices = 0;
  while (text.size() < 2 * kMegabyte) text += "10\n" + std::to_string(vertices++) + "\n42\n9\n";
  text.replace(countAt, 1, std::to_string(vertices));
  text += "0\nENDSEC\n0\nEOF\n";
  const std::string answer = inChildWithMemoryLimit(64 * kMegabyte + 20 * text.size(), [&] {
    const DxfReadResult r = readDxfText(text);
    if (!r.ok) return r.error;
    const auto& points = r.entities.polylines.at(0).points;
    // The first segments are arcs; all vertices are there.
    return std::string(points.size() > vertices && std::abs(points[1].y) > 0.1 ? "arcs"
                                                                               : "no arcs");
  });
  EXPECT_EQ(answer, "arcs");
}

}  // namespace
}  // namespace tarvello
