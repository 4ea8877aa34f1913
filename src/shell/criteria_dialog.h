#pragma once
// The design criteria the checks hold the tables to: the dialog that edits
// them, loads and saves criteria files, and the criteria remembered between
// runs of the program, one set per unit system.
#include <QDialog>

#include <array>
#include <string>

#include "checks/criteria.h"

class QCheckBox;
class QDoubleSpinBox;

namespace tarvello {

class UserInterface;

// Units of the criteria in a project's unit system: {length, velocity, size}.
struct CriteriaUnits {
  QString length, velocity, size;
  static CriteriaUnits of(bool english);
};

// The criteria last accepted for this unit system, or its defaults.
Criteria rememberedCriteria(const std::string& unitSystem);
void rememberCriteria(const std::string& unitSystem, const Criteria& criteria);

class CriteriaDialog : public QDialog {
  Q_OBJECT
 public:
  // File dialogs and messages go through `ui`; files are looked for first in
  // `folder`.
  CriteriaDialog(const Criteria& criteria, const std::string& unitSystem, UserInterface& ui,
                 std::string folder, QWidget* parent = nullptr);

  Criteria criteria() const;
  void setCriteria(const Criteria& criteria);

  // A criteria file applied to the unit system's defaults, as the command
  // line reads it; a file that cannot be read changes nothing and is named
  // in a message.
  void loadFile();
  // The criteria shown, written whole to a file the user chooses.
  void saveFile();

 private:
  UserInterface& ui_;
  std::string folder_;
  Criteria defaults_;
  std::array<QDoubleSpinBox*, 5> numbers_{};
  std::array<QCheckBox*, kCheckRuleCount> rules_{};
};

}  // namespace tarvello
