#pragma once
// What the window remembers between runs of the program, in the user's
// settings (QSettings under the application's organisation and name): the
// last pipe + inlet database pairs, and for each pipe database the outfall
// and tail water last used with it.
#include <QList>
#include <QString>

#include <optional>

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

}  // namespace tarvello
