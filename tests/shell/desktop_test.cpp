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
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

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
