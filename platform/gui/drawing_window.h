#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace gui {

// What openers need of a drawing window: it takes the path of the file to show, loads it at the
// latest when its caption is set, and is shown as a child of the main window. Once shown it no
// longer needs the file. The window belongs to the main window from Show on.
class DrawingWindow {
public:
    virtual ~DrawingWindow() = default;
    virtual void SetFileName(const QString& path) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void Show() = 0;
    virtual void PrintDrawing() = 0;
};

// Makes a new drawing window. The drawing component's window registers its factory when the
// program starts; until one is registered there is no drawing window to open.
using DrawingWindowFactory = std::function<DrawingWindow*()>;
void SetDrawingWindowFactory(DrawingWindowFactory factory);
bool HasDrawingWindow();

// Shows a drawing text in a new drawing window: writes it to a new temporary drawing file,
// creates the window, hands it the file name, sets its caption (which loads the file), shows it
// and deletes the file, on every path. Returns false when no drawing window is registered; errors
// (a file that cannot be written, a window that fails to load) are thrown to the caller.
bool OpenDrawingWindow(std::string_view drawingText, const QString& caption);

}  // namespace gui
