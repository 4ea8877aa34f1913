#pragma once
// "About Tarvello": what the product is, and an OK button.
#include <QDialog>

namespace tarvello {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

// Product lines shared by the about window and the splash window.
QString productName();
QString productDescription();
QString productVersion();

}  // namespace tarvello
