#pragma once

#include "rating_object.h"
#include "selection_document.h"

namespace quellmar::shell {

// What the documents of the two families cooled by ambient air (air-cooled and mobile) share: the
// air temperature among the selection parameters and the whole selected-cooler display.
class AirFamilyDocument : public SelectionDocument {
    Q_OBJECT

protected:
    using SelectionDocument::SelectionDocument;

    // Temperatures, heat load, heat transfer, oil flow and the viscosity estimate.
    void DisplayAirSelectionParameters();
    void DisplayCoolerDetails() override;
};

}  // namespace quellmar::shell
