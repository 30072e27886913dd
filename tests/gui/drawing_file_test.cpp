#include "gui/drawing_window.h"
#include "gui/temp_drawing_file.h"

#include "environment_variable.h"
#include "temp_folder.h"
#include "unprivileged.h"
#include "vb/program_folder.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ProgramFolder : public ::testing::Test {
protected:
    ProgramFolder() { vb::SetProgramFolder(folder.Path()); }
    ~ProgramFolder() override {
        vb::SetProgramFolder({});
        gui::SetDrawingWindowFactory(nullptr);
    }
    quellmar::test::TempFolder folder;
};

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Seen {
    std::vector<std::string> calls;
    std::string textAtCaption;
    fs::path file;
    bool deleted = false;
};

class StandIn final : public QWidget, public gui::DrawingWindow {
public:
    StandIn(Seen& seen, bool failToLoad) : seen_(seen), fail_(failToLoad) {}
    ~StandIn() override { seen_.deleted = true; }
    void SetFileName(const QString& path) override {
        seen_.calls.push_back("SetFileName");
        seen_.file = path.toStdString();
    }
    void SetCaption(const QString& caption) override {
        seen_.calls.push_back("Caption " + caption.toStdString());
        seen_.textAtCaption = Read(seen_.file);
        if (fail_) throw std::runtime_error("cannot read the drawing");
    }
    void Show() override { seen_.calls.push_back("Show"); }
    void PrintDrawing() override {}

private:
    Seen& seen_;
    bool fail_;
};

}  // namespace

TEST_F(ProgramFolder, TemporaryNameIsNewAndInTheProgramFolder) {
    const fs::path name = gui::GetTempDxfFileName();
    EXPECT_EQ(name.parent_path(), folder.Path());
    EXPECT_TRUE(std::regex_match(name.filename().string(), std::regex("tmp[1-9][0-9]{3}\\.dxf")));
    EXPECT_FALSE(fs::exists(name));
    vb::SetProgramFolder(folder.Path().string() + "/");
    EXPECT_EQ(gui::GetTempDxfFileName().string().find("//"), std::string::npos);
}

TEST_F(ProgramFolder, TheLastFreeNameIsFound) {
    for (int n = 1000; n <= 9999; ++n)
        if (n != 4711) std::ofstream(folder / ("tmp" + std::to_string(n) + ".dxf"));
    EXPECT_EQ(gui::GetTempDxfFileName(), folder / "tmp4711.dxf");
    std::ofstream(folder / "tmp4711.dxf");
    EXPECT_THROW(gui::GetTempDxfFileName(), std::runtime_error);
}

TEST_F(ProgramFolder, DrawingFileHoldsTheTextAndIsRemovedOnEveryPath) {
    fs::path path;
    {
        gui::TempDrawingFile file("0\r\nEOF");
        path = file.Path();
        EXPECT_EQ(Read(path), "0\r\nEOF\r\n");
    }
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(ProgramFolder, ADrawingFileIsTheUsersAloneAndNeverInAFolderThatOthersMayWrite) {
    using quellmar::test::EnvironmentVariable;
    const auto placed = [] {
        const gui::TempDrawingFile file("0\r\nEOF");
        EXPECT_EQ(fs::status(file.Path()).permissions() & fs::perms::mask, fs::perms::owner_read | fs::perms::owner_write);
        return file.Path().parent_path();
    };
    EXPECT_EQ(placed(), folder.Path()) << "the program folder is the user's own";

    // A program folder that every user may write to: they could take the names first.
    fs::permissions(folder.Path(), fs::perms::all);
    const quellmar::test::TempFolder runtime, cache;
    std::optional<EnvironmentVariable> runtimeSetting(std::in_place, "XDG_RUNTIME_DIR", runtime.Path().string());
    const EnvironmentVariable cacheSetting("XDG_CACHE_HOME", (cache / "deep").string());
    EXPECT_EQ(placed(), runtime.Path());
    if (quellmar::test::RunAsSuperuser()) {
        ASSERT_EQ(::chown(runtime.Path().c_str(), quellmar::test::kSecondUser, quellmar::test::kSecondUser), 0);
        EXPECT_EQ(placed(), cache / "deep" / "quellmar") << "another user's runtime folder is passed over";
    }
    runtimeSetting.emplace("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(placed(), cache / "deep" / "quellmar");
    EXPECT_EQ(fs::status(cache / "deep" / "quellmar").permissions() & fs::perms::mask, fs::perms::owner_all);

    // A cache folder beneath one that every user may change is no place either.
    fs::permissions(cache / "deep", fs::perms::all);
    EXPECT_THROW(gui::TempDrawingFile("0\r\nEOF"), std::runtime_error);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(ProgramFolder, OpenerHandsTheWindowTheFileThenDeletesIt) {
    Seen seen;
    EXPECT_FALSE(gui::OpenDrawingWindow("text", "QA 55"));
    EXPECT_TRUE(fs::is_empty(folder.Path()));
    gui::SetDrawingWindowFactory([&seen] { return new StandIn(seen, false); });
    ASSERT_TRUE(gui::OpenDrawingWindow("0\r\nEOF", "QA 55"));
    const std::vector<std::string> expected = {"SetFileName", "Caption QA 55", "Show"};
    EXPECT_EQ(seen.calls, expected);
    EXPECT_EQ(seen.textAtCaption, "0\r\nEOF\r\n");
    EXPECT_FALSE(fs::exists(seen.file));
    EXPECT_FALSE(seen.deleted);  // the main window owns it now
}

TEST_F(ProgramFolder, WindowThatFailsToLoadIsDeletedAndLeavesNoFile) {
    Seen seen;
    gui::SetDrawingWindowFactory([&seen] { return new StandIn(seen, true); });
    EXPECT_THROW(gui::OpenDrawingWindow("0\r\nEOF", "QA 55"), std::runtime_error);
    EXPECT_TRUE(seen.deleted);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}
