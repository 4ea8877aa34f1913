#include "structure_schedule.h"

#include <string>
#include <vector>

#include "common/number_format.h"
#include "schedule_sheet.h"

namespace tarvello {
namespace {

// Left ends of the columns, in units from the sheet's left edge.
enum Column : int {
  SheetNo = 0, StrNo = 1, Station = 2, Offset = 3, Standard = 4, Top = 6, InvIn = 7, InvOut = 8,
  Depth = 9, InletLength = 10, Shaping = 11, FrameCover = 12, Remarks = 13
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

// The first character of a text, a whole UTF-8 sequence when it is one.
std::string firstCharacter(const std::string& text) {
  if (text.empty()) return {};
  size_t n = 1;
  while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
  return text.substr(0, n);
}

class StructureSchedule {
 public:
  StructureSchedule(const ProfileTables& tables, bool englishUnits, Warnings& warnings)
      : structures_(tables.structures),
        pipes_(tables.pipes),
        heads_(structureHeads(englishUnits)),
        structureNumbers_(tables.structures, "Structure table", warnings),
        pipeNumbers_(tables.pipes, "Pipe table", warnings) {}

  void draw(DxfDrawing& drawing) {
    sheet_.startSheet(drawing, false, kNoRuling, heads_, "STRUCTURE SCHEDULE");
    int previousBranch = branchOf(1);
    bool first = true;
    bool last = false;
    int k = 1;
    for (int r = 1; r < structures_.rowCount(); ++r) {
      if (structures_.cell(r, strcol::StrNo).empty()) break;
      if (structures_.cell(r + 1, strcol::StrNo).empty() || branchOf(r + 1) != previousBranch)
        last = true;
      if (k > ScheduleSheet::kDataRows) {
        sheet_.startSheet(drawing, true, kNoRuling, heads_, "STRUCTURE SCHEDULE");
        k = 1;
      }
      const int branch = branchOf(r);
      if (branch != previousBranch) {
        // The first row of a later branch is its downstream structure, never its last.
        first = true;
        last = false;
      }
      drawRow(drawing, k, r, last, first);
      previousBranch = branch;
      ++k;
      last = false;
      first = false;
    }
  }

 private:
  int branchOf(int r) { return structureNumbers_.wholeNumber(r, strcol::BranchId); }

  void text(DxfDrawing& drawing, int column, double y, const std::string& value,
            double height = 0.14) {
    scheduleText(drawing, sheet_.columnX(column), y, height, value);
  }

  void drawRow(DxfDrawing& drawing, int k, int r, bool last, bool first) {
    const double y = ScheduleSheet::baseline(k);
    auto cell = [&](int column) -> const std::string& { return structures_.cell(r, column); };

    text(drawing, StrNo, y, cell(strcol::StrNo));
    if (first) text(drawing, StrNo, y - 0.19, "/ BR-" + cell(strcol::BranchId), 0.17);
    text(drawing, Station, y, cell(strcol::Station));
    const std::string& side = cell(strcol::OffsetLoc);
    text(drawing, Offset, y,
         side.empty() ? cell(strcol::Offset)
                      : cell(strcol::Offset) + "-" + firstCharacter(side) + "t");
    text(drawing, Standard, y, cell(strcol::VdotStd) + "/" + cell(strcol::StrType));
    text(drawing, Top, y, cell(strcol::TopElev));

    if (!last) {
      // Each branch lists one structure more than it has pipes, so this is
      // the pipe that enters the structure from upstream.
      const int pipeRow = r - (branchOf(r) - 1);
      if (pipeRow >= 1) text(drawing, InvIn, y, pipes_.cell(pipeRow, pipecol::ElevOut));
    }

    const std::string zero = "the vertical depth was drawn as 0";
    const auto top = structureNumbers_.read(r, strcol::TopElev, zero);
    std::optional<float> bottom;
    if (r <= 1) {
      // The outfall structure has no outgoing pipe: its depth reaches the
      // invert of the first pipe.
      bottom = pipeNumbers_.read(r, pipecol::ElevOut, zero);
    } else {
      text(drawing, InvOut, y, cell(strcol::BottomElev));
      bottom = structureNumbers_.read(r, strcol::BottomElev, zero);
    }
    std::string depth = "0";
    if (top && bottom) {
      const float d = *top - *bottom;
      depth = singleGeneral(static_cast<float>(
          parseNumber(formatFixed(static_cast<double>(d), 2)).value_or(0.0)));
    }
    text(drawing, Depth, y, depth);

    text(drawing, InletLength, y, cell(strcol::Length));
    text(drawing, Shaping, y, cell(strcol::Shaping));
    const std::string& type = cell(strcol::StrType);
    if (type == "Man Hole" || type == "Junction Box") text(drawing, FrameCover, y, "MH-1FR.&C", 0.12);
  }

  const Table& structures_;
  const Table& pipes_;
  std::vector<ScheduleHead> heads_;
  ScheduleNumbers structureNumbers_;
  ScheduleNumbers pipeNumbers_;
  ScheduleSheet sheet_;
};

}  // namespace

void drawStructureScheduleInto(DxfDrawing& drawing, const ProfileTables& tables,
                               bool englishUnits, Warnings& warnings) {
  StructureSchedule(tables, englishUnits, warnings).draw(drawing);
}

DxfDrawing structureScheduleDrawing(const ProfileTables& tables, bool englishUnits,
                                    Warnings& warnings) {
  DxfDrawing drawing;
  drawStructureScheduleInto(drawing, tables, englishUnits, warnings);
  return drawing;
}

WriteResult writeStructureSchedule(const ProfileTables& tables, bool englishUnits,
                                   const std::string& path, Overwrite overwrite, Warnings& warnings) {
  return writeDxfFile(path, overwrite, [&](DxfDrawing& drawing) {
    drawStructureScheduleInto(drawing, tables, englishUnits, warnings);
  });
}

}  // namespace tarvello
