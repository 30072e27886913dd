#pragma once

#include "drawing/drawing_target.h"
#include "vb/date.h"

#include <string>
#include <string_view>

// The one-page quotation of each cooler family, drawn on a drawing target in inches: the preview
// picture at the preview scale, or the printer at scale 1. The page computes nothing of the rating:
// it prints the captions of the requesting document's result labels as the document shows them.
namespace quellmar::printing {

// Page family codes of a print request.
enum PageFamily : int { kAirPage = 1, kMobilePage = 2, kWaterPage = 3 };

// The particulars of the request, in UTF-8.
struct PageRequest {
    std::string company, address, attention, reference, sizedBy;
    vb::DateValue quoteDate = 0;
    bool showAll = false;  // a cooler is selected: the recommendation is printed
};

// The requesting document's labels by control name. A label the document lacks reads as an empty,
// hidden label.
class LabelSource {
public:
    virtual ~LabelSource() = default;
    virtual std::string Caption(std::string_view label) const = 0;
    virtual bool Visible(std::string_view label) const = 0;
};

// The printer's paper and the area it prints on; the page is placed by them in the preview too.
struct PrinterPage {
    double widthInches = 0;
    double heightInches = 0;
    double printableWidthInches = 0;
    double printableHeightInches = 0;
};

// Draws the page of the family (`kAirPage`, `kMobilePage`, `kWaterPage`; any other code draws
// nothing) on the target, whose scale mode is inches. Ends no print document. Where the printable
// area is too narrow or too short for the layout (A4 and Letter are too narrow for its widest
// rows), the page starts at the same left edge and top and its fonts and distances are drawn
// smaller, just enough for the layout to lie inside it: its captions, and its value columns at
// the room they give. The values never shrink the page: one longer than the room up to the
// printable area's right edge is cut there. In the preview, the printable area is taken at the
// preview scale from the picture's corner, so the preview shows what prints.
void PrintPage(int family, gui::DrawingTarget& target, double previewScale, const PrinterPage& printer,
               const PageRequest& request, const LabelSource& labels);

// The date a page prints: the quotation date, or today's when it is on or before 1 January 1990
// (an unset date among them).
vb::DateValue PrintedDate(vb::DateValue quoteDate, vb::DateValue today);

}  // namespace quellmar::printing
