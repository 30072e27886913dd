#include "gui/option_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace gui {

OptionGroup::OptionGroup(const QString& name, const QString& frameCaption, const QStringList& captions, int firstIndex,
                         int columns, QWidget* parent)
    : QGroupBox(frameCaption, parent), group_(new QButtonGroup(this)), firstIndex_(firstIndex) {
    setObjectName(name);
    group_->setExclusive(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setVerticalSpacing(0);
    const int rows = (static_cast<int>(captions.size()) + columns - 1) / columns;
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], this);
        button->setObjectName(QString("%1(%2)").arg(name).arg(firstIndex + i));
        group_->addButton(button, firstIndex + i);
        layout->addWidget(button, i % rows, i / rows);
        buttons_.push_back(button);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit Click(id);
    });
}

QRadioButton* OptionGroup::Button(int index) const {
    const int at = index - firstIndex_;
    if (at < 0 || at >= static_cast<int>(buttons_.size())) return nullptr;
    return buttons_[static_cast<std::size_t>(at)];
}

bool OptionGroup::Value(int index) const {
    const QRadioButton* button = Button(index);
    return button && button->isChecked();
}

void OptionGroup::SetValue(int index, bool value) {
    QRadioButton* button = Button(index);
    if (!button) return;
    if (value) {
        button->setChecked(true);
    } else if (button->isChecked()) {
        // An exclusive group refuses to clear its last checked button.
        group_->setExclusive(false);
        button->setChecked(false);
        group_->setExclusive(true);
    }
}

int OptionGroup::Selected() const {
    return group_->checkedId();
}

}  // namespace gui
