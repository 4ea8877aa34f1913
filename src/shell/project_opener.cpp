#include "shell/project_opener.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <utility>

#include "commands/session.h"
#include "commands/user_interface.h"
#include "common/ascii_case.h"
#include "shell/command_table.h"
#include "shell/recent_projects.h"
#include "shell/tail_water_edit.h"
#include "shell/widget_names.h"
#include "shell/window_keyboard.h"

namespace tarvello {
namespace {

// Hands a file named beforehand to a browse command in place of the open
// dialog; everything else goes to the window's own dialogs.
class PresetFileInterface : public UserInterface {
 public:
  PresetFileInterface(UserInterface& inner, std::string path)
      : inner_(inner), path_(std::move(path)) {}
  std::string askOpenFileName(const FileDialogRequest&) override {
    return std::exchange(path_, {});
  }
  std::string askSaveFileName(const FileDialogRequest& request) override {
    return inner_.askSaveFileName(request);
  }
  bool askYesNo(const std::string& text, MessageIcon icon) override {
    return inner_.askYesNo(text, icon);
  }
  void showMessage(const std::string& text, MessageIcon icon) override {
    inner_.showMessage(text, icon);
  }

 private:
  UserInterface& inner_;
  std::string path_;
};

bool isInletFile(const QString& path) {
  const std::string extension = QFileInfo(path).suffix().toStdString();
  return equalsIgnoringCase(extension, "olm") || equalsIgnoringCase(extension, "olh");
}

QLabel* fieldLabel(const char* name, const char* caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

ProjectOpener::ProjectOpener(Session& session, UserInterface& ui, const BackgroundRunner& runner,
                             StartWork startWork, QObject* parent)
    : QObject(parent),
      session_(session),
      ui_(ui),
      runner_(runner),
      startWork_(std::move(startWork)) {}

QGridLayout* ProjectOpener::makeFields(CommandTable& commands, QWidget* parent) {
  pipeDatabase_ = new QLineEdit(parent);
  pipeDatabase_->setObjectName(widget::kPipeDatabaseField);
  pipeDatabase_->setReadOnly(true);
  inletDatabase_ = new QLineEdit(parent);
  inletDatabase_->setObjectName(widget::kInletDatabaseField);
  inletDatabase_->setReadOnly(true);
  auto* browsePipe = commands.button(widget::kOpenPipeDatabase, parent);
  auto* browseInlet = commands.button(widget::kOpenInletDatabase, parent);
  outfall_ = new QComboBox(parent);
  outfall_->setObjectName(widget::kOutfallBox);
  outfall_->setEditable(true);
  outfall_->setInsertPolicy(QComboBox::NoInsert);
  keepTypedText(*outfall_);
  outfall_->setMinimumContentsLength(12);
  outfall_->lineEdit()->setPlaceholderText("choose the outfall");
  outfall_->setMinimumWidth(outfall_->fontMetrics().horizontalAdvance("choose the outfall") + 48);
  tailWater_ = new TailWaterEdit(parent);
  tailWater_->setObjectName(widget::kTailWaterField);
  tailWater_->setText(QString::fromStdString(session_.tailWaterText));
  tailWater_->setMaximumWidth(140);
  auto* generate = commands.button(widget::kCreateProfileData, parent);

  // The labels' Alt keys stay clear of the menus' F and H and of Exit's X.
  auto* grid = new QGridLayout;
  grid->addWidget(fieldLabel(widget::kPipeDatabaseLabel, "PIPE DATABASE", pipeDatabase_, parent), 0,
                  0);
  grid->addWidget(pipeDatabase_, 0, 1, 1, 3);
  grid->addWidget(browsePipe, 0, 4);
  grid->addWidget(fieldLabel(widget::kInletDatabaseLabel, "INLET DATABASE", inletDatabase_, parent),
                  1, 0);
  grid->addWidget(inletDatabase_, 1, 1, 1, 3);
  grid->addWidget(browseInlet, 1, 4);
  auto* nodeRow = new QHBoxLayout;
  nodeRow->addWidget(outfall_);
  nodeRow->addSpacing(24);
  nodeRow->addWidget(
      fieldLabel(widget::kTailWaterLabel, "&TAIL WATER ELEVATION", tailWater_, parent));
  nodeRow->addWidget(tailWater_);
  nodeRow->addStretch(1);
  grid->addWidget(fieldLabel(widget::kOutfallLabel, "&OUTFALL/END NODE", outfall_, parent), 2, 0);
  grid->addLayout(nodeRow, 2, 1, 1, 3);
  grid->addWidget(generate, 2, 4);
  grid->setColumnStretch(1, 1);

  QWidget::setTabOrder(browsePipe, browseInlet);
  QWidget::setTabOrder(browseInlet, outfall_);
  QWidget::setTabOrder(outfall_, tailWater_);
  QWidget::setTabOrder(tailWater_, generate);
  return grid;
}

void ProjectOpener::browse(DatabaseKind kind) {
  if (runner_.running()) return;
  std::string path = askForDatabase(session_, ui_, kind);
  if (path.empty()) {
    emit finished({});
    return;
  }
  startOpening(kind == DatabaseKind::Pipe ? "Opening the pipe project database..."
                                          : "Opening the inlet project database...",
               {{kind, std::move(path), {}}});
}

void ProjectOpener::open(const QString& pipePath, const QString& inletPath) {
  if (runner_.running()) return;
  std::vector<Opening> openings;
  // The files count as chosen in the open dialog (the last folder follows them).
  for (const auto& [kind, path] :
       {std::pair{DatabaseKind::Pipe, pipePath}, std::pair{DatabaseKind::Inlet, inletPath}}) {
    if (path.isEmpty()) continue;
    PresetFileInterface preset(ui_, path.toStdString());
    std::string chosen = askForDatabase(session_, preset, kind);
    if (!chosen.empty()) openings.push_back({kind, std::move(chosen), {}});
  }
  if (!openings.empty()) startOpening("Opening the project databases...", std::move(openings));
}

void ProjectOpener::startOpening(const QString& status, std::vector<Opening> openings) {
  struct Work {
    ProjectDatabases databases;  // the open ones, shared, and what opens now
    std::vector<Opening> openings;
  };
  auto work = std::make_shared<Work>(Work{session_.databases, std::move(openings)});
  // One after the other on the worker: the window shows meanwhile.
  startWork_(
      status,
      [work](UserInterface& ui) {
        for (Opening& o : work->openings)
          o.result = openChosenDatabase(work->databases, ui, o.kind, o.path);
      },
      [this, work] {
        session_.databases = std::move(work->databases);
        // A pipe database opened just before its inlet is not paired with the old inlet.
        const bool inletFollows = work->openings.size() == 2;
        QString opened;
        for (const Opening& o : work->openings) {
          const QString shown =
              showOpened(o.kind, o.result, inletFollows && o.kind == DatabaseKind::Pipe);
          if (!shown.isEmpty()) opened = shown;
        }
        emit finished(opened);
      });
}

QString ProjectOpener::showOpened(DatabaseKind kind, const BrowseResult& result,
                                  bool inletFollows) {
  const bool pipe = kind == DatabaseKind::Pipe;
  const ProjectDatabases& dbs = session_.databases;
  (pipe ? pipeDatabase_ : inletDatabase_)
      ->setText(QString::fromStdString(pipe ? dbs.pipeDbPath() : dbs.inletDbPath()));
  if (result.refillOutfalls) fillOutfallList(result.outfalls);
  if (!result.opened()) return {};
  if (pipe) {
    // What was last used with this database is offered again.
    if (auto fields = rememberedFields(QString::fromStdString(dbs.pipeDbPath()))) {
      outfall_->setEditText(fields->outfall);
      tailWater_->setText(fields->tailWater);
    }
  }
  if (!inletFollows && !dbs.pipeDbPath().empty() && !dbs.inletDbPath().empty()) {
    rememberRecentProject(
        {QString::fromStdString(dbs.pipeDbPath()), QString::fromStdString(dbs.inletDbPath())});
    fillRecentMenu();
  }
  return QString("%1 project database opened; units: %2")
      .arg(pipe ? "Pipe" : "Inlet")
      .arg(QString::fromStdString(dbs.unitSystem()));
}

void ProjectOpener::fillOutfallList(const std::vector<std::string>& outfalls) {
  // The node typed or picked so far stays; the list is the new database's.
  QComboBox* box = outfall_;
  const QString text = box->currentText();
  const QSignalBlocker block(box);
  box->clear();
  for (const std::string& node : outfalls) box->addItem(QString::fromStdString(node));
  box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
  box->setEditText(text);
  session_.outfallNode = text.toStdString();
}

void ProjectOpener::setRecentMenu(QMenu* menu) {
  recentMenu_ = menu;
  fillRecentMenu();
}

void ProjectOpener::fillRecentMenu() {
  if (!recentMenu_) return;
  recentMenu_->clear();
  const QList<RecentProject> projects = recentProjects();
  for (int i = 0; i < projects.size(); ++i) {
    const RecentProject project = projects[i];
    QAction* entry =
        recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(recentProjectCaption(project)));
    entry->setObjectName(QString(widget::kRecentProjectPrefix) + QString::number(i + 1));
    entry->setToolTip(project.pipe + "\n" + project.inlet);
    connect(entry, &QAction::triggered, this,
            [this, project] { open(project.pipe, project.inlet); });
  }
  recentMenu_->setEnabled(!projects.isEmpty());
}

bool ProjectOpener::acceptsDrop(const QMimeData& data) const {
  const QList<QUrl> urls = data.urls();
  return !runner_.running() && !urls.isEmpty() && urls.size() <= 2 &&
         std::all_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); });
}

void ProjectOpener::drop(const QMimeData& data) {
  QString pipe, inlet;
  for (const QUrl& url : data.urls()) {
    const QString path = QDir::toNativeSeparators(url.toLocalFile());
    (isInletFile(path) ? inlet : pipe) = path;
  }
  // Opened once the drop has ended, so that the file manager is not kept waiting.
  QTimer::singleShot(0, this, [this, pipe, inlet] { open(pipe, inlet); });
}

void ProjectOpener::rememberFields(const QString& outfall, const QString& tailWater) {
  tarvello::rememberFields(QString::fromStdString(session_.databases.pipeDbPath()),
                           {outfall, tailWater});
}

}  // namespace tarvello
