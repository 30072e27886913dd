#pragma once

#include "child_windows.h"
#include "document_description.h"
#include "rating_object.h"
#include "result_texts.h"

#include "vb/date.h"

#include "gui/child_control.h"

#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace gui {
class OptionGroup;
}

namespace quellmar::shell {

// A selection document: one open quotation, a child window of the main window holding a duty,
// one rating object of its cooler family, the customer particulars and the quotation file it was
// last saved to. The main window, the quotation files and the preview reach every document through
// these members and through its controls by name (SSTab1, the input boxes and option arrays, the
// result labels, Picture2). Its own code keeps the controls it uses as members, found once the
// document is built.
class SelectionDocument : public QWidget {
    Q_OBJECT

public:
    ~SelectionDocument() override;

    void IsDirty(bool dirty) { dirty_ = dirty; }
    bool IsDirty() const { return dirty_; }
    void SetCustomerDetails(vb::DateValue reportDate, const QString& company, const QString& address,
                            const QString& attention, const QString& reference, const QString& sized);
    void SavedFileName(const QString& name) { savedFileName_ = name; }
    QString SavedFileName() const { return savedFileName_; }
    QString QuoteDate() const;
    vb::DateValue QuoteDateValue() const { return quoteDate_; }
    QString Company() const { return company_; }
    QString Address() const { return address_; }
    QString Attention() const { return attention_; }
    QString Reference() const { return reference_; }
    QString SizedBy() const { return sizedBy_; }
    // Choose a larger or smaller model by performance; the three sorts, refused unless the family
    // has sorted lists.
    virtual void SelectOtherCooler();
    virtual void SelectByPresDrop();
    virtual void SelectByPrice();
    virtual void SelectByNoise();
    void GetCustomerDetails();
    void PrintPreview();
    void PrintFormData();
    void DisplayDxf();
    // Checks the inputs, runs the search with the rating object there is, and shows the results.
    void FindSuitableCooler();

    // The tab control and its two tabs.
    QTabWidget* SSTab1() const { return tabs_; }
    static constexpr int kInputTab = 0;
    static constexpr int kResultsTab = 1;
    int Tab() const;
    void SetTab(int tab);
    // Whether a cooler is selected and shown (Picture2's own visibility).
    bool CoolerShown() const;
    // A control by name, as the quotation files and the preview find them; null when the document
    // has none of that name.
    QLineEdit* TextBox(const char* name) const;
    gui::OptionGroup* Options(const char* name) const;
    QLabel* Label(const char* name) const;
    // The option index that the Click of an array stored last (0 for an array the document lacks).
    int OptionIndex(const char* name) const;
    // The page family of the quotation preview (printing's kAirPage, kMobilePage, kWaterPage).
    int PageFamily() const;

    // The close prompt: asks about unsaved changes, saves when told to, and says whether the
    // document may close. Closing the document afterwards does not ask again.
    bool QueryUnload();
    // Gives up a close that QueryUnload allowed (another document refused the same Exit).
    void WithdrawCloseApproval() { closeApproved_ = discardOnClose_ = false; }

protected:
    SelectionDocument(DocumentDescription description, QWidget* parent);

    // Form_Load, run at the end of the family's constructor: defaults, input tab, rating object,
    // clean.
    void FormLoad();

    // What a family supplies: its rating object, how a search hands it the duty (in the family's
    // order), and the two displays of the results tab.
    virtual std::unique_ptr<RatingObject> MakeRatingObject() const = 0;
    virtual void HandDutyToRating() = 0;
    virtual void DisplaySelectionParameters() = 0;
    virtual void DisplayCoolerDetails() = 0;

    // A control of the document that its code keeps; the document must have exactly one of the
    // name, or its building fails.
    template <class Control>
    Control* ControlNamed(const char* name) const {
        return gui::ChildControl<Control>(*this, name);
    }
    // The two labels of a temperature: degrees C and degrees F.
    struct TemperatureLabels {
        QLabel* c;
        QLabel* f;
    };
    TemperatureLabels TemperatureNamed(const char* celsius, const char* fahrenheit) const;
    // The labels of the results tab that every family fills alike.
    struct ResultLabels {
        QLabel* errorMsg;
        QLabel* etdC;
        QLabel* etdF;
        std::array<QLabel*, 6> heatLoad;  // in the order of HeatLoadTexts
        QLabel* heatTransferKwC;
        QLabel* heatTransferBtuF;
        std::array<QLabel*, 4> oilFlow;  // in the order of FlowTexts
        QLabel* viscosity;
        QLabel* cst;
        QLabel* sus;
        QLabel* model;
        QLabel* partNo;
        QLabel* leaflet;
        QLabel* weight;
        QLabel* description;
        QLabel* maxOilFlow;
        QLabel* htRating;
        QLabel* htMargin;
        QLabel* pressureDrop;
        QLabel* exitOilTemp;
        QLabel* exitOilTempF;
        QLabel* avgOilTemp;
        QLabel* avgOilTempF;
        QLabel* avgViscosity;
        QLabel* avgViscositySUS;
        QLabel* special;
    };
    const ResultLabels& Results() const { return results_; }

    RatingObject* Rating() const { return rating_.get(); }
    // The rating object as its family's interface (the family made it).
    template <class FamilyRating>
    FamilyRating& RatingAs() const {
        return static_cast<FamilyRating&>(*rating_);
    }

    static void SetLabel(QLabel* label, const std::string& text);
    static void SetLabel(QLabel* label, const LabelText& text);
    template <std::size_t N>
    static void SetLabels(const std::array<QLabel*, N>& labels, const std::array<std::string, N>& texts) {
        for (std::size_t i = 0; i < N; ++i) SetLabel(labels[i], texts[i]);
    }
    static void SetTemperature(const TemperatureLabels& labels, double celsius, double fahrenheit, const char* mask);
    // The Double value of a box, as the search hands it on.
    static double BoxDouble(const QLineEdit* box);
    // The option index that the Click of the array stored last.
    int OptionIndex(const gui::OptionGroup* options) const;

    // The parts of the duty that every family hands to its rating object, each at its place in the
    // family's order: the unit codes; the heat load, inlet temperature and oil flow; the oil grade.
    void HandUnits(RatingObject& r) const;
    void HandOilDuty(RatingObject& r) const;
    void HandViscosity(RatingObject& r) const;

    // Parts of the results displays that every family shows alike.
    // The desired inlet temperature, the ambient or water temperature and the ETD between them.
    void DisplayTemperatures(const TemperatureLabels& inlet, const TemperatureLabels& coolant, double coolantTempC,
                             double coolantTempF);
    void DisplayHeatLoadUnits();
    void DisplayHeatTransfer();
    void DisplayOilFlowUnits();
    // The oil type and its viscosity estimate.
    void DisplayViscosityEstimate();
    // Model, part number, leaflet, weight, description and maximum oil flow.
    void DisplayModelParticulars();
    void DisplayHeatTransferRating();
    // The margin, and the corrected inlet temperatures in its colour rule.
    void DisplayMarginAndInlet(const TemperatureLabels& inlet, const char* mask);
    // Exit and average oil temperatures and the viscosity at the average.
    void DisplayExitAndAverage(double averageOilTemp, double averageViscosity);
    void DisplayOilFlowWarning();

    // The alternative-model dialog over a list that `list` builds; the chosen cooler is loaded and
    // shown when it differs from the one shown. `emptyTitle`: the title of the message for an
    // empty list, or none for no message.
    struct AlternativeRequest {
        std::function<std::vector<ListedCooler>()> list;
        std::vector<int> tabStops;
        std::function<QString(const ListedCooler&)> rowText;
        QString caption;
        QString heading;
        std::optional<QString> emptyTitle;
    };
    void ChooseFromList(const AlternativeRequest& request);

    void closeEvent(QCloseEvent* event) override;

    const DocumentDescription description_;

private:
    // The controls of the duty that every family has.
    struct DutyControls {
        QLineEdit* heatLoad;
        QLineEdit* oilFlow;
        QLineEdit* oilTemp;
        gui::OptionGroup* heatUnits;
        gui::OptionGroup* flowRate;
        gui::OptionGroup* tempUnits;
        gui::OptionGroup* viscosity;
    };
    DutyControls FindDutyControls() const;
    ResultLabels FindResultLabels() const;
    // A box that the checks of the inputs name; every one is looked for as the document is built.
    QLineEdit* RuleBox(const char* name) const;
    // The Single value of a box the checks name, as they compare it.
    float RuleSingle(const char* name) const;
    void NewRatingObject();
    // The search with the rating object there is, once the inputs are valid.
    void Search();
    bool ValidateInputs();
    void ApplyTemperatureLimits();
    // After a search or the choice of another model: shows the selected cooler (Picture2), or
    // hides it and shows why no cooler fits; the results tab comes to the front.
    void ShowResults(bool coolerSelected, const std::string& errorMessage = {});
    // The operating point of the selected cooler; when the rating object refuses it, the refusal is
    // shown in place of the cooler and the result is false.
    bool RecalculateOrRefuse();
    std::optional<long> ChooseAlternative(const AlternativeRequest& request);
    void ApplyAlternative(long coolerId);
    void RefuseSort(const QString& sort);
    void BuildInputTab(QWidget* page);
    void BuildResultsTab(QWidget* page);
    void cmdOK_Click();
    void cmdCancel_Click();
    void MarkDirty() { dirty_ = true; }
    void ShowPreview(printing::PreviewMode modeFlag);
    bool SaveBeforeClose();

    std::unique_ptr<RatingObject> rating_;
    QTabWidget* tabs_;
    QWidget* picture2_ = nullptr;
    DutyControls duty_{};
    ResultLabels results_{};
    std::map<const gui::OptionGroup*, int> optionIndexes_;
    vb::DateValue quoteDate_ = 0;
    QString company_, address_, attention_, reference_, sizedBy_;
    QString savedFileName_;
    bool dirty_ = false;
    bool closeApproved_ = false;
    bool discardOnClose_ = false;
};

// Whether a form name is that of a selection document.
bool IsSelectionDocumentName(const QString& formName);

}  // namespace quellmar::shell
