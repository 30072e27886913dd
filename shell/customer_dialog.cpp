#include "customer_dialog.h"

#include "gui/child_control.h"
#include "gui/dialog_service.h"
#include "gui/fore_color.h"
#include "gui/keyboard_helpers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quellmar::shell {

CustomerDialog::CustomerDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmCustomer");
    setWindowTitle("Customer Details");
    auto* grid = new QGridLayout(this);
    struct Box {
        const char* name;
        const char* caption;
        QLineEdit* CustomerDialog::*member;
    };
    const Box boxes[] = {{"txtDate", "&Date (d/m/yyyy)", &CustomerDialog::txtDate_},
                         {"txtCompany", "&Company", &CustomerDialog::txtCompany_},
                         {"txtAddress", "&Address", &CustomerDialog::txtAddress_},
                         {"txtAttention", "A&ttention", &CustomerDialog::txtAttention_},
                         {"txtReference", "&Reference", &CustomerDialog::txtReference_},
                         {"txtSized", "&Sized by", &CustomerDialog::txtSized_}};
    QWidget* previous = nullptr;
    int row = 0;
    for (const Box& box : boxes) {
        auto* label = new QLabel(box.caption, this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(box.name);
        this->*box.member = edit;
        edit->setMinimumWidth(300);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        if (previous) setTabOrder(previous, edit);
        previous = edit;
        ++row;
    }
    gui::SelectAllOnFocus(*txtDate_);
    connect(txtDate_, &QLineEdit::textChanged, this, [this] { lblError_->hide(); });

    lblError_ = new QLabel("Date format incorrect", this);
    lblError_->setObjectName("lblError");
    gui::SetForeColor(*lblError_, gui::kColorDarkRed);
    lblError_->hide();
    grid->addWidget(lblError_, row++, 1);

    auto* ok = gui::NewControl<QPushButton>("cmdOK", "&OK", this);
    auto* cancel = gui::NewControl<QPushButton>("cmdCancel", "&Cancel", this);
    // No default button: Enter in a box does not press OK.
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, &CustomerDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &CustomerDialog::cmdCancel_Click);
    setTabOrder(previous, ok);
    setTabOrder(ok, cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, row, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    txtDate_->setFocus();
}

void CustomerDialog::FillValues(vb::DateValue dat, const QString& co, const QString& addr, const QString& attn,
                                const QString& ref, const QString& sized) {
    const vb::DateValue shown = dat == 0 ? vb::Today() : dat;
    txtDate_->setText(QString::fromStdString(vb::FormatDate(shown, vb::DateLayout::DayMonth)));
    txtCompany_->setText(co);
    txtAddress_->setText(addr);
    txtAttention_->setText(attn);
    txtReference_->setText(ref);
    txtSized_->setText(sized);
}

std::optional<vb::DateValue> CustomerDialog::EnteredDate() const {
    return vb::ParseDate(txtDate_->text().toStdString(), vb::DateLayout::DayMonth);
}

void CustomerDialog::cmdOK_Click() {
    if (!EnteredDate()) {
        gui::Dialogs().Beep();
        lblError_->show();
        txtDate_->setFocus();
        return;
    }
    Cancel = false;
    hide();
}

void CustomerDialog::cmdCancel_Click() {
    Cancel = true;
    hide();
}

// Esc and the frame's close button both answer Cancel.
void CustomerDialog::reject() { cmdCancel_Click(); }

}  // namespace quellmar::shell
