// The results tab of a selection document: the labels that every family fills alike.
#include "selection_document.h"

#include "gui/fore_color.h"

#include "vb/format.h"

#include <QLabel>
#include <QWidget>

namespace quellmar::shell {

void SelectionDocument::SetLabel(const char* name, const std::string& text) {
    Label(name)->setText(QString::fromStdString(text));
}

void SelectionDocument::SetLabel(const char* name, const LabelText& text) {
    QLabel* label = Label(name);
    label->setText(QString::fromStdString(text.text));
    gui::SetForeColor(*label, text.red ? gui::kColorRed : gui::kColorBlack);
}

void SelectionDocument::ShowResults(bool coolerSelected, const std::string& errorMessage) {
    picture2_->setVisible(coolerSelected);
    // The reason of an earlier search that found nothing must not stand beside a cooler.
    SetLabel("lblErrorMsg", coolerSelected ? std::string() : errorMessage);
    setWindowTitle(description_.resultCaption);
    SetTab(1);
}

// --- Selection parameters ---

void SelectionDocument::DisplayTemperatures(const char* inletC, const char* inletF, const char* coolantC,
                                            const char* coolantF, double coolantTempC, double coolantTempF) {
    RatingObject& r = *rating_;
    SetLabel(inletC, Degrees(r.InletTempC(), "###0.0", 'C'));
    SetLabel(inletF, Degrees(r.InletTempF(), "###0.0", 'F'));
    SetLabel(coolantC, Degrees(coolantTempC, "###0.0", 'C'));
    SetLabel(coolantF, Degrees(coolantTempF, "###0.0", 'F'));
    SetLabel("lblETDC", Degrees(r.InletTempC() - coolantTempC, "#0.0", 'C'));
    SetLabel("lblETDF", Degrees(r.InletTempF() - coolantTempF, "#0.0", 'F'));
}

void SelectionDocument::DisplayHeatLoadUnits() {
    RatingObject& r = *rating_;
    const auto texts = HeatLoadTexts(r.HeatLoadKw(), r.HeatLoadKjH(), r.HeatLoadKcalH(), r.HeatLoadBtuMin(),
                                     r.HeatLoadHP(), r.HeatLoadBtuH());
    const char* const names[] = {"lblHeatkW", "lblHeatKjH", "lblHeatKcalH", "lblHeatBtuMin", "lblHeatHP", "lblHeatBtuHr"};
    for (std::size_t i = 0; i < texts.size(); ++i) SetLabel(names[i], texts[i]);
}

void SelectionDocument::DisplayHeatTransfer() {
    SetLabel("lblHeatTransferKwC", HeatTransferMetric(rating_->PerfomanceMetric()));
    SetLabel("lblHeatTransferBtuF", HeatTransferImperial(rating_->PerfomanceImperial()));
}

void SelectionDocument::DisplayOilFlowUnits() {
    RatingObject& r = *rating_;
    const auto texts = FlowTexts(r.OilFlowL(), r.OilFlowImpGal(), r.OilFlowUSGal(), r.OilFlowCuIns());
    const char* const names[] = {"lblOilFlowL", "lblOilFlowIG", "lblOilFlowUSG", "lblOilFlowCI"};
    for (std::size_t i = 0; i < texts.size(); ++i) SetLabel(names[i], texts[i]);
}

void SelectionDocument::DisplayViscosityEstimate() {
    SetLabel("lblViscosity", rating_->ViscosityName());
    const ViscosityTexts viscosity = ViscosityEstimate(rating_->Cst(), rating_->SUS());
    SetLabel("lblCst", viscosity.cst);
    SetLabel("lblSUS", viscosity.sus);
}

// --- The selected cooler ---

void SelectionDocument::DisplayModelParticulars() {
    RatingObject& r = *rating_;
    SetLabel("lblModel", r.CoolerName());
    SetLabel("lblPartNo", r.PartNumber());
    SetLabel("lblLeaflet", r.Leaflet());
    SetLabel("lblWeight", vb::Format(r.Weight(), "##0.00") + " kg");
    SetLabel("lblDescription", r.Description());
    SetLabel("lblMaxOilFlow", vb::Format(r.MaxOilFlowByModel(), "##0.0") + " l/min");
}

void SelectionDocument::DisplayHeatTransferRating() {
    SetLabel("lblHTRating", vb::Format(rating_->SelectedPerformance(), "0.000") + " kW/" + kDegree + "C ETD");
}

void SelectionDocument::DisplayMarginAndInlet(const char* inletC, const char* inletF, const char* mask) {
    RatingObject& r = *rating_;
    const double margin = r.PercentHTMargin();
    SetLabel("lblHTMargin", MarginText(margin));
    const bool red = InletTemperatureRed(margin, r.CorrectedInletTempC());
    SetLabel(inletC, LabelText{Degrees(r.CorrectedInletTempC(), mask, 'C'), red});
    SetLabel(inletF, LabelText{Degrees(r.CorrectedInletTempF(), mask, 'F'), red});
}

void SelectionDocument::DisplayExitAndAverage(double averageOilTemp, double averageViscosity) {
    const double exit = rating_->CorrectedExitOilTemp();
    SetLabel("lblExitOilTemp", Degrees(exit, "##0.0", 'C'));
    SetLabel("lblExitOilTempF", Degrees(CelsiusToFahrenheit(exit), "##0.0", 'F'));
    SetLabel("lblAvgOilTemp", Degrees(averageOilTemp, "##0.0", 'C'));
    SetLabel("lblAvgOilTempF", Degrees(CelsiusToFahrenheit(averageOilTemp), "##0.0", 'F'));
    const ViscosityTexts viscosity = ViscosityAtAverage(averageViscosity, rating_->ConvertCstToSUS(averageViscosity));
    SetLabel("lblAvgViscosity", viscosity.cst);
    SetLabel("lblAvgViscositySUS", viscosity.sus);
}

void SelectionDocument::DisplayOilFlowWarning() {
    RatingObject& r = *rating_;
    SetLabel("lblSpecial", OilFlowLimitWarning(r.OilFlowL(), r.MaxOilFlowByModel(), r.MaxCurveOIlFlow()));
}

}  // namespace quellmar::shell
