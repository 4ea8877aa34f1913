#pragma once
// Opening a project: the project's fields and buttons at the top of the
// window, the two Open ... Database commands, the files named on the command
// line, the Recent Projects menu, the outfall and tail water remembered for a
// pipe database, and files dropped on the window. The files open on the
// window's worker thread, on a copy of the open databases; the fields show
// what was opened once the open has ended.
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "commands/browse.h"
#include "shell/background_runner.h"

class QComboBox;
class QGridLayout;
class QLineEdit;
class QMenu;
class QMimeData;
class QWidget;

namespace tarvello {

class CommandTable;
struct Session;
class TailWaterEdit;
class UserInterface;

class ProjectOpener : public QObject {
  Q_OBJECT
 public:
  // Puts a task on the window's worker thread, `status` shown meanwhile.
  using StartWork =
      std::function<void(const QString& status, BackgroundRunner::Task, BackgroundRunner::Done)>;

  ProjectOpener(Session& session, UserInterface& ui, const BackgroundRunner& runner,
                StartWork startWork, QObject* parent);

  // The fields with their labels and the buttons of `commands` (the two
  // Open ... Database commands and Create Profile Data), on `parent`.
  QGridLayout* makeFields(CommandTable& commands, QWidget* parent);
  QComboBox* outfall() const { return outfall_; }
  TailWaterEdit* tailWater() const { return tailWater_; }

  // "Open Pipe Database" and "Open Inlet Database": the dialog, then the open.
  void browse(DatabaseKind kind);
  // Opens the files as the two browse commands would if the user chose them;
  // "" skips one. Returns at once: the files open on the worker thread.
  void open(const QString& pipePath, const QString& inletPath);

  // The menu that lists the recent projects; filled now and after each open.
  void setRecentMenu(QMenu* menu);
  void fillRecentMenu();

  // Dropped files: one or two local files are taken; an inlet database's
  // extension makes a file the inlet database, any other the pipe database.
  bool acceptsDrop(const QMimeData& data) const;
  void drop(const QMimeData& data);

  // The fields a run was made with, offered again when its pipe database opens.
  void rememberFields(const QString& outfall, const QString& tailWater);

 signals:
  // An open (or its dialog) has ended; `status` says what was opened, "" if nothing.
  void finished(const QString& status);

 private:
  struct Opening {
    DatabaseKind kind;
    std::string path;
    BrowseResult result;
  };
  void startOpening(const QString& status, std::vector<Opening> openings);
  // inletFollows: an inlet database is opened right after this pipe one.
  QString showOpened(DatabaseKind kind, const BrowseResult& result, bool inletFollows);
  void fillOutfallList(const std::vector<std::string>& outfalls);

  Session& session_;
  UserInterface& ui_;
  const BackgroundRunner& runner_;
  StartWork startWork_;
  QLineEdit* pipeDatabase_ = nullptr;
  QLineEdit* inletDatabase_ = nullptr;
  QComboBox* outfall_ = nullptr;
  TailWaterEdit* tailWater_ = nullptr;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace tarvello
