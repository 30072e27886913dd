#include "control_fixture.h"

#include "output/about_box.h"
#include "output/property_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tiraq::test {
namespace {

using DialogsTest = ControlTest;

TEST(AboutBoxVersion, ShowsThePartsWithoutLeadingZeros) { EXPECT_EQ(VersionCaption(3, 2, 13), "Version 3.2.13"); }

TEST_F(DialogsTest, AboutShowsTheBoxModallyAndItsButtonOpensTheWebPage) {
    dialogs->QueueModal([](QDialog& box) {
        EXPECT_EQ(box.windowTitle(), "Tiraq OCX");
        EXPECT_EQ(box.findChild<QLabel*>("lblTitle")->text(), "Osmun Engineering Tiraq Pro Control");
        EXPECT_TRUE(box.findChild<QLabel*>("lblVersion")->text().startsWith("Version "));
        EXPECT_FALSE(box.findChild<QLabel*>("picIcon")->pixmap().isNull());
        box.findChild<QPushButton*>("cmdWeb")->click();
        box.findChild<QPushButton*>("cmdOK")->click();
    });
    dxf->About();
    ASSERT_EQ(dialogs->ModalNames(), std::vector<QString>{"frmAbout"});
    const auto& shown = dialogs->Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(shown[0].closedByFrame) << "OK closed it";
    EXPECT_EQ(shown[1].kind, gui::ShownDialog::Kind::Browser);
    EXPECT_EQ(shown[1].text, kTiraqWebPage);
}

class PropertyPageTest : public ControlTest {
protected:
    PropertyPageTest() { page.SelectedControls = {dxf}; }
    PropertyPage page;
};

TEST_F(PropertyPageTest, ShowsTheFirstSelectedControlsValues) {
    dxf->LetOnTheSpotZoomPctLeft(250);
    dxf->LetOnTheSpotZoomPctRight(12.5f);
    dxf->LetFilename("plan.dxf");
    dxf->LetZoomFunction(dxfPan);
    dxf->LetDisplayAttributes(dxfAttribsOn);
    page.PropertyPage_SelectionChanged();
    EXPECT_EQ(page.txtOnTheSpotZoomPct->text(), "250");
    EXPECT_EQ(page.txtOnTheSpotRight->text(), "12.5");
    EXPECT_EQ(page.txtFileName->text(), "plan.dxf");
    EXPECT_EQ(page.cmbZoom->currentText(), "Pan");
    EXPECT_TRUE(page.chkAttributeDisplay->isChecked());
}

TEST_F(PropertyPageTest, AppliesWhatTheUserChose) {
    dxf->LetZoomFunction(dxfPan);
    page.PropertyPage_SelectionChanged();
    page.Changed = false;
    page.cmbZoom->setCurrentIndex(page.cmbZoom->findText("Window"));
    EXPECT_TRUE(page.Changed);
    QTest::mouseClick(page.chkAttributeDisplay, Qt::LeftButton);
    page.txtOnTheSpotZoomPct->setText("300");
    page.txtFileName->setText("other.dxf");
    site->changed.clear();
    page.PropertyPage_ApplyChanges();
    EXPECT_EQ(dxf->ZoomFunction(), dxfWindow);
    EXPECT_EQ(dxf->DisplayAttributes(), dxfAttribsOn);
    EXPECT_FLOAT_EQ(dxf->OnTheSpotZoomPctLeft(), 300);
    EXPECT_EQ(dxf->Filename(), "other.dxf");
    EXPECT_EQ(site->changed, (std::vector<std::string>{"OnTheSpotZoomPctLeft", "OnTheSpotZoomPctRight", "FileName",
                                                        "ZoomFunction", "DisplayAttributes"}));
}

TEST_F(PropertyPageTest, ARedlineToolShowsAsNoChoiceAndStays) {
    dxf->LetZoomFunction(dxfRedLineCircle);
    page.PropertyPage_SelectionChanged();
    EXPECT_EQ(page.cmbZoom->currentIndex(), -1);
    page.PropertyPage_ApplyChanges();
    EXPECT_EQ(dxf->ZoomFunction(), dxfRedLineCircle);
}

TEST_F(PropertyPageTest, APercentageThatIsNoNumberIsATypeMismatch) {
    page.PropertyPage_SelectionChanged();
    page.txtOnTheSpotZoomPct->setText("lots");
    try {
        page.PropertyPage_ApplyChanges();
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 13);
    }
    EXPECT_FLOAT_EQ(dxf->OnTheSpotZoomPctLeft(), 200) << "the default stays";
}

}  // namespace
}  // namespace tiraq::test

namespace tiraq::test {
namespace {

// For reviewers: the about box and the property page as they look, under the build tree.
TEST_F(DialogsTest, ScreenshotsOfTheAboutBoxAndThePropertyPage) {
    const std::filesystem::path shots = std::filesystem::path(QUELLMAR_PROGRAM_DIR).parent_path() / "screenshots";
    std::filesystem::create_directories(shots);
    AboutBox box;
    box.show();
    EXPECT_TRUE(box.grab().save(QString::fromStdString((shots / "output_about_box.png").string())));
    PropertyPage page;
    page.SelectedControls = {dxf};
    page.PropertyPage_SelectionChanged();
    page.resize(320, 220);
    page.show();
    EXPECT_TRUE(page.grab().save(QString::fromStdString((shots / "output_property_page.png").string())));
}

}  // namespace
}  // namespace tiraq::test
