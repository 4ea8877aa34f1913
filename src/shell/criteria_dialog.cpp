#include "shell/criteria_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <filesystem>
#include <utility>

#include "commands/commands.h"
#include "common/atomic_file.h"
#include "network/unit_constants.h"
#include "shell/widget_names.h"

namespace tarvello {
namespace {

bool isEnglish(const std::string& unitSystem) {
  return UnitConstants::forUnitSystem(unitSystem).english;
}

// English and metric criteria are kept apart: the numbers mean different units.
QString settingsKey(const std::string& unitSystem) {
  return isEnglish(unitSystem) ? "designChecks/criteriaEnglish" : "designChecks/criteriaMetric";
}

constexpr double Criteria::*kNumbers[5] = {&Criteria::freeboard, &Criteria::velocityMin,
                                           &Criteria::velocityMax, &Criteria::coverMin,
                                           &Criteria::sizeMin};

std::string folderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

}  // namespace

CriteriaUnits CriteriaUnits::of(bool english) {
  return english ? CriteriaUnits{"ft", "ft/s", "in"} : CriteriaUnits{"m", "m/s", "mm"};
}

Criteria rememberedCriteria(const std::string& unitSystem) {
  const Criteria defaults = Criteria::forUnitSystem(unitSystem);
  const QString text = QSettings().value(settingsKey(unitSystem)).toString();
  if (text.isEmpty()) return defaults;
  // Settings edited by hand into nonsense fall back to the defaults.
  const CriteriaReadResult read = parseCriteria(text.toStdString(), "settings");
  return read.overrides ? read.overrides->appliedTo(defaults) : defaults;
}

void rememberCriteria(const std::string& unitSystem, const Criteria& criteria) {
  QSettings().setValue(settingsKey(unitSystem), QString::fromStdString(criteriaText(criteria)));
}

CriteriaDialog::CriteriaDialog(const Criteria& criteria, const std::string& unitSystem,
                               UserInterface& ui, std::string folder, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      folder_(std::move(folder)),
      defaults_(Criteria::forUnitSystem(unitSystem)) {
  setObjectName(widget::kCriteriaDialog);
  setWindowTitle("Design Criteria");
  const CriteriaUnits units = CriteriaUnits::of(isEnglish(unitSystem));

  auto* layout = new QVBoxLayout(this);
  auto* numbers = new QGroupBox(
      "Limits (" + units.length + ", " + units.velocity + ", " + units.size + ")", this);
  auto* form = new QFormLayout(numbers);
  const struct {
    const char* name;
    QString caption;
    QString unit;
  } rows[5] = {
      {widget::kCriterionFreeboard, "Freeboard, top above the HGL", units.length},
      {widget::kCriterionVelocityMin, "Minimum velocity", units.velocity},
      {widget::kCriterionVelocityMax, "Maximum velocity", units.velocity},
      {widget::kCriterionCoverMin, "Minimum cover", units.length},
      {widget::kCriterionSizeMin, "Minimum size (Dia / Rise)", units.size},
  };
  for (size_t i = 0; i < numbers_.size(); ++i) {
    auto* box = new QDoubleSpinBox(numbers);
    box->setObjectName(rows[i].name);
    // Three decimals keep the metric values of a file as they were written.
    box->setDecimals(3);
    box->setRange(-1e6, 1e6);
    box->setSuffix(" " + rows[i].unit);
    numbers_[i] = box;
    form->addRow(rows[i].caption, box);
  }
  layout->addWidget(numbers);

  auto* rules = new QGroupBox("Rules checked", this);
  auto* rulesLayout = new QVBoxLayout(rules);
  for (int r = 0; r < kCheckRuleCount; ++r) {
    const QString id =
        QString::fromUtf8(checkRuleId(static_cast<CheckRule>(r)).data(),
                          static_cast<int>(checkRuleId(static_cast<CheckRule>(r)).size()));
    auto* box = new QCheckBox(id, rules);
    box->setObjectName(QString(widget::kCriteriaRulePrefix) + id);
    rules_[static_cast<size_t>(r)] = box;
    rulesLayout->addWidget(box);
  }
  layout->addWidget(rules);

  auto* files = new QHBoxLayout;
  auto* load = new QPushButton("Load...", this);
  load->setObjectName(widget::kLoadCriteria);
  auto* save = new QPushButton("Save...", this);
  save->setObjectName(widget::kSaveCriteria);
  auto* reset = new QPushButton("Defaults", this);
  reset->setObjectName(widget::kDefaultCriteria);
  for (QPushButton* b : {load, save, reset}) {
    b->setAutoDefault(false);
    files->addWidget(b);
  }
  files->addStretch(1);
  layout->addLayout(files);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);

  connect(load, &QPushButton::clicked, this, &CriteriaDialog::loadFile);
  connect(save, &QPushButton::clicked, this, &CriteriaDialog::saveFile);
  connect(reset, &QPushButton::clicked, this, [this] { setCriteria(defaults_); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  setCriteria(criteria);
}

Criteria CriteriaDialog::criteria() const {
  Criteria c;
  for (size_t i = 0; i < numbers_.size(); ++i) c.*kNumbers[i] = numbers_[i]->value();
  for (size_t r = 0; r < rules_.size(); ++r) c.off[r] = !rules_[r]->isChecked();
  return c;
}

void CriteriaDialog::setCriteria(const Criteria& criteria) {
  for (size_t i = 0; i < numbers_.size(); ++i) numbers_[i]->setValue(criteria.*kNumbers[i]);
  for (size_t r = 0; r < rules_.size(); ++r) rules_[r]->setChecked(!criteria.off[r]);
}

void CriteriaDialog::loadFile() {
  FileDialogRequest request;
  request.title = "Open Design Criteria";
  request.filter = "Design criteria (*.toml)|*.toml";
  request.defaultExtension = ".toml";
  request.initialFolder = folder_;
  request.mustExist = true;
  const std::string path = ui_.askOpenFileName(request);
  if (path.empty()) return;
  folder_ = folderOf(path);
  const CriteriaReadResult read = readCriteriaFile(path);
  if (!read.overrides) {
    ui_.showMessage("The criteria file cannot be used:\n" + read.error, MessageIcon::Exclamation);
    return;
  }
  setCriteria(read.overrides->appliedTo(defaults_));
}

void CriteriaDialog::saveFile() {
  FileDialogRequest request;
  request.title = "Save Design Criteria";
  request.filter = "Design criteria (*.toml)|*.toml";
  request.defaultExtension = ".toml";
  request.initialFolder = folder_;
  const std::string path = ui_.askSaveFileName(request);
  if (path.empty()) return;
  folder_ = folderOf(path);
  std::error_code ec;
  if (std::filesystem::exists(path, ec) &&
      !ui_.askYesNo(kOverwriteQuestion, MessageIcon::Exclamation))
    return;
  std::string notice;
  const std::string error = writeFileAtomically(path, criteriaText(criteria()), &notice);
  if (!error.empty())
    ui_.showMessage("The criteria file was not saved:\n" + path + "\n" + error,
                    MessageIcon::Exclamation);
  else if (!notice.empty())
    ui_.showMessage(path + "\n" + notice, MessageIcon::Exclamation);
}

}  // namespace tarvello
