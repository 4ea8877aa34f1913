#pragma once
// The main window: the two project databases, the outfall node and the tail
// water, "Create Profile Data", the three tables on their pages, and the
// commands that plot, schedule, export and view what the tables hold. The
// window assembles its parts: the commands live in a table, opening a
// project in a class of its own, the pages in theirs.
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "commands/session.h"
#include "commands/user_interface.h"
#include "submittal/revisions.h"

class QComboBox;
class QDockWidget;
class QTabWidget;

namespace tarvello {

class BackgroundRunner;
class CommandTable;
class DesignChecksPage;
class DxfViewWindow;
class DrawingViewing;
class HelpWindow;
class PlotsPage;
class ProjectOpener;
class RunSheetPage;
class StaleLine;
class TableGrids;
class TailWaterEdit;
class WarningsPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Dialogs and messages go through `ui`; without one, through Qt dialogs.
  explicit MainWindow(std::unique_ptr<UserInterface> ui = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  Session& session() { return session_; }

  // Opens the databases named on the command line as the two browse
  // commands would if the user chose these files; "" skips one. Returns at
  // once: the files open on the worker thread (see commandRunning).
  void openDatabasesAtStart(const QString& pipePath, const QString& inletPath);

  HelpWindow* helpWindow() const { return helpWindow_.get(); }
  DxfViewWindow* viewerWindow() const;

  // True while opening a database or Create Profile Data works. They work on
  // a thread of their own so that the window keeps painting and moving on a
  // large network; the other commands wait until they end.
  bool commandRunning() const;
  // Lets a running command end here and shows its results.
  void waitForCommand();

  void browsePipeDatabase();
  void showHelp();
  void showAbout();

 signals:
  // A command that ran on its own thread has ended; the window shows its results.
  void commandFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A database file may have changed on disk while another window was in front.
  void changeEvent(QEvent* event) override;
  // A project database dropped on the window opens as if chosen in its dialog.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void addCommands();
  void buildControls();
  void buildMenus();
  void showWarnings(const QString& command);
  void updatePreview();
  void saveSettings();
  void runInBackground(const QString& status, std::function<void(UserInterface&)> task,
                       std::function<void()> done);
  void finishBackground();
  void updateCommandStates();
  void updateStaleLine();
  void createProfileData();
  void showRun(std::shared_ptr<Run> run, const QString& outfall, const QString& tailWater);
  // The output as the commands save it: its dialog, the write, what it worked around.
  void saveShown(const OutputDescription& output);
  QString outputBlockedNow(const OutputDescription& output) const;
  const OutputDescription& shownTable() const;
  void showWorkbook(const std::string& path);
  // File > Export Submittal...: the set, with a progress bar and Cancel.
  void exportSubmittal();
  // The REVISIONS page shows `revisions`, or goes when there are none to show.
  void showRevisions(std::optional<std::vector<Revision>> revisions);
  void exitProgram();

  Session session_;
  std::unique_ptr<UserInterface> ui_;
  BackgroundRunner* runner_ = nullptr;
  std::unique_ptr<CommandTable> commands_;
  ProjectOpener* opener_ = nullptr;

  QComboBox* outfall_ = nullptr;
  TailWaterEdit* tailWater_ = nullptr;
  StaleLine* staleLine_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  TableGrids* grids_ = nullptr;
  PlotsPage* plotsPage_ = nullptr;
  DesignChecksPage* checksPage_ = nullptr;
  RunSheetPage* hglPage_ = nullptr;
  RunSheetPage* quantitiesPage_ = nullptr;
  RunSheetPage* revisionsPage_ = nullptr;  // a tab shown after a submittal with a previous set
  std::vector<Revision> revisions_;        // what it shows
  bool previewStale_ = true;
  QDockWidget* warningsDock_ = nullptr;
  WarningsPanel* warningsList_ = nullptr;
  std::unique_ptr<HelpWindow> helpWindow_;
  DrawingViewing* viewing_ = nullptr;
  QWidget* showSavedDrawing_ = nullptr;
};

}  // namespace tarvello
