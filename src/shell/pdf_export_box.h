#pragma once
// The plots page's "PDF Sheet Set" group: the paper to print on and the
// "Export PDF..." button, which asks for the file.
#include <QGroupBox>
#include <QString>

class QComboBox;

namespace tarvello {

class PdfExportBox : public QGroupBox {
  Q_OBJECT
 public:
  explicit PdfExportBox(QWidget* parent = nullptr);
  // The chosen paper, as pdfPageSize() names it.
  QString pageSize() const;

 signals:
  void exportRequested(const QString& pageSize);

 private:
  QComboBox* pageSize_;
};

}  // namespace tarvello
