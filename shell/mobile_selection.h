#pragma once

#include "air_family_document.h"

namespace quellmar::shell {

// frmMobileSelection: the selection document for mobile coolers, the air-cooled document's twin
// without motor type and product range, with the air face velocity as a fifth input.
class frmMobileSelection : public AirFamilyDocument {
    Q_OBJECT

public:
    explicit frmMobileSelection(QWidget* parent = nullptr);
    ~frmMobileSelection() override;

protected:
    std::unique_ptr<RatingObject> MakeRatingObject() const override;
    void HandDutyToRating() override;
    void DisplaySelectionParameters() override;

private:
    MobileCoolerRating& Mobile() const { return RatingAs<MobileCoolerRating>(); }

    QLineEdit* const txtAirFaceV_;
    QLabel* const lblAirFaceV_;
};

DocumentDescription MobileSelectionDescription();

}  // namespace quellmar::shell
