#pragma once
// The plots page's "PDF Sheet Set" group: the paper to print on and the
// "Export PDF..." button, which asks for the file.
#include <QGroupBox>
#include <QString>

class QComboBox;
class QPushButton;

namespace tarvello {

class PdfExportBox : public QGroupBox {
  Q_OBJECT
 public:
  // `exportButton` (the window's command) goes below the paper.
  explicit PdfExportBox(QPushButton* exportButton, QWidget* parent = nullptr);
  // The chosen paper, as pdfPageSize() names it.
  QString pageSize() const;

 private:
  QComboBox* pageSize_;
};

}  // namespace tarvello
