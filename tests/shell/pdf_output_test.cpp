// PDF from the window and the viewer: "Export PDF..." on the plots page with
// the chosen paper, and the viewer's export and printing (to Qt's PDF
// printer), each read back with poppler.
#include <QPrinter>

#include "../pdf/poppler.h"
#include "commands/commands.h"
#include "viewer/dxf_view_window.h"
#include "window_fixture.h"

using namespace tarvello;
using pdftest::pdfInfo;
using pdftest::pdfText;

class PdfOutputTest : public QObject, WindowFixture {
  Q_OBJECT

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void exportPdfWritesTheSheetSetOnTheChosenPaper() {
    openHighwayAndCreate("201");
    auto* paper = window_->findChild<QComboBox*>(widget::kPdfPageSize);
    QVERIFY(paper);
    QCOMPARE(paper->currentData().toString(), QString("tabloid"));
    paper->setCurrentIndex(paper->findData("letter"));
    const std::string pdf = outPath("set.pdf");
    ui_->saveAnswers = {pdf};
    window_->findChild<QPushButton*>(widget::kExportPdf)->click();
    QCOMPARE(ui_->requests.size(), size_t{1});
    QCOMPARE(ui_->lastMessage(), "PDF file was saved to:" + pdf);
    // The set of the window's run (its pages: cli_pdf_test) on the paper chosen.
    QCOMPARE(pdfInfo(pdf, "Pages"), std::string("4"));
    QCOMPARE(pdfInfo(pdf, "Page size"), std::string("792 x 612 pts (letter)"));
  }

  void viewerExportsAndPrintsTheDrawingShown() {
    openHighwayAndCreate("201");
    const std::string dxf = outPath("branch.dxf");
    ui_->saveAnswers = {dxf};
    window_->findChild<QPushButton*>(widget::kBranchProfile)->click();
    QVERIFY(QFileInfo::exists(QString::fromStdString(dxf)));

    DxfViewWindow viewer;
    const std::string pdf = outPath("view.pdf");
    // Nothing shown yet: nothing to export.
    QVERIFY(!viewer.exportPdf(QString::fromStdString(pdf), "a3", Overwrite::No).written());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(pdf)));
    QVERIFY(viewer.loadFile(QString::fromStdString(dxf)).isEmpty());
    const WriteResult written = viewer.exportPdf(QString::fromStdString(pdf), "a3", Overwrite::No);
    QVERIFY2(written.written(), written.message.c_str());
    QCOMPARE(pdfInfo(pdf, "Pages"), std::string("1"));
    QCOMPARE(pdfInfo(pdf, "Page size"), std::string("1190.55 x 841.89 pts (A3)"));
    QCOMPARE(pdfInfo(pdf, "Title"), std::string("Tarvello - branch.dxf"));
    const std::string text = pdfText(pdf);
    QVERIFY(text.find("branch.dxf") != std::string::npos);
    QVERIFY(text.find("STATION") != std::string::npos);
    QCOMPARE(viewer.exportPdf(QString::fromStdString(pdf), "a3", Overwrite::No).status,
             WriteResult::Status::Exists);

    // Printing to a PDF printer gives one page with the drawing's texts.
    const QString printed = out_.filePath("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    printer.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(viewer.print(printer));
    QCOMPARE(pdfInfo(printed.toStdString(), "Pages"), std::string("1"));
    QVERIFY(pdfText(printed.toStdString()).find("STATION") != std::string::npos);
  }
};

QTEST_MAIN(PdfOutputTest)
#include "pdf_output_test.moc"
