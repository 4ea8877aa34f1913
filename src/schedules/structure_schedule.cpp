#include "structure_schedule.h"

#include <string>
#include <vector>

#include "common/number_format.h"
#include "schedule_sheet.h"
#include "schedules/schedule_rows.h"

namespace tarvello {
namespace {

// Left ends of the columns, in units from the sheet's left edge.
enum Column : int {
  SheetNo = 0,
  StrNo = 1,
  Station = 2,
  Offset = 3,
  Standard = 4,
  Top = 6,
  InvIn = 7,
  InvOut = 8,
  Depth = 9,
  InletLength = 10,
  Shaping = 11,
  FrameCover = 12,
  Remarks = 13
};

// The column at 5 units is half of the two-unit "STANDARD NO. / TYPE" column.
constexpr int kNoRuling = 5;

std::vector<ScheduleHead> structureHeads(bool englishUnits) {
  std::vector<ScheduleHead> heads = {
      {SheetNo, "SHEET NO.", ""},
      {StrNo, "STR NO.", ""},
      {Station, "STATION", ""},
      {Offset, "OFFSET", ""},
      {Standard, "STANDARD NO. / TYPE", ""},
      {Top, "T.C/T.G.", "/T.S (FT)", 0.15},
      {InvIn, "INV. IN", "(FT)"},
      {InvOut, "INV. OUT", "(FT)"},
      {Depth, "VERTICAL", "DEPTH (FT)"},
      {InletLength, "INLET", "LENGTH(FT)"},
      {Shaping, "STR.", "SHAPING"},
      {FrameCover, "FRAME /", "COVER"},
      {Remarks, "REMARKS", ""},
  };
  if (!englishUnits)
    for (auto& head : heads) head.second = metricHead(head.second);
  return heads;
}

void drawStructureRow(DxfDrawing& drawing, const ScheduleSheet& sheet, int k,
                      const StructureScheduleRow& row) {
  const double y = ScheduleSheet::baseline(k);
  auto text = [&](int column, const std::string& value, double height = 0.14) {
    scheduleText(drawing, sheet.columnX(column), y, height, value);
  };
  text(StrNo, row.strNo);
  if (row.firstOfBranch)
    scheduleText(drawing, sheet.columnX(StrNo), y - 0.19, 0.17, "/ BR-" + row.branchId);
  text(Station, row.station);
  text(Offset, row.drawnOffset());
  text(Standard, row.standardAndType);
  text(Top, row.top);
  if (row.hasInvertIn) text(InvIn, row.invertIn);
  if (row.tableRow > 1) text(InvOut, row.invertOut);
  text(Depth, row.depth ? singleGeneral(*row.depth) : std::string("0"));
  text(InletLength, row.inletLength);
  text(Shaping, row.shaping);
  if (row.frameAndCover) text(FrameCover, kFrameAndCover, 0.12);
}

}  // namespace

void drawStructureScheduleInto(DxfDrawing& drawing, const ProfileTables& tables, bool englishUnits,
                               Warnings& warnings) {
  const auto heads = structureHeads(englishUnits);
  ScheduleSheet sheet;
  sheet.startSheet(drawing, false, kNoRuling, heads, "STRUCTURE SCHEDULE");
  int k = 1;
  forEachStructureScheduleRow(tables, warnings, [&](const StructureScheduleRow& row) {
    if (k > ScheduleSheet::kDataRows) {
      sheet.startSheet(drawing, true, kNoRuling, heads, "STRUCTURE SCHEDULE");
      k = 1;
    }
    drawStructureRow(drawing, sheet, k++, row);
  });
}

DxfDrawing structureScheduleDrawing(const ProfileTables& tables, bool englishUnits,
                                    Warnings& warnings) {
  DxfDrawing drawing;
  drawStructureScheduleInto(drawing, tables, englishUnits, warnings);
  return drawing;
}

WriteResult writeStructureSchedule(const ProfileTables& tables, bool englishUnits,
                                   const std::string& path, Overwrite overwrite,
                                   Warnings& warnings) {
  return writeDxfFile(path, overwrite, [&](DxfDrawing& drawing) {
    drawStructureScheduleInto(drawing, tables, englishUnits, warnings);
  });
}

}  // namespace tarvello
