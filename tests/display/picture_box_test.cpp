#include "gui/picture_box.h"

#include "vb/error.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace gui {
namespace {

struct Picture : ::testing::Test {
    Picture() { picture.resize(200, 100); }
    PictureBox picture;
};

TEST_F(Picture, ScaleModesFollowTheDeviceSize) {
    EXPECT_EQ(picture.ScaleMode(), kScaleTwips);
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 200 * 15);
    picture.SetScaleMode(kScalePixels);
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 200);
    EXPECT_DOUBLE_EQ(picture.ScaleHeight(), 100);
    picture.SetScaleMode(kScalePoints);
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 150);
    picture.SetScaleMode(kScaleInches);
    EXPECT_DOUBLE_EQ(picture.ScaleHeight(), 100.0 / 96);
    picture.resize(400, 100);
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 400.0 / 96);
    try {
        picture.SetScaleMode(8);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 380);
    }
}

TEST_F(Picture, UserScaleMapsOntoThePixels) {
    picture.SetScaleMode(kScalePixels);
    picture.SetScaleLeft(-10);
    picture.SetScaleWidth(20);
    picture.SetScaleTop(5);
    picture.SetScaleHeight(-10);  // y grows upward
    EXPECT_EQ(picture.ScaleMode(), kScaleUser);
    EXPECT_DOUBLE_EQ(picture.ToPixelX(0), 100);
    EXPECT_DOUBLE_EQ(picture.ToPixelY(0), 50);
    EXPECT_DOUBLE_EQ(picture.FromPixelY(100), -5);
    picture.SetAutoRedraw(true);
    picture.PSet(5, 2.5, 0x0000FF);
    EXPECT_EQ(picture.Point(5, 2.5), 0x0000FF);
}

TEST_F(Picture, AutoRedrawKeepsThePersistentImageApartFromTheScreen) {
    picture.SetScaleMode(kScalePixels);
    picture.SetAutoRedraw(true);
    picture.Line(0, 50, 199, 50, 0xFF0000);
    picture.Refresh();
    EXPECT_TRUE(picture.ScreenImage() == picture.Image());

    picture.SetAutoRedraw(false);
    picture.Line(100, 0, 100, 99, 0x00FF00);
    EXPECT_EQ(picture.Point(100, 10), 0x00FF00) << "drawn on the screen";
    EXPECT_EQ(FromQRgb(picture.Image().pixel(100, 10)), kWhite) << "the persistent image is untouched";
    picture.Cls();
    EXPECT_EQ(picture.Point(100, 10), kWhite) << "Cls takes the screen back to the persistent image";
    EXPECT_EQ(picture.Point(10, 50), 0xFF0000);

    picture.SetAutoRedraw(true);
    picture.Cls();
    EXPECT_EQ(picture.Point(10, 50), kWhite) << "Cls with AutoRedraw clears what was drawn persistently";
    EXPECT_EQ(picture.Point(-1, 0), -1);
    EXPECT_EQ(picture.Point(200, 0), -1);
}

TEST_F(Picture, InvertedBandsRestoreTheImageBitForBit) {
    picture.SetScaleMode(kScalePixels);
    picture.SetAutoRedraw(true);
    for (int i = 0; i < 20; ++i) picture.Line(i * 10, 0, 199 - i * 7, 99, Colour(0x102030 * (i + 1)));
    picture.Circle(100, 50, 30, 0x00FFFF);
    picture.Refresh();
    picture.SetAutoRedraw(false);
    const QImage before = picture.ScreenImage().copy();

    picture.SetDrawMode(kDrawInvert);
    picture.Line(10, 10, 150, 80, {}, LineShape::Box);
    picture.Line(20, 90, 190, 5);
    picture.Circle(60, 40, 25);
    EXPECT_FALSE(picture.ScreenImage() == before);
    picture.Line(10, 10, 150, 80, {}, LineShape::Box);
    picture.Line(20, 90, 190, 5);
    picture.Circle(60, 40, 25);
    picture.SetDrawMode(kDrawCopyPen);
    EXPECT_TRUE(picture.ScreenImage() == before);
}

TEST_F(Picture, DrawModeAppliesToTheDeviceContextToo) {
    picture.SetAutoRedraw(true);
    picture.SetDrawMode(kDrawInvert);
    picture.Surface().SetPixel({3, 3}, 0x123456);
    EXPECT_EQ(FromQRgb(picture.Image().pixel(3, 3)), kBlack) << "white inverted";
    picture.SetDrawMode(kDrawCopyPen);
    picture.Surface().SetPixel({3, 3}, 0x123456);
    EXPECT_EQ(FromQRgb(picture.Image().pixel(3, 3)), 0x123456u);
}

TEST_F(Picture, PrintMovesToTheNextLineAndTextExtentsFollowTheScale) {
    picture.SetAutoRedraw(true);
    picture.SetFontName("Arial");
    picture.SetFontSize(12);
    picture.SetScaleMode(kScalePixels);
    const double width = picture.TextWidth("Quellmar");
    const double height = picture.TextHeight("Quellmar");
    EXPECT_GT(width, 40);
    EXPECT_NEAR(height, 12 * 96 / 72.0 * 1.15, 3) << "a 12 point line is about 18 pixels high";
    picture.SetScaleMode(kScaleTwips);
    EXPECT_NEAR(picture.TextWidth("Quellmar"), width * 15, 1e-9);

    picture.SetCurrentX(300);
    picture.SetCurrentY(150);
    picture.Print("Quellmar");
    EXPECT_DOUBLE_EQ(picture.CurrentX(), 0);
    EXPECT_NEAR(picture.CurrentY(), 150 + height * 15, 1e-6);
    bool inked = false;
    for (int x = 20; x < 20 + int(width); ++x)
        for (int y = 10; y < 10 + int(height); ++y) inked |= picture.Point(x * 15, y * 15) == kBlack;
    EXPECT_TRUE(inked) << "the text's top left corner is at the position it was printed at";
}

TEST_F(Picture, MouseEventsCarryTheRuntimesButtonShiftAndScaledPosition) {
    QSignalSpy down(&picture, &PictureBox::MouseDown);
    QSignalSpy up(&picture, &PictureBox::MouseUp);
    QTest::mousePress(&picture, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(30, 20));
    QTest::mouseRelease(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(31, 21));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][0].toInt(), 2);
    EXPECT_EQ(down[0][1].toInt(), 3);
    EXPECT_DOUBLE_EQ(down[0][2].toDouble(), 450) << "twips";
    EXPECT_DOUBLE_EQ(down[0][3].toDouble(), 300);
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up[0][0].toInt(), 1);
}

}  // namespace
}  // namespace gui
