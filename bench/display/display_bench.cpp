// Times the drawing routine over a million mixed entities on a 1920 x 1080 picture: the extents,
// a view of 1 % of the area, and the rubber-band feedback of a drag.

#include "mixed_drawing.h"

#include "display/display_host.h"
#include "display/drawing_routine.h"
#include "display/rubber_band.h"
#include "gui/picture_box.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace tiraq::bench {
namespace {

constexpr std::int32_t kEntities = 1'000'000;

struct Setup {
    Setup() {
        FillMixedDrawing(db, kEntities);
        picture.resize(1920, 1080);
        picture.SetScaleMode(gui::kScalePixels);
        picture.SetAutoRedraw(true);
    }
    DrawingDatabase db;
    DisplayState state;
    DisplayHost host;
    gui::PictureBox picture;
    DrawingRoutine routine{db, state, host, picture};
};

Setup& Drawing() {
    static Setup* setup = new Setup;
    return *setup;
}

void DrawView(benchmark::State& run, const ViewRect& view) {
    Setup& s = Drawing();
    for (auto _ : run) {
        s.picture.Cls();
        benchmark::DoNotOptimize(s.routine.Zoom(view, s.picture, nullptr, false));
        s.picture.Refresh();
    }
}

void ZoomExtents(benchmark::State& run) { DrawView(run, Drawing().db.DrawingExtents); }

void ZoomOnePercent(benchmark::State& run) { DrawView(run, ViewRect{4500, 3093.75f, 5500, 2531.25f}); }

// One feedback call of a window drag: erase the band drawn last, draw the new one.
void RubberBandFeedback(benchmark::State& run) {
    Setup& s = Drawing();
    s.picture.Cls();
    s.routine.Zoom(s.db.DrawingExtents, s.picture, nullptr, false);
    s.picture.Refresh();
    s.picture.SetAutoRedraw(false);
    std::int16_t endX = 100, endY = 100;
    for (auto _ : run) {
        for (int call = 0; call < 200; ++call) {
            RubberBand(s.picture, s.state, s.host, 100, 100, endX, endY, 0);
            endX = std::int16_t(100 + (call * 7) % 1700);
            endY = std::int16_t(100 + (call * 5) % 900);
            RubberBand(s.picture, s.state, s.host, 100, 100, endX, endY, 0);
        }
    }
    run.counters["per_call_us"] =
        benchmark::Counter(200.0 * double(run.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    s.picture.SetAutoRedraw(true);
}

BENCHMARK(ZoomExtents)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ZoomOnePercent)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(RubberBandFeedback)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace tiraq::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
