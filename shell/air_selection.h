#pragma once

#include "air_family_document.h"

namespace quellmar::shell {

// frmAirSelection: the air-cooled selection document, and the program's first window.
class frmAirSelection : public AirFamilyDocument {
    Q_OBJECT

public:
    explicit frmAirSelection(QWidget* parent = nullptr);
    ~frmAirSelection() override;

    void SelectByPresDrop() override;
    void SelectByPrice() override;
    void SelectByNoise() override;

protected:
    std::unique_ptr<RatingObject> MakeRatingObject() const override;
    void HandDutyToRating() override;
    void DisplaySelectionParameters() override;

private:
    QString GetProductRangeText() const;
    QString GetMotorTypeText() const;
    AirCoolerRating& Air() const { return RatingAs<AirCoolerRating>(); }

    gui::OptionGroup* const optMotor_;
    gui::OptionGroup* const optProduct_;
    QLabel* const lblProductRange_;
    QLabel* const lblMotorType_;
};

DocumentDescription AirSelectionDescription();

}  // namespace quellmar::shell
