#include "quotation_page.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quellmar::printing {
namespace {

constexpr gui::Colour kWarningColour = 255;  // red
constexpr gui::Colour kNormalColour = 0;
constexpr vb::DateValue kLastDatePrintedAsToday = 32874;  // 1 January 1990

struct LabelRow {
    const char* caption;
    std::vector<const char*> labels;
};

using FourCaptions = std::array<const char*, 4>;

const LabelRow kInletOilTemp{"Desired inlet oil temp.", {"lblDesiredInletC", "lblDesiredInletF"}};
const LabelRow kAmbientTemp{"Ambient air temp.", {"lblAirTempC", "lblAirTempF"}};
const LabelRow kEtd{"ETD", {"lblETDC", "lblETDF"}};
const LabelRow kHeatLoad{"Heat load", {"lblHeatkW", "lblHeatBtuMin", "lblHeatKjH", "lblHeatKcalH", "lblHeatHP"}};
const LabelRow kHeatTransfer{"Heat transfer required", {"lblHeatTransferKwC", "lblHeatTransferBtuF"}};
const LabelRow kOilFlow{"Oil flow", {"lblOilFlowL", "lblOilFlowIG", "lblOilFlowUSG", "lblOilFlowCI"}};
const LabelRow kOilType{"Oil type", {"lblViscosity"}};
const LabelRow kViscosityEstimate{"Viscosity estimate", {"lblCst", "lblSUS"}};

const LabelRow kExitOilTemp{"Exit oil temp", {"lblExitOilTemp", "lblExitOilTempF"}};
const LabelRow kAverageOilTemp{"Average oil temp", {"lblAvgOilTemp", "lblAvgOilTempF"}};
const LabelRow kViscosityAtAverage{"Viscosity @ av temp", {"lblAvgViscosity", "lblAvgViscositySUS"}};

const FourCaptions kModelCaptions{"Model", "Part Number", "Sales Leaflet", "Weight"};
const FourCaptions kModelLabels{"lblModel", "lblPartNo", "lblLeaflet", "lblWeight"};

// What a page family prints in its parameter section, and which recommendation follows.
struct FamilyPage {
    const char* heading;
    std::vector<LabelRow> parameters;
    bool water;
};

const FamilyPage& AirPage() {
    static const FamilyPage page{"AIR-COOLED HEAT EXCHANGER SELECTION PARAMETERS",
                                 {{"Product Range", {"lblProductRange"}},
                                  {"Application/Motor Type", {"lblMotorType"}},
                                  kInletOilTemp, kAmbientTemp, kEtd, kHeatLoad, kHeatTransfer, kOilFlow, kOilType,
                                  kViscosityEstimate},
                                 false};
    return page;
}

const FamilyPage& MobilePage() {
    static const FamilyPage page{"MOBILE HEAT EXCHANGER SELECTION PARAMETERS",
                                 {kInletOilTemp, kAmbientTemp, kEtd, kHeatLoad, kHeatTransfer, kOilFlow, kOilType,
                                  kViscosityEstimate, {"Average Face Velocity", {"lblAirFaceV"}}},
                                 false};
    return page;
}

const FamilyPage& WaterPage() {
    static const FamilyPage page{"WATER-COOLED HEAT EXCHANGER SELECTION PARAMETERS",
                                 {{"Application Series", {"lblProductRange"}},
                                  {"Desired inlet oil temp.", {"lblOilTempC", "lblOilTempF"}},
                                  {"Inlet water temp.", {"lblWaterTempC", "lblWaterTempF"}},
                                  kEtd, kHeatLoad, kHeatTransfer, kOilFlow,
                                  {"Available water flow",
                                   {"lblWaterFlowL", "lblWaterFlowIG", "lblWaterFlowUSG", "lblWaterFlowCI"}},
                                  kOilType, kViscosityEstimate},
                                 true};
    return page;
}

// Where a page starts on the target (its left edge and the heading's top) and how far right and
// down its texts reach, from the target's origin.
struct PageExtent {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

PageExtent PageStart(const PrinterPage& printer, double previewScale) {
    return {(printer.widthInches - printer.printableWidthInches) / 2 * previewScale, 0.5 * previewScale};
}

// Draws the rows of a page from the top down. Each row moves down by a gap of 0.35 of its line
// first; every text of a row is printed at the row's top, since printing moves the position to
// the next line. The page starts where the preview scale places it; its fonts and distances
// follow the layout's scale, which is the preview scale unless the page has to be drawn smaller.
// The page's own captions are printed whole; a value (what the customer or the document gives)
// is cut where it would run past the printable area's right edge. A writer given an extent
// measures the layout into it instead of printing: the captions, and each value at the room its
// column gives it, so what a value holds never changes the page.
class PageWriter {
public:
    PageWriter(gui::DrawingTarget& target, double previewScale, double scale, const PrinterPage& printer,
               const LabelSource& labels, bool water, PageExtent* measure)
        : t_(target), s_(scale), labels_(labels), measure_(measure),
          right_(printer.printableWidthInches * previewScale) {
        const PageExtent start = PageStart(printer, previewScale);
        left_ = start.left;
        top_ = start.top;
        t_.SetFontName("Times New Roman");
        t_.SetFontSize(12 * s_);
        t_.SetFontBold(true);
        const double captionWidth = t_.TextWidth("Ambient air temperature");
        const double referenceWidth = t_.TextWidth("Reference:");
        t_.SetFontBold(false);
        firstValueColumn_ = left_ + captionWidth + 0.1 * s_;
        parameterRoom_ = t_.TextWidth("1250 kW/1C ETD");
        valueColumnStep_ = parameterRoom_ + 0.1 * s_;
        customerValueColumn_ = left_ + referenceWidth + 0.5 * s_;
        columns_[0] = left_;
        columns_[1] = left_ + captionWidth;
        columns_[2] = columns_[1] + t_.TextWidth("Maximum Ambient");
        columns_[3] = columns_[2] + t_.TextWidth("Maximum Ambient Temperature");
        // The water-cooled page sets its second values further right; its fourth column stays.
        if (water) columns_[2] = columns_[1] + t_.TextWidth("Maximum Ambient Temper");
        t_.SetFontBold(true);
    }

    std::string Label(const char* name) const { return labels_.Caption(name); }
    bool Visible(const char* name) const { return labels_.Visible(name); }

    void Title(std::string_view text) {
        t_.SetFontBold(true);
        CaptionAt(left_ + (t_.ScaleWidth() - t_.TextWidth(text)) / 2, top_, text);
    }

    void Heading(std::string_view text) {
        t_.SetFontBold(true);
        Gap(text);
        CaptionAt(left_, t_.CurrentY(), text);
    }

    void CustomerRow(const char* caption, const std::string& value) {
        t_.SetFontBold(true);
        const double top = Gap(caption);
        CaptionAt(left_, top, caption);
        t_.SetFontBold(false);
        ValueAt(customerValueColumn_, top, value);
    }

    void ParameterRow(const LabelRow& row) {
        t_.SetFontBold(true);
        const double top = Gap(row.caption);
        CaptionAt(left_, top, row.caption);
        t_.SetFontBold(false);
        double column = firstValueColumn_;
        for (const char* label : row.labels) {
            ValueAt(column, top, Label(label), parameterRoom_);
            column += valueColumnStep_;
        }
    }

    void TableHeader(const FourCaptions& captions) {
        t_.SetFontBold(true);
        const double top = Gap(captions[0]);
        for (std::size_t i = 0; i < captions.size(); ++i) CaptionAt(columns_[i], top, captions[i]);
    }

    void TableValues(const FourCaptions& labels) {
        t_.SetFontBold(false);
        const std::array values = {Label(labels[0]), Label(labels[1]), Label(labels[2]), Label(labels[3])};
        const double top = Gap(values[0]);
        for (std::size_t i = 0; i < values.size(); ++i) ValueAt(columns_[i], top, values[i]);
    }

    void ResultRow(const LabelRow& row) {
        t_.SetFontBold(true);
        const double top = Gap(row.caption);
        CaptionAt(columns_[0], top, row.caption);
        t_.SetFontBold(false);
        for (std::size_t i = 0; i < row.labels.size(); ++i) ValueAt(columns_[1 + i], top, Label(row.labels[i]));
    }

    // Red lines in the font the page has at that point.
    void WarningLines(const std::vector<std::string>& lines) {
        t_.SetForeColor(kWarningColour);
        for (const std::string& line : lines) {
            Gap(line);
            ValueAt(left_, t_.CurrentY(), line);
        }
        t_.SetForeColor(kNormalColour);
    }

    // A red line for a warning label that is shown; nothing, and no space, for a hidden one.
    void WarningLabel(const char* name) {
        if (!Visible(name)) return;
        t_.SetFontBold(false);
        WarningLines({Label(name)});
    }

    void Footer() {
        constexpr std::string_view footer = "Prices & delivery subject to confirmation upon order placement.        E.& O.E.";
        t_.SetFontBold(true);
        t_.SetCurrentY(t_.CurrentY() + t_.TextHeight(footer));
        Heading(footer);
    }

private:
    // Moves down by the row's gap; the row's top.
    double Gap(std::string_view caption) {
        t_.SetCurrentY(t_.CurrentY() + 0.35 * t_.TextHeight(caption));
        return t_.CurrentY();
    }

    // A text of the page itself: the layout makes room for it.
    void CaptionAt(double x, double y, std::string_view text) {
        if (measure_ && !text.empty()) measure_->right = std::max(measure_->right, x + t_.TextWidth(text));
        PrintAt(x, y, text);
    }

    // A value, which the layout gives `room` to the right of where it starts; a longer one may run
    // on, but never past the printable area.
    void ValueAt(double x, double y, std::string_view text, double room = 0) {
        if (measure_) {
            measure_->right = std::max(measure_->right, x + room);
            PrintAt(x, y, {});
            return;
        }
        PrintAt(x, y, WithinRightEdge(x, text));
    }

    // The text from its start up to the last whole character that ends by the right edge.
    std::string_view WithinRightEdge(double x, std::string_view text) {
        if (x + t_.TextWidth(text) <= right_) return text;
        // The lengths in bytes of the beginnings that end on a whole character, the whole text last;
        // the search runs over these, so that it never skips one.
        std::vector<std::size_t> ends;
        for (std::size_t end = 1; end <= text.size(); ++end)
            if (end == text.size() || !IsContinuationByte(text[end])) ends.push_back(end);
        std::size_t fits = 0;              // whole characters of the longest beginning known to fit
        std::size_t tooLong = ends.size();  // and of the shortest known not to
        while (tooLong - fits > 1) {
            const std::size_t middle = fits + (tooLong - fits) / 2;
            if (x + t_.TextWidth(text.substr(0, ends[middle - 1])) <= right_)
                fits = middle;
            else
                tooLong = middle;
        }
        return text.substr(0, fits == 0 ? 0 : ends[fits - 1]);
    }

    static bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

    // Prints, or in a measuring writer moves down a line as printing would and notes how low the
    // line reaches.
    void PrintAt(double x, double y, std::string_view text) {
        t_.SetCurrentX(x);
        t_.SetCurrentY(y);
        if (!measure_) {
            t_.Print(text);
            return;
        }
        const double height = t_.TextHeight(text);
        measure_->bottom = std::max(measure_->bottom, y + height);
        t_.SetCurrentX(t_.ScaleLeft());
        t_.SetCurrentY(y + height);
    }

    gui::DrawingTarget& t_;
    const double s_;
    const LabelSource& labels_;
    PageExtent* measure_;
    const double right_;  // the printable area's right edge
    double left_ = 0;
    double top_ = 0;
    double firstValueColumn_ = 0;
    double parameterRoom_ = 0;
    double valueColumnStep_ = 0;
    double customerValueColumn_ = 0;
    std::array<double, 4> columns_{};
};

// The viscosity warning's caption holds two lines joined by CR LF; a caption without a line break
// prints as the one line it is.
std::vector<std::string> FirstTwoLines(const std::string& caption) {
    const std::size_t end = caption.find("\r\n");
    if (end == std::string::npos) return {caption};
    const std::size_t next = caption.find("\r\n", end + 2);
    return {caption.substr(0, end), caption.substr(end + 2, next == std::string::npos ? next : next - end - 2)};
}

void AirRecommendation(PageWriter& page) {
    page.TableHeader(kModelCaptions);
    page.TableValues(kModelLabels);
    page.ResultRow({"Description:", {"lblDescription"}});
    page.ResultRow({"Maximum oil flow:", {"lblMaxOilFlow"}});
    page.TableHeader({"Heat Transfer Rating", "Pressure Drop", "Maximum Ambient Temp.", "%HT Margin"});
    page.TableValues({"lblHTRating", "lblPressureDrop", "lblMaxAmbient", "lblHTMargin"});
    page.WarningLabel("lblSpecial");
    for (const LabelRow& row : {LabelRow{"Inlet oil temp", {"lblOilTempC", "lblOilTempF"}}, kExitOilTemp,
                                kAverageOilTemp, kViscosityAtAverage})
        page.ResultRow(row);
}

void WaterRecommendation(PageWriter& page) {
    page.TableHeader(kModelCaptions);
    page.TableValues(kModelLabels);
    page.ResultRow({"Description:", {"lblDescription"}});
    page.TableHeader({"Max Oil Flow", "Max Oil Side Pressure", "Max Water Flow.", "Max Water Side Pressure"});
    page.TableValues({"lblMaxOilFlow", "lblMaxOilSidePressure", "lblMaxWaterFlow", "lblMaxWaterSidePressure"});
    page.TableHeader({"Heat Transfer Rating", "Pressure Drop", "Available ETD", "%HT Margin"});
    if (page.Visible("lblViscosityHigh")) {
        page.WarningLines(FirstTwoLines(page.Label("lblViscosityHigh")));
        return;
    }
    page.TableValues({"lblHTRating", "lblPressureDrop", "lblAvailableETD", "lblHTMargin"});
    page.WarningLabel("lblSpecial");
    for (const LabelRow& row : {LabelRow{"Inlet oil temp", {"lblInletOilTempC", "lblInletOilTempF"}}, kExitOilTemp,
                                kAverageOilTemp, kViscosityAtAverage,
                                LabelRow{"Exit water temperature", {"lblExitWaterTemp", "lblExitWaterTempF"}}})
        page.ResultRow(row);
}

void DrawPage(const FamilyPage& family, gui::DrawingTarget& target, double previewScale, double scale,
              const PrinterPage& printer, const PageRequest& request, const LabelSource& labels,
              PageExtent* measure = nullptr) {
    PageWriter page(target, previewScale, scale, printer, labels, family.water, measure);
    page.Title("QUELLMAR HEAT EXCHANGER - KORVELANE");
    page.CustomerRow("Company:", request.company);
    page.CustomerRow("Address:", request.address);
    page.CustomerRow("Attention:", request.attention);
    page.CustomerRow("Reference:", request.reference);
    page.CustomerRow("Date:", vb::FormatDate(PrintedDate(request.quoteDate, vb::Today()), vb::DateLayout::DayMonth));
    page.CustomerRow("Sized by:", request.sizedBy);
    page.Heading(family.heading);
    for (const LabelRow& row : family.parameters) page.ParameterRow(row);
    page.Heading("Based on the information provided, we recommend the following heat exchanger:");
    if (request.showAll) {
        if (family.water)
            WaterRecommendation(page);
        else
            AirRecommendation(page);
    }
    page.Footer();
}

// The layout's scale: the preview scale where the layout fits the printable area, else smaller.
// Only the layout is measured, so the same page comes out whatever the customer typed. Text
// extents do not shrink quite evenly with the font size, so the layout is measured again until it
// fits.
double FittedScale(const FamilyPage& family, gui::DrawingTarget& target, double previewScale,
                   const PrinterPage& printer, const PageRequest& request, const LabelSource& labels) {
    const PageExtent start = PageStart(printer, previewScale);
    const double width = printer.printableWidthInches * previewScale - start.left;
    const double height = printer.printableHeightInches * previewScale - start.top;
    if (!(width > 0 && height > 0)) return previewScale;
    double scale = previewScale;
    for (int attempt = 0; attempt < 8; ++attempt) {
        PageExtent extent = start;
        DrawPage(family, target, previewScale, scale, printer, request, labels, &extent);
        const double fit = std::min(width / std::max(extent.right - start.left, width),
                                    height / std::max(extent.bottom - start.top, height));
        if (fit >= 1) break;
        scale *= std::min(fit, 0.999);
    }
    return scale;
}

const FamilyPage* FamilyOf(int family) {
    switch (family) {
    case kAirPage: return &AirPage();
    case kMobilePage: return &MobilePage();
    case kWaterPage: return &WaterPage();
    default: return nullptr;
    }
}

}  // namespace

vb::DateValue PrintedDate(vb::DateValue quoteDate, vb::DateValue today) {
    return quoteDate <= kLastDatePrintedAsToday ? today : quoteDate;
}

void PrintPage(int family, gui::DrawingTarget& target, double previewScale, const PrinterPage& printer,
               const PageRequest& request, const LabelSource& labels) {
    const FamilyPage* page = FamilyOf(family);
    if (!page) return;
    DrawPage(*page, target, previewScale, FittedScale(*page, target, previewScale, printer, request, labels), printer,
             request, labels);
}

}  // namespace quellmar::printing
