#include "water_selection.h"

#include "gui/option_group.h"

#include "vb/format.h"

#include <QLabel>
#include <QLineEdit>

namespace quellmar::shell {

frmWaterSelection::frmWaterSelection(QWidget* parent)
    : SelectionDocument(WaterSelectionDescription(), parent),
      optSeries_(ControlNamed<gui::OptionGroup>("optSeries")),
      txtWaterTemp_(ControlNamed<QLineEdit>("txtWaterTemp")),
      txtWaterFlow_(ControlNamed<QLineEdit>("txtWaterFlow")),
      lblProductRange_(ControlNamed<QLabel>("lblProductRange")),
      lblOilTemp_(TemperatureNamed("lblOilTempC", "lblOilTempF")),
      lblWaterTemp_(TemperatureNamed("lblWaterTempC", "lblWaterTempF")),
      lblWaterFlow_({ControlNamed<QLabel>("lblWaterFlowL"), ControlNamed<QLabel>("lblWaterFlowIG"),
                     ControlNamed<QLabel>("lblWaterFlowUSG"), ControlNamed<QLabel>("lblWaterFlowCI")}),
      lblMaxOilSidePressure_(ControlNamed<QLabel>("lblMaxOilSidePressure")),
      lblMaxWaterFlow_(ControlNamed<QLabel>("lblMaxWaterFlow")),
      lblMaxWaterSidePressure_(ControlNamed<QLabel>("lblMaxWaterSidePressure")),
      lblAvailableETD_(ControlNamed<QLabel>("lblAvailableETD")),
      lblInletOilTemp_(TemperatureNamed("lblInletOilTempC", "lblInletOilTempF")),
      lblExitWaterTemp_(TemperatureNamed("lblExitWaterTemp", "lblExitWaterTempF")),
      lblViscosityHigh_(ControlNamed<QLabel>("lblViscosityHigh")) {
    lblViscosityHigh_->hide();
    FormLoad();
}

frmWaterSelection::~frmWaterSelection() = default;

std::unique_ptr<RatingObject> frmWaterSelection::MakeRatingObject() const { return NewRatingFrom(WaterRatingMaker()); }

void frmWaterSelection::HandDutyToRating() {
    WaterCoolerRating& r = Water();
    r.Series(OptionIndex(optSeries_));
    HandUnits(r);
    r.WaterTemp(BoxDouble(txtWaterTemp_));
    HandOilDuty(r);
    r.WaterFlow(BoxDouble(txtWaterFlow_));
    HandViscosity(r);
}

// --- Results tab ---

QString frmWaterSelection::GetSeriesText() const {
    if (optSeries_->Value(1)) return "WP Series";
    if (optSeries_->Value(2)) return "WPM Series";
    return "Other Series";
}

void frmWaterSelection::DisplaySelectionParameters() {
    WaterCoolerRating& r = Water();
    SetLabel(lblProductRange_, GetSeriesText().toStdString());
    DisplayTemperatures(lblOilTemp_, lblWaterTemp_, r.WaterTempC(), r.WaterTempF());
    DisplayHeatLoadUnits();
    DisplayHeatTransfer();
    DisplayOilFlowUnits();
    DisplayWaterFlowUnits();
    DisplayViscosityEstimate();
}

void frmWaterSelection::DisplayWaterFlowUnits() {
    WaterCoolerRating& r = Water();
    SetLabels(lblWaterFlow_, FlowTexts(r.WaterFlowL(), r.WaterFlowImpGal(), r.WaterFlowUSGal(), r.WaterFlowCuIns()));
}

void frmWaterSelection::DisplayCoolerDetails() {
    WaterCoolerRating& r = Water();
    DisplayModelParticulars();
    SetLabel(lblMaxOilSidePressure_, vb::Format(r.ShellOilSidePressure(), "##0.0") + " BAR");
    SetLabel(lblMaxWaterFlow_, vb::Format(r.MaxWaterFlowByModel(), "##0.0") + " l/min");
    SetLabel(lblMaxWaterSidePressure_, vb::Format(r.WaterSidePressure(), "##0.0") + " BAR");
    DisplayHeatTransferRating();
    SetLabel(Results().pressureDrop, WaterPressureDropText(r.PressureDrop()));
    SetLabel(lblAvailableETD_, Degrees(r.AvailableETD(), "##0.0", 'C'));
    DisplayMarginAndInlet(lblInletOilTemp_, "##0.0");
    DisplayExitAndAverage(r.CorrectedAverageOilTemp(), r.CorrectedViscosity());
    const double exitWater = r.CorrectedExitWaterTemp();
    SetTemperature(lblExitWaterTemp_, exitWater, CelsiusToFahrenheit(exitWater), "##0.0");
    DisplayViscosityWarning();
    DisplayOilFlowWarning();
}

void frmWaterSelection::DisplayViscosityWarning() {
    WaterCoolerRating& r = Water();
    const std::optional<std::string> warning = ViscosityHighWarning(r.CorrectedViscosity(), r.CorrectedAverageOilTemp());
    if (!warning) {
        lblViscosityHigh_->hide();
        return;
    }
    lblViscosityHigh_->setText(QString::fromStdString(*warning));
    lblViscosityHigh_->show();
}

}  // namespace quellmar::shell
