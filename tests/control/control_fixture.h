#pragma once

#include "dxf_builder.h"
#include "picture_ink.h"
#include "temp_folder.h"

#include "com/object.h"
#include "com/property_bag.h"
#include "control/dxf_events.h"
#include "doubles/scripted_dialogs.h"
#include "frame/dxf_control.h"
#include "reader/colour_table.h"
#include "gui/picture_box.h"
#include "vb/convert.h"
#include "vb/format.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace tiraq::test {

// A host's event sink that counts what the control raised.
class CountingSink final : public com::Object<DXFEvents> {
public:
    void LinesRead(float&) override { ++linesRead; }
    void ZoomComplete() override { ++zoomCompletes; }
    void MouseDown(std::int16_t& b, std::int16_t&, float& x, float& y) override { Record("down", b, x, y); }
    void MouseMove(std::int16_t& b, std::int16_t&, float& x, float& y) override { Record("move", b, x, y); }
    void MouseUp(std::int16_t& b, std::int16_t&, float& x, float& y) override { Record("up", b, x, y); }

    struct Mouse {
        std::string what;
        int button;
        float x, y;
    };
    int linesRead = 0;
    int zoomCompletes = 0;
    std::vector<Mouse> mouse;

private:
    void Record(const char* what, int button, float x, float y) { mouse.push_back({what, button, x, y}); }
};

// A host site that records the property changes and says whether the program runs.
class RecordingSite final : public com::Object<com::ControlSite> {
public:
    void PropertyChanged(std::string_view name) override { changed.emplace_back(name); }
    bool UserMode() override { return userMode; }
    vb::Ref<com::Font> AmbientFont() override { return ambient; }

    std::vector<std::string> changed;
    bool userMode = true;
    vb::Ref<com::Font> ambient = vb::New<com::Font>();
};

inline std::string Number(double value) { return vb::SingleToShortestText(float(value)); }

// A drawing 400 wide and 300 high from (0, 0): its red frame, a diagonal and a few texts.
inline std::string FrameDrawing() {
    DxfBuilder b;
    b.Section("HEADER").Group(9, "$EXTMIN").Group(10, "0").Group(20, "0").Group(9, "$EXTMAX").Group(10, "400");
    b.Group(20, "300").EndSection();
    b.Section("TABLES").LayerTable().Layer("0").Layer("NOTES", "5").EndTable().EndSection();
    b.Section("ENTITIES");
    const double corners[5][2] = {{0, 0}, {400, 0}, {400, 300}, {0, 300}, {0, 0}};
    for (int i = 0; i < 4; ++i)
        b.Entity("LINE", {{8, "0"}, {62, "1"}, {10, Number(corners[i][0])}, {20, Number(corners[i][1])},
                          {11, Number(corners[i + 1][0])}, {21, Number(corners[i + 1][1])}});
    b.Entity("LINE", {{8, "0"}, {62, "1"}, {10, "0"}, {20, "0"}, {11, "400"}, {21, "300"}});
    const auto text = [&](std::string_view layer, std::string_view x, std::string_view y, std::string_view txt) {
        b.Entity("TEXT", {{8, layer}, {10, x}, {20, y}, {40, "10"}, {1, txt}});
    };
    text("0", "50", "50", "PUMP");
    text("NOTES", "300", "200", "  pump ");
    text("0", "100", "250", "PUMP  HOUSING");
    text("NOTES", "350", "30", "Pump");
    b.EndSection();
    return b.Text();
}

// A control placed by a host: created, given its site and defaults, 401 x 301 pixels, so that the
// frame drawing's extents, which reach from the first pixel to the last, show a unit to a pixel.
class ControlTest : public ::testing::Test {
protected:
    ControlTest() {
        previousDialogs_ = gui::InstallDialogs(std::unique_ptr<gui::DialogService>(dialogs = new gui::ScriptedDialogs));
        dxf->SetSite(site);
        dxf->InitProperties();
        dxf->Advise(sink);
        dxf->Widget()->resize(401, 301);
        dxf->LetTmpFileNamePath(folder.Path().string());
    }
    ~ControlTest() override { gui::InstallDialogs(std::move(previousDialogs_)); }

    std::string Write(const std::string& text, const std::string& name = "drawing.dxf") {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::int32_t Load(const std::string& text = FrameDrawing(), MergeEnum merge = dxfMergeNew,
                      std::optional<float> x = {}, std::optional<float> y = {}) {
        dxf->LetFilename(Write(text));
        return dxf->Regen(merge, x, y);
    }
    ViewRect View() {
        ViewRect v;
        dxf->GetCurrentZoom(v.Left, v.Top, v.Right, v.Bottom);
        return v;
    }
    gui::PictureBox& Picture() { return dxf->DrawingSurface(); }
    // The colour of a pixel of what the surface shows.
    std::uint32_t Shown(int x, int y) { return gui::FromQRgb(Picture().ScreenImage().pixel(x, y)); }

    quellmar::test::TempFolder folder;
    gui::ScriptedDialogs* dialogs = nullptr;
    vb::Ref<RecordingSite> site = vb::New<RecordingSite>();
    vb::Ref<CountingSink> sink = vb::New<CountingSink>();
    vb::Ref<DXFControl> dxf = vb::New<DXFControl>();

private:
    std::unique_ptr<gui::DialogService> previousDialogs_;
};

inline ::testing::AssertionResult ViewNear(const ViewRect& actual, const ViewRect& expected) {
    constexpr float kTolerance = 0.01f;
    const auto near = [](float a, float b) { return std::fabs(a - b) <= kTolerance; };
    if (near(actual.Left, expected.Left) && near(actual.Top, expected.Top) && near(actual.Right, expected.Right) &&
        near(actual.Bottom, expected.Bottom))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "view (" << actual.Left << ", " << actual.Top << ", " << actual.Right
                                         << ", " << actual.Bottom << "), expected (" << expected.Left << ", "
                                         << expected.Top << ", " << expected.Right << ", " << expected.Bottom << ")";
}

constexpr ViewRect kExtents{0, 300, 400, 0};
// Colour index 1, as the control's colour table gives it.
const std::uint32_t kRed = std::uint32_t(ACIToRGB(1));
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace tiraq::test
