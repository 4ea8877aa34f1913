#include "shell/table_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>
#include <filesystem>
#include <map>

#include "commands/commands.h"
#include "commands/session.h"
#include "common/atomic_file.h"
#include "tables/csv.h"
#include "tables/table.h"

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

WriteResult writeCsv(const Table& table, const std::string& path, Overwrite overwrite) {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto failed = [&](const std::string& reason) {
    return WriteResult::failed(path, "The table could not be saved:\n" + path + "\n" + reason);
  };
  if (fs::is_directory(path, ec)) return failed("a folder of that name exists");
  if (overwrite == Overwrite::No && fs::exists(path, ec)) return WriteResult::exists(path);
  AtomicFile file{fs::path(path)};
  if (!file.open()) return failed(file.error());
  file.write(tableCsv(table));
  if (const std::string reason = file.commit(); !reason.empty()) return failed(reason);
  return WriteResult::wrote(path, file.notice());
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

std::string saveTableAsCsv(Session& session, UserInterface& ui, const Table& table) {
  FileDialogRequest request;
  request.title = "Save Table as CSV";
  request.filter = "CSV files (*.csv)|*.csv";
  request.defaultExtension = ".csv";
  request.initialFolder = session.lastFolder;
  const std::string path = ui.askSaveFileName(request);
  if (path.empty()) return {};
  const WriteResult result =
      writeConfirmed(ui, [&](Overwrite overwrite) { return writeCsv(table, path, overwrite); });
  return result.written() ? path : std::string();
}

}  // namespace tarvello
