#include "schedule_sheet.h"

#include <cmath>
#include <limits>

#include "common/number_format.h"

namespace tarvello {

void ScheduleSheet::startSheet(DxfDrawing& drawing, bool continuation, int gap,
                               const std::vector<ScheduleHead>& heads, const std::string& title) {
  left_ = continuation ? right_ + kGap : kFirstLeft;
  right_ = left_ + kWidth;
  const double bottom = 0;

  drawing.dxfRectangle("0", left_, bottom, 0, right_, kTop, 0);
  for (int i = 1; i <= kDataRows; ++i)
    drawing.dxfLine("0", left_, bottom + kRowHeight * i, 0, right_, bottom + kRowHeight * i, 0, 0);
  for (int i = 1; i <= 13; ++i) {
    if (i == gap) continue;
    drawing.dxfLine("0", left_ + i, bottom, 0, left_ + i, kTop, 0, 0);
  }
  const double headY = kTop - 0.35;
  for (const ScheduleHead& head : heads) {
    scheduleText(drawing, columnX(head.columnLeft), headY, 0.14, head.first);
    if (!head.second.empty())
      scheduleText(drawing, columnX(head.columnLeft), headY - head.secondDrop, 0.14, head.second);
  }
  scheduleText(drawing, left_ + 5, kTop + 0.15, 0.14, title);
}

void scheduleText(DxfDrawing& drawing, double x, double y, double height, const std::string& text) {
  drawing.dxfText("0", x, y, 0, height, 0, kLetteringWidthFactor, text);
}

std::string metricHead(std::string head) {
  for (const auto& [english, metric] :
       {std::pair<std::string, std::string>{"(FT)", "(M)"}, {"(INCHES)", "(MM)"}}) {
    for (size_t at = head.find(english); at != std::string::npos; at = head.find(english, at))
      head.replace(at, english.size(), metric);
  }
  return head;
}

}  // namespace tarvello
