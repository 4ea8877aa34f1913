#include "shell/grid_sizing.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace tarvello {
namespace {

// Widening a column for its data looks at this many rows at most: enough to
// see every kind of value, and quick for very large networks.
constexpr int kRowsMeasured = 2000;

// A column whose values are wider than its header grows to fit them, so that
// no type, shape or material is cut off.
void widenColumnsForData(QTableView& view, const Table& table) {
  const QFontMetrics metrics(view.font());
  const int allowance = columnWidthFor(view, {});
  const int last = std::min(table.rowCount(), kRowsMeasured + 1);
  for (int c = 0; c < table.columnCount(); ++c) {
    int widest = 0;
    for (int r = 1; r < last; ++r) {
      const std::string& text = table.cell(r, c);
      if (!text.empty())
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)));
    }
    if (widest + allowance > view.columnWidth(c)) view.setColumnWidth(c, widest + allowance);
  }
}

}  // namespace

int columnWidthFor(const QTableView& view, const QString& text) {
  const int allowance = qRound(200.0 / 1440.0 * view.logicalDpiX());  // 200 twips
  return QFontMetrics(view.font()).horizontalAdvance(text) + allowance;
}

void sizeColumns(QTableView& view, const Table& table, const QString& firstColumnText) {
  for (int c = 0; c < table.columnCount(); ++c)
    view.setColumnWidth(c, columnWidthFor(view, QString::fromStdString(table.cell(0, c))));
  if (!firstColumnText.isEmpty()) view.setColumnWidth(0, columnWidthFor(view, firstColumnText));
  widenColumnsForData(view, table);
}

int widthForAllColumns(const QTableView& view, int columnCount) {
  int width = view.verticalHeader()->sizeHint().width() + 2 * view.frameWidth() +
              view.verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < columnCount; ++c) width += view.columnWidth(c);
  return width;
}

}  // namespace tarvello
