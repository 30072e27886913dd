#include "gui/drawing_window.h"

#include "gui/temp_drawing_file.h"

#include <memory>

namespace gui {
namespace {

DrawingWindowFactory& Factory() {
    static DrawingWindowFactory factory;
    return factory;
}

}  // namespace

void SetDrawingWindowFactory(DrawingWindowFactory factory) { Factory() = std::move(factory); }

bool HasDrawingWindow() { return static_cast<bool>(Factory()); }

bool OpenDrawingWindow(std::string_view drawingText, const QString& caption) {
    if (!Factory()) return false;
    const TempDrawingFile file(drawingText);
    // Until it is shown, the window is ours: a failure on the way deletes it.
    std::unique_ptr<DrawingWindow> window(Factory()());
    window->SetFileName(QString::fromStdString(file.Path().string()));
    window->SetCaption(caption);
    window->Show();
    window.release();
    return true;
}

}  // namespace gui
