#pragma once

#include <QDialog>

class QPushButton;

namespace quellmar::shell {

// A question with the three answers Yes, No and Cancel: frmQuoteChanged (save the changes?) and
// frmFileExists (overwrite the file?). Result is the button pressed; closing the dialog through its
// frame answers Cancel. Enter presses the button that has the focus; Esc does nothing.
class QuestionDialog : public QDialog {
    Q_OBJECT

public:
    static QuestionDialog* NewQuoteChanged(QWidget* parent);
    static QuestionDialog* NewFileExists(QWidget* parent);

    // By the index of the button: cmdButton(0) Yes, (1) No, (2) Cancel.
    enum class Answer { Yes = 0, No = 1, Cancel = 2 };
    Answer Result = Answer::Cancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    enum class Focus { YesFirst, CancelFirst };
    QuestionDialog(const QString& formName, const QString& caption, const QString& firstLine, const QString& secondLine,
                   Focus focus, QWidget* parent);
    void cmdButton_Click(int index);

    QPushButton* buttons_[3] = {};
};

}  // namespace quellmar::shell
