#include "selection_document.h"

#include "child_windows.h"
#include "customer_dialog.h"
#include "main_window.h"
#include "preview_interface.h"
#include "question_dialog.h"
#include "quotation_page.h"

#include "gui/center_form.h"
#include "gui/dialog_service.h"
#include "gui/drawing_window.h"
#include "gui/guarded.h"
#include "gui/keyboard_helpers.h"
#include "gui/mdi_frame.h"
#include "gui/option_group.h"
#include "gui/wait_cursor.h"

#include "engine/engine_error.h"

#include "vb/convert.h"
#include "vb/format.h"
#include "vb/val.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

namespace quellmar::shell {
namespace {

const QString kEntryTitle = "Error entering data.";

}  // namespace

bool IsSelectionDocumentName(const QString& formName) {
    return formName == "frmAirSelection" || formName == "frmMobileSelection" || formName == "frmWaterSelection";
}

SelectionDocument::SelectionDocument(DocumentDescription description, QWidget* parent)
    : QWidget(parent), description_(std::move(description)), tabs_(new QTabWidget(this)) {
    setObjectName(description_.formName);
    setWindowTitle(description_.inputCaption);
    tabs_->setObjectName("SSTab1");
    auto* input = new QWidget;
    auto* results = new QWidget;
    BuildInputTab(input);
    BuildResultsTab(results);
    tabs_->addTab(input, "Selection Input");
    tabs_->addTab(results, "Selection Results");
    duty_ = FindDutyControls();
    results_ = FindResultLabels();
    // A check that names a box the document lacks fails here, not when the user presses OK.
    for (const char* name : BoxesOfRules(description_.rules)) RuleBox(name);
    // The tabs come last in the tab order: the first box is the first control, as the document was
    // designed.
    const auto* last = ControlNamed<gui::OptionGroup>(description_.options.back().name);
    QWidget::setTabOrder(last->Button(last->LastIndex()), tabs_->findChild<QTabBar*>());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tabs_);
}

SelectionDocument::~SelectionDocument() = default;

void SelectionDocument::FormLoad() {
    for (const OptionSpec& option : description_.options)
        ControlNamed<gui::OptionGroup>(option.name)->SetValue(option.defaultIndex, true);
    SetTab(kInputTab);
    gui::Guarded([this] { NewRatingObject(); });
    dirty_ = false;
}

void SelectionDocument::NewRatingObject() { rating_ = MakeRatingObject(); }

// --- Members of every document ---

void SelectionDocument::SetCustomerDetails(vb::DateValue reportDate, const QString& company, const QString& address,
                                           const QString& attention, const QString& reference, const QString& sized) {
    quoteDate_ = reportDate;
    company_ = company;
    address_ = address;
    attention_ = attention;
    reference_ = reference;
    sizedBy_ = sized;
}

QString SelectionDocument::QuoteDate() const {
    return QString::fromStdString(vb::FormatDate(quoteDate_, vb::DateLayout::IsoYmd));
}

void SelectionDocument::GetCustomerDetails() {
    gui::Guarded([this] {
        auto dialog = std::make_unique<CustomerDialog>(this);
        gui::CenterForm(*dialog, this);
        dialog->FillValues(quoteDate_, company_, address_, attention_, reference_, sizedBy_);
        gui::Dialogs().ShowModal(*dialog);
        if (dialog->Cancel) return;
        const auto store = [this](QString& field, const QString& entered) {
            if (entered == field) return;
            field = entered;
            MarkDirty();
        };
        if (const auto date = dialog->EnteredDate(); date && *date != quoteDate_) {
            quoteDate_ = *date;
            MarkDirty();
        }
        store(company_, dialog->txtCompany()->text());
        store(address_, dialog->txtAddress()->text());
        store(attention_, dialog->txtAttention()->text());
        store(reference_, dialog->txtReference()->text());
        store(sizedBy_, dialog->txtSized()->text());
    });
}

int SelectionDocument::PageFamily() const {
    switch (description_.type) {
        case CoolerType::Air: return printing::kAirPage;
        case CoolerType::Mobile: return printing::kMobilePage;
        case CoolerType::Water: break;
    }
    return printing::kWaterPage;
}

void SelectionDocument::PrintPreview() { ShowPreview(printing::PreviewMode::Preview); }

void SelectionDocument::PrintFormData() { ShowPreview(printing::PreviewMode::Print); }

void SelectionDocument::ShowPreview(printing::PreviewMode modeFlag) {
    const auto& maker = ChildWindows().preview;
    if (!maker) return;
    gui::Guarded([&] {
        printing::PreviewWindow* preview = maker();
        preview->SetPrintDetails(company_, address_, attention_, reference_, quoteDate_, sizedBy_, this, CoolerShown(),
                                 PageFamily(), modeFlag);
        if (modeFlag == printing::PreviewMode::Preview)
            gui::ShowMdiChild(preview->Window());
        else
            preview->PrintIt();
    });
}

void SelectionDocument::DisplayDxf() {
    gui::Guarded([this] {
        const std::string drawing = Rating() ? Rating()->Dxf() : std::string();
        if (drawing.empty()) {
            gui::Dialogs().MsgBox("No DXF file available\r\nConsult catalogue or sales office for drawing.",
                                  gui::vbOKOnly | gui::vbExclamation, "Quellmar");
            return;
        }
        gui::OpenDrawingWindow(drawing, QString::fromStdString(Rating()->CoolerName()));
    });
}

void SelectionDocument::FindSuitableCooler() {
    gui::Guarded([this] {
        if (!ValidateInputs()) return;
        if (!rating_) NewRatingObject();
        Search();
    });
}

void SelectionDocument::Search() {
    RatingObject& r = *rating_;
    gui::WaitCursor wait;
    HandDutyToRating();
    r.FindCooler();
    DisplaySelectionParameters();
    if (r.OutOfRange()) {
        ShowResults(false, r.ErrorMessage());
        return;
    }
    if (!RecalculateOrRefuse()) return;
    DisplayCoolerDetails();
    ShowResults(true);
}

bool SelectionDocument::RecalculateOrRefuse() {
    try {
        rating_->Recalculate();
        return true;
    } catch (const engine::RatingError& refusal) {
        // No operating point to show or print: the reason stands where the cooler would.
        ShowResults(false, refusal.Description());
        return false;
    }
}

void SelectionDocument::cmdOK_Click() {
    gui::Guarded([this] {
        // The rating object of the last search stays until the new inputs are known to be usable.
        if (!ValidateInputs()) return;
        NewRatingObject();
        Search();
    });
}

void SelectionDocument::cmdCancel_Click() {
    // Closing goes through the close prompt, whether the document sits in a child frame or not.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

// --- Controls by name ---

int SelectionDocument::Tab() const { return tabs_->currentIndex(); }
void SelectionDocument::SetTab(int tab) { tabs_->setCurrentIndex(tab); }
bool SelectionDocument::CoolerShown() const { return !picture2_->isHidden(); }
QLineEdit* SelectionDocument::TextBox(const char* name) const { return findChild<QLineEdit*>(name); }
gui::OptionGroup* SelectionDocument::Options(const char* name) const { return findChild<gui::OptionGroup*>(name); }
QLabel* SelectionDocument::Label(const char* name) const { return findChild<QLabel*>(name); }

int SelectionDocument::OptionIndex(const char* name) const {
    const gui::OptionGroup* options = Options(name);
    return options ? OptionIndex(options) : 0;
}

int SelectionDocument::OptionIndex(const gui::OptionGroup* options) const {
    const auto found = optionIndexes_.find(options);
    return found == optionIndexes_.end() ? 0 : found->second;
}

SelectionDocument::DutyControls SelectionDocument::FindDutyControls() const {
    return {.heatLoad = ControlNamed<QLineEdit>("txtHeatLoad"),
            .oilFlow = ControlNamed<QLineEdit>("txtOilFlow"),
            .oilTemp = ControlNamed<QLineEdit>("txtOilTemp"),
            .heatUnits = ControlNamed<gui::OptionGroup>("optHeatUnits"),
            .flowRate = ControlNamed<gui::OptionGroup>("optFlowRate"),
            .tempUnits = ControlNamed<gui::OptionGroup>("optTempUnits"),
            .viscosity = ControlNamed<gui::OptionGroup>("optViscosity")};
}

QLineEdit* SelectionDocument::RuleBox(const char* name) const { return ControlNamed<QLineEdit>(name); }

float SelectionDocument::RuleSingle(const char* name) const {
    return vb::CSng(vb::Val(RuleBox(name)->text().toStdString()));
}

double SelectionDocument::BoxDouble(const QLineEdit* box) { return vb::Val(box->text().toStdString()); }

void SelectionDocument::HandUnits(RatingObject& r) const {
    r.HeatUnits(OptionIndex(duty_.heatUnits));
    r.OilFlowUnits(OptionIndex(duty_.flowRate));
    r.TempUnits(OptionIndex(duty_.tempUnits));
}

void SelectionDocument::HandOilDuty(RatingObject& r) const {
    r.HeatLoad(BoxDouble(duty_.heatLoad));
    r.InletTemp(BoxDouble(duty_.oilTemp));
    r.OilFlow(BoxDouble(duty_.oilFlow));
}

void SelectionDocument::HandViscosity(RatingObject& r) const { r.Viscosity(OptionIndex(duty_.viscosity)); }

// --- Inputs ---

bool SelectionDocument::ValidateInputs() {
    const ValidationRules& rules = description_.rules;
    for (const NumericCheck& check : rules.numeric) {
        for (const char* name : check.boxes) {
            QLineEdit* box = RuleBox(name);
            if (vb::IsNumeric(box->text().toStdString())) continue;
            gui::Dialogs().MsgBox(check.message, gui::vbOKOnly, kEntryTitle);
            box->setFocus();
            gui::SelectAllText(*box);
            return false;
        }
    }
    bool valid = true;
    const auto refuse = [&valid](const QString& message) {
        gui::Dialogs().MsgBox(message, gui::vbOKOnly, kEntryTitle);
        valid = false;
    };
    for (const PositiveCheck& check : rules.positive)
        if (RuleSingle(check.box) <= 0) refuse(check.message);
    if (RuleSingle(rules.oilBox) <= RuleSingle(rules.colderBox)) refuse(rules.orderMessage);
    if (!valid) return false;
    ApplyTemperatureLimits();
    // A clamped temperature can leave the oil at or below an ambient (or water) temperature that
    // passed: such a duty has no temperature difference to work with.
    if (RuleSingle(rules.oilBox) <= RuleSingle(rules.colderBox)) {
        refuse(rules.orderMessage);
        return false;
    }
    return true;
}

void SelectionDocument::ApplyTemperatureLimits() {
    const bool celsius = OptionIndex(duty_.tempUnits) == 0;
    const QString suffix = QString::fromUtf8(kDegree) + (celsius ? "C." : "F.");
    for (const TemperatureLimit& limit : description_.rules.limits) {
        const double bound = celsius ? limit.limitC : limit.limitF;
        const float value = RuleSingle(limit.box);
        if (limit.isMinimum ? !(value < bound) : !(value > bound)) continue;
        const QString text = QString::fromStdString(vb::CStr(bound));
        QLineEdit* box = RuleBox(limit.box);
        box->setText(text);
        box->repaint();
        gui::Dialogs().MsgBox(limit.firstLine + text + suffix + "\r\n" + limit.secondLine + text + suffix, gui::vbOKOnly,
                              "Temperature too high.");
    }
}

// --- Closing ---

bool SelectionDocument::QueryUnload() {
    if (closeApproved_) return true;
    if (!dirty_) return closeApproved_ = true;
    QuestionDialog::Answer answer = QuestionDialog::Answer::Cancel;
    {
        auto dialog = std::unique_ptr<QuestionDialog>(QuestionDialog::NewQuoteChanged(this));
        gui::CenterForm(*dialog, gui::MdiFrame());
        gui::Dialogs().ShowModal(*dialog);
        answer = dialog->Result;
    }
    switch (answer) {
        case QuestionDialog::Answer::Yes: return closeApproved_ = SaveBeforeClose();
        case QuestionDialog::Answer::No: discardOnClose_ = true; return closeApproved_ = true;
        case QuestionDialog::Answer::Cancel: break;
    }
    return false;
}

bool SelectionDocument::SaveBeforeClose() {
    frmQuellmar* main = QuellmarWindow();
    if (!main) return false;
    try {
        QString name = savedFileName_;
        if (name.isEmpty()) {
            const std::optional<QString> chosen = main->ChooseSaveName(QString(), true);
            // Cancelling the file dialog keeps the document open, with its changes.
            if (!chosen) return false;
            name = *chosen;
        }
        // Stopped by the user, the save keeps the document open, with its changes.
        if (!main->SaveQuote(*this, name)) return false;
        dirty_ = false;
        return true;
    } catch (const std::exception& error) {
        gui::ReportError(error);
        return false;
    }
}

void SelectionDocument::closeEvent(QCloseEvent* event) {
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    if (discardOnClose_) dirty_ = false;
    event->accept();
}

}  // namespace quellmar::shell
