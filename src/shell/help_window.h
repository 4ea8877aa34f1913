#pragma once
// The user guide, an HTML file beside the program, in a window of its own.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tarvello {

inline constexpr const char* kHelpFileName = "Tarvello.html";

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the guide; false (and nothing shown) when the file is missing.
  bool showGuide(const QString& path);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace tarvello
