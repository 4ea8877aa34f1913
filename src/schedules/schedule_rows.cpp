#include "schedules/schedule_rows.h"

#include <cmath>

#include "common/number_format.h"
#include "tables/cell_numbers.h"

namespace tarvello {
namespace {

const std::string kStructureTable = "Structure table";
const std::string kPipeTable = "Pipe table";

// The first character of a text, a whole UTF-8 sequence when it is one.
std::string firstCharacter(const std::string& text) {
  if (text.empty()) return {};
  size_t n = 1;
  while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
  return text.substr(0, n);
}

}  // namespace

std::string StructureScheduleRow::drawnOffset() const {
  return offsetSide.empty() ? offset : offset + "-" + firstCharacter(offsetSide) + "t";
}

std::string StructureScheduleRow::workbookOffset() const {
  return offsetSide.empty() ? offset : offset + "-" + offsetSide;
}

std::string PipeScheduleRow::drawnSize() const { return circular() ? rise : span + "X" + rise; }

std::string PipeScheduleRow::workbookSize() const { return circular() ? rise : rise + "x" + span; }

void forEachStructureScheduleRow(const ProfileTables& tables, Warnings& warnings,
                                 const std::function<void(const StructureScheduleRow&)>& use) {
  const Table& s = tables.structures;
  const Table& p = tables.pipes;
  CellNumbers numbers(warnings);
  auto branchOf = [&](int r) {
    return numbers.wholeNumber(s, kStructureTable, r, strcol::BranchId);
  };

  int previousBranch = branchOf(1);
  for (int r = 1; r < s.rowCount(); ++r) {
    if (s.cell(r, strcol::StrNo).empty()) break;
    auto cell = [&](int column) { return s.cell(r, column); };
    StructureScheduleRow row;
    row.tableRow = r;
    const int branch = branchOf(r);
    bool last = s.cell(r + 1, strcol::StrNo).empty() || branchOf(r + 1) != previousBranch;
    row.firstOfBranch = r == 1;
    if (branch != previousBranch) {
      // The first row of a later branch is its downstream structure, never its last.
      row.firstOfBranch = true;
      last = false;
    }
    previousBranch = branch;

    row.strNo = cell(strcol::StrNo);
    row.branchId = cell(strcol::BranchId);
    row.station = cell(strcol::Station);
    row.offset = cell(strcol::Offset);
    row.offsetSide = cell(strcol::OffsetLoc);
    row.standardAndType = cell(strcol::VdotStd) + "/" + cell(strcol::StrType);
    row.top = cell(strcol::TopElev);
    // Each branch lists one structure more than it has pipes, so this is the
    // pipe that enters the structure from upstream. A Branch ID that is no
    // number (reported above) finds no pipe.
    const int pipeRow = r - (branch - 1);
    row.hasInvertIn = !last && cellNumber(s, r, strcol::BranchId) && pipeRow >= 1;
    if (row.hasInvertIn) row.invertIn = p.cell(pipeRow, pipecol::ElevOut);

    const std::string zero = "the vertical depth was taken as 0";
    const auto top = numbers.single(s, kStructureTable, r, strcol::TopElev, zero);
    std::optional<float> bottom;
    if (r <= 1) {
      // The outfall structure has no outgoing pipe: its depth reaches the
      // invert of the first pipe.
      bottom = numbers.single(p, kPipeTable, r, pipecol::ElevOut, zero);
    } else {
      row.invertOut = cell(strcol::BottomElev);
      bottom = numbers.single(s, kStructureTable, r, strcol::BottomElev, zero);
    }
    if (top && bottom) {
      // At single precision, rounded to hundredths, so that 5.46 stays 5.46.
      const float d = *top - *bottom;
      const auto rounded = parseNumber(formatFixed(static_cast<double>(d), 2));
      if (rounded && std::isfinite(static_cast<float>(*rounded)))
        row.depth = static_cast<float>(*rounded);
    }
    row.inletLength = cell(strcol::Length);
    row.shaping = cell(strcol::Shaping);
    const std::string& type = cell(strcol::StrType);
    row.frameAndCover = type == "Man Hole" || type == "Junction Box";
    use(row);
  }
}

std::vector<StructureScheduleRow> structureScheduleRows(const ProfileTables& tables,
                                                        Warnings& warnings) {
  std::vector<StructureScheduleRow> rows;
  forEachStructureScheduleRow(tables, warnings,
                              [&](const StructureScheduleRow& row) { rows.push_back(row); });
  return rows;
}

void forEachPipeScheduleRow(const ProfileTables& tables,
                            const std::function<void(const PipeScheduleRow&)>& use) {
  const Table& p = tables.pipes;
  for (int r = 1; r < p.rowCount(); ++r) {
    if (p.cell(r, pipecol::PipeNo).empty()) break;
    auto cell = [&](int column) { return p.cell(r, column); };
    use({cell(pipecol::NodeIn), cell(pipecol::NodeOut), cell(pipecol::Shape),
         cell(pipecol::DiaRise), cell(pipecol::Span), cell(pipecol::Material),
         cell(pipecol::NumPipes), cell(pipecol::ElevIn), cell(pipecol::ElevOut),
         cell(pipecol::Length), cell(pipecol::Skew), cell(pipecol::HeightOfCover)});
  }
}

std::vector<PipeScheduleRow> pipeScheduleRows(const ProfileTables& tables) {
  std::vector<PipeScheduleRow> rows;
  forEachPipeScheduleRow(tables, [&](const PipeScheduleRow& row) { rows.push_back(row); });
  return rows;
}

}  // namespace tarvello
