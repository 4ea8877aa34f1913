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

void scheduleText(DxfDrawing& drawing, double x, double y, double height,
                  const std::string& text) {
  drawing.dxfText("0", x, y, 0, height, 0, 0.75, text);
}

std::string metricHead(std::string head) {
  for (const auto& [english, metric] :
       {std::pair<std::string, std::string>{"(FT)", "(M)"}, {"(INCHES)", "(MM)"}}) {
    for (size_t at = head.find(english); at != std::string::npos; at = head.find(english, at))
      head.replace(at, english.size(), metric);
  }
  return head;
}

std::optional<float> ScheduleNumbers::read(int row, int column, const std::string& consequence) {
  const std::string& text = table_.cell(row, column);
  const auto value = parseNumber(text);
  if (value && std::isfinite(static_cast<float>(*value))) return static_cast<float>(*value);
  if (reported_.insert({row, column}).second) {
    const std::string where = tableName_ + " row " + std::to_string(row) + ", \"" +
                              table_.headers()[static_cast<size_t>(column)] + "\"";
    warnings_.add(where + (text.empty() ? " is empty" : ": \"" + text + "\" is not a number") +
                  "; " + consequence + ".");
  }
  return std::nullopt;
}

int ScheduleNumbers::wholeNumber(int row, int column) {
  const float value = read(row, column, "0 was used").value_or(0.0f);
  const double whole = std::trunc(static_cast<double>(value));
  constexpr double kMax = std::numeric_limits<int>::max();
  return static_cast<int>(std::fmax(-kMax, std::fmin(kMax, whole)));
}

}  // namespace tarvello
