#pragma once
// The one line above the pages that says the tables shown no longer match
// the fields above them: which run they are, and what to do. Hidden while
// they match.
#include <QLabel>

namespace tarvello {

class ProjectDatabases;
class Run;

class StaleLine : public QLabel {
  Q_OBJECT
 public:
  explicit StaleLine(QWidget* parent = nullptr);
  // Says what `run` says against the fields and the open databases now.
  void check(const Run& run, const QString& outfall, const QString& tailWater,
             const ProjectDatabases& databases);
};

}  // namespace tarvello
