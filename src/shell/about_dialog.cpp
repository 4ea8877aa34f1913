#include "shell/about_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvello {

QString productName() { return "Tarvello"; }

QString productDescription() {
  return "Storm-drain profiles, hydraulic grade line and schedules from Brenvik pipe "
         "and Olmstra inlet project databases.";
}

QString productVersion() {
  const QString v = QCoreApplication::applicationVersion();
  return v.isEmpty() ? QString("0.1.0") : v;
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle("About Tarvello");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* title = new QLabel(QString("<h2>%1</h2>").arg(productName()), this);
  title->setObjectName("lblTitle");
  auto* version = new QLabel(QString("Version %1").arg(productVersion()), this);
  version->setObjectName("lblVersion");
  auto* description = new QLabel(productDescription(), this);
  description->setObjectName("lblDescription");
  description->setWordWrap(true);
  auto* detail = new QLabel(
      "Reads the pipe and inlet project databases without changing them and writes "
      "profile drawings and schedules as DXF release 12 files, and the schedules as an "
      "Excel workbook.",
      this);
  detail->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setObjectName("cmdOK");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(version);
  layout->addSpacing(8);
  layout->addWidget(description);
  layout->addWidget(detail);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

}  // namespace tarvello
