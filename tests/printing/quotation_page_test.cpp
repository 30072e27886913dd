// The quotation pages on a recording target: every character is half a cell wide and a cell is
// 1.25 em, so at 600 dots per inch and 12 points a line is 125 pixels and a character 62.5.
#include "quotation_page.h"

#include "doubles/recording_target.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace quellmar::printing;
using gui::DrawCall;

namespace {

constexpr double kDpi = 600;
constexpr double kLine = 125;  // pixels at scale 1
constexpr double kChar = 62.5;

// Every label reads as its own name, so the page shows where it put each.
class NamedLabels final : public LabelSource {
public:
    std::string Caption(std::string_view label) const override {
        const auto found = captions.find(std::string(label));
        return found != captions.end() ? found->second : std::string(label);
    }
    bool Visible(std::string_view label) const override { return shown.count(std::string(label)) > 0; }

    std::map<std::string, std::string> captions;
    std::set<std::string> shown;
};

// A paper wide and tall enough for the layout as it stands; Letter, on which it does not fit.
const PrinterPage kWide{12.5, 16, 12.0, 15.5};
const PrinterPage kLetter{8.5, 11, 8.0, 10.5};

struct Page {
    std::vector<DrawCall> texts;

    std::vector<std::string> Texts() const {
        std::vector<std::string> all;
        for (const DrawCall& call : texts) all.push_back(call.text);
        return all;
    }
    const DrawCall& Of(const std::string& text) const {
        for (const DrawCall& call : texts)
            if (call.text == text) return call;
        throw std::runtime_error("not printed: " + text);
    }
    bool Has(const std::string& text) const {
        return std::any_of(texts.begin(), texts.end(), [&](const DrawCall& c) { return c.text == text; });
    }
    int X(const std::string& text) const { return Of(text).points[0].x; }
    int Y(const std::string& text) const { return Of(text).points[0].y; }
    // The texts after `first`, up to the end.
    std::vector<std::string> From(const std::string& first) const {
        const std::vector<std::string> all = Texts();
        return {std::find(all.begin(), all.end(), first), all.end()};
    }
};

Page Draw(int family, const PageRequest& request, const NamedLabels& labels, double scale = 1.0,
          const PrinterPage& printer = kWide) {
    gui::RecordingTarget target(int(std::lround(printer.printableWidthInches * kDpi * scale)),
                                int(std::lround(printer.printableHeightInches * kDpi * scale)), kDpi);
    target.SetScaleMode(gui::kScaleInches);
    PrintPage(family, target, scale, printer, request, labels);
    return {target.Recording().CallsOf(DrawCall::Kind::Text)};
}

PageRequest Customer(bool showAll) {
    return {"Acme Hydraulics", "1 Mill Lane", "J. Smith", "Q-17", "Ann", vb::DateSerial(2004, 2, 29), showAll};
}

const std::string kBased = "Based on the information provided, we recommend the following heat exchanger:";
const std::string kFooter = "Prices & delivery subject to confirmation upon order placement.        E.& O.E.";

}  // namespace

TEST(QuotationPage, WithoutASelectedCoolerTheAirPageEndsAfterTheRecommendationLine) {
    const Page page = Draw(kAirPage, Customer(false), {});
    const std::vector<std::string> expected = {
        "QUELLMAR HEAT EXCHANGER - KORVELANE",
        "Company:", "Acme Hydraulics", "Address:", "1 Mill Lane", "Attention:", "J. Smith", "Reference:", "Q-17",
        "Date:", "29/2/2004", "Sized by:", "Ann",
        "AIR-COOLED HEAT EXCHANGER SELECTION PARAMETERS",
        "Product Range", "lblProductRange", "Application/Motor Type", "lblMotorType",
        "Desired inlet oil temp.", "lblDesiredInletC", "lblDesiredInletF", "Ambient air temp.", "lblAirTempC",
        "lblAirTempF", "ETD", "lblETDC", "lblETDF", "Heat load", "lblHeatkW", "lblHeatBtuMin", "lblHeatKjH",
        "lblHeatKcalH", "lblHeatHP", "Heat transfer required", "lblHeatTransferKwC", "lblHeatTransferBtuF",
        "Oil flow", "lblOilFlowL", "lblOilFlowIG", "lblOilFlowUSG", "lblOilFlowCI", "Oil type", "lblViscosity",
        "Viscosity estimate", "lblCst", "lblSUS", kBased, kFooter};
    EXPECT_EQ(page.Texts(), expected);
    // One blank line between the recommendation line and the footer: 2.35 lines apart.
    EXPECT_NEAR(page.Y(kFooter) - page.Y(kBased), 2.35 * kLine, 1);
    // Rows stand 1.35 lines apart; the heading is bold, values regular, all at 12 points.
    EXPECT_NEAR(page.Y("Address:") - page.Y("Company:"), 1.35 * kLine, 1);
    EXPECT_EQ(page.Of("Company:").font.weight, 700);
    EXPECT_EQ(page.Of("Acme Hydraulics").font.weight, 400);
    EXPECT_EQ(page.Of("Company:").font.face, "Times New Roman");
    EXPECT_DOUBLE_EQ(page.Of("Company:").font.pixelHeight, 100);
    EXPECT_EQ(page.Of(kFooter).font.weight, 700);
}

TEST(QuotationPage, MarginComesFromThePrinterAndColumnsFromTheMeasures) {
    const Page page = Draw(kAirPage, Customer(false), {});
    // (12.5 - 12.0) / 2 = 0.25 inch left of every row.
    EXPECT_EQ(page.X("Company:"), 150);
    EXPECT_EQ(page.X("AIR-COOLED HEAT EXCHANGER SELECTION PARAMETERS"), 150);
    // The heading is centred on the printable width, then moved right by the margin.
    EXPECT_NEAR(page.X("QUELLMAR HEAT EXCHANGER - KORVELANE"), 150 + (12.0 * kDpi - 35 * kChar) / 2, 1);
    EXPECT_NEAR(page.Y("QUELLMAR HEAT EXCHANGER - KORVELANE"), 0.5 * kDpi + 0.8 * kLine, 1);
    // Customer values after "Reference:" and half an inch; parameter values after "Ambient air
    // temperature" and a tenth, then every "1250 kW/1C ETD" and a tenth.
    EXPECT_NEAR(page.X("Acme Hydraulics"), 150 + 10 * kChar + 0.5 * kDpi, 1);
    const double v1 = 150 + 23 * kChar + 0.1 * kDpi;
    const double step = 14 * kChar + 0.1 * kDpi;
    EXPECT_NEAR(page.X("lblHeatkW"), v1, 1);
    EXPECT_NEAR(page.X("lblHeatHP"), v1 + 4 * step, 1);
    EXPECT_EQ(page.Y("lblHeatHP"), page.Y("Heat load"));

    // A printer without unprintable margins: rows start at the edge.
    const Page edge = Draw(kAirPage, Customer(false), {}, 1.0, {12.5, 16, 12.5, 16});
    EXPECT_EQ(edge.X("Company:"), 0);
    // In a preview at 0.6 the margin is 0.15 inch of the picture.
    const Page preview = Draw(kAirPage, Customer(false), {}, 0.6);
    EXPECT_EQ(preview.X("Company:"), 90);
}

TEST(QuotationPage, PreviewPositionsAndSizesScaleWithThePreviewScale) {
    NamedLabels labels;
    labels.shown = {"lblSpecial"};
    for (const int family : {kAirPage, kMobilePage, kWaterPage}) {
        const Page print = Draw(family, Customer(true), labels, 1.0);
        const Page preview = Draw(family, Customer(true), labels, 0.5);
        ASSERT_EQ(preview.Texts(), print.Texts());
        for (std::size_t i = 0; i < print.texts.size(); ++i) {
            EXPECT_NEAR(preview.texts[i].points[0].x, print.texts[i].points[0].x * 0.5, 1.5) << print.texts[i].text;
            EXPECT_NEAR(preview.texts[i].points[0].y, print.texts[i].points[0].y * 0.5, 1.5) << print.texts[i].text;
            EXPECT_DOUBLE_EQ(preview.texts[i].font.pixelHeight, print.texts[i].font.pixelHeight * 0.5);
        }
    }
}

// On a paper too narrow for the layout the page starts at the same left edge and top (0.25 and
// 0.5 inch) and its fonts and distances are drawn smaller, no smaller than the layout needs: the
// heat load's last column, with the room of "1250 kW/1C ETD", ends at the printable edge. The
// preview of that paper shows the same page.
TEST(QuotationPage, NarrowPaperDrawsTheLayoutSmallerUntilEveryTextFits) {
    NamedLabels labels;
    labels.shown = {"lblSpecial"};
    labels.captions["lblSpecial"] = "Oil flow exceeds the model's maximum";
    for (const int family : {kAirPage, kMobilePage, kWaterPage}) {
        const Page wide = Draw(family, Customer(true), labels, 1.0, kWide);
        const Page letter = Draw(family, Customer(true), labels, 1.0, kLetter);
        ASSERT_EQ(letter.Texts(), wide.Texts());
        const double factor = letter.texts[0].font.pixelHeight / wide.texts[0].font.pixelHeight;
        EXPECT_LT(factor, 1) << family;
        // The heading stays centred on the printable width.
        const DrawCall& heading = letter.texts[0];
        EXPECT_NEAR(heading.points[0].x, 150 + (8.0 * kDpi - 35 * 0.625 * heading.font.pixelHeight) / 2, 1);
        double right = 0, bottom = 0;
        for (std::size_t i = 0; i < letter.texts.size(); ++i) {
            const DrawCall& text = letter.texts[i];
            const DrawCall& before = wide.texts[i];
            EXPECT_DOUBLE_EQ(text.font.pixelHeight, before.font.pixelHeight * factor) << text.text;
            if (i > 0) {
                EXPECT_NEAR(text.points[0].x, 150 + (before.points[0].x - 150) * factor, 1.5) << text.text;
            }
            EXPECT_NEAR(text.points[0].y, 300 + (before.points[0].y - 300) * factor, 1.5) << text.text;
            // The baseline is 0.8 of a line of 1.25 em below the text's top.
            right = std::max(right, text.points[0].x + double(text.text.size()) * 0.625 * text.font.pixelHeight);
            bottom = std::max(bottom, text.points[0].y + 0.2 * 1.25 * text.font.pixelHeight);
        }
        EXPECT_LE(right, 8.0 * kDpi + 1) << family;
        EXPECT_LE(bottom, 10.5 * kDpi + 1) << family;
        const DrawCall& lastColumn = letter.Of("lblHeatHP");
        const double layoutRight = lastColumn.points[0].x + 14 * 0.625 * lastColumn.font.pixelHeight;
        EXPECT_NEAR(layoutRight, 8.0 * kDpi, 0.01 * 8.0 * kDpi) << "no smaller than it must be";

        const Page preview = Draw(family, Customer(true), labels, 0.5, kLetter);
        ASSERT_EQ(preview.Texts(), letter.Texts());
        for (std::size_t i = 0; i < letter.texts.size(); ++i) {
            EXPECT_NEAR(preview.texts[i].points[0].x, letter.texts[i].points[0].x * 0.5, 1.5) << letter.texts[i].text;
            EXPECT_NEAR(preview.texts[i].font.pixelHeight, letter.texts[i].font.pixelHeight * 0.5, 0.01);
        }
    }
}

// What the customer typed and what the document shows never change the page: a company name of
// 200 characters, and a description as long, are cut at the printable area's right edge, whole
// characters only, and every other text keeps its place and size, on the printer as in the
// preview and on paper that fits the layout as on paper that does not.
TEST(QuotationPage, LongCompanyNameIsCutAtTheEdgeAndMovesOrShrinksNothingElse) {
    PageRequest longCompany = Customer(true);
    for (int i = 0; longCompany.company.size() < 200; ++i) longCompany.company += i % 2 ? "Société " : "Hydraulik ";
    longCompany.company.resize(200);
    NamedLabels longDescription;
    longDescription.captions["lblDescription"] = std::string(200, 'D');
    for (const int family : {kAirPage, kMobilePage, kWaterPage}) {
        for (const auto& [printer, scale] : {std::pair{kWide, 1.0}, std::pair{kLetter, 1.0}, std::pair{kLetter, 0.5}}) {
            const Page plain = Draw(family, Customer(true), {}, scale, printer);
            const Page longer = Draw(family, longCompany, longDescription, scale, printer);
            ASSERT_EQ(longer.texts.size(), plain.texts.size());
            const double edge = printer.printableWidthInches * kDpi * scale;
            for (std::size_t i = 0; i < plain.texts.size(); ++i) {
                const DrawCall& before = plain.texts[i];
                const DrawCall& after = longer.texts[i];
                EXPECT_EQ(after.points[0], before.points[0]) << before.text;
                EXPECT_DOUBLE_EQ(after.font.pixelHeight, before.font.pixelHeight) << before.text;
                if (before.text != "Acme Hydraulics" && before.text != "lblDescription") {
                    EXPECT_EQ(after.text, before.text);
                    continue;
                }
                const std::string& whole =
                    before.text == "Acme Hydraulics" ? longCompany.company : longDescription.captions["lblDescription"];
                // One character is half a cell, 0.625 em; "é" is two bytes of one character.
                const auto width = [&](const std::string& text) {
                    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
                        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                    });
                    return double(characters) * 0.625 * after.font.pixelHeight;
                };
                ASSERT_LT(after.text.size(), whole.size()) << family;
                EXPECT_EQ(whole.compare(0, after.text.size(), after.text), 0) << after.text;
                EXPECT_LE(after.points[0].x + width(after.text), edge + 1) << after.text;
                std::size_t next = after.text.size() + 1;
                while (next < whole.size() && (static_cast<unsigned char>(whole[next]) & 0xC0) == 0x80) ++next;
                EXPECT_GT(after.points[0].x + width(whole.substr(0, next)), edge - 1) << "cut no shorter than it must be";
            }
        }
    }
}

// A text is cut after the last whole character that fits, whichever bytes the characters before the
// edge take: here one byte and two in turn, on papers wide enough for the layout at its full size.
TEST(QuotationPage, LongCompanyNameKeepsEveryWholeCharacterThatFitsBeforeTheEdge) {
    PageRequest request = Customer(true);
    request.company = "x";
    while (request.company.size() < 300) request.company += "a\u00e9";
    const auto characters = [](std::string_view text) {
        return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    for (int hundredths = 900; hundredths <= 1200; hundredths += 5) {
        const double width = hundredths / 100.0;
        const PrinterPage printer{width + 0.5, 11, width, 10.5};
        const Page page = Draw(kAirPage, request, {}, 1.0, printer);
        const auto company = std::find_if(page.texts.begin(), page.texts.end(), [&](const DrawCall& call) {
            return request.company.starts_with(call.text) && !call.text.empty();
        });
        ASSERT_NE(company, page.texts.end());
        const double edge = printer.printableWidthInches * kDpi;
        const double character = 0.625 * company->font.pixelHeight;  // half a cell, as the recording surface measures
        const double end = company->points[0].x + double(characters(company->text)) * character;
        EXPECT_LE(end, edge + 1) << width << " in";
        EXPECT_GT(end + character, edge - 1) << width << " in: one more character would have fit";
    }
}

TEST(QuotationPage, DatesUpToTheFirstOf1990PrintAsToday) {
    const vb::DateValue today = vb::DateSerial(2024, 6, 3);
    EXPECT_EQ(PrintedDate(0, today), today);
    EXPECT_EQ(PrintedDate(vb::DateSerial(1990, 1, 1), today), today);
    EXPECT_EQ(vb::DateSerial(1990, 1, 1), 32874);
    EXPECT_EQ(PrintedDate(vb::DateSerial(1990, 1, 2), today), vb::DateSerial(1990, 1, 2));

    PageRequest request = Customer(false);
    request.quoteDate = 32874;
    EXPECT_EQ(Draw(kAirPage, request, {}).From("Date:")[1], vb::FormatDate(vb::Today(), vb::DateLayout::DayMonth));
    request.quoteDate = 32875;
    EXPECT_EQ(Draw(kAirPage, request, {}).From("Date:")[1], "2/1/1990");
}

TEST(QuotationPage, AirRecommendationWithAndWithoutTheOilFlowWarning) {
    NamedLabels labels;
    const Page page = Draw(kAirPage, Customer(true), labels);
    const std::vector<std::string> expected = {
        kBased, "Model", "Part Number", "Sales Leaflet", "Weight", "lblModel", "lblPartNo", "lblLeaflet",
        "lblWeight", "Description:", "lblDescription", "Maximum oil flow:", "lblMaxOilFlow", "Heat Transfer Rating",
        "Pressure Drop", "Maximum Ambient Temp.", "%HT Margin", "lblHTRating", "lblPressureDrop", "lblMaxAmbient",
        "lblHTMargin", "Inlet oil temp", "lblOilTempC", "lblOilTempF", "Exit oil temp", "lblExitOilTemp",
        "lblExitOilTempF", "Average oil temp", "lblAvgOilTemp", "lblAvgOilTempF", "Viscosity @ av temp",
        "lblAvgViscosity", "lblAvgViscositySUS", kFooter};
    EXPECT_EQ(page.From(kBased), expected);
    // Result columns: "Ambient air temperature" in bold, "Maximum Ambient" and "Maximum Ambient
    // Temperature" in regular.
    const double c2 = 150 + 23 * kChar, c3 = c2 + 15 * kChar, c4 = c3 + 27 * kChar;
    EXPECT_EQ(page.X("Model"), 150);
    EXPECT_NEAR(page.X("Part Number"), c2, 1);
    EXPECT_NEAR(page.X("lblLeaflet"), c3, 1);
    EXPECT_NEAR(page.X("%HT Margin"), c4, 1);
    EXPECT_NEAR(page.X("lblOilTempF"), c3, 1);
    // A hidden warning takes no space.
    EXPECT_NEAR(page.Y("Inlet oil temp") - page.Y("lblHTRating"), 1.35 * kLine, 1);

    labels.shown = {"lblSpecial"};
    labels.captions["lblSpecial"] = "Oil flow exceeds the model's maximum";
    const Page warned = Draw(kAirPage, Customer(true), labels);
    const DrawCall& warning = warned.Of("Oil flow exceeds the model's maximum");
    EXPECT_EQ(warning.colour, 255u);
    EXPECT_EQ(warning.font.weight, 400);
    EXPECT_EQ(warning.points[0].x, 150);
    EXPECT_NEAR(warned.Y("Inlet oil temp") - warned.Y("lblHTRating"), 2 * 1.35 * kLine, 1);
    EXPECT_EQ(warned.Of("Inlet oil temp").colour, 0u);
}

TEST(QuotationPage, MobilePageHasTheFaceVelocityAndNoRangeOrMotor) {
    const Page page = Draw(kMobilePage, Customer(false), {});
    EXPECT_TRUE(page.Has("MOBILE HEAT EXCHANGER SELECTION PARAMETERS"));
    EXPECT_FALSE(page.Has("Product Range"));
    EXPECT_FALSE(page.Has("Application/Motor Type"));
    const std::vector<std::string> end = {"Viscosity estimate", "lblCst", "lblSUS", "Average Face Velocity",
                                          "lblAirFaceV", kBased, kFooter};
    EXPECT_EQ(page.From("Viscosity estimate"), end);
    EXPECT_EQ(page.From("MOBILE HEAT EXCHANGER SELECTION PARAMETERS")[1], "Desired inlet oil temp.");
    // Its recommendation is the air-cooled one.
    const Page selected = Draw(kMobilePage, Customer(true), {});
    EXPECT_EQ(selected.From(kBased), Draw(kAirPage, Customer(true), {}).From(kBased));
}

TEST(QuotationPage, WaterPageHasItsOwnRowsColumnsAndViscosityWarning) {
    NamedLabels labels;
    const Page page = Draw(kWaterPage, Customer(true), labels);
    const std::vector<std::string> parameters = {"WATER-COOLED HEAT EXCHANGER SELECTION PARAMETERS",
                                                 "Application Series", "lblProductRange",
                                                 "Desired inlet oil temp.", "lblOilTempC", "lblOilTempF",
                                                 "Inlet water temp.", "lblWaterTempC", "lblWaterTempF", "ETD"};
    const std::vector<std::string> from = page.From(parameters[0]);
    EXPECT_EQ(std::vector<std::string>(from.begin(), from.begin() + long(parameters.size())), parameters);
    const std::vector<std::string> water = {"Available water flow", "lblWaterFlowL", "lblWaterFlowIG",
                                            "lblWaterFlowUSG", "lblWaterFlowCI", "Oil type"};
    const std::vector<std::string> afterOil = page.From("Available water flow");
    EXPECT_EQ(std::vector<std::string>(afterOil.begin(), afterOil.begin() + 6), water);
    const std::vector<std::string> expected = {
        kBased, "Model", "Part Number", "Sales Leaflet", "Weight", "lblModel", "lblPartNo", "lblLeaflet",
        "lblWeight", "Description:", "lblDescription", "Max Oil Flow", "Max Oil Side Pressure", "Max Water Flow.",
        "Max Water Side Pressure", "lblMaxOilFlow", "lblMaxOilSidePressure", "lblMaxWaterFlow",
        "lblMaxWaterSidePressure", "Heat Transfer Rating", "Pressure Drop", "Available ETD", "%HT Margin",
        "lblHTRating", "lblPressureDrop", "lblAvailableETD", "lblHTMargin", "Inlet oil temp", "lblInletOilTempC",
        "lblInletOilTempF", "Exit oil temp", "lblExitOilTemp", "lblExitOilTempF", "Average oil temp",
        "lblAvgOilTemp", "lblAvgOilTempF", "Viscosity @ av temp", "lblAvgViscosity", "lblAvgViscositySUS",
        "Exit water temperature", "lblExitWaterTemp", "lblExitWaterTempF", kFooter};
    EXPECT_EQ(page.From(kBased), expected);
    // The second values stand at "Maximum Ambient Temper"; the fourth column is the air page's.
    const double c2 = 150 + 23 * kChar;
    EXPECT_NEAR(page.X("lblInletOilTempF"), c2 + 22 * kChar, 1);
    EXPECT_NEAR(page.X("Sales Leaflet"), c2 + 22 * kChar, 1);
    EXPECT_NEAR(page.X("%HT Margin"), c2 + 15 * kChar + 27 * kChar, 1);

    // The viscosity warning stands in red right under the second table's captions, then the footer.
    labels.shown = {"lblViscosityHigh", "lblSpecial"};
    labels.captions["lblViscosityHigh"] = "Viscosity too high for this model.\r\nConsult the sales office.";
    const Page warned = Draw(kWaterPage, Customer(true), labels);
    const std::vector<std::string> end = {"%HT Margin", "Viscosity too high for this model.",
                                          "Consult the sales office.", kFooter};
    EXPECT_EQ(warned.From("%HT Margin"), end);
    EXPECT_EQ(warned.Of("Consult the sales office.").colour, 255u);
    EXPECT_EQ(warned.Of("Viscosity too high for this model.").points[0].x, 150);
    EXPECT_EQ(warned.Of(kFooter).colour, 0u);
    EXPECT_NEAR(warned.Y(kFooter) - warned.Y("Consult the sales office."), 2.35 * kLine, 1);

    // A caption without a line break prints what it has.
    labels.captions["lblViscosityHigh"] = "Viscosity too high.";
    const std::vector<std::string> single = {"%HT Margin", "Viscosity too high.", kFooter};
    EXPECT_EQ(Draw(kWaterPage, Customer(true), labels).From("%HT Margin"), single);
}

TEST(QuotationPage, UnknownFamilyDrawsNothing) {
    EXPECT_TRUE(Draw(4, Customer(true), {}).texts.empty());
    EXPECT_TRUE(Draw(0, Customer(true), {}).texts.empty());
}
