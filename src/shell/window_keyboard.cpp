#include "window_keyboard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>

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

void underline(QWidget* widget, const QString& caption) {
  if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(caption);
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(caption);
}

}  // namespace

void setUpProjectKeys(QMainWindow& window) {
  auto* openPipe = child<QPushButton>(window, widget::kOpenPipeDatabase);
  auto* openInlet = child<QPushButton>(window, widget::kOpenInletDatabase);
  auto* create = child<QPushButton>(window, widget::kCreateProfileData);
  auto* outfall = child<QComboBox>(window, widget::kOutfallBox);
  auto* tailWater = child<QLineEdit>(window, widget::kTailWaterField);
  auto* pipeField = child<QLineEdit>(window, widget::kPipeDatabaseField);
  if (!openPipe || !openInlet || !create || !outfall || !tailWater || !pipeField) return;

  // The menus hold F, H and X; these letters stay clear of them.
  underline(openPipe, "Open &Pipe Database");
  underline(openInlet, "Open &Inlet Database");
  underline(create, "&Create Profile Data");
  underline(child<QLabel>(window, "lblOutfall"), "&OUTFALL/END NODE");
  underline(child<QLabel>(window, "lblTailWater"), "&TAIL WATER ELEVATION");

  auto* openPipeKey = new QShortcut(QKeySequence::Open, &window);
  openPipeKey->setObjectName("keyOpenPipeDatabase");
  QObject::connect(openPipeKey, &QShortcut::activated, openPipe, [openPipe] {
    if (openPipe->isEnabled()) openPipe->click();
  });
  auto* openInletKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &window);
  openInletKey->setObjectName("keyOpenInletDatabase");
  QObject::connect(openInletKey, &QShortcut::activated, openInlet, [openInlet] {
    if (openInlet->isEnabled()) openInlet->click();
  });

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
