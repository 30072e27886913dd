#include "mobile_selection.h"

#include <QLabel>
#include <QLineEdit>

namespace quellmar::shell {

frmMobileSelection::frmMobileSelection(QWidget* parent)
    : AirFamilyDocument(MobileSelectionDescription(), parent),
      txtAirFaceV_(ControlNamed<QLineEdit>("txtAirFaceV")),
      lblAirFaceV_(ControlNamed<QLabel>("lblAirFaceV")) {
    FormLoad();
}

frmMobileSelection::~frmMobileSelection() = default;

std::unique_ptr<RatingObject> frmMobileSelection::MakeRatingObject() const {
    return NewRatingFrom(MobileRatingMaker());
}

void frmMobileSelection::HandDutyToRating() {
    MobileCoolerRating& r = Mobile();
    HandUnits(r);
    r.AirTemp(BoxDouble(txtAirTemp_));
    HandOilDuty(r);
    r.AirFaceVelocity(BoxDouble(txtAirFaceV_));
    HandViscosity(r);
}

void frmMobileSelection::DisplaySelectionParameters() {
    DisplayAirSelectionParameters();
    SetLabel(lblAirFaceV_, AirFaceVelocityText(Mobile().AirFaceVelocity()));
}

}  // namespace quellmar::shell
