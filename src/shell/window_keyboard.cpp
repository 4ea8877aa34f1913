#include "window_keyboard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include "widget_names.h"

namespace tarvello {

void keepTypedText(QComboBox& box) {
  auto* completer = new QCompleter(box.model(), &box);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  // A case-sensitive completer also makes the box match its items case-
  // sensitively when editing ends ("mh 1" must not become "MH 1").
  completer->setCaseSensitivity(Qt::CaseSensitive);
  completer->setFilterMode(Qt::MatchStartsWith);
  box.setCompleter(completer);
}

namespace {

template <typename T>
T* child(QMainWindow& window, const char* name) {
  return window.findChild<T*>(name);
}

}  // namespace

void setUpProjectKeys(QMainWindow& window) {
  auto* create = child<QPushButton>(window, widget::kCreateProfileData);
  auto* outfall = child<QComboBox>(window, widget::kOutfallBox);
  auto* tailWater = child<QLineEdit>(window, widget::kTailWaterField);
  auto* pipeField = child<QLineEdit>(window, widget::kPipeDatabaseField);
  if (!create || !outfall || !tailWater || !pipeField) return;

  // Enter in the tail water goes on to the command; Enter there runs it.
  create->setAutoDefault(true);
  QObject::connect(tailWater, &QLineEdit::returnPressed, create, [create] {
    if (create->isEnabled()) create->setFocus(Qt::TabFocusReason);
  });

  QObject::connect(pipeField, &QLineEdit::textChanged, outfall, [outfall](const QString& path) {
    if (!path.isEmpty()) outfall->setFocus(Qt::OtherFocusReason);
  });
}

}  // namespace tarvello
