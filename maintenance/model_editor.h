#pragma once

#include "cooler_family.h"
#include "editor_mode.h"
#include "maintenance_form.h"

#include <QPointer>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gui {
class OptionGroup;
}

namespace quellmar::maintenance {

class DataControl;
class DataGrid;
class ModelList;

// A model editor: the model's row in bound boxes, option groups and a check box, its capacity and
// pressure-drop curves in bound grids, and the buttons of its stored drawing, opened in one of the
// editor modes. What the user changes is written when the window closes (a grid row also when the
// user moves to another row).
class ModelEditor : public MaintenanceForm {
    Q_OBJECT

public:
    ~ModelEditor() override;

    void Initialise(qint64 ID, EditorMode Mode, ModelList* myParent);

    qint64 ID() const { return request_.id; }
    EditorMode Mode() const { return request_.mode; }
    DataGrid* DBGrid1() const { return grid1_; }
    DataGrid* DBGrid2() const { return grid2_; }

    void cmdOK_Click();
    void cmdLoadDxf_Click();
    void cmdViewDxf_Click();
    void cmdDelete_Click();
    // Cuts a description longer than 80 characters, with a message.
    void txtDescription_Validate();

protected:
    ModelEditor(const QString& formName, Family family, QString editCaption, QString viewCaption);
    void Form_Load() override;
    bool Form_Unload() override;
    // What OK does before the window closes (the water editor goes on to the correction factors).
    virtual void BeforeClosingByOK() {}
    // What closing does with the list; the air and mobile editors refill it after an add.
    virtual void ShowListAgain(ModelList& list);

    ModelList* Parent() const { return request_.list; }
    bool ClosedByOK() const { return closedByOK_; }

private:
    void BindFields();
    void FormatCurveGrids();
    void LockForView();
    void SelectOptionsFromCodes();
    // Writes what the user changed; on failure asks whether to close without it (false: stay).
    bool StorePendingEdits();
    QString GetDxfFileName();

    QString editCaption_;
    QString viewCaption_;
    ModelRequest request_;
    QString databasePath_;
    bool closedByOK_ = false;
    DataControl* data1_;
    DataControl* data2_;
    DataControl* data3_;
    std::vector<QWidget*> bound_;
    std::vector<gui::OptionGroup*> options_;
    // The hidden bound box of each option array's code, in the order of the arrays.
    std::vector<QLineEdit*> codeBoxes_;
    QLineEdit* txtDescription_;
    DataGrid* grid1_;
    DataGrid* grid2_;
    QPushButton* cmdLoadDxf_;
    QPushButton* cmdViewDxf_;
    QPushButton* cmdDelete_;
};

class frmEditAir final : public ModelEditor {
    Q_OBJECT

public:
    frmEditAir();
};

class frmEditMobile final : public ModelEditor {
    Q_OBJECT

public:
    frmEditMobile();
};

class frmEditWater final : public ModelEditor {
    Q_OBJECT

public:
    frmEditWater();

protected:
    void BeforeClosingByOK() override;
    void ShowListAgain(ModelList& list) override;
};

// A new editor of the family's model.
ModelEditor* MakeModelEditor(Family family);

}  // namespace quellmar::maintenance
