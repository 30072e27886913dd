#pragma once

#include "display/display_host.h"
#include "display/display_state.h"
#include "drawing/drawing_target.h"
#include "reader/drawing_records.h"

#include <chrono>
#include <cstdint>

namespace tiraq {

class DrawingDatabase;

// The control's switches that the drawing routine reads.
struct DisplaySettings {
    std::int16_t DisplayAttributes = 0;  // 0 attributes off, 1 on
    bool DisplayAllBlack = false;
    bool PrintAllBlack = false;
};

// The one routine that turns the drawing database into pixels, for every view change, print and
// metafile of one control. It draws on the control's picture unless told to draw on the printer
// or a metafile; the picture also measures the texts.
class DrawingRoutine {
public:
    DrawingRoutine(const DrawingDatabase& db, DisplayState& state, DisplayHost& host, gui::DrawingTarget& picture);

    DisplaySettings Settings;
    // The printer that printing passes draw on.
    gui::PrintingTarget* Printer = nullptr;
    // Shortest time between two showings of a partly drawn picture.
    std::chrono::milliseconds ProgressInterval{100};

    // Fits `View` to the target (the drawing's extents inside its last pixel column and row, so
    // that a border on them shows), makes it the conversion and, on screen, the current view, and
    // draws the display list (the five newest entries only with `NewestOnly`). A metafile device
    // selects a metafile pass, else `Printing` a printer pass. True after a complete pass, which
    // raises ZoomComplete; false when nothing was drawn (empty list, empty view or target, scale
    // out of range, an entry beyond its array).
    bool Zoom(const ViewRect& View, gui::DrawingTarget& Target, gui::MetafileDevice* MetaDC, bool Printing,
              bool NewestOnly = false);

private:
    // Fits the view and draws the display list on the pass's device: false where it ends early,
    // with nothing or not all of it drawn.
    bool Draw(const ViewRect& View, gui::DrawingTarget& Target, gui::MetafileDevice* MetaDC, bool printerPass,
              bool NewestOnly);

    const DrawingDatabase& db_;
    DisplayState& state_;
    DisplayHost& host_;
    gui::DrawingTarget& picture_;
};

}  // namespace tiraq
