#include "viewer/dxf_tiles.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <vector>

#include "viewer/dxf_scene.h"

namespace tarvello {
namespace {

constexpr double kEntitiesPerTile = 2000;
constexpr double kMaxTilesPerSide = 1024;
// A text whose height is under this many pixels is not drawn.
constexpr double kSmallestTextPixels = 1.5;

struct TileText {
  QString text;
  QTransform transform;
  QRectF box;  // in the scene
  double height;
};

class DxfTileItem : public QGraphicsItem {
 public:
  explicit DxfTileItem(const QFont& font) : font_(font), ascent_(QFontMetricsF(font).ascent()) {}

  void addLine(QRgb colour, QPointF a, QPointF b) {
    lines_[colour].emplace_back(a, b);
    include(QRectF(a, b).normalized());
  }
  void addPath(QRgb colour, const QPainterPath& path) {
    paths_.emplace_back(colour, path);
    include(path.boundingRect());
  }
  void addText(QRgb colour, TileText text) {
    include(text.box);
    texts_[colour].push_back(std::move(text));
  }
  void finish(double margin) {
    bounds_.adjust(-margin, -margin, margin, margin);
    for (auto& [colour, lines] : lines_) lines.shrink_to_fit();
    for (auto& [colour, texts] : texts_) texts.shrink_to_fit();
  }

  QRectF boundingRect() const override { return bounds_; }

  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) override {
    QPen pen;
    pen.setCosmetic(true);  // one pixel wide at every zoom
    pen.setWidth(1);
    for (const auto& [colour, lines] : lines_) {
      pen.setColor(QColor(colour));
      painter->setPen(pen);
      painter->drawLines(lines.data(), static_cast<int>(lines.size()));
    }
    painter->setBrush(Qt::NoBrush);
    for (const auto& [colour, path] : paths_) {
      pen.setColor(QColor(colour));
      painter->setPen(pen);
      painter->drawPath(path);
    }
    if (texts_.empty()) return;
    const QTransform base = painter->worldTransform();
    const double pixelsPerUnit = option->levelOfDetailFromTransform(base);
    const QRectF exposed = option->exposedRect;
    painter->setFont(font_);
    for (const auto& [colour, texts] : texts_) {
      painter->setPen(QColor(colour));
      for (const TileText& t : texts) {
        if (t.height * pixelsPerUnit < kSmallestTextPixels) continue;
        if (!exposed.isEmpty() && !exposed.intersects(t.box)) continue;
        painter->setWorldTransform(t.transform * base);
        painter->drawText(QPointF(0, ascent_), t.text);
      }
    }
    painter->setWorldTransform(base);
  }

 private:
  void include(const QRectF& r) { bounds_ = bounds_.isNull() ? r : bounds_.united(r); }

  QFont font_;
  double ascent_;
  QRectF bounds_;
  std::map<QRgb, std::vector<QLineF>> lines_;
  std::vector<std::pair<QRgb, QPainterPath>> paths_;
  std::map<QRgb, std::vector<TileText>> texts_;
};

}  // namespace

int addDxfTiles(QGraphicsScene& scene, const DxfEntities& entities) {
  const DxfBounds b = entities.bounds();
  if (b.empty) return 0;
  const double width = b.maxX - b.minX, height = b.maxY - b.minY;
  const double tiles = std::max(1.0, static_cast<double>(entities.count()) / kEntitiesPerTile);
  double side = std::sqrt(width * height / tiles);
  side = std::max(side, std::max(width, height) / kMaxTilesPerSide);
  if (!(side > 0)) side = 1;
  const auto columns = static_cast<long long>(std::floor(width / side)) + 1;

  QFont font;
  font.setPixelSize(kDxfTextPixels);
  const QFontMetricsF metrics(font);
  std::unordered_map<long long, DxfTileItem*> grid;
  auto tileAt = [&](DxfPoint p) {
    const double cx = std::clamp(std::floor((p.x - b.minX) / side), 0.0, kMaxTilesPerSide * 4);
    const double cy = std::clamp(std::floor((p.y - b.minY) / side), 0.0, kMaxTilesPerSide * 4);
    const long long key = static_cast<long long>(cy) * columns + static_cast<long long>(cx);
    DxfTileItem*& tile = grid[key];
    if (!tile) tile = new DxfTileItem(font);
    return tile;
  };
  auto rgb = [](int colour) { return aciColour(colour).rgb(); };

  for (const auto& l : entities.lines)
    tileAt(l.start)->addLine(rgb(l.colour), scenePoint(l.start), scenePoint(l.end));
  for (const auto& p : entities.polylines) {
    if (p.points.empty()) continue;
    DxfTileItem* tile = tileAt(p.points.front());
    for (size_t i = 1; i < p.points.size(); ++i)
      tile->addLine(rgb(p.colour), scenePoint(p.points[i - 1]), scenePoint(p.points[i]));
    if (p.closed && p.points.size() > 2)
      tile->addLine(rgb(p.colour), scenePoint(p.points.back()), scenePoint(p.points.front()));
    if (p.points.size() == 1)
      tile->addLine(rgb(p.colour), scenePoint(p.points[0]), scenePoint(p.points[0]));
  }
  for (const auto& c : entities.circles) {
    if (!(c.radius > 0)) continue;
    const QPointF centre = scenePoint(c.centre);
    QPainterPath path;
    path.addEllipse(centre, c.radius, c.radius);
    tileAt(c.centre)->addPath(rgb(c.colour), path);
  }
  for (const auto& a : entities.arcs) {
    if (!(a.radius > 0)) continue;
    tileAt(a.centre)->addPath(rgb(a.colour), arcPath(a));
  }
  for (const auto& t : entities.texts) {
    if (t.text.empty() || !(t.height > 0)) continue;
    QString text = QString::fromStdString(t.text);
    const double natural = metrics.horizontalAdvance(text);
    const QTransform transform = dxfTextTransform(t, metrics, natural);
    const QRectF box = transform.mapRect(QRectF(0, 0, natural, metrics.height()));
    tileAt(t.insertion)->addText(rgb(t.colour), {std::move(text), transform, box, t.height});
  }

  for (auto& [key, tile] : grid) {
    tile->finish(side * 1e-3);
    scene.addItem(tile);
  }
  return static_cast<int>(grid.size());
}

}  // namespace tarvello
