#include "water_selection.h"

#include "gui/option_group.h"

#include "vb/format.h"

#include <QLabel>

namespace quellmar::shell {

frmWaterSelection::frmWaterSelection(QWidget* parent) : SelectionDocument(WaterSelectionDescription(), parent) {
    Label("lblViscosityHigh")->hide();
    FormLoad();
}

frmWaterSelection::~frmWaterSelection() = default;

std::unique_ptr<RatingObject> frmWaterSelection::MakeRatingObject() const { return NewRatingFrom(WaterRatingMaker()); }

void frmWaterSelection::HandDutyToRating() {
    WaterCoolerRating& r = Water();
    r.Series(OptionIndex("optSeries"));
    r.HeatUnits(OptionIndex("optHeatUnits"));
    r.OilFlowUnits(OptionIndex("optFlowRate"));
    r.TempUnits(OptionIndex("optTempUnits"));
    r.WaterTemp(BoxDouble("txtWaterTemp"));
    r.HeatLoad(BoxDouble("txtHeatLoad"));
    r.InletTemp(BoxDouble("txtOilTemp"));
    r.OilFlow(BoxDouble("txtOilFlow"));
    r.WaterFlow(BoxDouble("txtWaterFlow"));
    r.Viscosity(OptionIndex("optViscosity"));
}

// --- Results tab ---

QString frmWaterSelection::GetSeriesText() const {
    const gui::OptionGroup* series = Options("optSeries");
    if (series->Value(1)) return "WP Series";
    if (series->Value(2)) return "WPM Series";
    return "Other Series";
}

void frmWaterSelection::DisplaySelectionParameters() {
    WaterCoolerRating& r = Water();
    SetLabel("lblProductRange", GetSeriesText().toStdString());
    // On this document lblOilTempC/F hold the desired inlet temperature.
    DisplayTemperatures("lblOilTempC", "lblOilTempF", "lblWaterTempC", "lblWaterTempF", r.WaterTempC(),
                        r.WaterTempF());
    DisplayHeatLoadUnits();
    DisplayHeatTransfer();
    DisplayOilFlowUnits();
    DisplayWaterFlowUnits();
    DisplayViscosityEstimate();
}

void frmWaterSelection::DisplayWaterFlowUnits() {
    WaterCoolerRating& r = Water();
    const auto texts = FlowTexts(r.WaterFlowL(), r.WaterFlowImpGal(), r.WaterFlowUSGal(), r.WaterFlowCuIns());
    const char* const names[] = {"lblWaterFlowL", "lblWaterFlowIG", "lblWaterFlowUSG", "lblWaterFlowCI"};
    for (std::size_t i = 0; i < texts.size(); ++i) SetLabel(names[i], texts[i]);
}

void frmWaterSelection::DisplayCoolerDetails() {
    WaterCoolerRating& r = Water();
    DisplayModelParticulars();
    SetLabel("lblMaxOilSidePressure", vb::Format(r.ShellOilSidePressure(), "##0.0") + " BAR");
    SetLabel("lblMaxWaterFlow", vb::Format(r.MaxWaterFlowByModel(), "##0.0") + " l/min");
    SetLabel("lblMaxWaterSidePressure", vb::Format(r.WaterSidePressure(), "##0.0") + " BAR");
    DisplayHeatTransferRating();
    SetLabel("lblPressureDrop", WaterPressureDropText(r.PressureDrop()));
    SetLabel("lblAvailableETD", Degrees(r.AvailableETD(), "##0.0", 'C'));
    // lblInletOilTempC/F hold the corrected inlet temperature.
    DisplayMarginAndInlet("lblInletOilTempC", "lblInletOilTempF", "##0.0");
    DisplayExitAndAverage(r.CorrectedAverageOilTemp(), r.CorrectedViscosity());
    const double exitWater = r.CorrectedExitWaterTemp();
    SetLabel("lblExitWaterTemp", Degrees(exitWater, "##0.0", 'C'));
    SetLabel("lblExitWaterTempF", Degrees(CelsiusToFahrenheit(exitWater), "##0.0", 'F'));
    DisplayViscosityWarning();
    DisplayOilFlowWarning();
}

void frmWaterSelection::DisplayViscosityWarning() {
    WaterCoolerRating& r = Water();
    QLabel* label = Label("lblViscosityHigh");
    const std::optional<std::string> warning = ViscosityHighWarning(r.CorrectedViscosity(), r.CorrectedAverageOilTemp());
    if (!warning) {
        label->hide();
        return;
    }
    label->setText(QString::fromStdString(*warning));
    label->show();
}

}  // namespace quellmar::shell
