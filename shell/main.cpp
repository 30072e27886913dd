// Quellmar_customer: the main window comes up, then an empty air-cooled selection document in it.
#include "air_selection.h"
#include "maintenance_windows.h"
#include "main_window.h"
#include "program_services.h"

#include "vb/file_size_signal.h"

#include <QApplication>

int main(int argc, char** argv) {
    // From the start, before anything writes: a write past the session's file-size limit fails
    // with "File too large", which the window that wrote says, and the program and its unsaved
    // documents go on.
    vb::IgnoreFileSizeSignal();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quellmar_customer");
    quellmar::shell::RegisterProgramServices();
    quellmar::maintenance::RegisterMaintenanceWindows();
    quellmar::shell::RegisterPreviewWindow();
    quellmar::shell::frmQuellmar frame;
    frame.show();
    // The program's first window has the keyboard, as the desktop hands it to a program it starts.
    frame.activateWindow();
    quellmar::shell::ShowDocument(new quellmar::shell::frmAirSelection);
    return QApplication::exec();
}
