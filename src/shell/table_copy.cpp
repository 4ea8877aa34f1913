#include "shell/table_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>
#include <map>

namespace tarvello {
namespace {

// Takes the copy key before the view's own handling, which copies the
// current cell only.
class CopyKeyFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::ShortcutOverride) return false;
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) return false;
    if (press) {
      if (auto* view = qobject_cast<QTableView*>(watched))
        QApplication::clipboard()->setText(selectedCellsText(*view));
    }
    event->accept();
    return press;  // the override is accepted so that the press comes here
  }
};

QString cellText(const QModelIndex& index) {
  QString text = index.data(Qt::DisplayRole).toString();
  text.replace('\t', ' ').replace("\r\n", " ").replace('\n', ' ').replace('\r', ' ');
  return text;
}

}  // namespace

QString selectedCellsText(const QTableView& view) {
  const QModelIndexList selected = view.selectionModel()->selectedIndexes();
  if (selected.isEmpty()) return {};
  std::map<int, std::map<int, QString>> rows;  // sorted by row, then column
  int first = selected.front().column(), last = first;
  for (const QModelIndex& index : selected) {
    if (view.isColumnHidden(index.column())) continue;
    rows[index.row()][index.column()] = cellText(index);
    first = std::min(first, index.column());
    last = std::max(last, index.column());
  }
  QStringList lines;
  for (const auto& [row, cells] : rows) {
    QStringList line;
    for (int column = first; column <= last; ++column) {
      const auto cell = cells.find(column);
      line << (cell == cells.end() ? QString() : cell->second);
    }
    lines << line.join('\t');
  }
  return lines.join('\n') + '\n';
}

void copySelectionOnCopyKey(QTableView& view) { view.installEventFilter(new CopyKeyFilter(&view)); }

}  // namespace tarvello
