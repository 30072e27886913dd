#pragma once

#include <QString>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace gui {

// The program's one multiple-document frame. Child windows (documents, drawing windows, previews,
// maintenance windows) show themselves inside it without knowing the main window's class. With it
// come the desktop's keys for the child windows, anywhere in the main window: Ctrl+F6 and Ctrl+Tab
// make the next child window (in the order in which they were opened, wrapping round, minimised
// ones too) the active one, Ctrl+Shift+F6 and Ctrl+Shift+Tab the one before; Alt+minus opens the
// active child window's window menu; Enter restores a minimised child window that has the focus.
void SetMdiFrame(QMainWindow* frame, QMdiArea* area);
QMainWindow* MdiFrame();
QMdiArea* MdiArea();

// Puts `child` into a new child frame of the main window (which deletes both when it closes), unless
// it has one already, and shows it as the desktop shows a new child window: the window sizes and
// places itself while it shows; then it is moved, and made smaller where it can be, so that it lies
// inside the visible part of the area; while another child window is maximised, it is shown
// maximised too (its own size and place come back when it is restored). The child's object name is
// its form name. Without a frame, the child is shown as a window of its own.
QMdiSubWindow* ShowMdiChild(QWidget* child);
// Adds `child` without showing it, for a document that is filled before it is shown.
QMdiSubWindow* AddMdiChild(QWidget* child);

// Shows a child frame that was hidden and makes it the active one; while another child window is
// maximised, it is shown maximised too.
void ShowChildFrame(QMdiSubWindow& frame);

// The active child window's content (the last active one while a dialog has the focus), or null.
QWidget* ActiveChild();
// The form name of a child window: its content's object name.
QString FormName(const QWidget* child);

}  // namespace gui
