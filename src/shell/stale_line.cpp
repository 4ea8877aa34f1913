#include "shell/stale_line.h"

#include "run/run.h"
#include "shell/widget_names.h"

namespace tarvello {

StaleLine::StaleLine(QWidget* parent) : QLabel(parent) {
  setObjectName(widget::kStaleLine);
  setWordWrap(true);
  // A warning's colours: noticed, but no error.
  setStyleSheet(
      "QLabel { color: #6b3a00; background-color: #fff2c6; border: 1px solid #d9a400;"
      " padding: 3px 6px; }");
  hide();
}

void StaleLine::check(const Run& run, const QString& outfall, const QString& tailWater,
                      const ProjectDatabases& databases) {
  const std::string line = run.staleLine(outfall.toStdString(), tailWater.toStdString(), databases);
  setText(QString::fromStdString(line));
  setVisible(!line.empty());
}

}  // namespace tarvello
