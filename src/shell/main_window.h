#pragma once
// The main window: the two project databases, the outfall node and the tail
// water, "Create Profile Data", the three tables on their pages, and the
// commands that plot, schedule, export and view what the tables hold.
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

#include "commands/browse.h"
#include "commands/session.h"
#include "commands/user_interface.h"
#include "shell/background_runner.h"
#include "shell/profile_preview.h"
#include "viewer/dxf_view_window.h"

class QComboBox;
class QDockWidget;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace tarvello {

class DesignChecksPage;
class DrawingView;
class HelpWindow;
class PlotsPage;
class TableModel;
class TailWaterEdit;
class WarningsPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Dialogs and messages go through `ui`; without one, through Qt dialogs.
  explicit MainWindow(std::unique_ptr<UserInterface> ui = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  Session& session() { return session_; }
  UserInterface& userInterface() { return *ui_; }

  // Opens the databases named on the command line as the two browse
  // commands would if the user chose these files; "" skips one. Returns at
  // once: the files open on the worker thread (see commandRunning).
  void openDatabasesAtStart(const QString& pipePath, const QString& inletPath);

  // Width of a column headed `text`: the text's width in the window's font
  // and an allowance of 200 twips.
  int columnWidthFor(const QString& text) const;

  HelpWindow* helpWindow() const { return helpWindow_.get(); }
  DxfViewWindow* viewerWindow() const { return viewer_; }
  DrawingView* previewView() const;
  // Where the help file is looked for.
  QString helpFilePath() const;

  // True while opening a database or Create Profile Data works. They work on
  // a thread of their own so that the window keeps painting and moving on a
  // large network; the other commands wait until they end.
  bool commandRunning() const;
  // Lets a running command end here and shows its results.
  void waitForCommand();

  // The command handlers, one for each button and menu item.
  void browsePipeDatabase();
  void browseInletDatabase();
  void createProfileData();
  void plotSingleProfile();
  void plotBranchProfile();
  void plotMultipleProfile();
  void drawStructureSchedule();
  void drawPipeSchedule();
  void exportToExcel();
  void viewDrawing();
  void showHelp();
  void showAbout();
  void exitProgram();

 signals:
  // A command that ran on its own thread has ended; the window shows its results.
  void commandFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A project database dropped on the window opens as if chosen in its dialog.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  QTableView* makeGrid(const char* name, TableModel* model);
  void layoutColumns();
  void selectCurrentRows();
  void rowChosen(Table& table, const QModelIndex& index);
  void fillOutfallList(const std::vector<std::string>& outfalls);
  void runFileCommand(const QString& name, const std::function<void()>& command);
  void showWarnings(const QString& command);
  void updatePreview();
  void restoreSettings();
  void saveSettings();
  void tablesAboutToChange();
  void tablesChanged();
  void browseDatabase(DatabaseKind kind);
  // The window's fields after an open on the worker thread ended.
  // inletFollows: an inlet database is being opened right after this pipe one.
  void showOpened(DatabaseKind kind, const BrowseResult& result, bool inletFollows);
  void runInBackground(const QString& status, BackgroundRunner::Task task,
                       BackgroundRunner::Done done);
  void finishBackground();
  void updateCommandStates();
  void fillRecentMenu();
  void saveShownTable();
  void showDrawingFile(const std::string& path);
  void offerSavedDrawing();

  Session session_;
  std::unique_ptr<UserInterface> ui_;

  QLineEdit* pipeDatabase_ = nullptr;
  QLineEdit* inletDatabase_ = nullptr;
  QComboBox* outfall_ = nullptr;
  TailWaterEdit* tailWater_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  TableModel* structureModel_ = nullptr;
  TableModel* pipeModel_ = nullptr;
  TableModel* branchModel_ = nullptr;
  QTableView* structureGrid_ = nullptr;
  QTableView* pipeGrid_ = nullptr;
  QTableView* branchGrid_ = nullptr;
  PlotsPage* plotsPage_ = nullptr;
  DesignChecksPage* checksPage_ = nullptr;
  bool previewStale_ = true;
  QDockWidget* warningsDock_ = nullptr;
  WarningsPanel* warningsList_ = nullptr;
  std::unique_ptr<HelpWindow> helpWindow_;
  QPointer<DxfViewWindow> viewer_;
  BackgroundRunner* runner_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QPushButton* showSavedDrawing_ = nullptr;
  // The viewer's open dialog starts in the folder of a drawing just saved.
  bool viewerStartsAtSavedDrawing_ = false;
  // While a project is opened pipe first, the pipe alone is no pair to remember.
};

}  // namespace tarvello
