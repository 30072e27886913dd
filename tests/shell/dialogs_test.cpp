#include "about_box.h"
#include "customer_dialog.h"
#include "other_models_dialog.h"
#include "question_dialog.h"
#include "select_type_dialog.h"
#include "shell_fixture.h"
#include "tab_round.h"

#include "gui/fore_color.h"
#include "gui/title_width.h"

#include <QApplication>
#include <QLabel>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace quellmar::shell;

namespace {

class Dialog : public ShellTest {};

template <typename D>
void ShowActive(D& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.activateWindow();
}

}  // namespace

TEST_F(Dialog, SelectTypeAnswersTheChosenKindOrNoneOnCancel) {
    SelectTypeDialog confirmed(nullptr);
    confirmed.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(confirmed.coolerType, CoolerType::Air);

    SelectTypeDialog mobile(nullptr);
    mobile.findChild<QWidget*>("optType(2)")->setProperty("checked", true);
    mobile.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(mobile.coolerType, CoolerType::Mobile);

    SelectTypeDialog cancelled(nullptr);
    cancelled.findChild<QWidget*>("optType(1)")->setProperty("checked", true);
    cancelled.findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_EQ(cancelled.coolerType, std::nullopt);

    SelectTypeDialog framed(nullptr);
    framed.show();
    framed.close();
    EXPECT_EQ(framed.coolerType, std::nullopt);
    EXPECT_EQ(framed.windowTitle(), "Type of Heat Exchanger");
}

TEST_F(Dialog, SelectTypeOpensOnTheChosenTypeAndEnterAfterChoosingByTheArrowsConfirmsIt) {
    SelectTypeDialog dialog(nullptr);
    ShowActive(dialog);
    // The first control in tab order, as every window opens.
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "optType(0)");
    EXPECT_TRUE(quellmar::test::TabGoesRound());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.coolerType, CoolerType::Water);
}

TEST_F(Dialog, EveryDialogShowsItsTitleWholeAndTabGoesRoundIt) {
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.emplace_back(new SelectTypeDialog(nullptr));
    dialogs.emplace_back(new CustomerDialog(nullptr));
    dialogs.emplace_back(QuestionDialog::NewQuoteChanged(nullptr));
    dialogs.emplace_back(QuestionDialog::NewFileExists(nullptr));
    dialogs.emplace_back(new frmHelpAbout(nullptr));
    auto* models = new OtherModelsDialog(nullptr);
    models->AddRow("OV 80 AC", 7);
    models->AddRow("OV 90 AC", 8);
    dialogs.emplace_back(models);
    for (const std::unique_ptr<QDialog>& dialog : dialogs) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        ShowActive(*dialog);
        EXPECT_GE(dialog->width(), gui::TitleWidth(*dialog));
        EXPECT_TRUE(quellmar::test::TabGoesRound());
        dialog->hide();
    }
}

TEST_F(Dialog, CustomerDateIsWrittenDayMonthYearAndCheckedOnOk) {
    CustomerDialog dialog(nullptr);
    dialog.FillValues(vb::DateSerial(2004, 2, 29), "A, B", "addr", "attn", "ref", "me");
    auto* date = dialog.findChild<QLineEdit*>("txtDate");
    auto* error = dialog.findChild<QLabel*>("lblError");
    EXPECT_EQ(date->text(), "29/2/2004");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtCompany")->text(), "A, B");
    ShowActive(dialog);
    EXPECT_TRUE(error->isHidden());
    EXPECT_EQ(gui::ForeColor(*error), 192);

    date->clear();
    dialog.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(error->isHidden());
    EXPECT_EQ(Dialogs().Beeps(), 1);
    EXPECT_TRUE(dialog.Cancel);
    QTest::keyClicks(date, "3");
    EXPECT_TRUE(error->isHidden());

    date->setText("31/2/2004");
    dialog.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_TRUE(dialog.isVisible());
    date->setText("1/3/2004");
    dialog.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Cancel);
    EXPECT_EQ(dialog.EnteredDate(), vb::DateSerial(2004, 3, 1));
}

TEST_F(Dialog, CustomerEnterDoesNotPressOkAndEscCancels) {
    CustomerDialog dialog(nullptr);
    dialog.FillValues(0, "", "", "", "", "");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtDate")->text(),
              QString::fromStdString(vb::FormatDate(vb::Today(), vb::DateLayout::DayMonth)));
    ShowActive(dialog);
    auto* company = dialog.findChild<QLineEdit*>("txtCompany");
    company->setFocus();
    QTest::keyClick(company, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(company, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Cancel);
}

TEST_F(Dialog, CustomerEnterOnTheFocusedOkButtonAccepts) {
    CustomerDialog dialog(nullptr);
    dialog.FillValues(vb::DateSerial(2004, 2, 29), "Acme", "", "", "", "");
    ShowActive(dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QLineEdit*>("txtDate"));
    dialog.findChild<QPushButton*>("cmdOK")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Cancel);
}

TEST_F(Dialog, QuestionsAnswerByButtonAndEnterPressesTheFocusedOne) {
    std::unique_ptr<QuestionDialog> changed(QuestionDialog::NewQuoteChanged(nullptr));
    EXPECT_EQ(changed->windowTitle(), "Quotation has changed");
    EXPECT_EQ(changed->findChild<QLabel*>("Label1(1)")->text(), "Do you want to save the changes?");
    ShowActive(*changed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(changed->Result, QuestionDialog::Answer::Yes);
    EXPECT_FALSE(changed->isVisible());

    std::unique_ptr<QuestionDialog> exists(QuestionDialog::NewFileExists(nullptr));
    EXPECT_EQ(exists->findChild<QLabel*>("Label1(1)")->text(), "Do you want to over write it?");
    ShowActive(*exists);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(exists->Result, QuestionDialog::Answer::Cancel);

    std::unique_ptr<QuestionDialog> mnemonic(QuestionDialog::NewQuoteChanged(nullptr));
    ShowActive(*mnemonic);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(mnemonic->isVisible());
    auto* no = mnemonic->findChild<QPushButton*>("cmdButton(1)");
    EXPECT_EQ(QKeySequence::mnemonic(no->text()), QKeySequence(Qt::ALT | Qt::Key_N));
    no->click();
    EXPECT_EQ(mnemonic->Result, QuestionDialog::Answer::No);
    EXPECT_FALSE(mnemonic->isVisible());

    std::unique_ptr<QuestionDialog> framed(QuestionDialog::NewFileExists(nullptr));
    framed->show();
    framed->close();
    EXPECT_EQ(framed->Result, QuestionDialog::Answer::Cancel);
    EXPECT_FALSE(framed->isVisible());
}
