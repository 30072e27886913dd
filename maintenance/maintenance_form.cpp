#include "maintenance_form.h"

#include "gui/center_form.h"
#include "gui/child_control.h"
#include "gui/child_frame.h"
#include "gui/desktop_keyboard.h"
#include "gui/keyboard_helpers.h"
#include "gui/mdi_frame.h"
#include "gui/option_group.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

namespace quellmar::maintenance {
namespace {

// Marks the boxes that select their whole text when they get the focus.
const char* const kSelectsOnFocus = "SelectsAllOnFocus";

}  // namespace

MaintenanceForm::MaintenanceForm(const QString& formName, QWidget* parent) : QWidget(parent) { setObjectName(formName); }

void MaintenanceForm::Unload() { gui::UnloadForm(*this); }

void MaintenanceForm::SetFormVisible(bool visible) {
    const bool wasVisible = FormVisible();
    if (!visible && wasVisible) {
        QWidget* focused = focusWidget();
        focusWhenHidden_ = focused && isAncestorOf(focused) ? focused : nullptr;
    }
    gui::SetFormVisible(*this, visible);
    if (!visible || wasVisible) return;
    QWidget* control = focusWhenHidden_;
    if (!control || !control->isEnabled() || !control->isVisibleTo(this)) control = DefaultFocus();
    if (control) control->setFocus(Qt::OtherFocusReason);
}

QWidget* MaintenanceForm::DefaultFocus() { return gui::FirstControl(*this); }

bool MaintenanceForm::FormVisible() const { return gui::FormVisible(*this); }

void MaintenanceForm::MoveToTop() { gui::MoveFormToTop(*this); }

void MaintenanceForm::CentreInClientArea() { gui::CenterForm(*this, gui::MdiFrame()); }

void MaintenanceForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    if (Handle([this] { Form_Load(); })) {
        // The focus came to the first control as the window showed, before the load filled the
        // boxes: a box that selects its text on focus selects the text it holds now.
        auto* box = qobject_cast<QLineEdit*>(focusWidget());
        if (box && box->property(kSelectsOnFocus).toBool()) gui::SelectAllText(*box);
    } else {
        // A window that could not load its data has nothing to show; it goes as if closed.
        QPointer<MaintenanceForm> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self) self->Unload();
        });
    }
}

void MaintenanceForm::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    bool close = true;
    Handle([&] { close = Form_Unload(); });
    if (!close) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
}

QPushButton* MaintenanceForm::CommandButton(const char* name, const QString& caption,
                                            const std::function<void()>& click) {
    auto* button = gui::NewControl<QPushButton>(name, caption, this);
    connect(button, &QPushButton::clicked, this, [click] { click(); });
    return button;
}

gui::OptionGroup* MaintenanceForm::Options(const char* name) const { return gui::ChildControl<gui::OptionGroup>(*this, name); }

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) row->addWidget(button);
    return row;
}

QLineEdit* SelectingBox(QLineEdit* box) {
    gui::SelectAllOnFocus(*box);
    box->setProperty(kSelectsOnFocus, true);
    return box;
}

}  // namespace quellmar::maintenance
