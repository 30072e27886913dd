// Renders DXF drawings to PNG through the reader and the drawing routine, at their extents on a
// white picture of A3 proportions, for reviewers. Usage: render_drawings <folder> <drawing.dxf>...

#include "display/display_host.h"
#include "display/drawing_routine.h"
#include "gui/picture_box.h"
#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"
#include "vb/error.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

bool Render(const std::string& drawing, const QString& png) {
    tiraq::DrawingDatabase db;
    tiraq::ReaderHost readerHost;
    tiraq::DXFReader reader(db, readerHost);
    try {
        reader.ReadDrawing(tiraq::dxfMergeNew, drawing);
    } catch (const vb::RuntimeError& e) {
        std::fprintf(stderr, "%s: %s\n", drawing.c_str(), e.Description().c_str());
        return false;
    }
    gui::PictureBox picture;
    picture.resize(1684, 1191);
    picture.SetScaleMode(gui::kScalePixels);
    picture.SetBackColor(gui::kWhite);
    picture.SetAutoRedraw(true);
    picture.Cls();
    tiraq::DisplayState state;
    tiraq::DisplayHost host;
    tiraq::DrawingRoutine routine(db, state, host, picture);
    routine.Settings.DisplayAttributes = 1;
    routine.Zoom(db.DrawingExtents, picture, nullptr, false);
    picture.Refresh();
    return picture.Image().save(png);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_drawings <folder> <drawing.dxf>...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    int failed = 0;
    for (int i = 2; i < argc; ++i) {
        const QString png = folder + "/" + QFileInfo(QString::fromLocal8Bit(argv[i])).completeBaseName() + ".png";
        if (!Render(argv[i], png)) {
            std::fprintf(stderr, "render_drawings: could not render %s\n", argv[i]);
            ++failed;
        }
    }
    return failed ? 1 : 0;
}
