#pragma once

#include <QString>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace gui {

// The program's one multiple-document frame. Child windows (documents, drawing windows, previews,
// maintenance windows) show themselves inside it without knowing the main window's class.
void SetMdiFrame(QMainWindow* frame, QMdiArea* area);
QMainWindow* MdiFrame();
QMdiArea* MdiArea();

// Puts `child` into a new child frame of the main window (which deletes both when it closes) and
// shows it; the child's object name is its form name. Without a frame, the child is shown as a
// window of its own.
QMdiSubWindow* ShowMdiChild(QWidget* child);
// Adds `child` without showing it, for a document that is filled before it is shown.
QMdiSubWindow* AddMdiChild(QWidget* child);

// The active child window's content (the last active one while a dialog has the focus), or null.
QWidget* ActiveChild();
// The form name of a child window: its content's object name.
QString FormName(const QWidget* child);

}  // namespace gui
