#pragma once

#include "rating_object.h"
#include "selection_document.h"

#include <memory>

namespace quellmar::shell {

// frmAirSelection: the air-cooled selection document, and the program's first window.
class frmAirSelection : public SelectionDocument {
    Q_OBJECT

public:
    explicit frmAirSelection(QWidget* parent = nullptr);
    ~frmAirSelection() override;

    void SelectOtherCooler() override;
    void SelectByPresDrop() override;
    void SelectByPrice() override;
    void SelectByNoise() override;
    int PageFamily() const override { return 1; }

    // The rating object in use (tests read what a search handed it).
    AirCoolerRating* RatingObjectInUse() const { return rating_.get(); }

protected:
    void NewRatingObject() override;
    RatingObject* Rating() const override { return rating_.get(); }
    void Search() override;

private:
    void DisplaySelectionParameters();
    void DisplayHeatLoadUnits();
    void DisplayOilFlowUnits();
    void DisplayCoolerDetails();
    QString GetProductRangeText() const;
    QString GetMotorTypeText() const;
    void ApplyAlternative(long coolerId);
    void ChooseFromList(const AlternativeRequest& request);

    std::unique_ptr<AirCoolerRating> rating_;
};

DocumentDescription AirSelectionDescription();

}  // namespace quellmar::shell
