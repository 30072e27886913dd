#pragma once

#include "cooler_family.h"
#include "editor_mode.h"
#include "maintenance_form.h"

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace quellmar::maintenance {

// The list of one family's models, the entry to their maintenance: it opens the editor to view or
// edit a model, the new-model form, and deletes models. It hides itself while a window it opened
// is open; that window shows it again (and refills it after an add) when it closes.
class ModelList : public MaintenanceForm {
    Q_OBJECT

public:
    // Reloads the list: the family's models by name, the first one selected.
    void FillListBox();
    Family ListFamily() const { return family_; }
    QListWidget* List1() const { return list_; }

    void cmdView_Click();
    void cmdEdit_Click();
    void cmdNew_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();

protected:
    ModelList(const QString& formName, Family family);
    void SetFamily(Family family) { family_ = family; }
    void Form_Load() override;
    QWidget* DefaultFocus() override;
    // The key of the selected model, or 0 when nothing is selected.
    qint64 SelectedID() const;
    // Hides the list and shows the window it opened.
    void OpenChild(MaintenanceForm* window);
    // A button of the column beside the list, whose Click runs `click`.
    QPushButton* AddButton(const char* name, const QString& caption, const std::function<void()>& click);

private:
    void OpenEditor(EditorMode mode);

    Family family_;
    QString databasePath_;
    QListWidget* list_;
    QVBoxLayout* buttons_;
};

// frmSelectEdit: the air-cooled or the mobile models.
class frmSelectEdit final : public ModelList {
    Q_OBJECT

public:
    frmSelectEdit();
    // The mobile models, or the air-cooled ones for any other family.
    void Initialise(Family cType);
};

// frmSelectEditWater: the water-cooled models, with their correction-factor tables.
class frmSelectEditWater final : public ModelList {
    Q_OBJECT

public:
    frmSelectEditWater();
    void cmdCorrection_Click();
};

}  // namespace quellmar::maintenance
