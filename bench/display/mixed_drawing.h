#pragma once

#include "reader/drawing_database.h"

#include <cstdint>

namespace tiraq::bench {

// Fills the database with `count` entities of every kind spread over 100 coloured layers and a 16:9 area
// of 10000 by 5625 units: lines, straight and bulged polyline segments, circles and arcs, texts in
// five rotations and three alignments, solids and points. The same count gives the same drawing.
void FillMixedDrawing(DrawingDatabase& db, std::int32_t count);

}  // namespace tiraq::bench
