// The documents as the desktop shows them at the main window's first size: focus, keys, child
// windows and the results tab with the longest texts its labels can get.
#include "longest_texts.h"
#include "program_fixture.h"
#include "tab_round.h"

#include <QLabel>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionTitleBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

#include <string>

using namespace quellmar::shell;

namespace {

class Desktop : public ProgramTest {
protected:
    SelectionDocument* Open(const char* menu) {
        Menu(menu);
        QApplication::processEvents();
        return Active();
    }
    static QMdiSubWindow* FrameOf(const QWidget* document) {
        return qobject_cast<QMdiSubWindow*>(document->parentWidget());
    }
    QRect Visible() const { return QRect(QPoint(0, 0), frame.Area()->viewport()->size()); }

    // The child window shown in front: the top one that is neither hidden nor minimised.
    QMdiSubWindow* Front() const {
        const QList<QMdiSubWindow*> stack = frame.Area()->subWindowList(QMdiArea::StackingOrder);
        for (auto it = stack.rbegin(); it != stack.rend(); ++it)
            if ((*it)->isVisible() && !(*it)->isMinimized()) return *it;
        return nullptr;
    }
    // The main window names the document in front when it is maximised, and only then carries its
    // buttons in the menu bar; no document behind it is maximised; the commands go to it.
    ::testing::AssertionResult ShowsTheFrontDocument() const {
        QMdiSubWindow* front = Front();
        if (!front) return ::testing::AssertionFailure() << "no window in front";
        for (const QMdiSubWindow* child : frame.Area()->subWindowList())
            if (child != front && child->isMaximized())
                return ::testing::AssertionFailure() << child->windowTitle().toStdString() << " is maximised behind";
        const QString title = "QUELLMAR Heat Exchangers" +
                              (front->isMaximized() ? " - [" + front->windowTitle() + "]" : QString());
        if (frame.windowTitle() != title)
            return ::testing::AssertionFailure() << "the title is " << frame.windowTitle().toStdString();
        const QWidget* buttons = frame.menuBar()->cornerWidget(Qt::TopRightCorner);
        if ((buttons && buttons->isVisible()) != front->isMaximized())
            return ::testing::AssertionFailure() << "the menu bar's buttons do not follow the window in front";
        if (frame.ActiveDocument() != front->widget())
            return ::testing::AssertionFailure() << "commands go to " << gui::FormName(gui::ActiveChild()).toStdString();
        return ::testing::AssertionSuccess();
    }
    // Presses one of the buttons that a maximised window puts at the right of the menu bar.
    void PressMenuBarButton(int fromRight) {
        QWidget* buttons = frame.menuBar()->cornerWidget(Qt::TopRightCorner);
        ASSERT_TRUE(buttons && buttons->isVisible());
        const int width = buttons->width() / 3;
        QTest::mouseClick(buttons, Qt::LeftButton, {}, QPoint(buttons->width() - width * fromRight - width / 2, buttons->height() / 2));
        Settle();
    }
    // Clicks a button in the title of a child window that is not maximised.
    static void ClickTitleButton(QMdiSubWindow& child, QStyle::SubControl button) {
        QStyleOptionTitleBar title;
        title.initFrom(&child);
        title.subControls = QStyle::SC_All;
        title.titleBarFlags = child.windowFlags();
        title.titleBarState = child.windowState();
        title.rect = QRect(0, 0, child.width(), child.style()->pixelMetric(QStyle::PM_TitleBarHeight, &title, &child));
        const QPoint at = child.style()->subControlRect(QStyle::CC_TitleBar, &title, button, &child).center();
        // The frame finds the button under the mouse as it moves there.
        QMouseEvent move(QEvent::MouseMove, at, child.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&child, &move);
        QTest::mouseClick(&child, Qt::LeftButton, {}, at);
        Settle();
    }
};

// Whether a label shows the whole of its text: laid out as the label lays it out, the text fits
// the label, and the label lies inside every widget around it and inside the visible area.
::testing::AssertionResult ShowsWhole(const QLabel& label, const QWidget& area) {
    const QRect inside = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect needed = label.fontMetrics().boundingRect(inside, flags, label.text());
    if (needed.width() > inside.width() || needed.height() > inside.height())
        return ::testing::AssertionFailure() << label.objectName().toStdString() << " needs " << needed.width() << "x"
                                             << needed.height() << " and has " << inside.width() << "x" << inside.height();
    for (const QWidget* widget = &label; widget != &area; widget = widget->parentWidget()) {
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            return ::testing::AssertionFailure() << label.objectName().toStdString() << ": "
                                                 << widget->metaObject()->className() << " "
                                                 << widget->objectName().toStdString() << " reaches beyond its parent";
    }
    return ::testing::AssertionSuccess();
}

std::string FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : std::string();
}

std::string Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    return FocusName();
}

// A key pressed where the keyboard is: in an open menu, else at the focus.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* menu = QApplication::activePopupWidget();
    QTest::keyClick(menu ? menu : QApplication::focusWidget(), key, modifiers);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

}  // namespace

TEST_F(Desktop, FocusAtOpenIsOnTheHeatLoadBoxSoTheFirstKeystrokesCount) {
    for (const char* menu : {"mnuAir", "mnuWater", "mnuMobile"}) {
        SCOPED_TRACE(menu);
        SelectionDocument* document = Open(menu);
        EXPECT_EQ(FocusName(), "txtHeatLoad");
        QTest::keyClicks(QApplication::focusWidget(), "25");
        EXPECT_EQ(document->TextBox("txtHeatLoad")->text(), "25");
    }
}

TEST_F(Desktop, EnterMovesThroughTheBoxesAndPressesTheFocusedButton) {
    SelectionDocument* document = Open("mnuAir");
    for (const char* text : {"20", "60", "30", "60"}) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    ASSERT_EQ(FocusName(), "cmdOK");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(document->Tab(), 1);
    EXPECT_TRUE(document->CoolerShown());

    SelectionDocument* other = Open("mnuWater");
    other->findChild<QPushButton*>("cmdCancel")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    Settle();
    EXPECT_EQ(Documents(), 1);
}

TEST_F(Desktop, TabbingIntoAnOptionGroupLandsOnItsChosenButtonAndTheArrowsChooseTheGrade) {
    SelectionDocument* document = Open("mnuAir");
    document->Options("optHeatUnits")->SetValue(3, true);
    document->IsDirty(false);
    document->findChild<QPushButton*>("cmdCancel")->setFocus();
    EXPECT_EQ(Press(Qt::Key_Tab), "optHeatUnits(3)");
    EXPECT_EQ(Press(Qt::Key_Tab), "optFlowRate(0)");
    EXPECT_EQ(Press(Qt::Key_Tab), "optTempUnits(0)");
    EXPECT_EQ(Press(Qt::Key_Tab), "optViscosity(5)");
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(Press(Qt::Key_Down), "optViscosity(6)");
    EXPECT_EQ(document->OptionIndex("optViscosity"), 6);
    EXPECT_TRUE(document->IsDirty());
    EXPECT_EQ(Press(Qt::Key_Tab), "optMotor(0)");
    EXPECT_EQ(Press(Qt::Key_Backtab), "optViscosity(6)");
}

TEST_F(Desktop, TabGoesRoundEveryDocumentAndShiftTabWalksItBackWhateverButtonsAreChosen) {
    for (const char* menu : {"mnuAir", "mnuWater", "mnuMobile"}) {
        SCOPED_TRACE(menu);
        SelectionDocument* document = Open(menu);
        const QList<gui::OptionGroup*> groups = document->findChildren<gui::OptionGroup*>();
        const QList<QLineEdit*> boxes = document->findChildren<QLineEdit*>(QRegularExpression("^txt"));
        quellmar::test::ForEachChoice(*document, [&] {
            for (QWidget* start : std::vector<QWidget*>{boxes.front(), groups[1]->Button(groups[1]->Selected())}) {
                start->setFocus(Qt::OtherFocusReason);
                std::vector<QWidget*> stops;
                ASSERT_TRUE(quellmar::test::TabGoesRound(&stops));
                // The boxes, OK and Cancel, one stop for each group and the tabs.
                EXPECT_EQ(stops.size(), static_cast<std::size_t>(boxes.size() + 2 + groups.size() + 1));
                for (const gui::OptionGroup* group : groups)
                    EXPECT_NE(std::find(stops.begin(), stops.end(), group->Button(group->Selected())), stops.end());
                EXPECT_NE(std::find(stops.begin(), stops.end(), document->SSTab1()->tabBar()), stops.end());
            }
        });
    }
}

TEST_F(Desktop, TabGoesRoundTheResultsTabThroughTheTabsAndTheDrawingButton) {
    SelectionDocument* document = Searched(kAirSelection);
    QApplication::processEvents();
    ASSERT_TRUE(document->CoolerShown());
    document->SSTab1()->tabBar()->setFocus();
    std::vector<QWidget*> stops;
    ASSERT_TRUE(quellmar::test::TabGoesRound(&stops));
    EXPECT_EQ(quellmar::test::Names(stops), "cmdViewDxf, qt_tabwidget_tabbar");
    // The tabs chosen by the keyboard: the input tab's round starts again at the heat-load box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(document->Tab(), 0);
    EXPECT_EQ(Press(Qt::Key_Tab), "txtHeatLoad");
}

TEST_F(Desktop, AnAltLetterThatNoControlOrMenuOwnsLeavesTheBoxAsTyped) {
    SelectionDocument* document = Open("mnuAir");
    QTest::keyClicks(QApplication::focusWidget(), "44");
    // N and Z nobody owns; M belongs to the Models menu, which is hidden.
    for (Qt::Key letter : {Qt::Key_N, Qt::Key_M, Qt::Key_Z, Qt::Key_4}) {
        for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::ShiftModifier}) {
            QTest::keyClick(QApplication::focusWidget(), letter, modifiers);
            EXPECT_EQ(document->TextBox("txtHeatLoad")->text(), "44");
            EXPECT_EQ(FocusName(), "txtHeatLoad");
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    EXPECT_EQ(document->TextBox("txtHeatLoad")->text(), "445") << "without Alt the keys type";
    // The letters the document's labels own take the focus to their boxes.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(FocusName(), "txtOilFlow");
    EXPECT_EQ(document->TextBox("txtOilFlow")->selectedText(), "0.0");
    // The main window's menus keep the letters that the document does not own.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget()->objectName(), "mnuEdit");
    QApplication::activePopupWidget()->close();
}

TEST_F(Desktop, DocumentOpenedWhileAnotherIsMaximisedOpensMaximised) {
    SelectionDocument* first = Open("mnuAir");
    const QRect normal = FrameOf(first)->geometry();
    EXPECT_EQ(normal.topLeft(), QPoint(0, 0));
    FrameOf(first)->showMaximized();
    for (const char* menu : {"mnuWater", "mnuMobile"}) {
        SCOPED_TRACE(menu);
        SelectionDocument* document = Open(menu);
        QMdiSubWindow* frameOfDocument = FrameOf(document);
        EXPECT_TRUE(frameOfDocument->isMaximized());
        EXPECT_EQ(frameOfDocument->geometry(), Visible());
        EXPECT_EQ(FocusName(), "txtHeatLoad");
        frameOfDocument->showNormal();
        EXPECT_EQ(frameOfDocument->geometry(), normal);
        frameOfDocument->showMaximized();
    }
}

TEST_F(Desktop, AfterRestoreMinimiseMaximiseAndCloseTheMainWindowShowsAndCommandsTheDocumentInFront) {
    for (const char* menu : {"mnuAir", "mnuWater", "mnuMobile", "mnuAir", "mnuWater", "mnuMobile"}) Open(menu);
    FrameOf(Active())->showMaximized();
    SelectionDocument* shown = Open("mnuAir");
    ASSERT_TRUE(FrameOf(shown)->isMaximized());
    EXPECT_TRUE(ShowsTheFrontDocument());

    shown->TextBox("txtAirTemp")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "30");
    PressMenuBarButton(1);  // restore
    EXPECT_FALSE(FrameOf(shown)->isMaximized());
    EXPECT_TRUE(ShowsTheFrontDocument());
    // The focus stays where it was, and typing goes on after what was typed.
    EXPECT_EQ(FocusName(), "txtAirTemp");
    QTest::keyClicks(QApplication::focusWidget(), "4");
    EXPECT_EQ(shown->TextBox("txtAirTemp")->text(), "304");
    // Save As saves the document in front, under the name asked.
    Dialogs().QueueFileName(Path("front.quo"));
    Menu("mnuSaveAs");
    EXPECT_EQ(shown->SavedFileName(), Path("front.quo"));

    // Maximised again, then minimised: the next document comes to the front and takes the commands.
    FrameOf(shown)->showMaximized();
    Settle();
    EXPECT_TRUE(ShowsTheFrontDocument());
    EXPECT_EQ(FocusName(), "txtAirTemp");
    PressMenuBarButton(2);  // minimise
    EXPECT_TRUE(FrameOf(shown)->isMinimized());
    EXPECT_NE(Front(), FrameOf(shown));
    EXPECT_TRUE(ShowsTheFrontDocument());

    // Closing a maximised document asks about that document and leaves the next one in front.
    FrameOf(Active())->showMaximized();
    Settle();
    QPointer<SelectionDocument> closing = Active();
    closing->IsDirty(true);
    Dialogs().QueueModal(gui::ScriptedDialogs::Click("cmdButton(1)"));  // No: close without saving
    PressMenuBarButton(0);  // close
    EXPECT_EQ(Dialogs().ModalNames().size(), 1u);
    EXPECT_FALSE(closing);
    EXPECT_EQ(Documents(), 6);
    EXPECT_TRUE(ShowsTheFrontDocument());
    FrameOf(Active())->close();
    Settle();
    EXPECT_TRUE(ShowsTheFrontDocument());
}

TEST_F(Desktop, ResultsLabelsShowTheLongestTextsWholeAtTheDefaultSize) {
    const std::map<QString, QString> longest = LongestTexts();
    const auto check = [this](const QList<QLabel*>& labels) {
        QApplication::processEvents();
        QApplication::processEvents();
        for (const QLabel* label : labels) {
            if (label->isVisible() && !label->text().isEmpty()) {
                EXPECT_TRUE(ShowsWhole(*label, *frame.Area()->viewport()));
            }
        }
    };
    for (const char* menu : {"mnuAir", "mnuWater", "mnuMobile"}) {
        SCOPED_TRACE(menu);
        SelectionDocument* document = Open(menu);
        document->SetTab(1);
        QWidget* picture2 = document->findChild<QWidget*>("Picture2");
        const QList<QLabel*> labels = document->SSTab1()->widget(1)->findChildren<QLabel*>(QRegularExpression("^lbl"));
        ASSERT_GT(labels.size(), 30);
        for (QLabel* label : labels) {
            const auto text = longest.find(label->objectName());
            ASSERT_NE(text, longest.end()) << label->objectName().toStdString();
            label->setText(text->second);
            label->show();
        }
        // No cooler fits: the parameters and the reason.
        check(labels);
        // A cooler with every warning.
        document->Label("lblErrorMsg")->clear();
        picture2->show();
        check(labels);
        document->IsDirty(false);
        FrameOf(document)->close();
    }
}

// The user changes the state of the document being typed in: the box keeps its cursor and its
// selection, and typing goes on where it stopped.
TEST_F(Desktop, AFocusedBoxKeepsItsCursorAndSelectionWhenItsWindowIsMaximisedRestoredOrMinimised) {
    const struct {
        const char* change;
        std::function<void(QMdiSubWindow&)> make;
    } changes[] = {
        {"the title's maximise button",
         [](QMdiSubWindow& child) {
             ClickTitleButton(child, QStyle::SC_TitleBarMaxButton);
             ASSERT_TRUE(child.isMaximized());
         }},
        {"the title's minimise button, then Ctrl+F6 to it and Enter",
         [&](QMdiSubWindow& child) {
             ClickTitleButton(child, QStyle::SC_TitleBarMinButton);
             ASSERT_TRUE(child.isMinimized());
             PressKey(Qt::Key_F6, Qt::ControlModifier);
             PressKey(Qt::Key_Return);
         }},
        {"the window menu's Maximise, then the menu bar's restore button",
         [&](QMdiSubWindow& child) {
             PressKey(Qt::Key_Minus, Qt::AltModifier);
             PressKey(Qt::Key_X);
             ASSERT_TRUE(child.isMaximized());
             PressMenuBarButton(1);
         }},
        {"the window menu's Minimise, then Ctrl+Tab to it and its window menu's Restore",
         [&](QMdiSubWindow& child) {
             PressKey(Qt::Key_Minus, Qt::AltModifier);
             PressKey(Qt::Key_N);
             ASSERT_TRUE(child.isMinimized());
             PressKey(Qt::Key_Tab, Qt::ControlModifier);
             PressKey(Qt::Key_Minus, Qt::AltModifier);
             PressKey(Qt::Key_R);
         }},
    };
    SelectionDocument* behind = Open("mnuWater");
    for (const auto& [change, make] : changes) {
        SCOPED_TRACE(change);
        SelectionDocument* document = Open("mnuAir");
        for (SelectionDocument* shown : {behind, document}) FrameOf(shown)->showNormal();
        Settle();
        // "34" of "12345" selected; a box that selected all of it again would lose "12" and "5".
        PressKey(Qt::Key_Tab);
        ASSERT_EQ(FocusName(), "txtOilFlow");
        QTest::keyClicks(QApplication::focusWidget(), "12345");
        PressKey(Qt::Key_Left);
        PressKey(Qt::Key_Left, Qt::ShiftModifier);
        PressKey(Qt::Key_Left, Qt::ShiftModifier);
        make(*FrameOf(document));
        EXPECT_FALSE(FrameOf(document)->isMinimized());
        EXPECT_EQ(Active(), document);
        EXPECT_EQ(FocusName(), "txtOilFlow");
        EXPECT_EQ(document->TextBox("txtOilFlow")->selectedText(), "34");
        PressKey(Qt::Key_9);
        EXPECT_EQ(document->TextBox("txtOilFlow")->text(), "1295");
        document->IsDirty(false);
        FrameOf(document)->close();
        Settle();
        ASSERT_EQ(Active(), behind);
    }
}

// Ctrl+F6 and Ctrl+Tab visit every open document in turn, the minimised one too, which comes above
// the others; with Shift they walk back. Enter or the window menu's Restore brings a minimised one
// back; with a maximised document in front every one visited is shown maximised, with its box
// focused.
TEST_F(Desktop, EveryDocumentFromTheKeyboardIsVisitedInTurnAndAMinimisedOneIsRestored) {
    // Each walk, then the minimised document restored by Enter or by Alt+minus and R.
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int step;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> restore;
    } walks[] = {{Qt::Key_F6, Qt::ControlModifier, 1, {{Qt::Key_Return, {}}}},
                 {Qt::Key_Tab, Qt::ControlModifier, 1, {{Qt::Key_Minus, Qt::AltModifier}, {Qt::Key_R, {}}}},
                 {Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier, -1, {{Qt::Key_Return, {}}}},
                 {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1, {{Qt::Key_Minus, Qt::AltModifier}, {Qt::Key_R, {}}}}};
    const std::vector<std::string> titles = {"water 1", "mobile", "water 2"};
    for (const bool maximised : {false, true}) {
        for (const auto& [key, modifiers, step, restore] : walks) {
            SCOPED_TRACE(QKeySequence(QKeyCombination(modifiers, key)).toString().toStdString() + (maximised ? ", maximised" : ""));
            std::vector<SelectionDocument*> documents;
            for (const char* menu : {"mnuWater", "mnuMobile", "mnuWater"}) {
                documents.push_back(Open(menu));
                documents.back()->setWindowTitle(QString::fromStdString(titles[documents.size() - 1]));
            }
            QMdiSubWindow* minimised = FrameOf(documents[1]);
            minimised->showMinimized();
            if (maximised) FrameOf(documents[2])->showMaximized();
            documents[2]->TextBox("txtHeatLoad")->setFocus();
            Settle();
            ASSERT_EQ(Active(), documents[2]);

            std::vector<std::string> visited, expected;
            for (int i = 1; i <= 6; ++i) {
                PressKey(key, modifiers);
                visited.push_back(gui::ActiveChild()->windowTitle().toStdString());
                expected.push_back(titles[(2 + step * i + 6) % 3]);
                const QMdiSubWindow* active = FrameOf(gui::ActiveChild());
                EXPECT_EQ(frame.Area()->subWindowList(QMdiArea::StackingOrder).back(), active) << "in front";
                // The keys go to the minimised window's frame, else to a box of the window, the only one
                // that shows a selection.
                EXPECT_TRUE(QApplication::focusWidget() == active || gui::ActiveChild()->isAncestorOf(QApplication::focusWidget()));
                for (const QLineEdit* box : gui::ActiveChild()->findChildren<QLineEdit*>()) {
                    EXPECT_TRUE(box == QApplication::focusWidget() || !box->hasSelectedText()) << box->objectName().toStdString();
                }
                if (maximised) {
                    EXPECT_TRUE(ShowsTheFrontDocument());
                }
            }
            EXPECT_EQ(visited, expected);

            // Walked to the minimised one, which the keys restore (it was shown maximised when another was).
            for (int i = 0; i < 3 && Active() != documents[1]; ++i) PressKey(key, modifiers);
            ASSERT_EQ(Active(), documents[1]);
            EXPECT_EQ(minimised->isMinimized(), !maximised);
            if (!maximised) {
                for (const auto& [restoring, with] : restore) PressKey(restoring, with);
            }
            EXPECT_FALSE(minimised->isMinimized());
            EXPECT_EQ(Active(), documents[1]);
            EXPECT_EQ(FocusName(), "txtHeatLoad");
            EXPECT_TRUE(ShowsTheFrontDocument());
            for (SelectionDocument* document : documents) {
                document->IsDirty(false);
                FrameOf(document)->close();
            }
            Settle();
        }
    }
}
