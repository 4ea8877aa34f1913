#include "attributes/structure_type_code.h"

#include <gtest/gtest.h>

namespace tarvello {
namespace {

TEST(StructureTypeCode, KnownTypesOnlyExactlyAsWritten) {
  EXPECT_EQ(structureTypeCode("Inlet"), "I");
  EXPECT_EQ(structureTypeCode("Man Hole"), "MH");
  EXPECT_EQ(structureTypeCode("Junction Box"), "JB");
  EXPECT_EQ(structureTypeCode("End Wall"), "EW");
  EXPECT_EQ(structureTypeCode("End Section"), "ES");
  EXPECT_EQ(structureTypeCode("Other"), "O");
  for (const char* other : {"man hole", "Manhole", "MAN HOLE", "Man Hole ", " Inlet", "", "I"})
    EXPECT_EQ(structureTypeCode(other), "") << other;
}

}  // namespace
}  // namespace tarvello
