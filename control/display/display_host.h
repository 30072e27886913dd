#pragma once

namespace tiraq {

// What the drawing routine needs of the control around it. Every member does nothing by default,
// so tests and benchmarks draw with no control.
class DisplayHost {
public:
    virtual ~DisplayHost() = default;

    virtual void SetMousePointer(int pointer) { (void)pointer; }
    // Hides the redline grips and clears the redline selection.
    virtual void HideGrips() {}
    // The ZoomComplete event.
    virtual void ZoomComplete() {}
    // Clears the drawing picture, as the control does when an error leaves a procedure.
    virtual void ClearDrawing() {}
    // Draws the current view on the screen again (DXFRefresh) after a printer or metafile pass.
    virtual void RedrawScreen() {}
};

}  // namespace tiraq
