#pragma once

class QWidget;

namespace gui {

// The keyboard conventions of the desktop the program was made for. The windowing system gave
// them to every window there; here they are in force for every window of the application from the
// moment its application object exists, without code in the windows:
// - a child window of the main window shown for the first time gives the focus to the first
//   control in its tab order (a window that already gave the focus somewhere keeps it there);
// - Enter presses the command button that has the focus, as Space does;
// - an option group is one tab stop, its chosen button (its first when none is chosen): Tab and
//   Shift+Tab enter it there and leave it from there, and the arrow keys choose the next (Down,
//   Right) or previous (Up, Left) button of the group, wrapping at its ends;
// - Alt and a letter presses the control of the focused child window that owns that mnemonic
//   before the main window's menus are asked; a letter that no control or menu owns does nothing
//   (it is not typed).

// The first control in the tab order of `window` that the Tab key can reach (shown, enabled),
// or null when it has none.
QWidget* FirstControl(QWidget& window);

}  // namespace gui
