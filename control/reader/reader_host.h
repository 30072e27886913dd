#pragma once

#include "reader/drawing_records.h"

namespace tiraq {

inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;
// The host's own picture, the control's MouseIcon.
inline constexpr int kPointerCustom = 99;

// What the reader needs of the control around it: the status-bar progress, the screen mouse
// pointer, the drawing picture, the previous-view stack and the LinesRead event. Every member
// does nothing by default, so tests and benchmarks run the reader with no window.
class ReaderHost {
public:
    virtual ~ReaderHost() = default;

    // Shows the status bar; a load first places it where the control's StatusBarLocation says.
    virtual void ShowStatusBar(bool placeByLocation) { (void)placeByLocation; }
    // Paints the bar as a filled box up to `fraction` (0 to 1) of its width.
    virtual void PaintProgress(float fraction) { (void)fraction; }
    // Hides the status bar and clears it.
    virtual void HideStatusBar() {}

    virtual void SetMousePointer(int pointer) { (void)pointer; }
    // Clears the drawing picture, as the control does when an error leaves a procedure.
    virtual void ClearDrawing() {}

    // The end of a load: the extents become every entry of the previous-view stack.
    virtual void SetPreviousViews(const ViewRect& extents) { (void)extents; }

    // The LinesRead event of the entity queries.
    virtual void LinesRead(float PctRead) { (void)PctRead; }
};

}  // namespace tiraq
