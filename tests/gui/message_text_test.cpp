// Error texts in message boxes: shown whole, whatever bytes a quoted file line brings into them.
#include "doubles/scripted_dialogs.h"
#include "gui/dialog_service.h"
#include "gui/guarded.h"
#include "gui/message_text.h"

#include "vb/error.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The refusal of a binary DXF file quotes its first line, NUL and all.
const std::string kBinaryRefusal =
    "At entity type '" + std::string("AutoCAD Binary DXF\r\n\x1a\0\x02", 23) + "'.\r\n ->  DXFMain.";

TEST(MessageText, ANulInAnErrorTextIsShownAsAPlaceholderAndNothingAfterItIsLost) {
    auto* dialogs = new gui::ScriptedDialogs;
    auto previous = gui::InstallDialogs(std::unique_ptr<gui::DialogService>(dialogs));
    gui::Guarded([] { throw vb::RuntimeError(vb::kVbObjectError + 1, kBinaryRefusal); });
    const std::vector<QString> texts = dialogs->MessageTexts();
    gui::InstallDialogs(std::move(previous));
    ASSERT_EQ(texts.size(), 1u);
    const QString text = texts[0];
    EXPECT_EQ(text.size(), qsizetype(kBinaryRefusal.size()));
    EXPECT_EQ(gui::MessageBoxText(text),
              QString::fromUtf8("At entity type 'AutoCAD Binary DXF\n\u241A\u2400\u2402'.\n ->  DXFMain."));
}

TEST(MessageText, LineBreaksAndTabsStayAndOtherControlCharactersBecomeVisible) {
    EXPECT_EQ(gui::MessageBoxText("a\r\nb\rc\nd\te"), "a\nb\nc\nd\te");
    EXPECT_EQ(gui::MessageBoxText(QString::fromUtf8("\x1b[1m\x7f") + QChar(0x85) + QString::fromUtf8("é€")),
              QString::fromUtf8("\u241B[1m\u2421\uFFFDé€"));
}

TEST(MessageText, TheMessageBoxShowsThePlaceholderAsPlainText) {
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                shown = box->text();
                format = box->textFormat();
                box->accept();
            }
    });
    const QString prompt = QString::fromUtf8("<b>line</b> ") + QChar(0) + "rest";
    gui::MakeQtDialogs()->MsgBox(prompt, gui::vbOKOnly | gui::vbCritical, "DXF");
    EXPECT_EQ(shown, QString::fromUtf8("<b>line</b> \u2400rest"));
    EXPECT_EQ(format, Qt::PlainText);
}

}  // namespace
