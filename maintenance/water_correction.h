#pragma once

#include "correction_tables.h"
#include "editor_mode.h"
#include "maintenance_form.h"

#include <QPointer>

#include <array>
#include <bitset>
#include <vector>

class QLineEdit;
class QPushButton;

namespace quellmar::maintenance {

class ModelList;

// frmWaterCorrection: the two correction tables of a water-cooled model as arrays of boxes, each
// table written back whole when one of its boxes changed.
class frmWaterCorrection final : public MaintenanceForm {
    Q_OBJECT

public:
    frmWaterCorrection();

    // Edit from the list, or Add: straight after the model was added.
    void Initialise(qint64 ID, EditorMode Mode, ModelList* myParent);

    // Box `index` of an array (txtHTOil, txtHTWater, txtHTCorrection, txtPDOil, txtPDViscosity,
    // txtPDCorrection).
    QLineEdit* Box(CorrectionArray array, int index) const;
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
    bool Form_Unload() override;

private:
    void BuildBoxes();
    // Writes the changed tables; false (with a message) when a box holds no number or the
    // database refuses, so that nothing is lost.
    bool SaveCorrections();

    ModelRequest request_{0, EditorMode::Edit, nullptr};
    QString databasePath_;
    // The cell a box stands for at save time: as loaded while its text is, else as typed. False
    // (with a message, the focus on the box) when the text is no number.
    bool BoxCell(CorrectionArray array, int index, CorrectionCell& cell);

    std::array<std::vector<QLineEdit*>, kCorrectionArrays> boxes_;
    // What each box was loaded with: the stored cell and the text it was shown as.
    CorrectionCells loaded_;
    std::array<std::vector<QString>, kCorrectionArrays> loadedTexts_;
    std::bitset<kCorrectionArrays> changed_;
    bool cancelled_ = false;
    bool saved_ = false;
    QLineEdit* txtName_;
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
};

}  // namespace quellmar::maintenance
