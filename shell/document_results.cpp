// The results tab of a selection document: the labels that every family fills alike.
#include "selection_document.h"

#include "gui/fore_color.h"

#include "vb/format.h"

#include <QLabel>
#include <QWidget>

namespace quellmar::shell {

SelectionDocument::ResultLabels SelectionDocument::FindResultLabels() const {
    const auto label = [this](const char* name) { return ControlNamed<QLabel>(name); };
    return {.errorMsg = label("lblErrorMsg"),
            .etdC = label("lblETDC"),
            .etdF = label("lblETDF"),
            .heatLoad = {label("lblHeatkW"), label("lblHeatKjH"), label("lblHeatKcalH"), label("lblHeatBtuMin"),
                         label("lblHeatHP"), label("lblHeatBtuHr")},
            .heatTransferKwC = label("lblHeatTransferKwC"),
            .heatTransferBtuF = label("lblHeatTransferBtuF"),
            .oilFlow = {label("lblOilFlowL"), label("lblOilFlowIG"), label("lblOilFlowUSG"), label("lblOilFlowCI")},
            .viscosity = label("lblViscosity"),
            .cst = label("lblCst"),
            .sus = label("lblSUS"),
            .model = label("lblModel"),
            .partNo = label("lblPartNo"),
            .leaflet = label("lblLeaflet"),
            .weight = label("lblWeight"),
            .description = label("lblDescription"),
            .maxOilFlow = label("lblMaxOilFlow"),
            .htRating = label("lblHTRating"),
            .htMargin = label("lblHTMargin"),
            .pressureDrop = label("lblPressureDrop"),
            .exitOilTemp = label("lblExitOilTemp"),
            .exitOilTempF = label("lblExitOilTempF"),
            .avgOilTemp = label("lblAvgOilTemp"),
            .avgOilTempF = label("lblAvgOilTempF"),
            .avgViscosity = label("lblAvgViscosity"),
            .avgViscositySUS = label("lblAvgViscositySUS"),
            .special = label("lblSpecial")};
}

SelectionDocument::TemperatureLabels SelectionDocument::TemperatureNamed(const char* celsius,
                                                                         const char* fahrenheit) const {
    return {ControlNamed<QLabel>(celsius), ControlNamed<QLabel>(fahrenheit)};
}

void SelectionDocument::SetLabel(QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); }

void SelectionDocument::SetLabel(QLabel* label, const LabelText& text) {
    label->setText(QString::fromStdString(text.text));
    gui::SetForeColor(*label, text.red ? gui::kColorRed : gui::kColorBlack);
}

void SelectionDocument::SetTemperature(const TemperatureLabels& labels, double celsius, double fahrenheit,
                                       const char* mask) {
    SetLabel(labels.c, Degrees(celsius, mask, 'C'));
    SetLabel(labels.f, Degrees(fahrenheit, mask, 'F'));
}

void SelectionDocument::ShowResults(bool coolerSelected, const std::string& errorMessage) {
    picture2_->setVisible(coolerSelected);
    // The reason of an earlier search that found nothing must not stand beside a cooler.
    SetLabel(results_.errorMsg, coolerSelected ? std::string() : errorMessage);
    setWindowTitle(description_.resultCaption);
    SetTab(kResultsTab);
}

// --- Selection parameters ---

void SelectionDocument::DisplayTemperatures(const TemperatureLabels& inlet, const TemperatureLabels& coolant,
                                            double coolantTempC, double coolantTempF) {
    RatingObject& r = *rating_;
    SetTemperature(inlet, r.InletTempC(), r.InletTempF(), "###0.0");
    SetTemperature(coolant, coolantTempC, coolantTempF, "###0.0");
    SetTemperature({results_.etdC, results_.etdF}, r.InletTempC() - coolantTempC, r.InletTempF() - coolantTempF, "#0.0");
}

void SelectionDocument::DisplayHeatLoadUnits() {
    RatingObject& r = *rating_;
    SetLabels(results_.heatLoad, HeatLoadTexts(r.HeatLoadKw(), r.HeatLoadKjH(), r.HeatLoadKcalH(), r.HeatLoadBtuMin(),
                                               r.HeatLoadHP(), r.HeatLoadBtuH()));
}

void SelectionDocument::DisplayHeatTransfer() {
    SetLabel(results_.heatTransferKwC, HeatTransferMetric(rating_->PerfomanceMetric()));
    SetLabel(results_.heatTransferBtuF, HeatTransferImperial(rating_->PerfomanceImperial()));
}

void SelectionDocument::DisplayOilFlowUnits() {
    RatingObject& r = *rating_;
    SetLabels(results_.oilFlow, FlowTexts(r.OilFlowL(), r.OilFlowImpGal(), r.OilFlowUSGal(), r.OilFlowCuIns()));
}

void SelectionDocument::DisplayViscosityEstimate() {
    SetLabel(results_.viscosity, rating_->ViscosityName());
    // A duty no cooler can meet has no mean oil temperature to estimate the viscosity at.
    const ViscosityTexts viscosity =
        rating_->DutyWithinReach() ? ViscosityEstimate(rating_->Cst(), rating_->SUS()) : ViscosityTexts{};
    SetLabel(results_.cst, viscosity.cst);
    SetLabel(results_.sus, viscosity.sus);
}

// --- The selected cooler ---

void SelectionDocument::DisplayModelParticulars() {
    RatingObject& r = *rating_;
    SetLabel(results_.model, r.CoolerName());
    SetLabel(results_.partNo, r.PartNumber());
    SetLabel(results_.leaflet, r.Leaflet());
    SetLabel(results_.weight, vb::Format(r.Weight(), "##0.00") + " kg");
    SetLabel(results_.description, r.Description());
    SetLabel(results_.maxOilFlow, vb::Format(r.MaxOilFlowByModel(), "##0.0") + " l/min");
}

void SelectionDocument::DisplayHeatTransferRating() {
    SetLabel(results_.htRating, vb::Format(rating_->SelectedPerformance(), "0.000") + " kW/" + kDegree + "C ETD");
}

void SelectionDocument::DisplayMarginAndInlet(const TemperatureLabels& inlet, const char* mask) {
    RatingObject& r = *rating_;
    const double margin = r.PercentHTMargin();
    SetLabel(results_.htMargin, MarginText(margin));
    const bool red = InletTemperatureRed(margin, r.CorrectedInletTempC());
    SetLabel(inlet.c, LabelText{Degrees(r.CorrectedInletTempC(), mask, 'C'), red});
    SetLabel(inlet.f, LabelText{Degrees(r.CorrectedInletTempF(), mask, 'F'), red});
}

void SelectionDocument::DisplayExitAndAverage(double averageOilTemp, double averageViscosity) {
    const double exit = rating_->CorrectedExitOilTemp();
    SetTemperature({results_.exitOilTemp, results_.exitOilTempF}, exit, CelsiusToFahrenheit(exit), "##0.0");
    SetTemperature({results_.avgOilTemp, results_.avgOilTempF}, averageOilTemp, CelsiusToFahrenheit(averageOilTemp),
                   "##0.0");
    const ViscosityTexts viscosity = ViscosityAtAverage(averageViscosity, rating_->ConvertCstToSUS(averageViscosity));
    SetLabel(results_.avgViscosity, viscosity.cst);
    SetLabel(results_.avgViscositySUS, viscosity.sus);
}

void SelectionDocument::DisplayOilFlowWarning() {
    RatingObject& r = *rating_;
    SetLabel(results_.special, OilFlowLimitWarning(r.OilFlowL(), r.MaxOilFlowByModel(), r.MaxCurveOIlFlow()));
}

}  // namespace quellmar::shell
