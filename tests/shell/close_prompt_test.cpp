#include "air_selection.h"
#include "child_windows.h"
#include "fake_rating.h"
#include "main_window.h"
#include "shell_fixture.h"
#include "temp_folder.h"

#include "gui/mdi_frame.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include <filesystem>

using namespace quellmar::shell;
using gui::ScriptedDialogs;

namespace {

class ClosePrompt : public ShellTest {
protected:
    ClosePrompt() { frame.show(); }
    ~ClosePrompt() override {
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (auto* document = qobject_cast<SelectionDocument*>(child->widget())) document->IsDirty(false);
    }

    QPointer<frmAirSelection> NewDirtyDocument() {
        auto* document = new frmAirSelection;
        ShowDocument(document);
        document->TextBox("txtHeatLoad")->setText("20");
        return document;
    }
    static bool Close(SelectionDocument* document) {
        return qobject_cast<QMdiSubWindow*>(document->parentWidget())->close();
    }
    QString Path(const char* name) const { return QString::fromStdString((folder / name).string()); }
    void Exists(const char* name) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // The quotation files that hold a record (an existing file of the test is empty).
    std::vector<QString> Written() const {
        std::vector<QString> written;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            if (entry.file_size() > 0) written.push_back(QString::fromStdString(entry.path().string()));
        return written;
    }

    FakeAirEngine engine;
    quellmar::test::TempFolder folder;
    frmQuellmar frame;
};

}  // namespace

TEST_F(ClosePrompt, CleanDocumentClosesWithoutAQuestion) {
    auto* document = new frmAirSelection;
    ShowDocument(document);
    EXPECT_TRUE(Close(document));
    EXPECT_TRUE(Dialogs().Shown().empty());
}

TEST_F(ClosePrompt, NoClosesWithoutSavingAndCancelKeepsTheDocument) {
    auto document = NewDirtyDocument();
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(2)"));
    EXPECT_FALSE(Close(document));
    EXPECT_TRUE(document->IsDirty());
    // Closing the question by its frame is Cancel too.
    Dialogs().QueueModal(ScriptedDialogs::CloseByFrame());
    EXPECT_FALSE(Close(document));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(1)"));
    EXPECT_TRUE(Close(document));
    EXPECT_TRUE(Written().empty());
    const std::vector<QString> asked = {"frmQuoteChanged", "frmQuoteChanged", "frmQuoteChanged"};
    EXPECT_EQ(Dialogs().ModalNames(), asked);
}

TEST_F(ClosePrompt, YesSavesToTheDocumentsOwnFile) {
    auto document = NewDirtyDocument();
    document->SavedFileName(Path("own.quo"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    EXPECT_TRUE(Close(document));
    EXPECT_EQ(Written(), std::vector<QString>{Path("own.quo")});
    EXPECT_EQ(Dialogs().ModalNames().size(), 1u);
}

TEST_F(ClosePrompt, CancelledFileDialogKeepsTheDocumentOpenAndDirty) {
    auto document = NewDirtyDocument();
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    Dialogs().QueueFileName(std::nullopt);
    EXPECT_FALSE(Close(document));
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->IsDirty());
    EXPECT_TRUE(Written().empty());
}

TEST_F(ClosePrompt, NewNameIsSavedAtOnce) {
    auto document = NewDirtyDocument();
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    Dialogs().QueueFileName(Path("new.quo"));
    EXPECT_TRUE(Close(document));
    EXPECT_EQ(Written(), std::vector<QString>{Path("new.quo")});
}

TEST_F(ClosePrompt, ExistingNameAsksBeforeOverwriting) {
    Exists("old.quo");
    Exists("older.quo");
    auto document = NewDirtyDocument();
    // No asks for a name again; Cancel at the second question keeps the document open and dirty.
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    Dialogs().QueueFileName(Path("old.quo"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(1)"));
    Dialogs().QueueFileName(Path("older.quo"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(2)"));
    EXPECT_FALSE(Close(document));
    EXPECT_TRUE(document->IsDirty());
    EXPECT_TRUE(Written().empty());
    const std::vector<QString> asked = {"frmQuoteChanged", "frmFileExists", "frmFileExists"};
    EXPECT_EQ(Dialogs().ModalNames(), asked);
    EXPECT_TRUE(Dialogs().AllAnswersUsed());

    Dialogs().Clear();
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    Dialogs().QueueFileName(Path("old.quo"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    EXPECT_TRUE(Close(document));
    EXPECT_EQ(Written(), std::vector<QString>{Path("old.quo")});
}

TEST_F(ClosePrompt, SaveThatFailsKeepsTheDocumentOpen) {
    auto document = NewDirtyDocument();
    document->SavedFileName(Path("gone/own.quo"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    EXPECT_FALSE(Close(document));
    EXPECT_TRUE(document->IsDirty());
    ASSERT_EQ(Dialogs().MessageTexts().size(), 1u);
    EXPECT_TRUE(Dialogs().MessageTexts()[0].startsWith("The quotation could not be saved as " + Path("gone/own.quo")));
    EXPECT_EQ(document->SavedFileName(), Path("gone/own.quo"));
    // Exit waiting on the same save is cancelled: everything stays open.
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(document);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(Dialogs().MessageTexts().size(), 2u);
}

TEST_F(ClosePrompt, CancelButtonOfTheInputTabClosesThroughThePrompt) {
    auto document = NewDirtyDocument();
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(2)"));
    document->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_TRUE(document);
    EXPECT_EQ(Dialogs().ModalNames(), std::vector<QString>{"frmQuoteChanged"});
}

TEST_F(ClosePrompt, ExitWithOneCancelClosesNothing) {
    auto first = NewDirtyDocument();
    auto* clean = new frmAirSelection;
    ShowDocument(clean);
    auto third = NewDirtyDocument();
    // The first says No, the third cancels: everything stays open and the first is still dirty.
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(1)"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(2)"));
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(frame.Area()->subWindowList().size(), 3);
    EXPECT_TRUE(first->IsDirty());
    EXPECT_TRUE(third->IsDirty());
    EXPECT_TRUE(frame.isVisible());

    // Asked again, each dirty document asks again; with No twice everything closes.
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(1)"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(1)"));
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(Dialogs().ModalNames().size(), 4u);
}

TEST_F(ClosePrompt, ExitStoppedByAnotherWindowLeavesTheDocumentsAskingAgain) {
    // A window that refuses to close (as a model editor with an edit it cannot store does) and,
    // after it, a document with changes.
    class RefusingWindow : public QWidget {
    protected:
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    auto* refusing = new RefusingWindow;
    refusing->setObjectName("frmEditAir");
    gui::ShowMdiChild(refusing);
    auto document = NewDirtyDocument();
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(1)"));
    EXPECT_FALSE(frame.close());
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->IsDirty());

    // The answer No was for an exit that did not happen: closing the document later asks again.
    document->TextBox("txtOilFlow")->setText("60");
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(2)"));
    EXPECT_FALSE(Close(document));
    EXPECT_TRUE(document);
    EXPECT_TRUE(document->IsDirty());
    EXPECT_EQ(Dialogs().ModalNames().size(), 2u);
    refusing->setParent(nullptr);
    delete refusing;
}
