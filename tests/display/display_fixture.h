#pragma once

#include "display/display_host.h"
#include "display/display_state.h"
#include "display/drawing_routine.h"
#include "doubles/recording_target.h"
#include "reader/drawing_database.h"

#include <gtest/gtest.h>

#include <functional>

namespace tiraq::test {

struct CountingHost : DisplayHost {
    int zoomCompletes = 0;
    int clears = 0;
    int gripHides = 0;
    int pointer = 0;
    std::function<void()> redraw;
    void SetMousePointer(int p) override { pointer = p; }
    void HideGrips() override { ++gripHides; }
    void ZoomComplete() override { ++zoomCompletes; }
    void ClearDrawing() override { ++clears; }
    void RedrawScreen() override {
        if (redraw) redraw();
    }
};

// A drawing routine over a database filled by the test, drawing on a recorded 400 x 300 picture
// in pixels. The view (0, 300)-(400, 0) maps one drawing unit to one pixel.
struct DisplayFixture : ::testing::Test {
    DisplayFixture() {
        picture.SetScaleMode(gui::kScalePixels);
        db.ResetEntities();
        layer = db.SetLayerID("0");
    }

    bool ZoomOnPicture(const ViewRect& view = kUnitView, bool newestOnly = false) {
        return routine.Zoom(view, picture, nullptr, false, newestOnly);
    }
    std::vector<gui::DrawCall> Calls(gui::DrawCall::Kind kind) { return picture.Recording().CallsOf(kind); }

    std::int32_t AddLine(float x1, float y1, float x2, float y2, std::int32_t colour = 0xFF0000) {
        LineRecord line;
        line.X1 = x1, line.Y1 = y1, line.X2 = x2, line.Y2 = y2;
        line.LayerIndex = layer;
        line.EntityColor = colour;
        return db.AppendDrawn(line);
    }
    std::int32_t AddArc(float x, float y, float radius, float start, float end) {
        CircleRecord circle;
        circle.X1 = x, circle.Y1 = y, circle.Radius = radius, circle.StartAngle = start, circle.EndAngle = end;
        circle.LayerIndex = layer;
        return db.AppendDrawn(circle);
    }
    std::int32_t AddText(float x, float y, float height, std::string txt, float rotation = 0, std::int32_t align = 0) {
        TextRecord text;
        text.X1 = x, text.Y1 = y, text.Height = height, text.Txt = std::move(txt);
        text.Rotation = rotation, text.HorzAlign = align;
        text.FontName = "TXT";
        text.FontScalar = 1;
        text.LayerIndex = layer;
        return db.AppendDrawn(text);
    }
    std::int32_t AddBulge(float x1, float y1, float x2, float y2, float bulge) {
        PolylineRecord segment;
        segment.X1 = x1, segment.Y1 = y1, segment.X2 = x2, segment.Y2 = y2, segment.Bulge = bulge;
        segment.LayerIndex = layer;
        return db.AppendDrawn(segment);
    }

    static constexpr ViewRect kUnitView{0, 300, 400, 0};

    DrawingDatabase db;
    DisplayState state;
    CountingHost host;
    gui::RecordingTarget picture{400, 300};
    DrawingRoutine routine{db, state, host, picture};
    std::int32_t layer = 0;
};

}  // namespace tiraq::test
