#pragma once
// What the window remembers between runs of the program, in the user's
// settings (QSettings under the application's organisation and name): the
// last pipe + inlet database pairs, for each pipe database the outfall and
// tail water last used with it, the main window's place and size, and the
// folder of the last file dialog.
#include <QList>
#include <QString>

#include <optional>
#include <string>

class QMainWindow;

namespace tarvello {

inline constexpr int kMaxRecentProjects = 8;

struct RecentProject {
  QString pipe;
  QString inlet;
  bool operator==(const RecentProject&) const = default;
};

// Newest first, at most kMaxRecentProjects.
QList<RecentProject> recentProjects();
// Puts the pair first; an equal pair further down goes, the oldest beyond
// the limit drop off.
void rememberRecentProject(const RecentProject& project);
// The text of the menu entry: both file names, the pipe database's folder.
QString recentProjectCaption(const RecentProject& project);

struct ProjectFields {
  QString outfall;
  QString tailWater;
};

std::optional<ProjectFields> rememberedFields(const QString& pipeDatabase);
void rememberFields(const QString& pipeDatabase, const ProjectFields& fields);

// A folder that no longer exists is not restored.
void restoreWindowSettings(QMainWindow& window, std::string& lastFolder);
void saveWindowSettings(const QMainWindow& window, const std::string& lastFolder);

}  // namespace tarvello
