#pragma once

#include "temp_folder.h"

#include "control/dxf.h"
#include "doubles/scripted_dialogs.h"
#include "drawing_window.h"
#include "gui/drawing_window.h"
#include "gui/mdi_frame.h"
#include "gui/picture_box.h"
#include "vb/program_folder.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace quellmar::maintenance::test {

// A view of the drawing as the host reads it: left, top, right, bottom.
struct Rect {
    float Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A drawing 400 wide and 300 high: its frame and a diagonal in red, and a text.
inline std::string SmallDrawing() {
    std::string dxf;
    const auto group = [&](int code, const std::string& value) { dxf += std::to_string(code) + "\r\n" + value + "\r\n"; };
    const auto line = [&](const char* x1, const char* y1, const char* x2, const char* y2) {
        group(0, "LINE"), group(8, "0"), group(62, "1"), group(10, x1), group(20, y1), group(11, x2), group(21, y2);
    };
    group(0, "SECTION"), group(2, "HEADER");
    group(9, "$EXTMIN"), group(10, "0"), group(20, "0"), group(9, "$EXTMAX"), group(10, "400"), group(20, "300");
    group(0, "ENDSEC"), group(0, "SECTION"), group(2, "ENTITIES");
    line("0", "0", "400", "0"), line("400", "0", "400", "300"), line("400", "300", "0", "300");
    line("0", "300", "0", "0"), line("0", "0", "400", "300");
    group(0, "TEXT"), group(8, "0"), group(10, "20"), group(20, "260"), group(40, "12"), group(1, "OUTLINE");
    group(0, "ENDSEC"), group(0, "EOF");
    return dxf;
}

// The first sample drawing of the bundled models by name when the data has them, else the small drawing.
inline std::string SampleDrawing() {
    const std::filesystem::path folder = std::filesystem::path(QUELLMAR_DATA_DIR) / "drawings";
    std::vector<std::filesystem::path> drawings;
    if (std::filesystem::is_directory(folder))
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".dxf") drawings.push_back(entry.path());
    if (drawings.empty()) return SmallDrawing();
    std::ifstream in(*std::min_element(drawings.begin(), drawings.end()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A main window with its multiple-document area, the program folder in a folder of the test's
// own, the drawing component found through the build tree's registry, and scripted dialogs.
class DrawingWindowTest : public ::testing::Test {
protected:
    DrawingWindowTest() {
        setenv("QUELLMAR_COMPONENT_REGISTRY", QUELLMAR_PROGRAM_DIR "/components.reg", 1);
        previousFolder_ = vb::ProgramFolder();
        vb::SetProgramFolder(folder.Path());
        previousDialogs_ = gui::InstallDialogs(std::unique_ptr<gui::DialogService>(dialogs = new gui::ScriptedDialogs));
        main.resize(1000, 700);
        main.setCentralWidget(area);
        gui::SetMdiFrame(&main, area);
        main.show();
        RegisterDrawingWindow();
    }
    ~DrawingWindowTest() override {
        area->closeAllSubWindows();
        QCoreApplication::processEvents();
        gui::SetMdiFrame(nullptr, nullptr);
        gui::InstallDialogs(std::move(previousDialogs_));
        vb::SetProgramFolder(previousFolder_);
    }

    frmDXF* Open(const std::string& text = SmallDrawing(), const QString& caption = "OV 80 AC") {
        EXPECT_TRUE(gui::OpenDrawingWindow(text, caption));
        return dynamic_cast<frmDXF*>(gui::ActiveChild());
    }
    static gui::PictureBox& Surface(frmDXF& form) {
        return *form.DXF1Window()->findChild<gui::PictureBox*>("picTiraq");
    }
    static Rect View(frmDXF& form) {
        Rect v;
        form.DXF1().GetCurrentZoom(v.Left, v.Top, v.Right, v.Bottom);
        return v;
    }
    int TemporaryFilesLeft() const { return DrawingFilesIn(folder.Path()); }
    static int DrawingFilesIn(const std::filesystem::path& programFolder) {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(programFolder))
            if (entry.path().extension() == ".dxf") ++count;
        return count;
    }

    quellmar::test::TempFolder folder;
    gui::ScriptedDialogs* dialogs = nullptr;
    QMainWindow main;
    QMdiArea* area = new QMdiArea;

private:
    std::filesystem::path previousFolder_;
    std::unique_ptr<gui::DialogService> previousDialogs_;
};

}  // namespace quellmar::maintenance::test
