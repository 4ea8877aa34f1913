#pragma once
// The window's commands in one table, kept the way FreeCAD keeps its
// commands: each with the object name its button or menu item is known by,
// its caption, its shortcut, what it does and when it can act. Buttons and
// menu items are made from the table, and one update enables or disables
// them all, with the reason a command waits as its tool tip.
#include <QKeySequence>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QAction;
class QPushButton;
class QWidget;

namespace tarvello {

struct WindowCommand {
  const char* name;  // object name of its button or menu item (shell/widget_names.h)
  QString caption;   // with the & of its Alt key, if it has one
  QKeySequence shortcut;
  std::function<void()> run;
  // Why the command cannot act now, "" when it can; none: it always can.
  std::function<QString()> blocked;
};

class CommandTable {
 public:
  // A button's shortcut works anywhere in `window`.
  explicit CommandTable(QWidget& window) : window_(window) {}

  void add(WindowCommand command);
  const WindowCommand& command(const char* name) const;
  // Why the command cannot act now ("" when it can).
  QString blocked(const char* name) const;

  // The command's push button, under its object name.
  QPushButton* button(const char* name, QWidget* parent);
  // The command's menu item, under its object name.
  QAction* action(const char* name, QWidget* parent);

  // Enables what can act and disables the rest, each with its reason as tool tip.
  void update();

 private:
  struct Shown {
    const WindowCommand* command;
    QPointer<QPushButton> button;
    QPointer<QAction> action;
  };
  void run(const WindowCommand& command) const;

  QWidget& window_;
  std::deque<WindowCommand> commands_;  // a deque: the shown items keep pointers into it
  std::vector<Shown> shown_;
};

}  // namespace tarvello
