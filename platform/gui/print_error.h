#pragma once

#include <QString>

#include <exception>

namespace gui {

// An error of a print as the program shows it: the error's own text and, when the printer could
// not start or take the document, on a line after it what the user can do about that in the
// program's Print Setup.
QString PrintErrorText(const std::exception& error);

// Shows an error of a print that reached a window's handler in a message box; the program goes on.
void ReportPrintError(const std::exception& error, const QString& title = "Quellmar");

}  // namespace gui
