// Renders a drawing that holds every entity kind the drawing routine draws, the colour table, the
// pen styles and widths, texts in five rotations and three alignments, and bulged segments in four
// directions, on a white and on a black picture, as PNG files in the folder given.

#include "display/display_host.h"
#include "display/drawing_routine.h"
#include "gui/picture_box.h"
#include "reader/colour_table.h"
#include "reader/drawing_database.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <string>

namespace {

using namespace tiraq;

struct Gallery {
    DrawingDatabase db;
    std::int32_t layer = 0;

    Gallery() {
        db.ResetEntities();
        layer = db.SetLayerID("GALLERY");
        db.Layers->Item(layer)->SetLayerColor(ACIToRGB(7));
    }

    void Line(float x1, float y1, float x2, float y2, std::int32_t colour = 0, std::int32_t style = 0) {
        LineRecord r;
        r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.LayerIndex = layer, r.EntityColor = colour, r.LineType = style;
        db.AppendDrawn(r);
    }
    void Segment(float x1, float y1, float x2, float y2, float bulge, float width = 0, std::int32_t colour = 0) {
        PolylineRecord r;
        r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.Bulge = bulge, r.Linewidth = width;
        r.LayerIndex = layer, r.EntityColor = colour;
        db.AppendDrawn(r);
    }
    void Text(float x, float y, float height, std::string txt, float rotation = 0, std::int32_t align = 0,
              std::int32_t colour = 0, std::string face = "TXT") {
        TextRecord r;
        r.X1 = x, r.Y1 = y, r.Height = height, r.Txt = std::move(txt), r.Rotation = rotation, r.HorzAlign = align;
        r.FontName = std::move(face), r.FontScalar = 1, r.LayerIndex = layer, r.EntityColor = colour;
        db.AppendDrawn(r);
    }
    void Circle(float x, float y, float radius, float start = 0, float end = 0, std::int32_t colour = 0) {
        CircleRecord r;
        r.X1 = x, r.Y1 = y, r.Radius = radius, r.StartAngle = start, r.EndAngle = end;
        r.LayerIndex = layer, r.EntityColor = colour;
        db.AppendDrawn(r);
    }
    void Solid(float x, float y, float w, float h, std::int32_t colour) {
        SolidRecord r;
        r.X1 = x, r.Y1 = y, r.X2 = x + w, r.Y2 = y, r.X3 = x + w, r.Y3 = y + h, r.X4 = x, r.Y4 = y + h;
        r.LayerIndex = layer, r.EntityColor = colour;
        db.AppendDrawn(r);
    }
    void Point(float x, float y, std::int32_t colour = 0) {
        PointRecord r;
        r.X1 = x, r.Y1 = y, r.LayerIndex = layer, r.EntityColor = colour;
        db.AppendDrawn(r);
    }
    void Ellipse(float x, float y, float majorX, float majorY, float ratio, float start, float end, std::int32_t colour) {
        EllipseRecord r;
        r.X1 = x, r.Y1 = y, r.MajorX = majorX, r.MajorY = majorY, r.Ratio = ratio, r.StartParam = start, r.EndParam = end;
        r.LayerIndex = layer, r.EntityColor = colour;
        db.AppendDrawn(r);
    }
    void Attribute(float x, float y, float height, std::string value) {
        AttribRecord r;
        r.X = x, r.Y = y, r.Height = height, r.TagValue = std::move(value), r.FontName = "ROMANS", r.FontScalar = 1;
        r.LayerIndex = layer, r.EntityColor = ACIToRGB(6);
        db.AppendDrawn(r);
    }

    // The 260 colour indexes as swatches, ten rows of 26, labelled every ten.
    void ColourTable(float left, float top) {
        Text(left, top + 8, 12, "Colour indexes 0 to 259");
        for (int index = 0; index < 260; ++index) {
            const float x = left + float(index % 26) * 22, y = top - 24 - float(index / 26) * 22;
            Solid(x, y, 20, 20, ACIToRGB(index));
            if (index % 26 == 0) Text(x - 4, y + 5, 10, std::to_string(index), 0, 2);
        }
    }

    void PenStyles(float left, float top) {
        const char* names[] = {"0 solid", "1 dash", "2 dot", "3 dash-dot", "4 dash-dot-dot"};
        Text(left, top + 8, 12, "Pen styles and widths");
        for (int style = 0; style < 5; ++style) {
            const float y = top - 20 - float(style) * 18;
            Line(left, y, left + 300, y, ACIToRGB(5), style);
            Text(left + 310, y - 4, 10, names[style]);
        }
        for (int width = 0; width < 4; ++width) {
            const float y = top - 120 - float(width) * 18;
            Segment(left, y, left + 300, y, 0, float(width * 2), ACIToRGB(1));
            Text(left + 310, y - 4, 10, "width " + std::to_string(width * 2));
        }
    }

    void RotatedTexts(float left, float bottom) {
        const char* alignments[] = {"left", "centre", "right"};
        Text(left, bottom + 330, 12, "Rotations 0, 45, 90, 180, 270 in three alignments");
        for (int align = 0; align < 3; ++align) {
            const float x = left + 110 + float(align) * 200, y = bottom + 130;
            for (float rotation : {0.0f, 45.0f, 90.0f, 180.0f, 270.0f}) {
                Text(x, y, 30, alignments[align], rotation, align, ACIToRGB(1 + align * 2));
            }
            Circle(x, y, 3, 0, 0, ACIToRGB(7));
        }
    }

    void Bulges(float centreX, float centreY) {
        Text(centreX - 150, centreY + 170, 12, "Bulges in four directions: +0.5, -0.5, +1, -1");
        const float directions[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        const float bulges[4] = {0.5f, -0.5f, 1, -1};
        for (int d = 0; d < 4; ++d) {
            const float ox = centreX + directions[d][0] * 90, oy = centreY + directions[d][1] * 90;
            const float dx = -directions[d][1] * 60, dy = directions[d][0] * 60;  // chord across the direction
            for (int b = 0; b < 4; ++b) {
                Segment(ox - dx / 2, oy - dy / 2, ox + dx / 2, oy + dy / 2, bulges[b], 0, ACIToRGB(1 + b));
            }
            Line(ox - dx / 2, oy - dy / 2, ox + dx / 2, oy + dy / 2, ACIToRGB(8), 2);
        }
    }

    void EntityKinds(float left, float top) {
        Text(left, top + 8, 12, "Entity kinds");
        Line(left, top - 40, left + 80, top - 10, ACIToRGB(3));
        Text(left, top - 60, 10, "line");
        Segment(left + 100, top - 40, left + 150, top - 10, 0, 0, ACIToRGB(4));
        Segment(left + 150, top - 10, left + 190, top - 40, 0.4f, 0, ACIToRGB(4));
        Text(left + 100, top - 60, 10, "polyline");
        Circle(left + 240, top - 25, 18, 0, 0, ACIToRGB(5));
        Circle(left + 240, top - 25, 12, 30, 300, ACIToRGB(1));
        Text(left + 215, top - 60, 10, "circle, arc");
        Solid(left + 290, top - 40, 40, 30, ACIToRGB(30));
        Text(left + 290, top - 60, 10, "solid");
        for (int i = 0; i < 5; ++i) Point(left + 350 + float(i) * 4, top - 25, ACIToRGB(1));
        Text(left + 345, top - 60, 10, "points");
        Ellipse(left + 430, top - 25, 30, 0, 0.4f, 0, 6.2831855f, ACIToRGB(140));
        Ellipse(left + 430, top - 25, 20, 20, 0.3f, 0, 6.2831855f, ACIToRGB(200));
        Ellipse(left + 430, top - 25, 0, 25, 0.6f, 0, 3.14159f, ACIToRGB(2));
        Text(left + 400, top - 60, 10, "ellipses");
        Attribute(left + 480, top - 30, 12, "ATTRIB");
        Text(left + 480, top - 60, 10, "attribute");
        Text(left + 560, top - 30, 12, "ROMANC", 0, 0, 0, "ROMANC");
        Text(left + 560, top - 45, 12, "MONOTXT", 0, 0, 0, "MONOTXT");
    }
};

bool Render(Gallery& gallery, gui::Colour background, const QString& file) {
    gui::PictureBox picture;
    picture.resize(1600, 1000);
    picture.SetScaleMode(gui::kScalePixels);
    picture.SetBackColor(background);
    picture.SetAutoRedraw(true);
    picture.Cls();
    DisplayState state;
    DisplayHost host;
    DrawingRoutine routine(gallery.db, state, host, picture);
    routine.Settings.DisplayAttributes = 1;
    routine.Zoom(ViewRect{0, 1000, 1600, 0}, picture, nullptr, false);
    picture.Refresh();
    return picture.Image().save(file);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Gallery gallery;
    gallery.ColourTable(30, 960);
    gallery.PenStyles(660, 960);
    gallery.EntityKinds(660, 690);
    gallery.RotatedTexts(30, 300);
    gallery.Bulges(1000, 300);
    const bool white = Render(gallery, gui::kWhite, folder + "/display_gallery.png");
    const bool black = Render(gallery, gui::kBlack, folder + "/display_gallery_black.png");
    if (!white || !black) {
        std::fprintf(stderr, "display_gallery: could not write the PNG files into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
