// The drawing viewer: DXF files written by our own writer read back entity
// for entity, the entities it draws beyond those, files that are no drawing,
// and the scene and view built from what was read.
#include <QFile>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_scene.h"
#include "viewer/dxf_view_window.h"

using namespace tarvello;

namespace {

// A drawing with one of everything our writer makes, written to `path`
// through the writer's own file code.
void writeSampleDrawing(const std::string& path) {
  DxfDrawing d;
  d.dxfLine("10", 600, 0, 0, 600, 525, 0, 0);
  d.dxfLine("1", 500, 10, 0, 700.5, 10, 0, 3);
  d.dxfCircle("2", 620, 300, 0, 4.5);
  d.dxfText("3", 510, 565, 0, 2.5, 90, 0.75, "INV. 396.50");
  d.dxfText("3", 520, -20, 0, 3, 0, 1, "STATION");
  d.dxfText("3", 530, -10, 0, 3, 0, 1, "");
  d.dxfRectangle("0", 100, 0, 0, 114, 21.45, 0);
  d.dxfRectangle("0", 115, 0, 0, 129, 21.45, 0);
  DxfFile file(path);
  QCOMPARE(QString::fromStdString(file.finish(d)), QString());
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
  return path;
}

// A hand-made drawing with entities our writer never makes.
const char* const kOtherEntities =
    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n"
    "0\nLAYER\n2\nRED\n70\n0\n62\n1\n6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n"
    "0\nSECTION\n2\nBLOCKS\n"
    "0\nBLOCK\n8\n0\n2\nMARK\n70\n0\n10\n0\n20\n0\n30\n0\n"
    "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
    "0\nENDBLK\n8\n0\n0\nENDSEC\n"
    "0\nSECTION\n2\nENTITIES\n"
    "0\nARC\n8\nRED\n10\n5\n20\n5\n30\n0\n40\n2\n50\n0\n51\n90\n"
    "0\nLWPOLYLINE\n8\n0\n90\n3\n70\n1\n10\n0\n20\n0\n42\n1\n10\n2\n20\n0\n10\n2\n20\n2\n"
    "0\nPOLYLINE\n8\n0\n66\n1\n70\n0\n0\nVERTEX\n8\n0\n10\n0\n20\n10\n0\nVERTEX\n8\n0\n10\n5\n20\n1"
    "0\n"
    "0\nSEQEND\n8\n0\n"
    "0\nTEXT\n8\n0\n10\n0\n20\n0\n40\n1\n1\nMID\n72\n1\n11\n50\n21\n60\n"
    "0\nINSERT\n8\n0\n2\nMARK\n10\n3\n20\n3\n"
    "0\nENDSEC\n0\nEOF\n";

// A few hundred bytes each, declaring billions of items: dxflib would
// allocate what they declare before reading any item.
struct HostileDrawing {
  QString name;
  QByteArray text;
  std::string message;
};

std::vector<HostileDrawing> hostileDrawings() {
  const QByteArray head = "0\nSECTION\n2\nENTITIES\n";
  const QByteArray tail = "0\nENDSEC\n0\nEOF\n";
  const QByteArray lwpolyline =
      "0\nLWPOLYLINE\n5\n2F\n100\nAcDbEntity\n8\n0\n100\nAcDbPolyline\n90\n%1\n70\n0\n"
      "10\n0\n20\n0\n10\n100\n20\n50\n";
  return {
      {"lw2e9.dxf", head + QString(lwpolyline).arg(2000000000).toUtf8() + tail,
       "The drawing is damaged: line 16: an LWPOLYLINE declares 2000000000 vertices."},
      {"lw3e8.dxf", head + QString(lwpolyline).arg(300000000).toUtf8() + tail,
       "The drawing is damaged: line 16: an LWPOLYLINE declares 300000000 vertices."},
      {"spline.dxf",
       head +
           "0\nSPLINE\n8\n0\n70\n8\n71\n3\n72\n0\n73\n2000000000\n74\n0\n"
           "10\n0\n20\n0\n30\n0\n10\n1\n20\n1\n30\n0\n" +
           tail,
       "The drawing is damaged: line 16: a SPLINE declares 2000000000 control points."},
      {"leader.dxf",
       head +
           "0\nLEADER\n8\n0\n71\n1\n72\n0\n76\n2000000000\n10\n0\n20\n0\n30\n0\n"
           "10\n5\n20\n5\n30\n0\n" +
           tail,
       "The drawing is damaged: line 14: a LEADER declares 2000000000 vertices."},
  };
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Runs `work` in a child process whose address space may grow by no more
// than `headroom` bytes (not limited under AddressSanitizer, whose shadow
// memory does not go with such a limit) and which is stopped after a minute;
// returns what `work` returned, or how the child ended.
std::string inChildWithMemoryLimit(size_t headroom, const std::function<std::string()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return "(no pipe)";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    ::alarm(60);
    if (!kAddressSanitizer) {
      unsigned long pages = 0;
      if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%lu", &pages) != 1) pages = 0;
        std::fclose(statm);
      }
      const rlim_t limit = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + headroom;
      const rlimit rl{limit, limit};
      if (pages == 0 || ::setrlimit(RLIMIT_AS, &rl) != 0) ::_exit(3);
    }
    const std::string out = work();
    if (::write(fds[1], out.data(), out.size()) != static_cast<ssize_t>(out.size())) ::_exit(4);
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string out;
  char buf[4096];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status)) return "(child ended by signal " + std::to_string(WTERMSIG(status)) + ")";
  if (WEXITSTATUS(status) != 0)
    return "(child exited with " + std::to_string(WEXITSTATUS(status)) + ")";
  return out;
}

constexpr size_t kMegabyte = 1024 * 1024;

}  // namespace

class ViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void readsEveryEntityOfOurWriter() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("profile.dxf").toStdString();
    writeSampleDrawing(path);
    const DxfReadResult r = readDxfFile(path);
    QVERIFY2(r.ok, r.error.c_str());
    const DxfEntities& e = r.entities;
    QCOMPARE(e.lines.size(), size_t{2});
    QCOMPARE(e.circles.size(), size_t{1});
    QCOMPARE(e.texts.size(), size_t{3});
    QCOMPARE(e.polylines.size(), size_t{2});
    QCOMPARE(e.arcs.size(), size_t{0});
    QCOMPARE(e.skipped, 0);

    QCOMPARE(e.lines[0].start.x, 600.0);
    QCOMPARE(e.lines[0].end.y, 525.0);
    QCOMPARE(e.lines[0].colour, 7);  // colour 0 (BYBLOCK) is drawn like 7
    QCOMPARE(e.lines[1].end.x, 700.5);
    QCOMPARE(e.lines[1].colour, 3);
    QCOMPARE(e.circles[0].radius, 4.5);

    const DxfTextEntity& inv = e.texts[0];
    QCOMPARE(inv.text, std::string("INV. 396.50"));
    QCOMPARE(inv.height, 2.5);
    QVERIFY(std::abs(inv.rotation - 90.0) < 1e-9);
    QCOMPARE(inv.widthFactor, 0.75);
    QCOMPARE(inv.insertion.y, 565.0);
    QCOMPARE(e.texts[2].text, std::string());  // an empty TEXT value is still a text

    for (const auto& rect : e.polylines) {
      QVERIFY(rect.closed);
      QCOMPARE(rect.points.size(), size_t{4});
    }
    QCOMPARE(e.polylines[1].points[2].x, 129.0);
    QCOMPARE(e.polylines[1].points[2].y, 21.45);

    const DxfBounds b = e.bounds();
    QCOMPARE(b.minX, 100.0);
    QCOMPARE(b.maxX, 700.5);
    QCOMPARE(b.minY, -20.0);
    QCOMPARE(b.maxY, 565.0);
  }

  void readsArcsPolylinesAlignedTextAndSkipsTheRest() {
    const DxfReadResult r = readDxfText(kOtherEntities);
    QVERIFY2(r.ok, r.error.c_str());
    const DxfEntities& e = r.entities;
    // The line inside the block definition is drawn only through an INSERT,
    // which the viewer counts as not drawn.
    QCOMPARE(e.lines.size(), size_t{0});
    QCOMPARE(e.skipped, 1);

    QCOMPARE(e.arcs.size(), size_t{1});
    QCOMPARE(e.arcs[0].endAngle, 90.0);
    QCOMPARE(e.arcs[0].colour, 1);  // BYLAYER on layer RED

    QCOMPARE(e.polylines.size(), size_t{2});
    const DxfPolylineEntity& lw = e.polylines[0];
    QVERIFY(lw.closed);
    // The bulged first segment became an arc of several points, the other
    // vertices stayed as they were.
    QVERIFY(lw.points.size() > 4);
    QCOMPARE(lw.points.front().x, 0.0);
    QCOMPARE(lw.points.back().x, 2.0);
    QCOMPARE(lw.points.back().y, 2.0);
    const DxfPolylineEntity& open = e.polylines[1];
    QVERIFY(!open.closed);
    QCOMPARE(open.points.size(), size_t{2});

    QCOMPARE(e.texts.size(), size_t{1});
    QCOMPARE(e.texts[0].hAlign, 1);
    QCOMPARE(e.texts[0].alignment.x, 50.0);
    QCOMPARE(e.texts[0].alignment.y, 60.0);
  }

  void bulgesBecomeArcs() {
    // Bulge 1 is a half circle; counter-clockwise from (0,0) to (2,0) it
    // passes below the chord, through (1,-1).
    const auto half = bulgeSegment({0, 0}, {2, 0}, 1.0);
    QVERIFY(half.size() > 2);
    bool throughBottom = false;
    for (const auto& p : half) {
      QVERIFY(std::abs(std::hypot(p.x - 1, p.y) - 1) < 1e-9);
      QVERIFY(p.y <= 1e-12);
      if (std::abs(p.x - 1) < 1e-9 && std::abs(p.y + 1) < 1e-9) throughBottom = true;
    }
    QVERIFY(throughBottom);
    QCOMPARE(half.back().x, 2.0);

    const auto mirrored = bulgeSegment({0, 0}, {2, 0}, -1.0);
    for (const auto& p : mirrored) QVERIFY(p.y >= -1e-12);

    const auto straight = bulgeSegment({0, 0}, {3, 4}, 0);
    QCOMPARE(straight.size(), size_t{1});
    QCOMPARE(straight[0].y, 4.0);
  }

  void refusesFilesThatAreNoDrawing() {
    QTemporaryDir dir;
    const struct {
      QString path;
      const char* words;
    } cases[] = {
        {dir.filePath("missing.dxf"), "could not be opened"},
        {writeFile(dir, "empty.dxf", ""), "empty"},
        {writeFile(dir, "letter.dxf", "Dear designer,\nthe profiles are late.\n"), "not a DXF"},
        {writeFile(dir, "binary.dxf", QByteArray("PK\x03\x04\x00\x00garbage", 14)), "binary data"},
        {writeFile(dir, "acad.dxf", QByteArray("AutoCAD Binary DXF\r\n\x1a\x00", 22)),
         "binary DXF"},
        {writeFile(dir, "numbers.dxf", "0\nLINE\n10\n1\n"), "does not begin with a SECTION"},
        {writeFile(dir, "cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n"), "has no value"},
        {writeFile(dir, "lw.dxf",
                   "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n1\n10\n0\n20\n0\n10\n1\n20\n1\n"
                   "0\nENDSEC\n0\nEOF\n"),
         "more vertices"},
        {writeFile(dir, "comment.dxf", "999\ndxflib\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"),
         "could not be read"},
        {dir.path(), "could not"},
    };
    for (const auto& c : cases) {
      const DxfReadResult r = readDxfFile(c.path.toStdString());
      QVERIFY2(!r.ok, qPrintable(c.path));
      QVERIFY2(r.error.find(c.words) != std::string::npos, r.error.c_str());
      QCOMPARE(r.entities.count(), size_t{0});
    }
  }

  void hostileDrawingsAreDamagedWithinBoundedMemory() {
    QTemporaryDir dir;
    for (const auto& h : hostileDrawings()) {
      QVERIFY(h.text.size() < 300);
      const QString path = writeFile(dir, h.name, h.text);
      const std::string text = h.text.toStdString();
      const std::string answer = inChildWithMemoryLimit(100 * kMegabyte, [&] {
        const DxfReadResult fromText = readDxfText(text);
        const DxfReadResult fromFile = readDxfFile(path.toStdString());
        if (fromText.ok || fromFile.ok || fromFile.entities.count() != 0)
          return std::string("read as a drawing");
        return fromText.error + "|" + fromFile.error;
      });
      QCOMPARE(QString::fromStdString(answer), QString::fromStdString(h.message + "|" + h.message));
    }
  }

  void bulgedDrawingsStayWithinTheirMemory() {
    // Every few bytes a bulge that would become 30 points of an arc: at most
    // 64 MB and 20 times the size of the file may be taken for it.
    std::string text = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n%\n";
    const size_t countAt = text.find('%');
    size_t vertices = 0;
    while (text.size() < 2 * kMegabyte) text += "10\n" + std::to_string(vertices++) + "\n42\n9\n";
    text.replace(countAt, 1, std::to_string(vertices));
    text += "0\nENDSEC\n0\nEOF\n";
    const std::string answer = inChildWithMemoryLimit(64 * kMegabyte + 20 * text.size(), [&] {
      const DxfReadResult r = readDxfText(text);
      if (!r.ok) return r.error;
      const auto& points = r.entities.polylines.at(0).points;
      // The first segments are arcs; all vertices are there.
      return std::string(points.size() > vertices && std::abs(points[1].y) > 0.1 ? "arcs"
                                                                                 : "no arcs");
    });
    QCOMPARE(QString::fromStdString(answer), QString("arcs"));
  }

  void windowAnswersHostileFilesAndLackOfMemoryAndStaysUp() {
    QTemporaryDir dir;
    const QString good = dir.filePath("profile.dxf");
    writeSampleDrawing(good.toStdString());
    DxfViewWindow window;
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (const auto& h : hostileDrawings()) {
      const QString path = writeFile(dir, h.name, h.text);
      const std::string answer = inChildWithMemoryLimit(100 * kMegabyte, [&] {
        const QString error = window.loadFile(path);
        return error.toStdString() + (window.isVisible() ? "" : " (window gone)");
      });
      QCOMPARE(QString::fromStdString(answer), QString::fromStdString(h.message));
    }

    if (kAddressSanitizer) QSKIP("the address space cannot be limited under AddressSanitizer");
    // A sound drawing of 40 MB where only 48 MB more can be had: reading it
    // runs out of memory. The window says so, and shows the next drawing.
    QByteArray big = "0\nSECTION\n2\nENTITIES\n";
    const QByteArray line = "0\nLINE\n8\n0\n10\n1\n20\n2\n11\n3\n21\n4\n";
    big.reserve(41 * static_cast<qsizetype>(kMegabyte));
    while (big.size() < 40 * static_cast<qsizetype>(kMegabyte)) big += line;
    big += "0\nENDSEC\n0\nEOF\n";
    const QString bigPath = writeFile(dir, "big.dxf", big);
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

    QCOMPARE(aciColour(7), QColor(Qt::black));
    QCOMPARE(aciColour(5), QColor(0, 0, 255));
    QVERIFY(aciColour(2).lightness() < 160);  // yellow stays visible on white
  }

  void viewFitsZoomsAndWindowShowsFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.dxf");
    writeSampleDrawing(path.toStdString());

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

    const QString garbage = writeFile(dir, "notes.dxf", "no drawing here\n");
    const QString error = window.loadFile(garbage);
    QVERIFY(error.contains("not a DXF"));
    QCOMPARE(view->itemCount(), 0);
  }
};

QTEST_MAIN(ViewerTest)
#include "viewer_test.moc"
