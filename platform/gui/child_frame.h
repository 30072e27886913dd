#pragma once

class QMdiSubWindow;
class QWidget;

namespace gui {

// A window of the program shown as a child of the main window lives in a child frame; these act
// on the frame when there is one and on the window itself otherwise.

// The child frame around `form`, or null.
QMdiSubWindow* ChildFrame(const QWidget& form);
// Unloads the window: closes its frame, which runs the window's own close handling once.
void UnloadForm(QWidget& form);
// The window's Visible: hides or shows its frame; shown again, it becomes the active child.
void SetFormVisible(QWidget& form, bool visible);
bool FormVisible(const QWidget& form);
// Moves the window's frame to the top of the main window's client area, keeping its left edge.
void MoveFormToTop(QWidget& form);

}  // namespace gui
