// Large drawings shown in tiles look as they do with one item per entity,
// with far fewer items.
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <algorithm>

#include "dxf/dxf_reader.h"
#include "viewer/dxf_scene.h"
#include "viewer/dxf_tiles.h"

using namespace tarvello;

namespace {

// A grid of coloured lines, closed polylines, circles, arcs and texts.
DxfEntities sampleDrawing(int cells) {
  DxfEntities e;
  for (int i = 0; i < cells; ++i) {
    const double x = (i % 100) * 10.0, y = (i / 100) * 10.0;
    e.lines.push_back({{x, y}, {x + 8, y + 3}, 1 + i % 7});
    e.polylines.push_back({{{x, y + 5}, {x + 4, y + 9}, {x + 8, y + 5}}, true, 3});
    if (i % 10 == 0) e.circles.push_back({{x + 5, y + 5}, 2, 5});
    if (i % 10 == 5) e.arcs.push_back({{x + 5, y + 5}, 3, 0, 90, 6});
    if (i % 4 == 0)
      e.texts.push_back({{x + 1, y + 1}, {}, 2.5, 0, 1, 0, 0, "A" + std::to_string(i), 2});
  }
  return e;
}

QImage render(QGraphicsScene& scene, const QRectF& area) {
  QImage image(800, 800, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  scene.render(&painter, QRectF(image.rect()), area);
  return image;
}

// Share of pixels that differ by more than a little in any channel.
double differing(const QImage& a, const QImage& b) {
  long count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 60 || std::abs(qGreen(p) - qGreen(q)) > 60 ||
          std::abs(qBlue(p) - qBlue(q)) > 60)
        ++count;
    }
  return static_cast<double>(count) / (a.width() * a.height());
}

}  // namespace

class TilesTest : public QObject {
  Q_OBJECT
 private slots:
  void tilesDrawWhatSingleItemsDraw() {
    const DxfEntities e = sampleDrawing(10000);  // 10,000 cells, over 25,000 entities
    QVERIFY(e.count() > kTiledEntitiesAbove);
    QGraphicsScene single, tiled;
    addDxfEntities(single, e);
    const int tiles = addDxfTiles(tiled, e);
    QVERIFY(tiles > 1);
    QVERIFY(tiles < static_cast<int>(e.count()) / 100);
    QCOMPARE(tiled.items().size(), static_cast<qsizetype>(tiles));
    // Same extent: nothing left out, nothing out of place.
    const QRectF a = single.itemsBoundingRect(), b = tiled.itemsBoundingRect();
    const QPointF d1 = a.topLeft() - b.topLeft(), d2 = a.bottomRight() - b.bottomRight();
    QVERIFY(std::max({std::abs(d1.x()), std::abs(d1.y()), std::abs(d2.x()), std::abs(d2.y())}) <
            0.5);

    // Close up, where texts are large enough to be drawn, and over a tile
    // border; then the whole drawing.
    for (const QRectF& area : {QRectF(95, -245, 60, 60), QRectF(480, -520, 40, 40), a}) {
      const QImage one = render(single, area), other = render(tiled, area);
      const double share = differing(one, other);
      // Seen whole, every cell is a pixel or so: texts two pixels high are
      // rasterised a little differently, so more pixels may differ there.
      const double allowed = area == a ? 0.05 : 0.01;
      QVERIFY2(share < allowed, qPrintable(QString::asprintf("%g of the pixels differ at %g,%g",
                                                             share, area.left(), area.top())));
      // And something was drawn at all.
      QImage blank(one.size(), one.format());
      blank.fill(Qt::white);
      QVERIFY(differing(other, blank) > 0.01);
    }
  }

  void anEmptyDrawingAddsNothing() {
    QGraphicsScene scene;
    QCOMPARE(addDxfTiles(scene, DxfEntities{}), 0);
    QVERIFY(scene.items().isEmpty());
  }
};

QTEST_MAIN(TilesTest)
#include "tiles_test.moc"
