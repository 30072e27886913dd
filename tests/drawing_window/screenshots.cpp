// Pictures of the drawing window for reviewers: a sample drawing at its extents, the band in the
// middle of a window drag, the zoomed view, a pan and the view before it. Usage:
// drawing_window_screenshots <folder>.

#include "drawing_window_fixture.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

using quellmar::maintenance::frmDXF;

void Save(QWidget& window, const QString& folder, const char* name) {
    QCoreApplication::processEvents();
    const QString path = folder + "/drawing_window_" + name + ".png";
    if (!window.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QPoint PixelOf(frmDXF& form, float x, float y) { return {form.DXF1().CvtX(x), form.DXF1().CvtY(y)}; }

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
    if (!gui::OpenDrawingWindow(quellmar::maintenance::test::SampleDrawing(), "Sample drawing")) return 1;
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
    area->closeAllSubWindows();
    gui::SetMdiFrame(nullptr, nullptr);
    return 0;
}
