#pragma once

#include "rating_object.h"
#include "selection_document.h"

namespace quellmar::shell {

// What the documents of the two families cooled by ambient air (air-cooled and mobile) share: the
// air temperature among the selection parameters and the whole selected-cooler display.
class AirFamilyDocument : public SelectionDocument {
    Q_OBJECT

protected:
    AirFamilyDocument(DocumentDescription description, QWidget* parent);

    // Temperatures, heat load, heat transfer, oil flow and the viscosity estimate.
    void DisplayAirSelectionParameters();
    void DisplayCoolerDetails() override;

    QLineEdit* const txtAirTemp_;

private:
    const TemperatureLabels lblDesiredInlet_;
    const TemperatureLabels lblAirTemp_;
    const TemperatureLabels lblOilTemp_;
    QLabel* const lblMaxAmbient_;
};

}  // namespace quellmar::shell
