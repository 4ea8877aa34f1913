#pragma once
// Large drawings as a few hundred scene items instead of one per entity. The
// entities are sorted into a grid of tiles; each tile is one item that draws
// its lines in one batch per colour, so the scene's index visits only the
// tiles in view and memory grows by tens of bytes per entity, not hundreds.
// Texts smaller than a pixel or so at the current zoom are not drawn.
#include <cstddef>

#include "dxf/dxf_reader.h"

class QGraphicsScene;

namespace tarvello {

// Drawings with more entities than this are shown in tiles; smaller ones keep
// one item per entity.
inline constexpr size_t kTiledEntitiesAbove = 20000;

// Adds the entities to `scene` as tile items; returns the number of items.
int addDxfTiles(QGraphicsScene& scene, const DxfEntities& entities);

}  // namespace tarvello
