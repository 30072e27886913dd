// What the desktop gives every window: keys, child windows in the main window, message boxes over
// the window that asks.
#include "gui/child_frame.h"
#include "gui/desktop_keyboard.h"
#include "gui/dialog_service.h"
#include "gui/mdi_frame.h"
#include "gui/option_group.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QIcon>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "tab_round.h"

#include <string>
#include <vector>

namespace {

std::string FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : std::string();
}

std::string Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    return FocusName();
}

// A main window of 800 by 500 pixels with its area made the program's frame.
class Frame : public ::testing::Test {
protected:
    Frame() : area(new QMdiArea) {
        main.setCentralWidget(area);
        main.resize(800, 500);
        main.show();
        QApplication::setActiveWindow(&main);
        gui::SetMdiFrame(&main, area);
    }
    ~Frame() override { gui::SetMdiFrame(nullptr, nullptr); }

    // A child window with a caption, a box and two buttons, `size` big.
    static QWidget* Child(const QString& name, QSize size) {
        auto* child = new QWidget;
        child->setObjectName(name);
        auto* layout = new QVBoxLayout(child);
        layout->addWidget(new QLabel("Caption"));
        auto* box = new QLineEdit;
        box->setObjectName("txtFirst");
        layout->addWidget(box);
        for (const char* name : {"cmdOK", "cmdCancel"}) {
            auto* button = new QPushButton(name);
            button->setObjectName(name);
            layout->addWidget(button);
        }
        child->setMinimumSize(100, 100);
        child->resize(size);
        return child;
    }
    QRect Visible() const { return QRect(QPoint(0, 0), area->viewport()->size()); }

    QMainWindow main;
    QMdiArea* area;
};

}  // namespace

TEST_F(Frame, ChildWindowGivesTheFocusAtOpenToItsFirstControlAndEnterPressesTheFocusedButton) {
    QWidget* child = Child("frmChild", {300, 200});
    gui::ShowMdiChild(child);
    EXPECT_EQ(FocusName(), "txtFirst");
    EXPECT_EQ(gui::FirstControl(*child)->objectName(), "txtFirst");

    int pressed = 0;
    QObject::connect(child->findChild<QPushButton*>("cmdOK"), &QPushButton::clicked, [&pressed] { ++pressed; });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(pressed, 0);  // Enter in a box presses nothing
    EXPECT_EQ(Press(Qt::Key_Tab), "cmdOK");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(pressed, 2);

    // A window that gave the focus away before it showed keeps it there.
    QWidget* second = Child("frmSecond", {300, 200});
    gui::AddMdiChild(second);
    second->findChild<QPushButton*>("cmdCancel")->setFocus();
    gui::ShowMdiChild(second);
    EXPECT_EQ(FocusName(), "cmdCancel");
}

// A window of a button, option groups and another button, shown and active.
struct OptionWindow {
    explicit OptionWindow(const std::vector<gui::OptionGroup*>& groups) {
        auto* layout = new QVBoxLayout(&window);
        before->setObjectName("cmdBefore");
        after->setObjectName("cmdAfter");
        layout->addWidget(before);
        for (gui::OptionGroup* group : groups) layout->addWidget(group);
        layout->addWidget(after);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QWidget window;
    // Without a parent until laid out, so that the tab order follows the layout.
    QPushButton* before = new QPushButton("Before");
    QPushButton* after = new QPushButton("After");
};

TEST(OptionGroupKeys, TabEntersAnOptionGroupAtItsChosenButtonAndTheArrowsChooseInTurn) {
    auto* group = new gui::OptionGroup("optGrade", "Grade", {"7", "10", "15", "22"}, 0, 2);
    std::vector<int> clicks;
    QObject::connect(group, &gui::OptionGroup::Click, [&clicks](int index) { clicks.push_back(index); });
    group->SetValue(2, true);
    OptionWindow window({group});
    window.before->setFocus();

    EXPECT_EQ(Press(Qt::Key_Tab), "optGrade(2)");
    EXPECT_EQ(Press(Qt::Key_Down), "optGrade(3)");
    EXPECT_EQ(Press(Qt::Key_Right), "optGrade(0)");  // past the last comes the first
    EXPECT_EQ(Press(Qt::Key_Up), "optGrade(3)");
    EXPECT_EQ(group->Selected(), 3);
    EXPECT_EQ(clicks, (std::vector<int>{2, 3, 0, 3}));
    EXPECT_EQ(Press(Qt::Key_Tab), "cmdAfter");  // the group is one tab stop
    EXPECT_EQ(Press(Qt::Key_Backtab), "optGrade(3)");

    // A button that cannot be chosen is passed over.
    group->Button(0)->setEnabled(false);
    EXPECT_EQ(Press(Qt::Key_Down), "optGrade(1)");
    EXPECT_EQ(Press(Qt::Key_Left), "optGrade(3)");
}

TEST(OptionGroupKeys, TabGoesRoundAndShiftTabWalksBackWhateverButtonsAreChosen) {
    auto* grades = new gui::OptionGroup("optGrade", "Grade", {"7", "10", "15", "22"}, 0, 2);
    auto* series = new gui::OptionGroup("optSeries", "Series", {"WP", "WPM", "Other"}, 1);
    OptionWindow window({grades, series});
    QPushButton* before = window.before;
    for (int grade = 0; grade <= 3; ++grade) {
        for (int chosen = 1; chosen <= 3; ++chosen) {
            SCOPED_TRACE(testing::Message() << "grade " << grade << ", series " << chosen);
            grades->SetValue(grade, true);
            series->SetValue(chosen, true);
            for (QWidget* start : std::vector<QWidget*>{before, grades->Button(grade), window.after}) {
                start->setFocus(Qt::OtherFocusReason);
                std::vector<QWidget*> round;
                ASSERT_TRUE(quellmar::test::TabGoesRound(&round));
                // One stop for each group, at its chosen button.
                EXPECT_EQ(round.size(), 4u);
                EXPECT_NE(std::find(round.begin(), round.end(), grades->Button(grade)), round.end());
                EXPECT_NE(std::find(round.begin(), round.end(), series->Button(chosen)), round.end());
            }
        }
    }
    // A group with nothing chosen is entered at its first button.
    series->SetValue(series->Selected(), false);
    before->setFocus();
    EXPECT_TRUE(quellmar::test::TabGoesRound());
    EXPECT_EQ(Press(Qt::Key_Tab), "optGrade(3)");
    EXPECT_EQ(Press(Qt::Key_Tab), "optSeries(1)");
}

TEST_F(Frame, AWindowsOwnAcceleratorsComeBeforeTheMainWindowsMenus) {
    QMenu* edit = main.menuBar()->addMenu("&Edit");
    QMenu* file = main.menuBar()->addMenu("&File");
    QWidget* child = Child("frmChild", {300, 200});
    auto* button = new QPushButton("&Edit", child);
    button->setObjectName("cmdEdit");
    child->layout()->addWidget(button);
    auto* label = new QLabel("&Heat Load", child);
    label->setBuddy(child->findChild<QLineEdit*>("txtFirst"));
    child->layout()->addWidget(label);
    auto* grades = new gui::OptionGroup("optGrade", "&Grade", {"7", "10", "15"}, 0, 1, child);
    grades->SetValue(1, true);
    child->layout()->addWidget(grades);
    auto* menus = new QMenuBar(child);
    QMenu* own = menus->addMenu("&View");
    gui::ShowMdiChild(child);
    QApplication::processEvents();  // the menu bars take their letters as they are laid out
    int pressed = 0;
    QObject::connect(button, &QPushButton::clicked, [&pressed] { ++pressed; });

    child->findChild<QPushButton*>("cmdOK")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(pressed, 1);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(FocusName(), "cmdEdit");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(FocusName(), "txtFirst");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(FocusName(), "optGrade(1)");
    EXPECT_EQ(grades->Selected(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(own->isVisible());
    own->close();
    // What the window does not own goes to the main window's menus.
    child->findChild<QLineEdit*>("txtFirst")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(file->isVisible());
    file->close();
    // A control that is hidden or disabled owns nothing.
    button->setEnabled(false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(edit->isVisible());
    edit->close();
}

TEST_F(Frame, NewChildWindowsLieInsideTheVisibleAreaWhichScrollsToWhatCannot) {
    QWidget* wide = Child("frmWide", {500, 300});
    QMdiSubWindow* frame = gui::AddMdiChild(wide);
    frame->move(600, 400);
    gui::ShowMdiChild(wide);
    EXPECT_TRUE(Visible().contains(frame->geometry()));

    // Taller than the area: made smaller, down to what its contents allow.
    QWidget* tall = Child("frmTall", {300, 900});
    gui::ShowMdiChild(tall);
    QMdiSubWindow* tallFrame = gui::ChildFrame(*tall);
    EXPECT_TRUE(Visible().contains(tallFrame->geometry()));

    QWidget* stiff = Child("frmStiff", {300, 300});
    stiff->setMinimumSize(300, 900);
    gui::ShowMdiChild(stiff);
    QApplication::processEvents();
    EXPECT_EQ(gui::ChildFrame(*stiff)->y(), 0);
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
}

TEST_F(Frame, ChildShownWhileAnotherIsMaximisedIsMaximisedAndKeepsItsOwnSizeForLater) {
    QPixmap picture(16, 16);
    picture.fill(Qt::darkCyan);
    main.setWindowIcon(QIcon(picture));
    QWidget* first = Child("frmFirst", {300, 200});
    gui::ShowMdiChild(first);
    // Its frame shows the main window's icon, also in the menu bar while it is maximised.
    EXPECT_EQ(gui::ChildFrame(*first)->windowIcon().cacheKey(), main.windowIcon().cacheKey());
    gui::ChildFrame(*first)->showMaximized();

    QWidget* second = Child("frmSecond", {350, 250});
    QMdiSubWindow* frame = gui::AddMdiChild(second);
    frame->setGeometry(40, 0, 350, 250);
    gui::ShowMdiChild(second);
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_FALSE(gui::ChildFrame(*first)->isMaximized());  // only the window in front is
    EXPECT_EQ(frame->geometry(), Visible());
    EXPECT_EQ(gui::ActiveChild(), second);
    frame->showNormal();
    EXPECT_EQ(frame->geometry(), QRect(40, 0, 350, 250));

    // A hidden child shown again follows the same rule.
    frame->showMaximized();
    gui::SetFormVisible(*first, false);
    gui::SetFormVisible(*first, true);
    EXPECT_TRUE(gui::ChildFrame(*first)->isMaximized());
    EXPECT_EQ(gui::ActiveChild(), first);
}

TEST_F(Frame, EveryMessageBoxIsCentredOverTheWindowThatAsks) {
    QWidget* child = Child("frmChild", {300, 200});
    QMdiSubWindow* frame = gui::AddMdiChild(child);
    frame->setGeometry(420, 230, 300, 200);
    gui::ShowMdiChild(child);
    std::unique_ptr<gui::DialogService> previous = gui::InstallDialogs(gui::MakeQtDialogs());

    // Each box that comes up is looked at and answered.
    std::vector<QRect> boxes;
    std::vector<const QWidget*> parents;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        boxes.push_back(box->frameGeometry());
        parents.push_back(box->parentWidget());
        box->done(QMessageBox::Ok);
    });
    answer.start(0);
    for (int i = 0; i < 2; ++i) {
        gui::Dialogs().MsgBox("Heat load must be greater than zero.", gui::vbOKOnly, "Error entering data.");
        // The keyboard goes back to the window that asked.
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &main);
    }
    const QPoint childCentre = QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size()).center();
    // Without a child window, the main window asks.
    frame->close();
    gui::Dialogs().MsgBox("The help page cannot be found.", gui::vbOKOnly, "Help");
    gui::InstallDialogs(std::move(previous));

    ASSERT_EQ(boxes.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(parents[i], &main);
        EXPECT_NEAR(boxes[i].center().x(), childCentre.x(), 1);
        EXPECT_NEAR(boxes[i].center().y(), childCentre.y(), 1);
    }
    EXPECT_NEAR(boxes[2].center().x(), main.frameGeometry().center().x(), 1);
    EXPECT_NEAR(boxes[2].center().y(), main.frameGeometry().center().y(), 1);
}
