#include "select_type_dialog.h"

#include "gui/child_control.h"
#include "gui/desktop_keyboard.h"
#include "gui/option_group.h"
#include "gui/title_width.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quellmar::shell {

SelectTypeDialog::SelectTypeDialog(QWidget* parent)
    : QDialog(parent), optType_(new gui::OptionGroup("optType", "HEType", {"Air Cooled", "Water Cooled", "Mobile"}, 0, 1, this)) {
    setObjectName("frmSelectType");
    setWindowTitle("Type of Heat Exchanger");
    auto* ok = gui::NewControl<QPushButton>("cmdOK", "&OK", this);
    auto* cancel = gui::NewControl<QPushButton>("cmdCancel", "&Cancel", this);
    connect(ok, &QPushButton::clicked, this, &SelectTypeDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &SelectTypeDialog::cmdCancel_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(optType_);
    layout->addLayout(buttons);
    // Its size is fixed, wide enough for the whole title.
    gui::FitTitle(*this);

    optType_->SetValue(0, true);
    // The focus starts on the chosen type, the first control, as in every window.
    gui::FirstControl(*this)->setFocus();
    // Enter with the focus on the types confirms the one chosen; left to itself the dialog would
    // make the button after the focused one, Cancel, its default.
    ok->setDefault(true);
}

void SelectTypeDialog::cmdOK_Click() {
    for (const CoolerType type : {CoolerType::Air, CoolerType::Water, CoolerType::Mobile})
        if (optType_->Value(static_cast<int>(type))) coolerType = type;
    hide();
}

void SelectTypeDialog::cmdCancel_Click() {
    coolerType.reset();
    hide();
}

void SelectTypeDialog::reject() { cmdCancel_Click(); }

}  // namespace quellmar::shell
