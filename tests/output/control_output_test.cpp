#include "control_fixture.h"
#include "dxf_groups.h"
#include "file_size_limit.h"
#include "small_disk.h"

#include "gui/wait_cursor.h"
#include "output/metafile_clipboard.h"
#include "reader/error_chain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <sstream>

namespace tiraq::test {
namespace {

std::uint32_t U32(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.constData() + at, 4);
    return value;
}

// The control's error chain of a member that must fail.
template <typename Action>
std::string ChainOf(Action action) {
    try {
        action();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        return e.Description();
    }
    ADD_FAILURE() << "no error";
    return "";
}

// Metafiles of a picture of 400 x 300 pixels, 105.8 x 79.4 mm on the screen.
class OutputTest : public ControlTest {
protected:
    OutputTest() {
        dxf->Widget()->resize(400, 300);
        Load();
    }
    std::string Path(const std::string& name) { return (folder / name).string(); }
};

// A metafile as an independent program draws it: the size of the picture it makes, and how far
// right and down the drawing's lines reach in it.
struct Rendered {
    double width = 0, height = 0, right = 0, bottom = 0;
};

Rendered RenderedByAnotherProgram(const std::filesystem::path& emf) {
    const std::filesystem::path svg = emf.string() + ".svg";
    const std::string command = "emf2svg-conv -i '" + emf.string() + "' -o '" + svg.string() + "'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "emf2svg-conv (package emf2svg, scripts/install-deps) did not convert " << emf;
        return {};
    }
    std::stringstream text;
    text << std::ifstream(svg).rdbuf();
    const std::string picture = text.str();
    Rendered rendered;
    std::smatch size;
    if (std::regex_search(picture, size, std::regex(R"re(<svg[^>]* width="([0-9.]+)" height="([0-9.]+)")re"))) {
        rendered.width = std::stod(size[1]);
        rendered.height = std::stod(size[2]);
    }
    const std::regex point(R"(([-0-9.]+),([-0-9.]+))");
    const std::regex path(R"re( d="([^"]*)")re");
    for (auto p = std::sregex_iterator(picture.begin(), picture.end(), path); p != std::sregex_iterator(); ++p) {
        const std::string d = (*p)[1];
        for (auto q = std::sregex_iterator(d.begin(), d.end(), point); q != std::sregex_iterator(); ++q) {
            rendered.right = std::max(rendered.right, std::stod((*q)[1]));
            rendered.bottom = std::max(rendered.bottom, std::stod((*q)[2]));
        }
    }
    return rendered;
}

// The frame's lines lie on the picture's edges (the right and bottom ones on its last pixels).
TEST_F(OutputTest, AnotherProgramDrawsTheMetafilesPictureToFillItsFrame) {
    ASSERT_EQ(dxf->SaveWMFOld(vb::Variant(Path("old.emf"))), 0);
    const Rendered old = RenderedByAnotherProgram(folder / "old.emf");
    EXPECT_NEAR(old.width, 400, 1) << "the picture's own size";
    EXPECT_NEAR(old.height, 300, 1);
    EXPECT_NEAR(old.right / old.width, 1, 0.01) << "nothing of the drawing is cut off";
    EXPECT_NEAR(old.bottom / old.height, 1, 0.01);

    ASSERT_EQ(dxf->SaveWMF(vb::Variant(Path("view.emf"))), 0);
    const Rendered enlarged = RenderedByAnotherProgram(folder / "view.emf");
    EXPECT_NEAR(enlarged.width, 520, 1) << "1.3 times the picture";
    EXPECT_NEAR(enlarged.height, 390, 1);
    EXPECT_NEAR(enlarged.right / enlarged.width, 1 / 1.3, 0.01);
    EXPECT_NEAR(enlarged.bottom / enlarged.height, 1 / 1.3, 0.01);
}

// A drawing whose every output is some hundred kilobytes: the frame and 4 000 lines across it.
std::string LargeDrawing() {
    std::string text = FrameDrawing();
    DxfBuilder lines;
    for (int i = 0; i < 4000; ++i)
        lines.Line(Number(i % 400), "0", Number(400 - i % 400), Number(300 - i % 300));
    text.insert(text.rfind("  0\r\nENDSEC"), lines.Unclosed());
    return text;
}

// Makes every write beyond a few kilobytes fail under `folder`: a small filesystem mounted there
// when this process may mount one (in a mount namespace of its own), else `limit` on the size of
// every file this process writes. Returns the file error's text that writes then give.
std::string FillUp(const std::filesystem::path& folder, std::optional<quellmar::test::FileSizeLimit>& limit) {
    if (quellmar::test::MountSmallDisk(folder, 64 * 1024)) return "Disk full";
    limit.emplace(32 * 1024);
    return "Path/File access error";
}

// Runs in a child process of its own, so that the full disk stays there; says what went wrong on
// the error stream and in its exit code.
[[noreturn]] void EveryOutputMemberOnAFullDisk(DXFControl& dxf, const std::filesystem::path& full) {
    std::optional<quellmar::test::FileSizeLimit> limit;
    const std::string diskFull = FillUp(full, limit);
    std::ostringstream wrong;
    const auto check = [&](const std::string& what, const std::string& got, const std::string& expected) {
        if (got != expected) wrong << what << ": \"" << got << "\" instead of \"" << expected << "\"\n";
        if (!std::filesystem::is_empty(full)) wrong << what << " left a file\n";
    };
    const auto chain = [&](auto member) {
        try {
            member();
        } catch (const vb::RuntimeError& e) {
            return e.Description();
        }
        return std::string("no error");
    };
    dxf.LetExportFileName((full / "export.dxf").string());
    std::string error;
    dxf.ExportDXF(error);
    check("ExportDXF", error, "An error has occurred in ExportDXF. The message is: " + diskFull);
    check("Save", chain([&] { dxf.Save((full / "saved.dxf").string()); }), diskFull + "\r\n ->  Save.");
    check("SaveWMF", chain([&] { dxf.SaveWMF(vb::Variant((full / "view.emf").string())); }),
          diskFull + "\r\n ->  SaveWMF.");
    check("SaveWMFOld", chain([&] { dxf.SaveWMFOld(vb::Variant((full / "old.emf").string())); }),
          diskFull + "\r\n ->  SaveWMFOld.");
    std::cerr << wrong.str();
    std::_Exit(wrong.str().empty() ? 0 : 1);
}

TEST_F(OutputTest, OnAFullDiskEveryOutputMemberFailsThroughTheChainLeavesNoFileAndEndsNothing) {
    Load(LargeDrawing());
    dxf->DXFAddLine(10, 10, 390, 290, "0", 0);
    const std::filesystem::path full = folder / "full";
    std::filesystem::create_directory(full);
    // The same members on a disk with room write files larger than the full one holds.
    dxf->LetExportFileName(Path("export.dxf"));
    std::string error;
    ASSERT_TRUE(dxf->ExportDXF(error));
    EXPECT_EQ(dxf->Save(Path("saved.dxf")), -1);
    dxf->SaveWMF(vb::Variant(Path("view.emf")));
    dxf->SaveWMFOld(vb::Variant(Path("old.emf")));
    for (const char* name : {"export.dxf", "saved.dxf", "view.emf", "old.emf"})
        EXPECT_GT(std::filesystem::file_size(folder / name), 80'000u) << name;

    EXPECT_EXIT(EveryOutputMemberOnAFullDisk(*dxf, full), ::testing::ExitedWithCode(0), "");
}

TEST_F(OutputTest, ExportWritesTheLoadedDrawingUnderTheExportFileName) {
    site->changed.clear();
    dxf->LetExportFileName(Path("export.dxf"));
    EXPECT_EQ(site->changed, std::vector<std::string>{"ExportFileName"});
    std::string error = "x";
    ASSERT_TRUE(dxf->ExportDXF(error));
    EXPECT_EQ(error, "");
    const auto groups = GroupsOf(ReadFile(folder / "export.dxf"));
    EXPECT_EQ(EntitiesOf(groups, "LINE").size(), 5u);
    EXPECT_EQ(EntitiesOf(groups, "TEXT").size(), 4u);
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
}

TEST_F(OutputTest, SaveCopiesTheFileTheLastRegenLoadedWithTheRedlines) {
    const std::string loaded = ReadFile(folder / "drawing.dxf");
    dxf->LetFilename(Path("not-loaded.dxf"));
    dxf->DXFAddCircle(200, 150, 210, 150, "0");
    EXPECT_EQ(dxf->Save(Path("saved.dxf")), -1);
    const std::string saved = ReadFile(folder / "saved.dxf");
    EXPECT_EQ(EntitiesOf(GroupsOf(saved), "CIRCLE").size(), 1u);
    EXPECT_EQ(saved.substr(0, 200), loaded.substr(0, 200));
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
}

TEST_F(OutputTest, ASaveThatFailsEndsInTheChainWithTheSurfaceClearedAndTheDefaultPointer) {
    EXPECT_EQ(ChainOf([&] { dxf->Save(Path("missing/saved.dxf")); }), "Path not found\r\n ->  Save.");
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    EXPECT_EQ(Shown(0, 100), kWhite) << "the red frame is gone with the rest";
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(OutputTest, ASaveThatCannotPlaceTheRedlinesFailsThroughTheChain) {
    // The loaded file changed on disk: its ENTITIES section now runs to the end of the file.
    const std::string loaded = ReadFile(folder / "drawing.dxf");
    Write(loaded.substr(0, loaded.rfind("  0\r\nENDSEC")));
    dxf->DXFAddCircle(200, 150, 210, 150, "0");
    EXPECT_EQ(ChainOf([&] { dxf->Save(Path("saved.dxf")); }), "Input past end of file\r\n ->  Save.");
    EXPECT_FALSE(std::filesystem::exists(folder / "saved.dxf"));
}

TEST_F(OutputTest, SaveWMFWithoutANamePutsTheViewOnTheClipboardAndWritesNoFile) {
    QGuiApplication::clipboard()->setText("before");
    const int zoomCompletes = sink->zoomCompletes;
    EXPECT_EQ(dxf->SaveWMF(std::nullopt), 0);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(kEnhancedMetafileMimeType));
    const QByteArray emf = data->data(kEnhancedMetafileMimeType);
    ASSERT_GT(emf.size(), 100);
    EXPECT_EQ(U32(emf, 0), 1u) << "an enhanced metafile's header";
    EXPECT_EQ(U32(emf, 32), 13758u) << "1.3 times the 105.8 mm of the picture, in hundredths";
    EXPECT_EQ(U32(emf, 36), 10319u);
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), QSize(400, 300));
    EXPECT_EQ(gui::FromQRgb(image.pixel(0, 100)), kRed) << "the picture beside it shows the view";
    EXPECT_FALSE(std::filesystem::exists("1.emf"));
    EXPECT_GT(sink->zoomCompletes, zoomCompletes);
    EXPECT_EQ(Shown(0, 100), kRed) << "the view is drawn again on the screen";
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
}

TEST_F(OutputTest, SaveWMFWithANameWritesTheFileAndLeavesTheClipboard) {
    QGuiApplication::clipboard()->setText("before");
    EXPECT_EQ(dxf->SaveWMF(vb::Variant(Path("view.emf"))), 0);
    const std::string emf = ReadFile(folder / "view.emf");
    ASSERT_GT(emf.size(), 100u);
    EXPECT_EQ(emf.substr(40, 4), " EMF");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

// Where no metafile can be made the placeable one is tried; when that fails too, the caller hears.
TEST_F(OutputTest, ASaveWMFThatCannotWriteItsFileSaysSo) {
    EXPECT_EQ(ChainOf([&] { dxf->SaveWMF(vb::Variant(Path("missing/view.emf"))); }),
              "Path not found\r\n ->  SavePlaceableWMF.\r\n ->  SaveWMF.");
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
}

TEST_F(OutputTest, SaveWMFOldFramesThePictureItselfAndSaysWhenNoMetafileCanBeMade) {
    EXPECT_EQ(dxf->SaveWMFOld(vb::Variant(Path("old.emf"))), 0);
    const std::string emf = ReadFile(folder / "old.emf");
    ASSERT_GT(emf.size(), 100u);
    std::uint32_t right = 0, bottom = 0;
    std::memcpy(&right, emf.data() + 32, 4);
    std::memcpy(&bottom, emf.data() + 36, 4);
    EXPECT_EQ(std::pair(right, bottom), std::pair(10583u, 7938u));
    EXPECT_TRUE(dialogs->Messages().empty());

    EXPECT_EQ(dxf->SaveWMFOld(vb::Variant(Path("missing/old.emf"))), 0);
    ASSERT_EQ(dialogs->Messages().size(), 1u);
    EXPECT_EQ(dialogs->Messages()[0].text, "WMF not created");
    EXPECT_EQ(dialogs->Messages()[0].style, gui::vbOKOnly);
    EXPECT_EQ(dialogs->Messages()[0].mousePointer, 0);
}

}  // namespace
}  // namespace tiraq::test
