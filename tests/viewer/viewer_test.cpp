// The drawing viewer: the window facing lack of memory, and
// the scene and view built from what was read (the reading itself is tested
// beside the reader, in tests/dxf).
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>
#include <fstream>

#include "support/dxf_reading.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_scene.h"
#include "viewer/dxf_view_window.h"

using namespace tarvello;
using namespace tarvello::testing;

class ViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void windowAnswersLackOfMemoryAndStaysUp() {
    QTemporaryDir dir;
    const QString good = dir.filePath("profile.dxf");
    QCOMPARE(QString::fromStdString(writeSampleDrawing(good.toStdString())), QString());
    DxfViewWindow window;
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    if (kAddressSanitizer) QSKIP("the address space cannot be limited under AddressSanitizer");
    // A sound drawing of 40 MB where only 48 MB more can be had: reading it
    // runs out of memory. The window says so, and shows the next drawing.
    QByteArray big = "0\nSECTION\n2\nENTITIES\n";
    const QByteArray line = "0\nLINE\n8\n0\n10\n1\n20\n2\n11\n3\n21\n4\n";
    big.reserve(41 * static_cast<qsizetype>(kMegabyte));
    while (big.size() < 40 * static_cast<qsizetype>(kMegabyte)) big += line;
    big += "0\nENDSEC\n0\nEOF\n";
    const QString bigPath = dir.filePath("big.dxf");
    std::ofstream(bigPath.toStdString(), std::ios::binary).write(big.constData(), big.size());
    big.clear();
    big.squeeze();
    const std::string answer = inChildWithMemoryLimit(48 * kMegabyte, [&] {
      // The forked child cannot paint a progress dialog: Qt's painting
      // threads stayed behind in the parent.
      window.setReadWithProgress(false);
      std::string out = window.loadFile(bigPath).toStdString();
      out += window.isVisible() ? " visible" : " gone";
      out += window.loadFile(good).isEmpty() && window.drawingView()->itemCount() == 7
                 ? ", then shows"
                 : ", then not";
      return out;
    });
    QCOMPARE(QString::fromStdString(answer),
             QString("There is not enough memory to read big.dxf. visible, then shows"));
  }

  void sceneIsTheDrawingTheRightWayUp() {
    DxfEntities e;
    e.lines.push_back({{0, 0}, {10, 5}, 1});
    e.texts.push_back({{20, 10}, {20, 10}, 2.0, 0, 1, 0, 0, "HGL", 7});
    e.texts.push_back({{40, 10}, {40, 10}, 2.0, 90, 1, 0, 0, "UP", 7});
    QGraphicsScene scene;
    QCOMPARE(addDxfEntities(scene, e), 3);

    QGraphicsLineItem* line = nullptr;
    QList<QGraphicsSimpleTextItem*> texts;
    for (QGraphicsItem* item : scene.items()) {
      if (auto* l = qgraphicsitem_cast<QGraphicsLineItem*>(item)) line = l;
      if (auto* t = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) texts << t;
    }
    QVERIFY(line);
    QCOMPARE(line->line().p2(), QPointF(10, -5));
    QCOMPARE(line->pen().color(), QColor(Qt::red));
    QCOMPARE(texts.size(), 2);
    for (auto* t : texts) {
      const QRectF box = t->sceneBoundingRect();
      if (t->text() == "HGL") {
        // Upright text stands on its baseline at y 10, about as tall as its height.
        QVERIFY(box.bottom() > -10 && box.top() < -10 - 1.5);
        QVERIFY(box.height() < 2.0 * 2.0);
        QVERIFY(std::abs(box.left() - 20) < 0.2);
      } else {
        // Turned by 90 degrees it reads upwards from its insertion point.
        QVERIFY(box.top() < -10 - 2.0);
        QVERIFY(box.height() > box.width());
      }
    }
  }

  void viewFitsZoomsAndWindowShowsFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.dxf");
    QCOMPARE(QString::fromStdString(writeSampleDrawing(path.toStdString())), QString());

    DxfViewWindow window;
    QCOMPARE(window.objectName(), QString("frmDxfView"));
    QCOMPARE(window.windowTitle(), QString("DXF Profile View"));
    QStringList menus;
    for (QAction* a : window.findChild<QMenuBar*>()->actions()) {
      menus << a->text();
      for (QAction* item : a->menu()->actions()) menus << item->objectName() + "=" + item->text();
    }
    QCOMPARE(menus, QStringList({"&File", "mnuPrint=&Print...", "mnuExportPdf=Export &PDF...", "=",
                                 "mnuExit=E&xit", "&Help", "mnuPPHelp=Tarvello Help"}));

    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.loadFile(path), QString());
    DrawingView* view = window.drawingView();
    QCOMPARE(view->itemCount(), 7);  // the empty text draws nothing

    // Fitted: the whole drawing lies inside the viewport.
    const QRectF all = view->scene()->itemsBoundingRect();
    const QRect seen = view->mapFromScene(all).boundingRect();
    QVERIFY(view->viewport()->rect().adjusted(-1, -1, 1, 1).contains(seen));
    QVERIFY(seen.width() > view->viewport()->width() / 2 ||
            seen.height() > view->viewport()->height() / 2);

    const double fitted = view->zoom();
    const QPointF centre = view->viewport()->rect().center();
    QWheelEvent in(centre, view->viewport()->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &in);
    QVERIFY(view->zoom() > fitted * 1.1);
    QTest::keyClick(view, Qt::Key_Home);
    QVERIFY(std::abs(view->zoom() - fitted) < fitted * 1e-6);

    // Dragging pans the view.
    view->zoomBy(8);
    const int before = view->horizontalScrollBar()->value();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseMove(view->viewport(), QPoint(300, 300));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(view->horizontalScrollBar()->value() != before);

    const QString garbage = dir.filePath("notes.dxf");
    std::ofstream(garbage.toStdString()) << "no drawing here\n";
    const QString error = window.loadFile(garbage);
    QVERIFY(error.contains("not a DXF"));
    QCOMPARE(view->itemCount(), 0);
  }
};

QTEST_MAIN(ViewerTest)
#include "viewer_test.moc"
