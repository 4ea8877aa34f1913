#include "shell/design_checks_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "network/unit_constants.h"
#include "shell/criteria_dialog.h"
#include "shell/findings_model.h"
#include "shell/table_model.h"
#include "shell/widget_names.h"

namespace tarvello {
namespace {

QString text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString number(double v) { return QString::number(v, 'g', 10); }

}  // namespace

QString findingDescription(const Finding& f, const std::string& value, const std::string& limit) {
  const QString v = QString::fromStdString(value);
  const QString l = QString::fromStdString(limit);
  QString what;
  switch (f.rule) {
    case CheckRule::Freeboard:
      what = QString("top %1 above the HGL, less than the freeboard %2").arg(v, l);
      break;
    case CheckRule::VelocityLow:
      what = QString("velocity %1 below the minimum %2").arg(v, l);
      break;
    case CheckRule::VelocityHigh:
      what = QString("velocity %1 above the maximum %2").arg(v, l);
      break;
    case CheckRule::Cover:
      what = QString("cover %1 below the minimum %2").arg(v, l);
      break;
    case CheckRule::SizeMin:
      what = QString("size %1 below the minimum %2").arg(v, l);
      break;
    case CheckRule::SizeDecrease:
      what = QString("size %1 smaller than the pipe of size %2 upstream").arg(v, l);
      break;
    case CheckRule::AdverseSlope:
      what = QString("slope %1 does not fall").arg(v);
      break;
    case CheckRule::InvertDrop:
      what = QString("the pipe leaving %1 starts above this outlet (%2)")
                 .arg(QString::fromStdString(f.structure), v);
      break;
  }
  const QString where =
      QString::fromStdString(f.table == CheckTable::Structures ? f.structure : f.pipe);
  return text(checkRuleId(f.rule)) + (where.isEmpty() ? QString() : " (" + where + ")") + ": " +
         what;
}

DesignChecksPage::DesignChecksPage(const Session& session, TableModel* structures,
                                   TableModel* pipes, QWidget* parent)
    : QWidget(parent), session_(session), structures_(structures), pipes_(pipes) {
  setObjectName(widget::kDesignChecksPage);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  criteriaLabel_ = new QLabel(this);
  criteriaLabel_->setObjectName(widget::kCriteriaInForce);
  criteriaLabel_->setWordWrap(true);
  criteriaLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  editCriteriaButton = new QPushButton("Criteria...", this);
  editCriteriaButton->setObjectName(widget::kEditCriteria);
  top->addWidget(criteriaLabel_, 1);
  top->addWidget(editCriteriaButton, 0, Qt::AlignTop);
  layout->addLayout(top);

  summary_ = new QLabel("Create Profile Data to check the tables.", this);
  summary_->setObjectName(widget::kFindingsSummary);
  layout->addWidget(summary_);

  list_ = new QTableView(this);
  list_->setObjectName(widget::kFindingsList);
  listModel_ = new FindingsModel(checks_.findings, checks_.worksheet.rows, list_);
  list_->setModel(listModel_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setColumnWidth(0, list_->fontMetrics().horizontalAdvance("size-decrease") + 24);
  list_->setToolTip("Double-click a finding to see its row.");
  layout->addWidget(list_, 1);

  connect(list_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    const int row = index.row();
    if (row < 0 || row >= static_cast<int>(checks_.findings.size())) return;
    const Finding& f = checks_.findings[static_cast<size_t>(row)];
    const int column = f.cells.empty() ? 0 : f.cells.front().column;
    emit cellChosen(f.table, f.row, column);
  });
  // The criteria depend on the project's units, known once a database is open.
  criteriaLabel_->setText("Criteria in force: those of the project's units.");
}

void DesignChecksPage::runChecks() {
  const Run& run = *session_.run;
  checkedUnitSystem_ = run.unitSystem();
  const Criteria criteria = rememberedCriteria(checkedUnitSystem_);
  listModel_->beginFindingsChange();
  // A run that made no tables has nothing to check: it is no pass.
  checked_ = run.created();
  checks_ = checked_ ? RunFindings::check(run, criteria) : RunFindings();
  listModel_->endFindingsChange();
  showCriteria(criteria, checkedUnitSystem_);
  showFindings();
  markCells();
}

void DesignChecksPage::editCriteria(UserInterface& ui, const std::string& folder) {
  const std::string unitSystem = session_.databases.unitSystem();
  CriteriaDialog dialog(rememberedCriteria(unitSystem), unitSystem, ui, folder, this);
  if (dialog.exec() != QDialog::Accepted) return;
  rememberCriteria(unitSystem, dialog.criteria());
  // The tables on the pages were made under this unit system: check them
  // again now; otherwise the next Create Profile Data does.
  if (checked_ && unitSystem == checkedUnitSystem_)
    runChecks();
  else
    showCriteria(dialog.criteria(), unitSystem);
}

void DesignChecksPage::showCriteria(const Criteria& c, const std::string& unitSystem) {
  const CriteriaUnits u = CriteriaUnits::of(UnitConstants::forUnitSystem(unitSystem).english);
  QStringList off;
  for (int r = 0; r < kCheckRuleCount; ++r)
    if (!c.enabled(static_cast<CheckRule>(r))) off << text(checkRuleId(static_cast<CheckRule>(r)));
  criteriaLabel_->setText(
      QString("Criteria in force: freeboard %1 %2;  velocity %3 to %4 %5;  cover %6 %2;  "
              "size %7 %8;  rules off: %9")
          .arg(number(c.freeboard), u.length, number(c.velocityMin), number(c.velocityMax),
               u.velocity, number(c.coverMin), number(c.sizeMin), u.size,
               off.isEmpty() ? QString("none") : off.join(", ")));
}

void DesignChecksPage::showFindings() {
  QStringList counts;
  const std::vector<int> perRule = findingCounts(checks_.findings);
  for (int r = 0; r < kCheckRuleCount; ++r)
    if (perRule[static_cast<size_t>(r)] > 0)
      counts << QString("%1 %2")
                    .arg(text(checkRuleId(static_cast<CheckRule>(r))))
                    .arg(perRule[static_cast<size_t>(r)]);
  if (!checked_) {
    summary_->setText(session_.run->failed()
                          ? QString("No tables to check: Create Profile Data failed.")
                          : QString("Create Profile Data to check the tables."));
    return;
  }
  summary_->setText(checks_.findings.empty() ? QString("No findings: the tables meet the criteria.")
                                             : QString("%1 finding%2: %3")
                                                   .arg(checks_.findings.size())
                                                   .arg(checks_.findings.size() == 1 ? "" : "s")
                                                   .arg(counts.join(", ")));
}

void DesignChecksPage::markCells() {
  std::vector<TableModel::CellMark> structureMarks, pipeMarks;
  for (size_t i = 0; i < checks_.findings.size(); ++i)
    for (const CheckCell& cell : checks_.findings[i].cells)
      (cell.table == CheckTable::Structures ? structureMarks : pipeMarks)
          .push_back({cell.row, cell.column, static_cast<int>(i)});
  // A mark's tip is the description of its finding, made when it is shown.
  auto tip = [this](int finding) {
    const auto i = static_cast<size_t>(finding);
    if (finding < 0 || i >= checks_.findings.size() || i + 1 >= checks_.worksheet.rows.size())
      return QString();
    const auto& row = checks_.worksheet.rows[i + 1];
    return findingDescription(checks_.findings[i], row[4], row[5]);
  };
  structures_->setCellMarks(std::move(structureMarks), tip);
  pipes_->setCellMarks(std::move(pipeMarks), tip);
}

void DesignChecksPage::selectCell(QTableView& grid, int tableRow, int column) {
  QAbstractItemModel* model = grid.model();
  const QModelIndex index = model->index(TableModel::viewRow(tableRow), column);
  if (!index.isValid()) return;
  grid.selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grid.scrollTo(index, QAbstractItemView::PositionAtCenter);
  grid.setFocus();
}

}  // namespace tarvello
