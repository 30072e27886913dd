#include "doubles/scripted_dialogs.h"
#include "gui/dialog_service.h"
#include "gui/guarded.h"
#include "gui/wait_cursor.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(DialogService, FiltersOfferNamesWithoutADotForAllFiles) {
    EXPECT_EQ(gui::QtFileFilter("QUO Files (*.quo)|*.quo|All Files (*.*)|*.*"), "QUO Files (*.quo);;All Files (*)");
}

TEST(DialogService, ScriptedAnswersAreUsedInOrderAndRecorded) {
    gui::ScriptedDialogs dialogs;
    dialogs.QueueMessageAnswer(gui::vbNo);
    EXPECT_EQ(dialogs.MsgBox("Really?", gui::vbYesNo, "Question"), gui::vbNo);
    EXPECT_EQ(dialogs.MsgBox("Done", gui::vbOKOnly, "Note"), gui::vbOK);
    dialogs.QueueFileName(QString("/tmp/a.quo"));
    EXPECT_EQ(dialogs.ShowSave({}), QString("/tmp/a.quo"));
    EXPECT_EQ(dialogs.ShowOpen({}), std::nullopt);

    QDialog dialog;
    dialog.setObjectName("frmTest");
    auto* ok = new QPushButton("OK", &dialog);
    ok->setObjectName("cmdOK");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::hide);
    dialogs.QueueModal(gui::ScriptedDialogs::Click("cmdOK"));
    dialogs.ShowModal(dialog);
    dialogs.ShowModal(dialog);
    EXPECT_EQ(dialogs.ModalNames(), (std::vector<QString>{"frmTest", "frmTest"}));
    EXPECT_FALSE(dialogs.Shown()[4].closedByFrame);
    EXPECT_TRUE(dialogs.Shown()[5].closedByFrame);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

// Print Setup only chooses the printer: its dialog is titled and answered so, not "Print".
TEST(DialogService, PrintSetupSaysItSetsThePrinterUp) {
    const std::unique_ptr<gui::DialogService> dialogs = gui::MakeQtDialogs();
    QString title, button;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(window);
            if (!dialog || !dialog->isVisible()) continue;
            title = dialog->windowTitle();
            if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
                button = buttons->button(QDialogButtonBox::Ok)->text();
            dialog->reject();
        }
    });
    EXPECT_FALSE(dialogs->ShowPrinter());
    EXPECT_EQ(title, "Print Setup");
    EXPECT_EQ(button, "&Set Up");
}

TEST(WaitCursor, RestoresThePointerItFoundOnEveryPath) {
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    try {
        gui::WaitCursor outer;
        EXPECT_EQ(gui::ScreenMousePointer(), 11);
        {
            gui::WaitCursor inner;
            gui::NormalCursorWhileModal question;
            EXPECT_EQ(gui::ScreenMousePointer(), 0);
        }
        EXPECT_EQ(gui::ScreenMousePointer(), 11);
        throw std::runtime_error("database gone");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
}

TEST(Guarded, ErrorsBecomeAMessageAfterTheHourglassIsGone) {
    auto* dialogs = new gui::ScriptedDialogs;
    auto previous = gui::InstallDialogs(std::unique_ptr<gui::DialogService>(dialogs));
    const bool ran = gui::Guarded([] {
        gui::WaitCursor wait;
        throw std::runtime_error("The cooler database cannot be opened.");
    });
    EXPECT_FALSE(ran);
    ASSERT_EQ(dialogs->Messages().size(), 1u);
    EXPECT_EQ(dialogs->Messages()[0].text, "The cooler database cannot be opened.");
    EXPECT_EQ(dialogs->Messages()[0].mousePointer, 0);
    gui::InstallDialogs(std::move(previous));
}
