#include "display/display_host.h"
#include "display/drawing_routine.h"
#include "gui/picture_box.h"
#include "reader/drawing_database.h"

#include <gtest/gtest.h>

namespace tiraq {
namespace {

// A pass on a shown picture that shows its progress while it draws: the picture's device context
// must stay good across every refresh, and the screen must end up with the whole drawing.
TEST(PicturePass, ProgressRefreshesKeepDrawingOnTheSamePicture) {
    DrawingDatabase db;
    db.ResetEntities();
    const std::int32_t layer = db.SetLayerID("0");
    for (int i = 0; i < 2000; ++i) {
        LineRecord line;
        line.X1 = line.X2 = float(i % 200);
        line.Y1 = 0, line.Y2 = 100;
        line.LayerIndex = layer, line.EntityColor = 0x0000FF;
        db.AppendDrawn(line);
    }
    gui::PictureBox picture;
    picture.resize(200, 100);
    picture.show();
    picture.SetScaleMode(gui::kScalePixels);
    picture.SetAutoRedraw(true);
    DisplayState state;
    DisplayHost host;
    DrawingRoutine routine(db, state, host, picture);
    routine.ProgressInterval = std::chrono::milliseconds(0);
    ASSERT_TRUE(routine.Zoom(ViewRect{0, 100, 200, 0}, picture, nullptr, false));
    picture.Refresh();
    for (int x = 0; x < 200; x += 37) EXPECT_EQ(picture.Point(x, 50), 0x0000FF) << x;
    EXPECT_EQ(gui::FromQRgb(picture.ScreenImage().pixel(199, 50)), 0x0000FFu);
}

}  // namespace
}  // namespace tiraq
