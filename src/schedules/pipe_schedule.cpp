#include "pipe_schedule.h"

#include <string>
#include <vector>

#include "schedule_sheet.h"
#include "schedules/schedule_rows.h"

namespace tarvello {
namespace {

// Left ends of the columns, in units from the sheet's left edge.
enum Column : int {
  SheetNo = 0,
  FromStr = 1,
  ToStr = 2,
  Size = 3,
  Type = 4,
  Material = 5,
  Count = 6,
  InvIn = 7,
  InvOut = 8,
  Length = 9,
  Skew = 10,
  Cover = 11,
  Remarks = 12
};

// "REMARKS" is two units wide.
constexpr int kNoRuling = 13;

std::vector<ScheduleHead> pipeHeads(bool englishUnits) {
  std::vector<ScheduleHead> heads = {
      {SheetNo, "SHEET NO.", ""},   {FromStr, "FROM STR.", ""},
      {ToStr, "TO STR.", ""},       {Size, "PIPE SIZE", "(INCHES)"},
      {Type, "PIPE TYPE", ""},      {Material, "MATERIAL", ""},
      {Count, "NO. OF", "PIPES"},   {InvIn, "INV. IN", "(FT)"},
      {InvOut, "INV. OUT", "(FT)"}, {Length, "LENGTH", "(FT)"},
      {Skew, "SKEW", "(DEGREES)"},  {Cover, "HEIGHT OF", "COVER(FT)"},
      {Remarks, "REMARKS", ""},
  };
  if (!englishUnits)
    for (auto& head : heads) head.second = metricHead(head.second);
  return heads;
}

}  // namespace

void drawPipeScheduleInto(DxfDrawing& drawing, const ProfileTables& tables, bool englishUnits) {
  const auto heads = pipeHeads(englishUnits);
  ScheduleSheet sheet;
  sheet.startSheet(drawing, false, kNoRuling, heads, "PIPE SCHEDULE");
  int k = 1;
  forEachPipeScheduleRow(tables, [&](const PipeScheduleRow& row) {
    if (k > ScheduleSheet::kDataRows) {
      sheet.startSheet(drawing, true, kNoRuling, heads, "PIPE SCHEDULE");
      k = 1;
    }
    const double y = ScheduleSheet::baseline(k++);
    auto put = [&](int column, const std::string& value) {
      scheduleText(drawing, sheet.columnX(column), y, 0.14, value);
    };
    put(FromStr, row.fromStr);
    put(ToStr, row.toStr);
    put(Size, row.drawnSize());
    put(Type, row.shape);
    put(Material, row.material);
    put(Count, row.count);
    put(InvIn, row.invertIn);
    put(InvOut, row.invertOut);
    put(Length, row.length);
    put(Skew, row.skew);
    put(Cover, row.cover);
  });
}

DxfDrawing pipeScheduleDrawing(const ProfileTables& tables, bool englishUnits) {
  DxfDrawing drawing;
  drawPipeScheduleInto(drawing, tables, englishUnits);
  return drawing;
}

WriteResult writePipeSchedule(const ProfileTables& tables, bool englishUnits,
                              const std::string& path, Overwrite overwrite) {
  return writeDxfFile(path, overwrite, [&](DxfDrawing& drawing) {
    drawPipeScheduleInto(drawing, tables, englishUnits);
  });
}

}  // namespace tarvello
