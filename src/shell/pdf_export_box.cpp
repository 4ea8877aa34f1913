#include "shell/pdf_export_box.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "pdf/pdf_writer.h"

namespace tarvello {

PdfExportBox::PdfExportBox(QWidget* parent)
    : QGroupBox("PDF Sheet Set", parent), pageSize_(new QComboBox(this)) {
  setObjectName("fraPdf");
  pageSize_->setObjectName("cboPageSize");
  for (const PdfPageSize& size : pdfPageSizes()) {
    const QString text = QString("%1 (%2 x %3 in)")
                             .arg(QString::fromStdString(size.name))
                             .arg(size.width / 72, 0, 'g', 3)
                             .arg(size.height / 72, 0, 'g', 3);
    pageSize_->addItem(text, QString::fromStdString(size.name));
  }
  auto* button = new QPushButton("Export PDF...", this);
  button->setObjectName("cmdExportPdf");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pageSize_);
  layout->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this] { emit exportRequested(pageSize()); });
}

QString PdfExportBox::pageSize() const { return pageSize_->currentData().toString(); }

}  // namespace tarvello
