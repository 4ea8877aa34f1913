#pragma once
// The rows of the structure schedule and the pipe schedule, worked out once
// from the tables and then rendered twice: as the DXF schedule sheets and as
// the workbook's worksheets.
//
// Where the two renderings differ on purpose, they differ only here:
// - the offset side: the drawing writes its first letter and "t" ("12.00-Lt"),
//   the workbook the whole side ("12.00-Left");
// - the size of a pipe that is not circular: the drawing writes span X rise
//   ("48X30"), the workbook rise x span ("30x48");
// - the first structure of each branch: the drawing adds "/ BR-" and the
//   Branch ID under its number, the workbook has no room for it;
// - the vertical depth: the drawing writes it as text, the workbook as a number.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/warnings.h"
#include "tables/profile_tables.h"

namespace tarvello {

struct StructureScheduleRow {
  int tableRow = 0;
  bool firstOfBranch = false;  // the outfall, and each later branch's downstream structure
  std::string strNo, branchId, station, offset, offsetSide;
  std::string standardAndType;  // "VDOT Std./Str Type"
  std::string top;
  bool hasInvertIn = false;    // not at a branch's last structure, which no pipe enters
  std::string invertIn;        // "Elev. Out" of the pipe entering from upstream
  std::string invertOut;       // "" at the outfall, which has no outgoing pipe in the table
  std::optional<float> depth;  // top minus the lowest invert, to hundredths; none when unknown
  std::string inletLength, shaping;
  bool frameAndCover = false;  // manholes and junction boxes get "MH-1FR.&C"

  std::string drawnOffset() const;     // "12.00-Lt"
  std::string workbookOffset() const;  // "12.00-Left"
};

struct PipeScheduleRow {
  std::string fromStr, toStr, shape, rise, span, material, count;
  std::string invertIn, invertOut, length, skew, cover;

  bool circular() const { return shape == "Circular"; }
  std::string drawnSize() const;     // "48X30" (span X rise), or the diameter
  std::string workbookSize() const;  // "30x48" (rise x span), or the diameter
};

inline constexpr const char* kFrameAndCover = "MH-1FR.&C";

// One row per structure-table row up to the first without "Str #". Cells
// needed as numbers that are not are reported in `warnings`.
std::vector<StructureScheduleRow> structureScheduleRows(const ProfileTables& tables,
                                                        Warnings& warnings);
// One row per pipe-table row up to the first without "Pipe No", every value
// as its cell holds it.
std::vector<PipeScheduleRow> pipeScheduleRows(const ProfileTables& tables);

// The same rows handed to `use` one at a time and not kept: a drawing streams
// them, and a list of 100,000 rows of text would outweigh the tables.
void forEachStructureScheduleRow(const ProfileTables& tables, Warnings& warnings,
                                 const std::function<void(const StructureScheduleRow&)>& use);
void forEachPipeScheduleRow(const ProfileTables& tables,
                            const std::function<void(const PipeScheduleRow&)>& use);

}  // namespace tarvello
