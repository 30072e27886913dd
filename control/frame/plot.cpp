// Printing the extents or the view on screen on the process's printer.

#include "frame/dxf_control.h"

#include "gui/picture_box.h"
#include "gui/printer_object.h"

namespace tiraq {
namespace {

bool GivenAndNotZero(const std::optional<std::int16_t>& value) { return value && *value != 0; }

}  // namespace

bool DXFControl::Plot(PlotSizeEnum PlotSize, std::optional<std::string> DeviceName,
                      std::optional<std::int16_t> Orientation, std::optional<std::int16_t> PaperBin,
                      std::optional<std::int16_t> Copies, std::optional<std::int16_t> PaperSize) {
    try {
        return Chained("Plot", [&] {
            // A name that no installed printer has keeps the current printer.
            if (DeviceName && !DeviceName->empty()) gui::SelectPrinter(*DeviceName);
            gui::PrinterObject& printer = gui::Printer();
            if (GivenAndNotZero(Orientation)) printer.SetOrientation(*Orientation);
            if (GivenAndNotZero(PaperBin)) printer.SetPaperBin(*PaperBin);
            if (GivenAndNotZero(Copies)) printer.SetCopies(*Copies);
            if (GivenAndNotZero(PaperSize)) printer.SetPaperSize(*PaperSize);
            routine_.Printer = &printer;
            const ViewRect& view = PlotSize == dxfExtents ? db_.DrawingExtents : state_.CurrentView;
            // An empty drawing prints nothing, and that is no failure.
            routine_.Zoom(view, *picTiraq_, nullptr, true);
            return true;
        });
    } catch (...) {
        // The failure cleared the picture; the user keeps the drawing on screen. The host hears
        // of no completed view from a print that failed, and the print's error is the one
        // reported, whatever becomes of the redraw.
        zoomCompleteHeld_ = true;
        try {
            DXFRefresh();
        } catch (...) {
        }
        zoomCompleteHeld_ = false;
        throw;
    }
}

}  // namespace tiraq
