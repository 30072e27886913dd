#include "drawing_viewer.h"

#include "gui/dialog_service.h"
#include "gui/drawing_window.h"

#include <string_view>

namespace quellmar::maintenance {

void ShowStoredDrawing(const std::optional<QByteArray>& text, const QString& caption) {
    if (!text || text->isEmpty()) {
        gui::Dialogs().MsgBox("No DXF file available\r\nConsult catalogue or sales office for drawing.",
                              gui::vbOKOnly | gui::vbExclamation, "Quellmar");
        return;
    }
    gui::OpenDrawingWindow(std::string_view(text->constData(), static_cast<std::size_t>(text->size())), caption);
}

}  // namespace quellmar::maintenance
