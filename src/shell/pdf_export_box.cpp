#include "shell/pdf_export_box.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "pdf/pdf_writer.h"
#include "shell/widget_names.h"

namespace tarvello {

PdfExportBox::PdfExportBox(QPushButton* exportButton, QWidget* parent)
    : QGroupBox("PDF Sheet Set", parent), pageSize_(new QComboBox(this)) {
  setObjectName(widget::kPdfFrame);
  pageSize_->setObjectName(widget::kPdfPageSize);
  for (const PdfPageSize& size : pdfPageSizes())
    pageSize_->addItem(QString::fromStdString(pdfPageSizeLabel(size)),
                       QString::fromStdString(size.name));
  exportButton->setParent(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pageSize_);
  layout->addWidget(exportButton);
}

QString PdfExportBox::pageSize() const { return pageSize_->currentData().toString(); }

}  // namespace tarvello
