// Pictures of the drawing window for reviewers: a sample drawing at its extents, the band in the
// middle of a window drag, the zoomed view, a pan, the view before it and its print. Usage:
// drawing_window_screenshots <folder>.

#include "drawing_window_fixture.h"

#include "gui/printer_object.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>

#include "vb/format.h"

#include <cmath>
#include <cstdio>

namespace {

using quellmar::maintenance::frmDXF;

// A picture that cannot be written fails the run, so that no reviewer looks at an old one.
bool failed = false;

void Save(QWidget& window, const QString& folder, const char* name) {
    QCoreApplication::processEvents();
    const QString path = folder + "/drawing_window_" + name + ".png";
    if (window.grab().save(path)) return;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    failed = true;
}

QPoint PixelOf(frmDXF& form, float x, float y) { return {form.DXF1().CvtX(x), form.DXF1().CvtY(y)}; }

// Until the models have sample drawings: a cooler front view of our own, a body with a fan,
// mounting holes, connections and a title, on three layers.
std::string ReviewDrawing() {
    std::string dxf;
    const auto group = [&](int code, const std::string& value) { dxf += std::to_string(code) + "\r\n" + value + "\r\n"; };
    const auto number = [](double v) { return vb::SingleToShortestText(float(v)); };
    const auto line = [&](const char* layer, double x1, double y1, double x2, double y2) {
        group(0, "LINE"), group(8, layer), group(10, number(x1)), group(20, number(y1)), group(11, number(x2));
        group(21, number(y2));
    };
    const auto circle = [&](const char* layer, double x, double y, double r) {
        group(0, "CIRCLE"), group(8, layer), group(10, number(x)), group(20, number(y)), group(40, number(r));
    };
    group(0, "SECTION"), group(2, "TABLES"), group(0, "TABLE"), group(2, "LAYER"), group(70, "3");
    for (const auto& [name, colour] : {std::pair{"OUTLINE", "7"}, std::pair{"FAN", "5"}, std::pair{"TEXT", "1"}}) {
        group(0, "LAYER"), group(2, name), group(70, "0"), group(62, colour), group(6, "CONTINUOUS");
    }
    group(0, "ENDTAB"), group(0, "ENDSEC"), group(0, "SECTION"), group(2, "ENTITIES");
    line("OUTLINE", 0, 0, 600, 0), line("OUTLINE", 600, 0, 600, 420), line("OUTLINE", 600, 420, 0, 420);
    line("OUTLINE", 0, 420, 0, 0);
    line("OUTLINE", 20, 20, 580, 20), line("OUTLINE", 580, 20, 580, 400), line("OUTLINE", 580, 400, 20, 400);
    line("OUTLINE", 20, 400, 20, 20);
    for (const auto& [x, y] : {std::pair{40, 40}, std::pair{560, 40}, std::pair{560, 380}, std::pair{40, 380}})
        circle("OUTLINE", x, y, 8);
    circle("FAN", 300, 210, 170), circle("FAN", 300, 210, 160), circle("FAN", 300, 210, 30);
    for (int blade = 0; blade < 8; ++blade) {
        const double a = blade * 3.14159265 / 4;
        line("FAN", 300 + 30 * std::cos(a), 210 + 30 * std::sin(a), 300 + 155 * std::cos(a + 0.3),
             210 + 155 * std::sin(a + 0.3));
    }
    for (const double y : {120.0, 300.0}) {
        line("OUTLINE", 600, y - 15, 640, y - 15), line("OUTLINE", 640, y - 15, 640, y + 15);
        line("OUTLINE", 640, y + 15, 600, y + 15);
    }
    group(0, "TEXT"), group(8, "TEXT"), group(10, "20"), group(20, "440"), group(40, "18"), group(1, "SAMPLE COOLER - FRONT VIEW");
    group(0, "ENDSEC"), group(0, "EOF");
    return dxf;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QUELLMAR_COMPONENT_REGISTRY", QUELLMAR_PROGRAM_DIR "/components.reg", 1);
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawing_window_screenshots <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    quellmar::test::TempFolder programFolder;
    vb::SetProgramFolder(programFolder.Path());
    gui::InstallDialogs(std::make_unique<gui::ScriptedDialogs>());

    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(1100, 760);
    gui::SetMdiFrame(&main, area);
    main.show();
    quellmar::maintenance::RegisterDrawingWindow();
    std::string drawing = quellmar::maintenance::test::SampleDrawing();
    if (drawing == quellmar::maintenance::test::SmallDrawing()) drawing = ReviewDrawing();
    if (!gui::OpenDrawingWindow(drawing, "Sample drawing")) return 1;
    auto* form = dynamic_cast<frmDXF*>(gui::ActiveChild());
    QWidget& frame = *area->currentSubWindow();
    auto& surface = *form->DXF1Window()->findChild<gui::PictureBox*>("picTiraq");
    Save(frame, folder, "1_extents");

    float left = 0, top = 0, right = 0, bottom = 0;
    form->DXF1().GetExtents(left, top, right, bottom);
    const float w = right - left, h = top - bottom;
    const QPoint from = PixelOf(*form, left + 0.15f * w, bottom + 0.75f * h);
    const QPoint to = PixelOf(*form, left + 0.55f * w, bottom + 0.35f * h);
    QTest::mousePress(&surface, Qt::LeftButton, {}, from);
    QTest::mouseMove(&surface, (from + to) / 2);
    QTest::mouseMove(&surface, to);
    Save(frame, folder, "2_band");
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, to);
    Save(frame, folder, "3_zoomed");

    form->DXF1().LetZoomFunction(tiraq::dxfPan);
    const QPoint start(surface.width() / 2, surface.height() / 2);
    QTest::mousePress(&surface, Qt::LeftButton, {}, start);
    QTest::mouseMove(&surface, start + QPoint(surface.width() / 5, surface.height() / 8));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, start + QPoint(surface.width() / 5, surface.height() / 8));
    Save(frame, folder, "4_pan");
    form->DXF1().ZoomPrevious();
    Save(frame, folder, "5_previous");

    // The print of that view, as the toolbar's print button makes it, and its page as a picture.
    const QString pdf = folder + "/drawing_window_6_print.pdf";
    QPrinter& printer = gui::ProcessPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    form->PrintDrawing();
    printer.setOutputFileName(QString());
    const std::string convert = "pdftoppm -r 60 -png -singlefile '" + pdf.toStdString() + "' '" +
                                (folder + "/drawing_window_6_print").toStdString() + "' 2>/dev/null";
    if (std::system(convert.c_str()) != 0) {
        std::fprintf(stderr, "no picture of the print (pdftoppm)\n");
        failed = true;
    }
    area->closeAllSubWindows();
    gui::SetMdiFrame(nullptr, nullptr);
    return failed ? 1 : 0;
}
