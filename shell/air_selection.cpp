#include "air_selection.h"

#include "gui/fore_color.h"
#include "gui/guarded.h"
#include "gui/option_group.h"
#include "gui/wait_cursor.h"

#include "vb/format.h"

#include <QLabel>

#include <stdexcept>

namespace quellmar::shell {
namespace {

QString Spaces(int count) { return QString(count, ' '); }
const QString kEtd = QString("kW/") + QString::fromUtf8(kDegree) + "C ETD";
const QString kSelectionError = "Selection Error";

QString Row(std::initializer_list<std::string> fields) {
    QStringList texts;
    for (const std::string& field : fields) texts << QString::fromStdString(field);
    return texts.join('\t');
}

}  // namespace

frmAirSelection::frmAirSelection(QWidget* parent) : SelectionDocument(AirSelectionDescription(), parent) {
    // The oil-flow warning stands out in red whenever it has a text.
    gui::SetForeColor(*Label("lblSpecial"), gui::kColorRed);
    FormLoad();
}

frmAirSelection::~frmAirSelection() = default;

void frmAirSelection::NewRatingObject() {
    const AirRatingFactory& maker = AirRatingMaker();
    if (!maker) throw std::runtime_error("The cooler rating engine is not available.");
    std::unique_ptr<AirCoolerRating> fresh = maker();
    rating_ = std::move(fresh);
}

void frmAirSelection::Search() {
    AirCoolerRating& r = *rating_;
    gui::WaitCursor wait;
    r.ProductRange(OptionIndex("optProduct"));
    r.HeatUnits(OptionIndex("optHeatUnits"));
    r.OilFlowUnits(OptionIndex("optFlowRate"));
    r.TempUnits(OptionIndex("optTempUnits"));
    r.MotorType(OptionIndex("optMotor"));
    r.AirTemp(BoxDouble("txtAirTemp"));
    r.HeatLoad(BoxDouble("txtHeatLoad"));
    r.InletTemp(BoxDouble("txtOilTemp"));
    r.OilFlow(BoxDouble("txtOilFlow"));
    r.Viscosity(OptionIndex("optViscosity"));
    r.FindCooler();
    DisplaySelectionParameters();
    if (r.OutOfRange()) {
        ShowResults(false, r.ErrorMessage());
        return;
    }
    r.Recalculate();
    DisplayCoolerDetails();
    ShowResults(true);
}

// --- Results tab ---

QString frmAirSelection::GetProductRangeText() const {
    const gui::OptionGroup* product = Options("optProduct");
    if (product->Value(0)) return "Quellmar";
    if (product->Value(1)) return "Ostravine";
    return "Either Quellmar or Ostravine";
}

QString frmAirSelection::GetMotorTypeText() const {
    static const char* const texts[] = {"Standard Package AC 3 Phase Power", "Standard Package AC 1 Phase Power",
                                        "Standard Package DC Power", "Standard Hydraulic Motor",
                                        "Special Application AC Power"};
    const gui::OptionGroup* motor = Options("optMotor");
    for (int index = 0; index < 5; ++index)
        if (motor->Value(index)) return texts[index];
    return {};
}

void frmAirSelection::DisplaySelectionParameters() {
    AirCoolerRating& r = *rating_;
    SetLabel("lblProductRange", GetProductRangeText().toStdString());
    SetLabel("lblMotorType", GetMotorTypeText().toStdString());
    SetLabel("lblDesiredInletC", Degrees(r.InletTempC(), "###0.0", 'C'));
    SetLabel("lblDesiredInletF", Degrees(r.InletTempF(), "###0.0", 'F'));
    SetLabel("lblAirTempC", Degrees(r.AirTempC(), "###0.0", 'C'));
    SetLabel("lblAirTempF", Degrees(r.AirTempF(), "###0.0", 'F'));
    SetLabel("lblETDC", Degrees(r.InletTempC() - r.AirTempC(), "#0.0", 'C'));
    SetLabel("lblETDF", Degrees(r.InletTempF() - r.AirTempF(), "#0.0", 'F'));
    DisplayHeatLoadUnits();
    SetLabel("lblHeatTransferKwC", HeatTransferMetric(r.PerfomanceMetric()));
    SetLabel("lblHeatTransferBtuF", HeatTransferImperial(r.PerfomanceImperial()));
    DisplayOilFlowUnits();
    SetLabel("lblViscosity", r.ViscosityName());
    const ViscosityTexts viscosity = ViscosityEstimate(r.Cst(), r.SUS());
    SetLabel("lblCst", viscosity.cst);
    SetLabel("lblSUS", viscosity.sus);
}

void frmAirSelection::DisplayHeatLoadUnits() {
    AirCoolerRating& r = *rating_;
    const auto texts = HeatLoadTexts(r.HeatLoadKw(), r.HeatLoadKjH(), r.HeatLoadKcalH(), r.HeatLoadBtuMin(),
                                     r.HeatLoadHP(), r.HeatLoadBtuH());
    const char* const names[] = {"lblHeatkW", "lblHeatKjH", "lblHeatKcalH", "lblHeatBtuMin", "lblHeatHP", "lblHeatBtuHr"};
    for (std::size_t i = 0; i < texts.size(); ++i) SetLabel(names[i], texts[i]);
}

void frmAirSelection::DisplayOilFlowUnits() {
    AirCoolerRating& r = *rating_;
    const auto texts = FlowTexts(r.OilFlowL(), r.OilFlowImpGal(), r.OilFlowUSGal(), r.OilFlowCuIns());
    const char* const names[] = {"lblOilFlowL", "lblOilFlowIG", "lblOilFlowUSG", "lblOilFlowCI"};
    for (std::size_t i = 0; i < texts.size(); ++i) SetLabel(names[i], texts[i]);
}

void frmAirSelection::DisplayCoolerDetails() {
    AirCoolerRating& r = *rating_;
    SetLabel("lblModel", r.CoolerName());
    SetLabel("lblPartNo", r.PartNumber());
    SetLabel("lblLeaflet", r.Leaflet());
    SetLabel("lblWeight", vb::Format(r.Weight(), "##0.00") + " kg");
    SetLabel("lblDescription", r.Description());
    SetLabel("lblMaxOilFlow", vb::Format(r.MaxOilFlowByModel(), "##0.0") + " l/min");
    SetLabel("lblHTRating", vb::Format(r.SelectedPerformance(), "0.000") + " kW/" + kDegree + "C ETD");
    SetLabel("lblMaxAmbient", Degrees(r.MaxAmbientTemp(), "##0.0", 'C'));
    const double margin = r.PercentHTMargin();
    SetLabel("lblHTMargin", MarginText(margin));
    SetLabel("lblPressureDrop", PressureDropText(r.PressureDrop(), r.CorrectedVoC()));
    const bool inletRed = InletTemperatureRed(margin, r.CorrectedInletTempC());
    SetLabel("lblOilTempC", LabelText{Degrees(r.CorrectedInletTempC(), "###0.0", 'C'), inletRed});
    SetLabel("lblOilTempF", LabelText{Degrees(r.CorrectedInletTempF(), "###0.0", 'F'), inletRed});
    const double exit = r.CorrectedExitOilTemp();
    SetLabel("lblExitOilTemp", Degrees(exit, "##0.0", 'C'));
    SetLabel("lblExitOilTempF", Degrees(CelsiusToFahrenheit(exit), "##0.0", 'F'));
    const double average = r.CorrectedAvgOilTemp();
    SetLabel("lblAvgOilTemp", Degrees(average, "##0.0", 'C'));
    SetLabel("lblAvgOilTempF", Degrees(CelsiusToFahrenheit(average), "##0.0", 'F'));
    const double voc = r.CorrectedVoC();
    const ViscosityTexts viscosity = ViscosityAtAverage(voc, r.ConvertCstToSUS(voc));
    SetLabel("lblAvgViscosity", viscosity.cst);
    SetLabel("lblAvgViscositySUS", viscosity.sus);
    SetLabel("lblSpecial", OilFlowLimitWarning(r.OilFlowL(), r.MaxOilFlowByModel(), r.MaxCurveOIlFlow()));
}

// --- Alternative models ---

void frmAirSelection::ApplyAlternative(long coolerId) {
    AirCoolerRating& r = *rating_;
    r.CoolerID(coolerId);
    DisplaySelectionParameters();
    r.Recalculate();
    DisplayCoolerDetails();
    // A model chosen after a search that found none is shown like any selection.
    ShowResults(true);
}

void frmAirSelection::ChooseFromList(const AlternativeRequest& request) {
    gui::Guarded([&] {
        if (!rating_) return;
        if (const std::optional<long> chosen = ChooseAlternative(request)) ApplyAlternative(*chosen);
    });
}

void frmAirSelection::SelectOtherCooler() {
    ChooseFromList({[this] { return rating_->ListOfSuitableCoolers(); },
                    {110},
                    [](const ListedCooler& c) { return Row({c.name, vb::Format(c.performance, "#0.000")}); },
                    "Select Larger or Smaller Model",
                    "    Model" + Spaces(35) + kEtd,
                    std::nullopt});
}

void frmAirSelection::SelectByPresDrop() {
    ChooseFromList({[this] { return rating_->SortByPressureDrop(); },
                    {90, 150},
                    [](const ListedCooler& c) {
                        return Row({c.name, vb::Format(c.key, "##0.00"), vb::Format(c.performance, "##0.000")});
                    },
                    "Select Larger or Smaller Pressure Drop",
                    "    Model" + Spaces(25) + "Pressure Drop" + Spaces(10) + kEtd,
                    kSelectionError});
}

void frmAirSelection::SelectByPrice() {
    ChooseFromList({[this] { return rating_->SortByPrice(); },
                    {120, 150},
                    [](const ListedCooler& c) { return Row({c.name, vb::Format(c.performance, "##0.000")}); },
                    "Select Cheaper or Dearer Model",
                    "    Model" + Spaces(40) + kEtd,
                    kSelectionError});
}

void frmAirSelection::SelectByNoise() {
    ChooseFromList({[this] { return rating_->SortByNoise(); },
                    {80, 150},
                    [](const ListedCooler& c) {
                        return Row({c.name, vb::CStr(c.key), vb::Format(c.performance, "##0.000")});
                    },
                    "Select Quieter or Noisier Model",
                    "    Model" + Spaces(20) + "Noise Ranking" + Spaces(15) + kEtd,
                    kSelectionError});
}

}  // namespace quellmar::shell
