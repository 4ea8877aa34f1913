#include "shell/tail_water_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

#include "common/number_format.h"

namespace tarvello {

TailWaterEdit::TailWaterEdit(QWidget* parent) : QLineEdit(parent) {}

bool TailWaterEdit::acceptsPoint() const {
  return selectedText().contains('.') || !text().contains('.');
}

void TailWaterEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNextChild();  // as Tab would
    event->accept();
    return;
  }
  const QString typed = event->text();
  // Keys without a character (arrows, Home, Delete, ...) and control
  // characters (Backspace, the clipboard shortcuts) keep their usual meaning.
  if (typed.isEmpty() || typed.at(0).unicode() < 32) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  bool accepted = true;
  for (const QChar c : typed) {
    if (c == '.') {
      accepted = accepted && acceptsPoint();
    } else if (c < '0' || c > '9') {
      accepted = false;
    }
  }
  if (accepted) {
    QLineEdit::keyPressEvent(event);
  } else {
    event->accept();  // swallowed: "-", "+", ",", letters, a second "."
  }
}

void TailWaterEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A mouse click places the cursor after the focus arrives; select once it has.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) selectAll();
  });
}

void TailWaterEdit::focusOutEvent(QFocusEvent* event) {
  // A menu or a dialog taking the focus for a moment is no leaving of the field.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    const std::string formatted = formatFixed(text().toStdString(), 2);
    if (QString::fromStdString(formatted) != text()) setText(QString::fromStdString(formatted));
  }
  QLineEdit::focusOutEvent(event);
}

}  // namespace tarvello
