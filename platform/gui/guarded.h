#pragma once

#include <QString>

#include <exception>
#include <utility>

namespace gui {

// Shows an error that reached a window's handler in a message box; the program goes on.
void ReportError(const std::exception& error, const QString& title = "Quellmar");

// Runs a window handler and reports any error it raises instead of letting it end the program.
// Resources the handler holds (the hourglass, files, connections) are released before the
// message box comes up.
template <typename Handler>
bool Guarded(Handler&& handler, const QString& title = "Quellmar") {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        ReportError(error, title);
        return false;
    }
}

}  // namespace gui
