#pragma once
// What the structure schedule and the pipe schedule share: the ruled sheet of
// one heading row and 32 data rows, the sheets side by side, and the text style.
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/warnings.h"
#include "dxf/dxf_writer.h"
#include "tables/table.h"

namespace tarvello {

// One column head: the left end of the column (units from the sheet's left
// edge), its one or two lines, and how far below the first the second stands.
struct ScheduleHead {
  int columnLeft = 0;
  std::string first;
  std::string second;  // "" for a one-line head
  double secondDrop = 0.17;
};

class ScheduleSheet {
 public:
  static constexpr int kDataRows = 32;
  static constexpr double kRowHeight = 0.65;
  static constexpr double kWidth = 14;
  static constexpr double kTop = 21.45;  // 33 rows of 0.65
  static constexpr double kFirstLeft = 100;
  static constexpr double kGap = 1;  // between one sheet and the next

  // Moves to the first sheet (X 100), or to a sheet one unit right of the
  // current one, and draws its border, rulings, heads and title. Column
  // rulings are drawn at 1 to 13 units from the left edge except `gap`.
  void startSheet(DxfDrawing& drawing, bool continuation, int gap,
                  const std::vector<ScheduleHead>& heads, const std::string& title);

  double left() const { return left_; }
  double right() const { return right_; }
  // Where a value of the column starting `columnLeft` units from the left edge begins.
  double columnX(int columnLeft) const { return left_ + 0.05 + columnLeft; }
  // Baseline of data row k (1 to 32).
  static double baseline(int k) { return kTop - 0.35 - kRowHeight * k; }

 private:
  double left_ = kFirstLeft;
  double right_ = kFirstLeft + kWidth;
};

// Every text of a schedule: layer "0", left-aligned on its baseline, upright,
// width factor 0.75.
void scheduleText(DxfDrawing& drawing, double x, double y, double height, const std::string& text);

// Unit words of the heads: projects in any unit system but "ENGLISH" are drawn
// in metres and millimetres.
std::string metricHead(std::string head);

}  // namespace tarvello
