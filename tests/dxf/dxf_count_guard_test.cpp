// The check of DXF item counts against the room their entity has left.
#include "dxf/dxf_count_guard.h"

#include <gtest/gtest.h>

#include <string>

#include "support/dxf_reading.h"

namespace tarvello {
namespace {

const std::string kHead = "0\nSECTION\n2\nENTITIES\n";  // lines 1-4
const std::string kTail = "0\nENDSEC\n0\nEOF\n";

// An entity of the ENTITIES section; its first group is on line 5.
std::string drawing(const std::string& entity) { return kHead + entity + kTail; }

TEST(DxfCountGuard, HostileCountsAreDamagedWithTheirLine) {
  const struct {
    std::string entity;
    std::string message;
  } cases[] = {
      {"0\nSPLINE\n72\n-3\n", "line 8: a SPLINE declares -3 knots."},
      {"0\nHATCH\n2\nSOLID\n91\n70000\n92\n1\n93\n1\n",
       "line 10: a HATCH declares 70000 boundary paths."},
      // What strtol reads, as dxflib reads it: beyond int, with blanks and a sign.
      {"0\nLWPOLYLINE\n90\n  +4294967297\n10\n0\n20\n0\n",
       "line 8: an LWPOLYLINE declares 4294967297 vertices."},
  };
  for (const auto& c : cases) {
    const auto problem = checkDxfCounts(drawing(c.entity));
    ASSERT_TRUE(problem) << c.entity;
    EXPECT_EQ(*problem, "The drawing is damaged: " + c.message);
  }
  for (const auto& h : testing::hostileDrawings())
    EXPECT_EQ(checkDxfCounts(h.text).value_or(""), h.message) << h.name;
}

TEST(DxfCountGuard, CountsThatTheirEntityCanHoldPass) {
  // Declared counts that are met, and one that the groups after it could
  // still hold (one group per item) even though they are not all items.
  const std::string ok[] = {
      "0\nLWPOLYLINE\n8\n0\n90\n3\n70\n1\n10\n0\n20\n0\n42\n1\n10\n2\n20\n0\n10\n2\n20\n2\n",
      "0\nSPLINE\n70\n8\n71\n1\n72\n4\n73\n2\n74\n0\n40\n0\n40\n0\n40\n1\n40\n1\n"
      "10\n0\n20\n0\n30\n0\n10\n1\n20\n1\n30\n0\n",
      "0\nLEADER\n76\n2\n10\n0\n20\n0\n10\n5\n20\n5\n",
      "0\nHATCH\n2\nSOLID\n91\n1\n92\n0\n93\n1\n72\n1\n10\n0\n20\n0\n11\n1\n21\n1\n97\n0\n98\n0\n",
      // Exactly as many groups follow as are declared.
      "0\nLWPOLYLINE\n90\n2\n10\n0\n10\n1\n",
      // 90 means something else in other entities.
      "0\nLINE\n90\n2000000000\n10\n0\n20\n0\n11\n1\n21\n1\n",
  };
  for (const auto& entity : ok) EXPECT_EQ(checkDxfCounts(drawing(entity)), std::nullopt) << entity;
  EXPECT_EQ(checkDxfCounts(""), std::nullopt);
  // One group too few for the count.
  EXPECT_EQ(checkDxfCounts(drawing("0\nLWPOLYLINE\n90\n3\n10\n0\n10\n1\n")).value_or(""),
            "The drawing is damaged: line 8: an LWPOLYLINE declares 3 vertices.");
}

TEST(DxfCountGuard, EntitiesEndWhereDxflibEndsThem) {
  // A table entry, an entity inside a block (which the viewer skips) and one
  // after the end of the file: dxflib reads them all.
  const std::string ltype =
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n0\nLTYPE\n2\nDASHED\n73\n9\n49\n1\n49\n-"
      "1\n0\nENDTAB\n0\nENDSEC\n";
  EXPECT_EQ(checkDxfCounts(ltype).value_or(""),
            "The drawing is damaged: line 14: an LTYPE declares 9 dashes.");
  const std::string block =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nSPLINE\n74\n50\n11\n0\n21\n0\n0\nENDBLK\n0\nENDSEC"
      "\n0\nEOF\n";
  EXPECT_EQ(checkDxfCounts(block).value_or(""),
            "The drawing is damaged: line 12: a SPLINE declares 50 fit points.");
  EXPECT_EQ(checkDxfCounts(drawing("") + "0\nLEADER\n76\n9\n").value_or(""),
            "The drawing is damaged: line 12: a LEADER declares 9 vertices.");
  // A group 9 starts a new record for dxflib: the groups after it are not
  // the polyline's. The entity's name is compared as dxflib compares it.
  EXPECT_TRUE(checkDxfCounts(drawing("0\nLWPOLYLINE\n90\n2\n9\n$X\n10\n0\n10\n1\n")));
  EXPECT_TRUE(checkDxfCounts(drawing("0\r\nLWPOLYLINE\r\n90\r\n2\r\n10\r\n0\r\n")));
  EXPECT_EQ(checkDxfCounts(drawing("0\nLWPOLYLINE \n90\n2\n")), std::nullopt);
}

TEST(DxfCountGuard, LinesLongerThanDxflibReadsAreRefused) {
  // dxflib stops advancing at such a line and reads empty groups for ever.
  const std::string longest(1023, 'x');
  EXPECT_EQ(checkDxfCounts(drawing("0\nTEXT\n1\n" + longest + "\n")), std::nullopt);
  EXPECT_EQ(checkDxfCounts(drawing("0\nTEXT\n1\n" + longest + "x\n")).value_or(""),
            "The drawing cannot be read: line 8 is longer than 1023 characters.");
}

}  // namespace
}  // namespace tarvello
