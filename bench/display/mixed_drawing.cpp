#include "mixed_drawing.h"

#include "reader/colour_table.h"

#include <random>
#include <string>

namespace tiraq::bench {

void FillMixedDrawing(DrawingDatabase& db, std::int32_t count) {
    db.ResetEntities();
    std::int32_t layers[100];
    for (int i = 0; i < 100; ++i) {
        layers[i] = db.SetLayerID("LAYER" + std::to_string(i));
        db.Layers->Item(layers[i])->SetLayerColor(ACIToRGB(1 + i % 9));
    }
    std::mt19937 random(4711);
    std::uniform_real_distribution<float> x(0, 10000), y(0, 5625), unit(0, 1);
    const float rotations[] = {0, 45, 90, 180, 270};
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t layer = layers[random() % 100];
        // Most entities take their layer's colour, as in drawings; the others one of the first colours.
        const std::int32_t colour = random() % 4 != 0 ? 0 : ACIToRGB(std::int32_t(1 + random() % 16));
        const float px = x(random), py = y(random), size = 2 + 40 * unit(random);
        switch (random() % 20) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: {
            LineRecord line;
            line.X1 = px, line.Y1 = py, line.X2 = px + size * (unit(random) - 0.5f), line.Y2 = py + size * (unit(random) - 0.5f);
            line.LayerIndex = layer, line.EntityColor = colour, line.LineType = random() % 5 == 0 ? std::int32_t(1 + random() % 4) : 0;
            db.AppendDrawn(line);
            break;
        }
        case 7: case 8: case 9: case 10: case 11: {
            PolylineRecord segment;
            segment.X1 = px, segment.Y1 = py, segment.X2 = px + size * (unit(random) - 0.5f), segment.Y2 = py + size * (unit(random) - 0.5f);
            segment.LayerIndex = layer, segment.EntityColor = colour;
            segment.Bulge = random() % 2 ? 0 : 2 * unit(random) - 1;
            segment.Linewidth = random() % 4 == 0 ? 0.5f : 0;
            db.AppendDrawn(segment);
            break;
        }
        case 12: case 13: {
            CircleRecord circle;
            circle.X1 = px, circle.Y1 = py, circle.Radius = size / 2, circle.LayerIndex = layer, circle.EntityColor = colour;
            if (random() % 2) circle.StartAngle = 360 * unit(random), circle.EndAngle = 360 * unit(random);
            db.AppendDrawn(circle);
            break;
        }
        case 14: case 15: {
            TextRecord text;
            text.X1 = px, text.Y1 = py, text.Height = 1 + 9 * unit(random);
            text.Txt = "TEXT " + std::to_string(i);
            text.Rotation = rotations[random() % 5];
            text.HorzAlign = std::int32_t(random() % 3);
            text.FontName = random() % 2 ? "TXT" : "ROMANS";
            text.FontScalar = 1.4f;
            text.LayerIndex = layer, text.EntityColor = colour;
            db.AppendDrawn(text);
            break;
        }
        case 16: case 17: {
            SolidRecord solid;
            solid.X1 = px, solid.Y1 = py, solid.X2 = px + size, solid.Y2 = py;
            solid.X3 = px + size, solid.Y3 = py + size / 2, solid.X4 = px, solid.Y4 = py + size / 2;
            solid.LayerIndex = layer, solid.EntityColor = colour;
            db.AppendDrawn(solid);
            break;
        }
        default: {
            PointRecord point;
            point.X1 = px, point.Y1 = py, point.LayerIndex = layer, point.EntityColor = colour;
            db.AppendDrawn(point);
            break;
        }
        }
    }
    db.DrawingExtents = ViewRect{0, 5625, 10000, 0};
    db.DXFComplete = true;
}

}  // namespace tiraq::bench
