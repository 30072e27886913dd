#include "control_fixture.h"

#include "gui/printer_object.h"
#include "small_disk.h"

#include <QImage>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace tiraq::test {
namespace {

// The text a command prints.
std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// Prints on the process printer into a PDF file of the test's folder, and puts the printer back.
class PlotTest : public ControlTest {
protected:
    PlotTest() {
        QPrinter& printer = gui::ProcessPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(Pdf().string()));
        gui::Printer().SetOrientation(gui::PrinterObject::kPortrait);
    }
    ~PlotTest() override {
        gui::Printer().SetOrientation(gui::PrinterObject::kPortrait);
        gui::ProcessPrinter().setOutputFileName(QString());
    }
    std::filesystem::path Pdf() const { return folder / "plot.pdf"; }
    std::string Info() { return Output("pdfinfo '" + Pdf().string() + "'"); }
    int Pages() {
        const std::string info = Info();
        const auto at = info.find("Pages:");
        return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
    }
};

TEST_F(PlotTest, TheDrawingWindowsPrintIsOneLandscapePageWithTheDrawing) {
    Load();
    ASSERT_TRUE(dxf->Plot(dxfCurrentView, std::string(), std::int16_t{2}, {}, {}, {}));
    ASSERT_TRUE(std::filesystem::exists(Pdf()));
    const std::string info = Info();
    EXPECT_EQ(Pages(), 1) << info;
    double width = 0, height = 0;
    const auto at = info.find("Page size:");
    ASSERT_NE(at, std::string::npos);
    std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &width, &height);
    EXPECT_GT(width, height) << "landscape";
    EXPECT_NE(Output("pdftotext '" + Pdf().string() + "' -").find("PUMP"), std::string::npos);

    const auto png = folder / "page";
    Output("pdftoppm -r 30 -png -singlefile '" + Pdf().string() + "' '" + png.string() + "'");
    const QImage page(QString::fromStdString(png.string() + ".png"));
    ASSERT_FALSE(page.isNull());
    int red = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 100 && c.blue() < 100) ++red;
        }
    EXPECT_GT(red, 100) << "the red frame and diagonal are on the page";
    EXPECT_EQ(gui::Printer().Orientation(), gui::PrinterObject::kLandscape) << "the setting stays";
    EXPECT_TRUE(ViewNear(View(), kExtents)) << "the screen's view is kept";
    EXPECT_EQ(Shown(200, 150), kRed) << "and shown again";
}

TEST_F(PlotTest, AnUnknownPrinterAndMissingSettingsKeepTheCurrentPrinter) {
    Load();
    dxf->DXFZoom(0, 150, 200, 0);
    ASSERT_TRUE(dxf->Plot(dxfExtents, std::string("No such printer"), std::int16_t{0}, {}, {}, {}));
    EXPECT_EQ(gui::Printer().Orientation(), gui::PrinterObject::kPortrait);
    EXPECT_EQ(Pages(), 1);
}

TEST_F(PlotTest, AnEmptyDrawingPrintsNothingAndThePlotStillSucceeds) {
    DxfBuilder empty;
    empty.Section("ENTITIES").EndSection();
    Load(empty.Text());
    EXPECT_TRUE(dxf->Plot(dxfCurrentView, {}, {}, {}, {}, {}));
    EXPECT_FALSE(std::filesystem::exists(Pdf()));
}

// A print raises ZoomComplete for the screen's redraw and for the print; one that fails raises
// none, though the drawing comes back on screen, and its error names no program's menu.
TEST_F(PlotTest, AFailedPlotRedrawsTheDrawingWithNoZoomComplete) {
    Load();
    int before = sink->zoomCompletes;
    ASSERT_TRUE(dxf->Plot(dxfCurrentView, {}, {}, {}, {}, {}));
    EXPECT_EQ(sink->zoomCompletes, before + 2);

    gui::ProcessPrinter().setOutputFileName(QString());
    before = sink->zoomCompletes;
    try {
        dxf->Plot(dxfCurrentView, {}, {}, {}, {}, {});
        FAIL() << "printed without a printer or file";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        EXPECT_EQ(e.Description(), "Printer error: no printer or file to print to is chosen.\r\n ->  Zoom.\r\n ->  Plot.");
    }
    EXPECT_EQ(sink->zoomCompletes, before);
    EXPECT_EQ(Shown(200, 150), kRed) << "the drawing is shown again";
    EXPECT_TRUE(ViewNear(View(), kExtents));
}

// A file with no room for the whole print: the plot fails through the chain with the system's
// reason, the file that stood there and the drawing on screen stay, and nothing is left beside.
// So too where the drawing pass ends early, its extents having no width or no scale it can draw at.
TEST_F(PlotTest, PrintToFileFailureSaysWhyAndKeepsTheOldFile) {
    const auto lineDrawing = [](std::string_view x2, std::string_view y2) {
        DxfBuilder b;
        b.Section("ENTITIES").Line("200", "0", x2, y2).EndSection();
        return b.Text();
    };
    const struct {
        const char* what;
        std::string drawing;
        PlotSizeEnum size;
    } drawings[] = {
        {"a drawing", FrameDrawing(), dxfCurrentView},
        {"one vertical line, extents of no width", lineDrawing("200", "300"), dxfExtents},
        {"extents too small to scale", lineDrawing("200.00001", "0.00001"), dxfExtents},
    };
    const auto out = folder / "out";
    std::filesystem::create_directory(out);
    const std::string pdf = (out / "plot.pdf").string();
    for (const auto& drawing : drawings) {
        Load(drawing.drawing);
        gui::ProcessPrinter().setOutputFileName(QString::fromStdString(pdf));
        const std::uint32_t shown = Shown(200, 150);
        for (const quellmar::test::NoRoom& room : quellmar::test::kNoRoom) {
            SCOPED_TRACE(std::string(drawing.what) + " on " + room.name);
            const auto failing = [&] {
                std::string said = "no error";
                try {
                    dxf->Plot(drawing.size, {}, {}, {}, {}, {});
                } catch (const vb::RuntimeError& e) {
                    said = e.Description();
                }
                const std::string expected = "Printer error: the file \"" + pdf + "\" cannot be written.\r\n" +
                                             room.reason + "\r\n ->  Zoom.\r\n ->  Plot.";
                std::string wrong = said == expected ? "" : "said \"" + said + "\"\n";
                if (Shown(200, 150) != shown) wrong += "the drawing is not shown again\n";
                if (gui::ProcessPrinter().outputFileName().toStdString() != pdf) wrong += "the printer lost its file\n";
                return wrong;
            };
            quellmar::test::ExpectNoRoomChangesNothing(room, pdf, failing);
        }
    }
}

// On paper the extents stand inside a margin: the frame on them prints all four sides.
TEST_F(PlotTest, ExtentsEdgesAllHaveInkOnPaper) {
    Load();
    ASSERT_TRUE(dxf->Plot(dxfExtents, std::string(), std::int16_t{2}, {}, {}, {}));
    const auto png = folder / "page";
    Output("pdftoppm -r 40 -aa no -aaVector no -png -singlefile '" + Pdf().string() + "' '" + png.string() + "'");
    const QImage page(QString::fromStdString(png.string() + ".png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(InkOnAllFourSides(page, [](QRgb pixel) {
        const QColor c(pixel);
        return c.red() > 150 && c.green() < 100 && c.blue() < 100;
    }));
}

TEST_F(PlotTest, APrinterThatRefusesASettingEndsInTheChain) {
    Load();
    try {
        dxf->Plot(dxfCurrentView, {}, std::int16_t{7}, {}, {}, {});
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        EXPECT_EQ(e.Description(), "Invalid property value\r\n ->  Plot.");
    }
}

}  // namespace
}  // namespace tiraq::test
