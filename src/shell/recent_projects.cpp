#include "shell/recent_projects.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>

namespace tarvello {
namespace {

// Fields are kept for this many pipe databases; the least recently used go.
constexpr int kMaxRememberedFields = 64;

// Paths hold slashes, which QSettings takes for groups, so both lists are
// stored as arrays of entries rather than as keys named by the path.
template <typename T, typename Read>
QList<T> readArray(QSettings& settings, const char* name, Read read) {
  QList<T> items;
  const int n = settings.beginReadArray(name);
  for (int i = 0; i < n; ++i) {
    settings.setArrayIndex(i);
    items << read(settings);
  }
  settings.endArray();
  return items;
}

template <typename T, typename Write>
void writeArray(QSettings& settings, const char* name, const QList<T>& items, Write write) {
  settings.remove(name);
  settings.beginWriteArray(name, static_cast<int>(items.size()));
  for (int i = 0; i < items.size(); ++i) {
    settings.setArrayIndex(i);
    write(settings, items[i]);
  }
  settings.endArray();
}

struct FieldsEntry {
  QString pipe;
  ProjectFields fields;
};

QList<FieldsEntry> fieldEntries(QSettings& settings) {
  return readArray<FieldsEntry>(settings, "projectFields", [](QSettings& s) {
    return FieldsEntry{s.value("pipe").toString(),
                       {s.value("outfall").toString(), s.value("tailWater").toString()}};
  });
}

}  // namespace

QList<RecentProject> recentProjects() {
  QSettings settings;
  QList<RecentProject> projects =
      readArray<RecentProject>(settings, "recentProjects", [](QSettings& s) {
        return RecentProject{s.value("pipe").toString(), s.value("inlet").toString()};
      });
  projects.removeIf([](const RecentProject& p) { return p.pipe.isEmpty() || p.inlet.isEmpty(); });
  if (projects.size() > kMaxRecentProjects) projects.resize(kMaxRecentProjects);
  return projects;
}

void rememberRecentProject(const RecentProject& project) {
  if (project.pipe.isEmpty() || project.inlet.isEmpty()) return;
  QList<RecentProject> projects = recentProjects();
  projects.removeAll(project);
  projects.prepend(project);
  if (projects.size() > kMaxRecentProjects) projects.resize(kMaxRecentProjects);
  QSettings settings;
  writeArray(settings, "recentProjects", projects, [](QSettings& s, const RecentProject& p) {
    s.setValue("pipe", p.pipe);
    s.setValue("inlet", p.inlet);
  });
}

QString recentProjectCaption(const RecentProject& project) {
  const QFileInfo pipe(project.pipe), inlet(project.inlet);
  QString caption = pipe.fileName() + " + " + inlet.fileName();
  caption += "  (" + QDir::toNativeSeparators(pipe.path()) + ")";
  // A single '&' would underline the next letter instead of showing itself.
  return caption.replace('&', "&&");
}

std::optional<ProjectFields> rememberedFields(const QString& pipeDatabase) {
  QSettings settings;
  for (const FieldsEntry& e : fieldEntries(settings))
    if (e.pipe == pipeDatabase) return e.fields;
  return std::nullopt;
}

void rememberFields(const QString& pipeDatabase, const ProjectFields& fields) {
  if (pipeDatabase.isEmpty()) return;
  QSettings settings;
  QList<FieldsEntry> entries = fieldEntries(settings);
  entries.removeIf([&](const FieldsEntry& e) { return e.pipe == pipeDatabase; });
  entries.prepend({pipeDatabase, fields});
  if (entries.size() > kMaxRememberedFields) entries.resize(kMaxRememberedFields);
  writeArray(settings, "projectFields", entries, [](QSettings& s, const FieldsEntry& e) {
    s.setValue("pipe", e.pipe);
    s.setValue("outfall", e.fields.outfall);
    s.setValue("tailWater", e.fields.tailWater);
  });
}

void restoreWindowSettings(QMainWindow& window, std::string& lastFolder) {
  QSettings settings;
  const QByteArray geometry = settings.value("window/geometry").toByteArray();
  if (!geometry.isEmpty()) window.restoreGeometry(geometry);
  const QString folder = settings.value("files/lastFolder").toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) lastFolder = folder.toStdString();
}

void saveWindowSettings(const QMainWindow& window, const std::string& lastFolder) {
  QSettings settings;
  settings.setValue("window/geometry", window.saveGeometry());
  settings.setValue("files/lastFolder", QString::fromStdString(lastFolder));
}

}  // namespace tarvello
