#include "drawing_window_fixture.h"

#include "gui/child_frame.h"
#include "gui/printer_object.h"
#include "picture_ink.h"

#include <QLabel>
#include <QPrinter>

#include <cstdio>

namespace quellmar::maintenance::test {
namespace {

constexpr Rect kExtents{0, 300, 400, 0};

bool Near(const Rect& a, const Rect& b) {
    const auto near = [](float x, float y) { return std::fabs(x - y) < 0.01f; };
    return near(a.Left, b.Left) && near(a.Top, b.Top) && near(a.Right, b.Right) && near(a.Bottom, b.Bottom);
}

// Drags with the left button over the control, as a user does.
void Drag(gui::PictureBox& surface, QPoint from, QPoint to) {
    QTest::mousePress(&surface, Qt::LeftButton, {}, from);
    QTest::mouseMove(&surface, (from + to) / 2);
    QTest::mouseMove(&surface, to);
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, to);
}

QPoint PixelOf(frmDXF& form, float x, float y) { return {form.DXF1().CvtX(x), form.DXF1().CvtY(y)}; }

TEST_F(DrawingWindowTest, OpensOnTheWholeDrawingAndLeavesNoFileBehind) {
    frmDXF* form = Open();
    ASSERT_TRUE(form);
    EXPECT_EQ(gui::FormName(form), "frmDXF");
    EXPECT_EQ(form->windowTitle(), "OV 80 AC");
    EXPECT_TRUE(Near(View(*form), kExtents));
    EXPECT_EQ(TemporaryFilesLeft(), 0);
    EXPECT_EQ(form->DXF1().ZoomFunction(), tiraq::dxfWindow);
    EXPECT_TRUE(form->DXF1().Enabled());
    EXPECT_TRUE(dialogs->Messages().empty());
    const QMdiSubWindow* frame = area->currentSubWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->height(), area->viewport()->height()) << "as high as the main window's client area";
    EXPECT_EQ(frame->width(), int(std::lround(frame->height() * 1.2)));
    EXPECT_EQ(frame->y(), 0);
    EXPECT_GT(form->DXF1Window()->y(), form->findChild<QWidget*>("Label1")->y()) << "the label above the drawing";
}

// The drawing's frame lies on its extents: the window shows all four sides of it, the control
// standing wholly inside the window.
TEST_F(DrawingWindowTest, ExtentsEdgesAllShowInTheWindow) {
    frmDXF* form = Open(SmallDrawing(), "Frame");
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->rect().contains(form->DXF1Window()->geometry()));
    const QImage shown = form->grab().toImage();
    const gui::Colour red = gui::FromQRgb(Surface(*form).Image().pixel(PixelOf(*form, 200, 150)));
    EXPECT_TRUE(InkOnAllFourSides(shown, [&](QRgb pixel) { return gui::FromQRgb(pixel) == red; }));
}

TEST_F(DrawingWindowTest, TwoOpensGiveTwoWindowsThatCloseWithoutLeavingFiles) {
    frmDXF* first = Open(SmallDrawing(), "First");
    frmDXF* second = Open(SmallDrawing(), "Second");
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_NE(&first->DXF1(), &second->DXF1());
    EXPECT_EQ(area->subWindowList().size(), 2);
    Drag(Surface(*second), PixelOf(*second, 100, 200), PixelOf(*second, 200, 100));
    EXPECT_TRUE(Near(View(*first), kExtents)) << "each window has its own view";
    area->closeAllSubWindows();
    QCoreApplication::processEvents();
    EXPECT_TRUE(area->subWindowList().empty());
    EXPECT_EQ(TemporaryFilesLeft(), 0);
}

TEST_F(DrawingWindowTest, OpensInsideTheVisibleAreaBesideAnotherWindowAndMaximisedBesideAMaximisedOne) {
    auto* other = new QLabel("A document");
    other->resize(400, 300);
    gui::ShowMdiChild(other);
    frmDXF* form = Open(SmallDrawing(), "Beside");
    ASSERT_TRUE(form);
    const QMdiSubWindow* frame = gui::ChildFrame(*form);
    EXPECT_TRUE(QRect(QPoint(0, 0), area->viewport()->size()).contains(frame->geometry()));
    EXPECT_EQ(frame->height(), area->viewport()->height());

    gui::ChildFrame(*other)->showMaximized();
    frmDXF* maximised = Open(SmallDrawing(), "Maximised");
    ASSERT_TRUE(maximised);
    EXPECT_TRUE(gui::ChildFrame(*maximised)->isMaximized());
    gui::ChildFrame(*maximised)->showNormal();
    EXPECT_EQ(gui::ChildFrame(*maximised)->size(), frame->size());
}

TEST_F(DrawingWindowTest, ADragZoomsIntoTheBandAndTheViewBeforeComesBack) {
    frmDXF* form = Open();
    Drag(Surface(*form), PixelOf(*form, 100, 200), PixelOf(*form, 300, 100));
    const Rect zoomed = View(*form);
    EXPECT_NEAR(zoomed.Left, 100, 2);
    EXPECT_NEAR(zoomed.Right, 300, 2);
    EXPECT_NEAR(zoomed.Top, 200, 2);
    EXPECT_NEAR(zoomed.Bottom, 100, 2);
    EXPECT_TRUE(dialogs->Messages().empty());
    form->DXF1().ZoomPrevious();
    EXPECT_TRUE(Near(View(*form), kExtents));
}

TEST_F(DrawingWindowTest, ATinyDragSaysSoAndKeepsTheView) {
    frmDXF* form = Open();
    const QPoint at = PixelOf(*form, 150, 150);
    Drag(Surface(*form), at, at + QPoint(2, 2));
    ASSERT_EQ(dialogs->MessageTexts().size(), 1u);
    EXPECT_EQ(dialogs->MessageTexts()[0], "Rectangle selected is too small - please select a larger window");
    EXPECT_TRUE(Near(View(*form), kExtents));
}

TEST_F(DrawingWindowTest, ASingleClickDoesNothing) {
    frmDXF* form = Open();
    QTest::mouseClick(&Surface(*form), Qt::LeftButton, {}, PixelOf(*form, 150, 150));
    EXPECT_TRUE(dialogs->MessageTexts().empty());
    EXPECT_TRUE(Near(View(*form), kExtents));
}

TEST_F(DrawingWindowTest, ARightClickInTheMiddleOfADragShowsTheWholeDrawing) {
    frmDXF* form = Open();
    gui::PictureBox& surface = Surface(*form);
    form->DXF1().DXFZoom(0, 150, 200, 0);
    const QPoint from = PixelOf(*form, 20, 20), to = PixelOf(*form, 150, 120);
    QTest::mousePress(&surface, Qt::LeftButton, {}, from);
    QTest::mouseMove(&surface, to);
    EXPECT_NE(surface.ScreenImage(), surface.Image()) << "the band is up";
    QTest::mousePress(&surface, Qt::RightButton, {}, to);
    EXPECT_TRUE(Near(View(*form), kExtents));
    EXPECT_EQ(surface.ScreenImage(), surface.Image()) << "no band after the right click";
    QTest::mouseMove(&surface, to + QPoint(30, 30));
    EXPECT_EQ(surface.ScreenImage(), surface.Image()) << "the drag is over";
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, to + QPoint(30, 30));
    QTest::mouseRelease(&surface, Qt::RightButton, {}, to + QPoint(30, 30));
    EXPECT_TRUE(Near(View(*form), kExtents));
    EXPECT_TRUE(dialogs->Messages().empty());
}

TEST_F(DrawingWindowTest, MovingOverTheDrawingBeforeAnyPressDoesNothing) {
    frmDXF* form = Open();
    gui::PictureBox& surface = Surface(*form);
    QTest::mouseMove(&surface, QPoint(50, 50));
    QTest::mouseMove(&surface, QPoint(150, 120));
    EXPECT_EQ(surface.ScreenImage(), surface.Image());
    EXPECT_TRUE(Near(View(*form), kExtents));
}

TEST_F(DrawingWindowTest, ClosingErasesTheDrawing) {
    frmDXF* form = Open();
    gui::PictureBox& surface = Surface(*form);
    const QPoint middle = PixelOf(*form, 200, 150);
    EXPECT_NE(gui::FromQRgb(surface.Image().pixel(middle)), 0xFFFFFFu);
    form->close();
    EXPECT_EQ(gui::FromQRgb(surface.Image().pixel(middle)), 0xFFFFFFu);
}

TEST_F(DrawingWindowTest, PrintingGivesOneLandscapePage) {
    frmDXF* form = Open();
    const auto pdf = folder / "drawing.pdf";
    QPrinter& printer = gui::ProcessPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    gui::Printer().SetOrientation(gui::PrinterObject::kPortrait);
    form->PrintDrawing();
    printer.setOutputFileName(QString());
    gui::Printer().SetOrientation(gui::PrinterObject::kPortrait);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::string info;
    if (FILE* pipe = popen(("pdfinfo '" + pdf.string() + "'").c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) info += buffer;
        pclose(pipe);
    }
    const auto pages = info.find("Pages:"), size = info.find("Page size:");
    ASSERT_NE(size, std::string::npos) << info;
    EXPECT_EQ(std::atoi(info.c_str() + pages + 6), 1);
    double width = 0, height = 0;
    std::sscanf(info.c_str() + size, "Page size: %lf x %lf", &width, &height);
    EXPECT_GT(width, height);
}

// No printer and no file chosen: the print fails with a message that says what to do, the drawing
// stays on screen, and once Print Setup has chosen a file the next print works.
TEST_F(DrawingWindowTest, PlotPrintsAfterFailedPrintOnceSetupChoosesAFile) {
    frmDXF* form = Open();
    const auto pdf = folder / "drawing.pdf";
    QPrinter& printer = gui::ProcessPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString());
    gui::PictureBox& surface = Surface(*form);
    const QPoint middle = PixelOf(*form, 200, 150);
    const gui::Colour drawn = gui::FromQRgb(surface.Image().pixel(middle));
    ASSERT_NE(drawn, 0xFFFFFFu);

    form->PrintDrawing();
    ASSERT_EQ(dialogs->MessageTexts().size(), 1u);
    EXPECT_EQ(dialogs->MessageTexts()[0], "Printer error: no printer or file to print to is chosen.\r\n ->  Zoom.\r\n "
                                          "->  Plot.\r\nChoose one in File > Print Setup, then print again.");
    EXPECT_EQ(gui::FromQRgb(surface.Image().pixel(middle)), drawn) << "the drawing is on screen again";
    EXPECT_EQ(surface.ScreenImage(), surface.Image());
    EXPECT_TRUE(Near(View(*form), kExtents));

    dialogs->QueuePrinterAnswer(true, [&](QPrinter& chosen) { chosen.setOutputFileName(QString::fromStdString(pdf.string())); });
    EXPECT_TRUE(gui::Dialogs().ShowPrinter());
    form->PrintDrawing();
    printer.setOutputFileName(QString());
    EXPECT_EQ(dialogs->MessageTexts().size(), 1u) << "no second message";
    EXPECT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(gui::FromQRgb(surface.Image().pixel(middle)), drawn);
}

TEST_F(DrawingWindowTest, ADrawingThatCannotBeReadIsReportedAndNothingEnds) {
    frmDXF* form = Open("this is no drawing", "Broken");
    ASSERT_TRUE(form);
    ASSERT_EQ(dialogs->MessageTexts().size(), 1u);
    EXPECT_TRUE(dialogs->MessageTexts()[0].contains("does not appear to be a DXF file.")) << dialogs->MessageTexts()[0].toStdString();
    EXPECT_TRUE(dialogs->MessageTexts()[0].endsWith(" ->  Regen."));
    EXPECT_EQ(TemporaryFilesLeft(), 0);
    Drag(Surface(*form), QPoint(10, 10), QPoint(100, 100));  // nothing to zoom: no harm either
    form->PrintDrawing();
}

}  // namespace
}  // namespace quellmar::maintenance::test
