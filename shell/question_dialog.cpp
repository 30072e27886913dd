#include "question_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quellmar::shell {

QuestionDialog* QuestionDialog::NewQuoteChanged(QWidget* parent) {
    return new QuestionDialog("frmQuoteChanged", "Quotation has changed", "Quotation has changed.",
                              "Do you want to save the changes?", Focus::YesFirst, parent);
}

QuestionDialog* QuestionDialog::NewFileExists(QWidget* parent) {
    return new QuestionDialog("frmFileExists", "File already exists", "File already exists.",
                              "Do you want to over write it?", Focus::CancelFirst, parent);
}

QuestionDialog::QuestionDialog(const QString& formName, const QString& caption, const QString& firstLine,
                               const QString& secondLine, Focus focus, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(formName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* first = new QLabel(firstLine, this);
    first->setObjectName("Label1(0)");
    auto* second = new QLabel(secondLine, this);
    second->setObjectName("Label1(1)");

    auto* message = new QVBoxLayout;
    message->addWidget(first);
    message->addWidget(second);
    auto* top = new QHBoxLayout;
    top->addWidget(image, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(message, 1);

    auto* row = new QHBoxLayout;
    const char* captions[3] = {"&Yes", "&No", "&Cancel"};
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new QPushButton(captions[i], this);
        buttons_[i]->setObjectName(QString("cmdButton(%1)").arg(i));
        // Enter presses the button with the focus, never a default one.
        buttons_[i]->setAutoDefault(true);
        buttons_[i]->setDefault(false);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { cmdButton_Click(i); });
        row->addWidget(buttons_[i]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(row);

    if (focus == Focus::YesFirst) {
        setTabOrder(buttons_[0], buttons_[1]);
        setTabOrder(buttons_[1], buttons_[2]);
        buttons_[0]->setFocus();
    } else {
        setTabOrder(buttons_[2], buttons_[1]);
        setTabOrder(buttons_[1], buttons_[0]);
        buttons_[2]->setFocus();
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void QuestionDialog::cmdButton_Click(int index) {
    Result = static_cast<Answer>(index);
    hide();
}

void QuestionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuestionDialog::reject() {
    // Reached by the frame's close button: the answer stays Cancel.
    hide();
}

}  // namespace quellmar::shell
