#include "gui/child_control.h"
#include "gui/fore_color.h"
#include "gui/keyboard_helpers.h"
#include "gui/option_group.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(OptionGroup, SelectingInCodeRaisesClickLikeAUserClick) {
    gui::OptionGroup group("optSeries", "Application Series", {"WP Series", "WPM Series", "Other Series"}, 1);
    std::vector<int> clicks;
    QObject::connect(&group, &gui::OptionGroup::Click, [&clicks](int index) { clicks.push_back(index); });
    group.SetValue(1, true);
    group.SetValue(1, true);  // already selected: no change, no click
    group.show();
    QTest::mouseClick(group.Button(3), Qt::LeftButton);
    EXPECT_EQ(clicks, (std::vector<int>{1, 3}));
    EXPECT_TRUE(group.Value(3));
    EXPECT_FALSE(group.Value(1));
    EXPECT_FALSE(group.Value(0));  // the array has no button 0
    EXPECT_EQ(group.Selected(), 3);
    EXPECT_EQ(group.Button(2)->objectName(), "optSeries(2)");
    group.SetValue(3, false);
    EXPECT_EQ(group.Selected(), -1);
}

TEST(Keyboard, EnterMovesOnAndFocusSelectsTheWholeText) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit("12.5");
    auto* second = new QLineEdit("7");
    auto* button = new QPushButton("OK");
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(button);
    for (QLineEdit* box : {first, second}) {
        gui::EnterAsTab(*box);
        gui::SelectAllOnFocus(*box);
    }
    gui::SetTabOrder({first, second, button});
    bool pressed = false;
    QObject::connect(button, &QPushButton::clicked, [&pressed] { pressed = true; });
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    EXPECT_EQ(first->selectionStart(), 0);
    EXPECT_EQ(first->selectedText(), "12.5");
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(second->selectedText(), "7");
    QTest::keyClick(second, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(first->text(), "12.5");
    QLineEdit empty;
    gui::SelectAllText(empty);
    EXPECT_EQ(empty.selectionLength(), 0);
}

TEST(ForeColor, LabelsKeepTheirColourNumbers) {
    QLabel label;
    EXPECT_EQ(gui::ForeColor(label), 0);
    gui::SetForeColor(label, gui::kColorRed);
    EXPECT_EQ(gui::ForeColor(label), 255);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    gui::SetForeColor(label, gui::kColorDarkRed);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(192, 0, 0));
}

TEST(ChildControl, AWindowWithoutTheControlOrWithTwoFailsWhenItIsBuilt) {
    QWidget window;
    window.setObjectName("frmCustomer");
    auto* company = new QLineEdit(&window);
    company->setObjectName("txtCompany");
    auto* caption = new QLabel(&window);
    caption->setObjectName("txtAddress");  // the name of a box, on a label
    EXPECT_EQ(gui::ChildControl<QLineEdit>(window, "txtCompany"), company);
    try {
        gui::ChildControl<QLineEdit>(window, "txtAddress");
        ADD_FAILURE() << "a label is no box";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "The window frmCustomer has no QLineEdit named txtAddress.");
    }
    auto* second = new QLineEdit(new QWidget(&window));
    second->setObjectName("txtCompany");
    try {
        gui::ChildControl<QLineEdit>(window, "txtCompany");
        ADD_FAILURE() << "two boxes of one name";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "The window frmCustomer has 2 QLineEdit controls named txtCompany.");
    }
}
