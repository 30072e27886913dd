// The drawing browser.
#include "maintenance_fixture.h"

#include "select_dxf.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <filesystem>

using namespace quellmar::maintenance;

namespace {

class DrawingBrowser : public MaintenanceTest {
protected:
    DrawingBrowser() {
        Exec("UPDATE Coolers SET Dxf = '0' || char(13) || char(10) || 'EOF' WHERE CoolerID = 4;"
             "UPDATE Coolers SET Dxf = 'beta drawing' WHERE CoolerID = 2;"
             "UPDATE Coolers SET Dxf = '' WHERE CoolerID = 1;");
    }
    std::vector<std::string> Listed(const frmSelectDxf& browser) const {
        std::vector<std::string> names;
        for (int i = 0; i < browser.List1()->count(); ++i) names.push_back(browser.List1()->item(i)->text().toStdString());
        return names;
    }
    int TempDrawingFiles() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(database.Folder()))
            if (entry.path().extension() == ".dxf") ++count;
        return count;
    }
};

}  // namespace

TEST_F(DrawingBrowser, ListsByNameTheModelsWhoseDrawingIsNeitherNullNorEmpty) {
    auto* browser = Show(new frmSelectDxf);
    EXPECT_EQ(browser->windowTitle(), "Drawings Available");
    EXPECT_EQ(Listed(*browser), (std::vector<std::string>{"beta", "W 1"}));
    EXPECT_EQ(browser->List1()->currentRow(), 0);
}

TEST_F(DrawingBrowser, FocusStartsOnTheListAndEnterOnTheFocusedViewButtonShowsTheDrawing) {
    QApplication::setActiveWindow(&frame);
    auto* browser = Show(new frmSelectDxf);
    EXPECT_EQ(QApplication::focusWidget(), browser->List1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), browser->findChild<QPushButton*>("cmdView"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(windows.log->calls, (std::vector<std::string>{"SetFileName", "Caption=beta", "Show"}));
}

TEST_F(DrawingBrowser, ViewWritesTheTextWithALineEndOpensAWindowAndRemovesTheFile) {
    auto* browser = Show(new frmSelectDxf);
    browser->List1()->setCurrentRow(1);
    browser->cmdView_Click();
    EXPECT_EQ(windows.log->calls, (std::vector<std::string>{"SetFileName", "Caption=W 1", "Show"}));
    EXPECT_EQ(windows.log->fileTextAtCaption, "0\r\nEOF\r\n");
    const std::filesystem::path file = windows.log->fileName.toStdString();
    EXPECT_EQ(file.parent_path(), database.Folder());
    EXPECT_EQ(file.filename().string().substr(0, 3), "tmp");
    EXPECT_EQ(file.filename().string().size(), std::string("tmp1234.dxf").size());
    EXPECT_FALSE(std::filesystem::exists(file));
    // A second view of the same model is a second window.
    emit browser->List1()->itemDoubleClicked(browser->List1()->currentItem());
    EXPECT_EQ(std::count(windows.log->calls.begin(), windows.log->calls.end(), "Show"), 2);
    EXPECT_EQ(TempDrawingFiles(), 0);
}

TEST_F(DrawingBrowser, TheDrawingKeepsItsBytesWhateverCodePageItsTextsAreIn) {
    // A Windows-1252 degree sign, which is no UTF-8.
    Exec("UPDATE Coolers SET Dxf = CAST(x'3130B043' AS TEXT) WHERE CoolerID = 2");
    auto* browser = Show(new frmSelectDxf);
    browser->cmdView_Click();
    EXPECT_EQ(windows.log->fileTextAtCaption, std::string("10\xB0" "C\r\n"));
}

TEST_F(DrawingBrowser, ADrawingRemovedSinceTheListWasFilledGivesTheMessage) {
    auto* browser = Show(new frmSelectDxf);
    Exec("UPDATE Coolers SET Dxf = NULL WHERE CoolerID = 2; DELETE FROM Coolers WHERE CoolerID = 4;");
    browser->cmdView_Click();
    browser->List1()->setCurrentRow(1);
    browser->cmdView_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 2u);
    for (const gui::ShownDialog& shown : Dialogs().Messages()) {
        EXPECT_EQ(shown.text, "No DXF file available\r\nConsult catalogue or sales office for drawing.");
        EXPECT_EQ(shown.title, "Quellmar");
        EXPECT_EQ(shown.style, gui::vbOKOnly | gui::vbExclamation);
    }
    EXPECT_TRUE(windows.log->calls.empty());
}

TEST_F(DrawingBrowser, WithoutDrawingsTheListIsEmptyAndViewDoesNothing) {
    Exec("UPDATE Coolers SET Dxf = NULL");
    auto* browser = Show(new frmSelectDxf);
    EXPECT_EQ(browser->List1()->count(), 0);
    browser->cmdView_Click();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_TRUE(windows.log->calls.empty());
}
