#include "gui/center_form.h"
#include "gui/twips.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include <gtest/gtest.h>

TEST(CenterForm, DialogOverAWindowOnTheScreenIsCentredOverIt) {
    QWidget parent;
    parent.setGeometry(0, 0, 600, 400);
    parent.show();
    QDialog dialog;
    dialog.resize(200, 100);
    gui::CenterForm(dialog, &parent);
    const QRect frame = parent.frameGeometry();
    EXPECT_EQ(dialog.pos().x(), frame.left() + (frame.width() - 200) / 2);
    EXPECT_EQ(dialog.pos().y(), frame.top() + (frame.height() - 100) / 2);

    // A dialog larger than its parent starts left of and above it.
    QDialog large;
    large.resize(800, 600);
    gui::CenterForm(large, &parent);
    EXPECT_LT(large.pos().x(), frame.left());
    EXPECT_LT(large.pos().y(), frame.top());
}

TEST(CenterForm, ChildWindowIsPlacedByTheMainWindowsInnerSizeOnly) {
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    main.setGeometry(300, 200, 800, 600);
    main.show();
    auto* child = new QWidget;
    child->resize(200, 100);
    QMdiSubWindow* frame = area->addSubWindow(child);
    frame->resize(240, 140);
    frame->show();
    gui::CenterForm(*child, &main);
    const QSize inner = gui::ScaleSize(main);
    EXPECT_EQ(inner, area->viewport()->size());
    EXPECT_EQ(frame->pos(), QPoint((inner.width() - 240) / 2, (inner.height() - 140) / 2));
}

TEST(CenterForm, WithoutAParentOnTheScreenTheDialogIsCentredOnTheScreen) {
    QDialog dialog;
    dialog.resize(300, 200);
    QWidget neverShown;
    gui::CenterForm(dialog, &neverShown);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.pos(), QPoint(screen.left() + (screen.width() - 300) / 2, screen.top() + (screen.height() - 200) / 2));
    QDialog orphan;
    orphan.resize(300, 200);
    gui::CenterForm(orphan, nullptr);
    EXPECT_EQ(orphan.pos(), dialog.pos());
}

TEST(Twips, FifteenTwipsMakeAPixelAtNinetySixDpi) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96) GTEST_SKIP() << "screen is not at 96 dpi";
    EXPECT_EQ(gui::TwipsToPixels(11880, 8145), QSize(792, 543));
    EXPECT_DOUBLE_EQ(gui::PixelsToTwipsX(2), 30);
}
