#include "shell/command_table.h"

#include <QAction>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include <cstring>
#include <stdexcept>

namespace tarvello {

void CommandTable::add(WindowCommand command) { commands_.push_back(std::move(command)); }

const WindowCommand& CommandTable::command(const char* name) const {
  for (const WindowCommand& c : commands_)
    if (std::strcmp(c.name, name) == 0) return c;
  throw std::logic_error(std::string("no window command ") + name);
}

QString CommandTable::blocked(const char* name) const {
  const WindowCommand& c = command(name);
  return c.blocked ? c.blocked() : QString();
}

void CommandTable::run(const WindowCommand& command) const {
  // A shortcut or a click that reaches a command which cannot act does nothing.
  if (command.blocked && !command.blocked().isEmpty()) return;
  command.run();
}

QPushButton* CommandTable::button(const char* name, QWidget* parent) {
  const WindowCommand& c = command(name);
  auto* button = new QPushButton(c.caption, parent);
  button->setObjectName(name);
  QObject::connect(button, &QPushButton::clicked, button, [this, &c] { run(c); });
  // Not the button's own shortcut: that is the Alt key of its caption.
  if (!c.shortcut.isEmpty()) {
    auto* key = new QShortcut(c.shortcut, &window_);
    key->setObjectName(QString(name) + "Key");
    QObject::connect(key, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
  shown_.push_back({&c, button, nullptr});
  return button;
}

QAction* CommandTable::action(const char* name, QWidget* parent) {
  const WindowCommand& c = command(name);
  auto* action = new QAction(c.caption, parent);
  action->setObjectName(name);
  if (!c.shortcut.isEmpty()) action->setShortcut(c.shortcut);
  QObject::connect(action, &QAction::triggered, action, [this, &c] { run(c); });
  shown_.push_back({&c, nullptr, action});
  return action;
}

void CommandTable::update() {
  for (const Shown& s : shown_) {
    const QString reason = s.command->blocked ? s.command->blocked() : QString();
    if (s.button) {
      s.button->setEnabled(reason.isEmpty());
      s.button->setToolTip(reason);
    }
    if (s.action) {
      s.action->setEnabled(reason.isEmpty());
      s.action->setToolTip(reason.isEmpty() ? s.action->text().remove('&') : reason);
    }
  }
}

}  // namespace tarvello
