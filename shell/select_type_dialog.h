#pragma once

#include "cooler_type.h"

#include <QDialog>

#include <optional>

namespace gui {
class OptionGroup;
}

namespace quellmar::shell {

// frmSelectType: asks the kind of a new selection document. coolerType is the kind chosen, or none
// after Cancel (or when the dialog is closed by its frame).
class SelectTypeDialog : public QDialog {
    Q_OBJECT

public:
    explicit SelectTypeDialog(QWidget* parent);

    std::optional<CoolerType> coolerType;

protected:
    void reject() override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    gui::OptionGroup* optType_;
};

}  // namespace quellmar::shell
