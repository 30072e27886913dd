#include "air_selection.h"

#include "alternative_rows.h"

#include "gui/option_group.h"

#include "vb/format.h"

#include <QLabel>

namespace quellmar::shell {
namespace {

const QString kSelectionError = "Selection Error";

}  // namespace

frmAirSelection::frmAirSelection(QWidget* parent)
    : AirFamilyDocument(AirSelectionDescription(), parent),
      optMotor_(ControlNamed<gui::OptionGroup>("optMotor")),
      optProduct_(ControlNamed<gui::OptionGroup>("optProduct")),
      lblProductRange_(ControlNamed<QLabel>("lblProductRange")),
      lblMotorType_(ControlNamed<QLabel>("lblMotorType")) {
    FormLoad();
}

frmAirSelection::~frmAirSelection() = default;

std::unique_ptr<RatingObject> frmAirSelection::MakeRatingObject() const { return NewRatingFrom(AirRatingMaker()); }

void frmAirSelection::HandDutyToRating() {
    AirCoolerRating& r = Air();
    r.ProductRange(OptionIndex(optProduct_));
    HandUnits(r);
    r.MotorType(OptionIndex(optMotor_));
    r.AirTemp(BoxDouble(txtAirTemp_));
    HandOilDuty(r);
    HandViscosity(r);
}

// --- Results tab ---

QString frmAirSelection::GetProductRangeText() const {
    if (optProduct_->Value(0)) return "Quellmar";
    if (optProduct_->Value(1)) return "Ostravine";
    return "Either Quellmar or Ostravine";
}

QString frmAirSelection::GetMotorTypeText() const {
    static const char* const texts[] = {"Standard Package AC 3 Phase Power", "Standard Package AC 1 Phase Power",
                                        "Standard Package DC Power", "Standard Hydraulic Motor",
                                        "Special Application AC Power"};
    for (int index = 0; index < 5; ++index)
        if (optMotor_->Value(index)) return texts[index];
    return {};
}

void frmAirSelection::DisplaySelectionParameters() {
    SetLabel(lblProductRange_, GetProductRangeText().toStdString());
    SetLabel(lblMotorType_, GetMotorTypeText().toStdString());
    DisplayAirSelectionParameters();
}

// --- Sorted lists of alternatives ---

void frmAirSelection::SelectByPresDrop() {
    ChooseFromList({[this] { return Air().SortByPressureDrop(); },
                    {90, 150},
                    [](const ListedCooler& c) {
                        return ListRow({c.name, vb::Format(c.key, "##0.00"), vb::Format(c.performance, "##0.000")});
                    },
                    "Select Larger or Smaller Pressure Drop",
                    "    Model" + Spaces(25) + "Pressure Drop" + Spaces(10) + EtdUnit(),
                    kSelectionError});
}

void frmAirSelection::SelectByPrice() {
    ChooseFromList({[this] { return Air().SortByPrice(); },
                    {120, 150},
                    [](const ListedCooler& c) { return ListRow({c.name, vb::Format(c.performance, "##0.000")}); },
                    "Select Cheaper or Dearer Model",
                    "    Model" + Spaces(40) + EtdUnit(),
                    kSelectionError});
}

void frmAirSelection::SelectByNoise() {
    ChooseFromList({[this] { return Air().SortByNoise(); },
                    {80, 150},
                    [](const ListedCooler& c) {
                        return ListRow({c.name, vb::CStr(c.key), vb::Format(c.performance, "##0.000")});
                    },
                    "Select Quieter or Noisier Model",
                    "    Model" + Spaces(20) + "Noise Ranking" + Spaces(15) + EtdUnit(),
                    kSelectionError});
}

}  // namespace quellmar::shell
