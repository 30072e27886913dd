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

    gui::OptionGroup* const optSeries_;
    QLineEdit* const txtWaterTemp_;
    QLineEdit* const txtWaterFlow_;
    QLabel* const lblProductRange_;
    const TemperatureLabels lblOilTemp_;  // the desired inlet temperature
    const TemperatureLabels lblWaterTemp_;
    const std::array<QLabel*, 4> lblWaterFlow_;  // in the order of FlowTexts
    QLabel* const lblMaxOilSidePressure_;
    QLabel* const lblMaxWaterFlow_;
    QLabel* const lblMaxWaterSidePressure_;
    QLabel* const lblAvailableETD_;
    const TemperatureLabels lblInletOilTemp_;  // the corrected inlet temperature
    const TemperatureLabels lblExitWaterTemp_;
    QLabel* const lblViscosityHigh_;
};

DocumentDescription WaterSelectionDescription();

}  // namespace quellmar::shell
