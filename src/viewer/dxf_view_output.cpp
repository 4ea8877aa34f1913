// The viewer's drawing on paper: printed through Qt, or written as a PDF page
// through the same writer as the sheet sets.
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "pdf/pdf_writer.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_view_window.h"

namespace tarvello {

WriteResult DxfViewWindow::exportPdf(const QString& path, const std::string& pageSize,
                                     Overwrite overwrite) const {
  const std::string target = path.toStdString();
  const auto size = pdfPageSize(pageSize);
  if (!size)
    return WriteResult::failed(target, pdfFailedMessage(target, "unknown page size " + pageSize));
  if (path_.isEmpty())
    return WriteResult::failed(target, pdfFailedMessage(target, "no drawing is shown"));
  const std::string name = QFileInfo(path_).fileName().toStdString();
  PdfDocumentInfo info;
  info.title = "Tarvello - " + name;
  return writePdfFile(target, overwrite, *size, info, {PdfSheet{entities_, name}});
}

bool DxfViewWindow::print(QPrinter& printer) const {
  QGraphicsScene* scene = view_->scene();
  if (!scene || path_.isEmpty()) return false;
  const QRectF source = scene->itemsBoundingRect();
  if (source.isEmpty()) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  scene->render(&painter, QRectF(painter.viewport()), source, Qt::KeepAspectRatio);
  return painter.end();
}

void DxfViewWindow::askPrint() {
  if (path_.isEmpty()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QFileInfo(path_).fileName());
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName("dlgPrint");
  if (dialog.exec() != QDialog::Accepted) return;
  if (!print(printer)) QMessageBox::warning(this, "Print", "The drawing could not be printed.");
}

void DxfViewWindow::askExportPdf() {
  if (path_.isEmpty()) return;
  QStringList sizes;
  for (const PdfPageSize& size : pdfPageSizes()) sizes << QString::fromStdString(size.name);
  bool chosen = false;
  const QString size =
      QInputDialog::getItem(this, "Export PDF", "Page size (landscape):", sizes, 0, false, &chosen);
  if (!chosen) return;
  const QString target = QFileDialog::getSaveFileName(
      this, "Export PDF",
      QFileInfo(path_).dir().filePath(QFileInfo(path_).completeBaseName() + ".pdf"),
      "PDF files (*.pdf)");
  if (target.isEmpty()) return;
  // The save dialog has asked before replacing a file.
  const WriteResult result = exportPdf(target, size.toStdString(), Overwrite::Yes);
  if (!result.written())
    QMessageBox::warning(this, "Export PDF", QString::fromStdString(result.message));
  else
    status_->setText(QString::fromStdString(pdfSavedMessage(target.toStdString())));
  if (result.written() && !result.notice.empty())
    QMessageBox::warning(this, "Export PDF",
                         QString::fromStdString(result.path + "\n" + result.notice));
}

}  // namespace tarvello
