#pragma once

#include "selection_document.h"

namespace quellmar::shell {

// frmWaterSelection: the selection document for water-cooled (shell-and-tube) oil coolers.
class frmWaterSelection : public SelectionDocument {
    Q_OBJECT

public:
    explicit frmWaterSelection(QWidget* parent = nullptr);
    ~frmWaterSelection() override;

protected:
    std::unique_ptr<RatingObject> MakeRatingObject() const override;
    void HandDutyToRating() override;
    void DisplaySelectionParameters() override;
    void DisplayCoolerDetails() override;

private:
    QString GetSeriesText() const;
    void DisplayWaterFlowUnits();
    void DisplayViscosityWarning();
    WaterCoolerRating& Water() const { return RatingAs<WaterCoolerRating>(); }
};

DocumentDescription WaterSelectionDescription();

}  // namespace quellmar::shell
