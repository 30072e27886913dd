#include "air_family_document.h"

#include <QLabel>
#include <QLineEdit>

namespace quellmar::shell {

AirFamilyDocument::AirFamilyDocument(DocumentDescription description, QWidget* parent)
    : SelectionDocument(std::move(description), parent),
      txtAirTemp_(ControlNamed<QLineEdit>("txtAirTemp")),
      lblDesiredInlet_(TemperatureNamed("lblDesiredInletC", "lblDesiredInletF")),
      lblAirTemp_(TemperatureNamed("lblAirTempC", "lblAirTempF")),
      lblOilTemp_(TemperatureNamed("lblOilTempC", "lblOilTempF")),
      lblMaxAmbient_(ControlNamed<QLabel>("lblMaxAmbient")) {}

void AirFamilyDocument::DisplayAirSelectionParameters() {
    AirFamilyRating& r = RatingAs<AirFamilyRating>();
    DisplayTemperatures(lblDesiredInlet_, lblAirTemp_, r.AirTempC(), r.AirTempF());
    DisplayHeatLoadUnits();
    DisplayHeatTransfer();
    DisplayOilFlowUnits();
    DisplayViscosityEstimate();
}

void AirFamilyDocument::DisplayCoolerDetails() {
    AirFamilyRating& r = RatingAs<AirFamilyRating>();
    DisplayModelParticulars();
    DisplayHeatTransferRating();
    SetLabel(lblMaxAmbient_, Degrees(r.MaxAmbientTemp(), "##0.0", 'C'));
    DisplayMarginAndInlet(lblOilTemp_, "###0.0");
    SetLabel(Results().pressureDrop, PressureDropText(r.PressureDrop(), r.CorrectedVoC()));
    DisplayExitAndAverage(r.CorrectedAvgOilTemp(), r.CorrectedVoC());
    DisplayOilFlowWarning();
}

}  // namespace quellmar::shell
