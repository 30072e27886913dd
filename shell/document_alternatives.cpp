// The alternative-model commands of a selection document: the larger-or-smaller list that every
// family offers, and the refusal of the sorted lists for families that have none.
#include "selection_document.h"

#include "alternative_rows.h"
#include "other_models_dialog.h"

#include "gui/center_form.h"
#include "gui/dialog_service.h"
#include "gui/guarded.h"
#include "gui/wait_cursor.h"

#include "vb/format.h"

#include <QLabel>
#include <QListWidget>
#include <QStringList>

#include <memory>

namespace quellmar::shell {

QString ListRow(std::initializer_list<std::string> fields) {
    QStringList texts;
    for (const std::string& field : fields) texts << QString::fromStdString(field);
    return texts.join('\t');
}

QString Spaces(int count) { return QString(count, ' '); }

QString EtdUnit() { return QString("kW/") + QString::fromUtf8(kDegree) + "C ETD"; }

void SelectionDocument::SelectOtherCooler() {
    ChooseFromList({[this] { return rating_->ListOfSuitableCoolers(); },
                    {110},
                    [](const ListedCooler& c) { return ListRow({c.name, vb::Format(c.performance, "#0.000")}); },
                    "Select Larger or Smaller Model",
                    "    Model" + Spaces(35) + EtdUnit(),
                    description_.alternatives.emptyListTitle});
}

void SelectionDocument::SelectByPresDrop() { RefuseSort("Pressure Drop"); }
void SelectionDocument::SelectByPrice() { RefuseSort("Cost"); }
void SelectionDocument::SelectByNoise() { RefuseSort("Noise"); }

void SelectionDocument::RefuseSort(const QString& sort) {
    gui::Dialogs().MsgBox(sort + " sort not available for " + description_.sortRefusalFamily + " models.",
                          gui::vbOKOnly, "Function Unavailable");
}

void SelectionDocument::ChooseFromList(const AlternativeRequest& request) {
    gui::Guarded([&] {
        if (!rating_) return;
        if (const std::optional<long> chosen = ChooseAlternative(request)) ApplyAlternative(*chosen);
    });
}

std::optional<long> SelectionDocument::ChooseAlternative(const AlternativeRequest& request) {
    std::optional<gui::WaitCursor> wait(std::in_place);
    const std::vector<ListedCooler> entries = request.list();
    if (entries.empty()) {
        wait.reset();
        if (request.emptyTitle)
            gui::Dialogs().MsgBox("No models available for selection.", gui::vbOKOnly, *request.emptyTitle);
        return std::nullopt;
    }
    auto dialog = std::make_unique<OtherModelsDialog>(this);
    dialog->SetTabStops(request.tabStops);
    const QString shownModel = results_.model->text();
    int position = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        dialog->AddRow(request.rowText(entries[i]), entries[i].id);
        if (QString::fromStdString(entries[i].name).compare(shownModel, Qt::CaseInsensitive) == 0) {
            position = static_cast<int>(i);
            dialog->SelectedCoolerID = entries[i].id;
        }
    }
    dialog->List1()->setCurrentRow(position);
    const long preselected = dialog->SelectedCoolerID;
    wait.reset();
    dialog->setWindowTitle(request.caption);
    dialog->SetRowHeading(request.heading);
    gui::CenterForm(*dialog, this);
    gui::Dialogs().ShowModal(*dialog);
    if (dialog->SelectedCoolerID == preselected) return std::nullopt;
    return dialog->SelectedCoolerID;
}

void SelectionDocument::ApplyAlternative(long coolerId) {
    rating_->CoolerID(coolerId);
    if (description_.alternatives.redisplayParameters) DisplaySelectionParameters();
    if (!RecalculateOrRefuse()) return;
    DisplayCoolerDetails();
    // A model chosen after a search that found none is shown like any selection.
    ShowResults(true);
}

}  // namespace quellmar::shell
