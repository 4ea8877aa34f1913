#include "shell/run_sheet_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <cstdlib>
#include <utility>

#include "reports/hgl_sheet.h"
#include "reports/quantities.h"
#include "shell/table_copy.h"

namespace tarvello {
namespace {

QString text(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Numbers line up on the right; texts and empty cells stay on the left.
bool numeric(const std::string& cell) {
  if (cell.empty()) return false;
  char* end = nullptr;
  std::strtod(cell.c_str(), &end);
  return end && *end == '\0';
}

}  // namespace

void RunSheetModel::setSheet(RunSheet sheet) {
  beginResetModel();
  sheet_ = std::move(sheet);
  cachedRow_ = -1;
  cached_.clear();
  endResetModel();
}

int RunSheetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : sheet_.rows;
}

int RunSheetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(sheet_.heads.size());
}

const std::vector<std::string>& RunSheetModel::row(int r) const {
  if (r != cachedRow_) {
    cached_ = sheet_.row(r);
    cachedRow_ = r;
  }
  return cached_;
}

QVariant RunSheetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= sheet_.rows || index.column() >= columnCount()) return {};
  if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole) return {};
  const std::vector<std::string>& cells = row(index.row());
  const auto c = static_cast<size_t>(index.column());
  const std::string empty;
  const std::string& cell = c < cells.size() ? cells[c] : empty;
  if (role == Qt::DisplayRole) return text(cell);
  return QVariant::fromValue((numeric(cell) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

QVariant RunSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columnCount()) return {};
  return text(sheet_.heads[static_cast<size_t>(section)]);
}

RunSheetPage::RunSheetPage(const char* pageName, const char* summaryName, const char* sheetName,
                           MakeSheet make, QWidget* parent)
    : QWidget(parent), make_(std::move(make)) {
  setObjectName(pageName);
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(this);
  summary_->setObjectName(summaryName);
  layout->addWidget(summary_);
  view_ = new QTableView(this);
  view_->setObjectName(sheetName);
  model_ = new RunSheetModel(view_);
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Shift extends the selection over rows, for Ctrl+C to copy them.
  view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // A large sheet has many rows of one height: the view need not measure
  // them, and the columns are sized on the first rows alone.
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->horizontalHeader()->setResizeContentsPrecision(200);
  copySelectionOnCopyKey(*view_);
  layout->addWidget(view_, 1);
  connect(view_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { emit rowChosen(index.row()); });
  showRun(nullptr);
}

void RunSheetPage::showRun(std::shared_ptr<const Run> run) {
  run_ = std::move(run);
  RunSheet sheet;
  if (!run_ || !run_->created())
    sheet.summary = run_ && run_->failed() ? QString("No tables: Create Profile Data failed.")
                                           : QString("No tables: Create Profile Data first.");
  else if (make_)
    sheet = make_(*run_);
  showSheet(std::move(sheet));
}

void RunSheetPage::showSheet(RunSheet sheet) {
  summary_->setText(sheet.summary);
  model_->setSheet(std::move(sheet));
  view_->resizeColumnsToContents();
}

RunSheet hglComputationSheet(const Run& run) {
  RunSheet sheet;
  const HglTrace* trace = run.hglTrace();
  if (!trace) {
    sheet.summary = "This run did not record the grade lines' terms: Create Profile Data again.";
    return sheet;
  }
  sheet.heads = hglSheetHeads();
  sheet.rows = static_cast<int>(trace->rows.size());
  const ProfileTables* tables = &run.tables();
  sheet.row = [trace, tables](int r) {
    return hglSheetRow(trace->rows[static_cast<size_t>(r)], *tables);
  };
  sheet.summary = QString(
                      "%1 rows, one per structure-table row. Double-click a row to see it on "
                      "STRUCTURE DATA.")
                      .arg(sheet.rows);
  return sheet;
}

int hglSheetStructureRow(const Run& run, int sheetRow) {
  const HglTrace* trace = run.hglTrace();
  if (!trace || sheetRow < 0 || static_cast<size_t>(sheetRow) >= trace->rows.size()) return 0;
  return trace->rows[static_cast<size_t>(sheetRow)].structureRow;
}

RunSheet quantitiesSheet(const Run& run) {
  RunSheet sheet;
  const HglTrace* trace = run.hglTrace();
  if (!trace) {
    sheet.summary = "This run did not record the pipes' lengths: Create Profile Data again.";
    return sheet;
  }
  auto rows = std::make_shared<std::vector<std::vector<std::string>>>(
      quantitiesRows(run.tables(), *trace, run.english()));
  sheet.heads = rows->front();
  sheet.rows = static_cast<int>(rows->size()) - 1;
  sheet.row = [rows](int r) { return (*rows)[static_cast<size_t>(r) + 1]; };
  int pipes = 0;
  for (size_t r = 1; r < rows->size(); ++r)
    if (!(*rows)[r].empty() && (*rows)[r][0] == "Pipe") ++pipes;
  sheet.summary = QString("%1 pipe group%2, %3 structure group%4.")
                      .arg(pipes)
                      .arg(pipes == 1 ? "" : "s")
                      .arg(sheet.rows - pipes)
                      .arg(sheet.rows - pipes == 1 ? "" : "s");
  return sheet;
}

}  // namespace tarvello
