#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace gui {
class OptionGroup;
}

namespace quellmar::maintenance {

// A maintenance window: a child of the main window, shown modeless. Showing it the first time
// loads it (Form_Load); closing it by a button or its close box unloads it (Form_Unload). A load
// that fails shows the error and closes the window; nothing a handler raises ends the program.
class MaintenanceForm : public QWidget {
    Q_OBJECT

public:
    explicit MaintenanceForm(const QString& formName, QWidget* parent = nullptr);

    bool Loaded() const { return loaded_; }
    // Unload Me: closes the window as its close box does.
    void Unload();
    // The window's Visible. A window shown again gives the focus back to the control that had it
    // when the window hid itself, or else to its DefaultFocus.
    void SetFormVisible(bool visible);
    bool FormVisible() const;
    // The option array of the window by its name.
    gui::OptionGroup* Options(const char* name) const;

protected:
    virtual void Form_Load() = 0;
    // Returns false to keep the window open.
    virtual bool Form_Unload() { return true; }

    // Where the focus goes when the window shows again and none of its controls had it: its first
    // control.
    virtual QWidget* DefaultFocus();

    // Placement by the main window's client area.
    void MoveToTop();
    void CentreInClientArea();

    // A button of the window, named as its handlers are, whose Click runs `click`.
    QPushButton* CommandButton(const char* name, const QString& caption, const std::function<void()>& click);

    // Runs a handler, showing what it raises in a message box.
    template <typename Handler>
    bool Handle(Handler&& handler);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The control that had the focus when the window hid itself: hiding moves the focus on to the
    // next one.
    QPointer<QWidget> focusWhenHidden_;
    bool loaded_ = false;
    bool unloaded_ = false;
};

// Gives the box the behaviour of the maintenance windows' text boxes: its whole text is selected
// when it gets the focus.
QLineEdit* SelectingBox(QLineEdit* box);
// A row of buttons at the right edge of a window.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace quellmar::maintenance

#include "gui/guarded.h"

namespace quellmar::maintenance {

template <typename Handler>
bool MaintenanceForm::Handle(Handler&& handler) {
    return gui::Guarded(std::forward<Handler>(handler));
}

}  // namespace quellmar::maintenance
