#include "main_window.h"

#include "about_box.h"
#include "air_selection.h"
#include "child_windows.h"
#include "question_dialog.h"
#include "quote_files.h"
#include "select_type_dialog.h"
#include "selection_document.h"
#include "artwork.h"

#include "gui/center_form.h"
#include "gui/child_frame.h"
#include "gui/dialog_service.h"
#include "gui/drawing_window.h"
#include "gui/guarded.h"
#include "gui/mdi_frame.h"
#include "gui/twips.h"

#include "vb/program_folder.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>

#include <memory>

namespace quellmar::shell {
namespace {

QPointer<frmQuellmar>& Instance() {
    static QPointer<frmQuellmar> instance;
    return instance;
}

// The main window's first client area and its toolbar, in twips.
constexpr double kClientWidth = 11880;
constexpr double kClientHeight = 8145;
constexpr double kToolbarHeight = 390;

const QString kSaveFilter = "QUO Files (*.quo)|*.quo|All Files (*.*)|*.*";
const QString kOpenFilter = "Quote Files (*.quo)|*.quo|All Files (*.*)|*.*";

struct ToolbarEntry {
    const char* key;  // none for a separator
    const char* toolTip;
};

const ToolbarEntry kToolbar[] = {
    {nullptr, nullptr},
    {"new", "New document"},
    {"open", "Open existing document"},
    {"save", "Saves this document"},
    {nullptr, nullptr},
    {"select", "Enter data for selection of model"},
    {"customer", "Customer particulars"},
    {"size", "Select larger or smaller model"},
    {"deltap", "Sort by pressure drop"},
    {"price", "Sort by price"},
    {"noise", "Sort by noise"},
    {nullptr, nullptr},
    {"dxf", "View Drawing"},
    {nullptr, nullptr},
    {"print", "Print current document"},
    {"preview", "Print preview"},
    {nullptr, nullptr},
    {"help", "Help"},
};

}  // namespace

frmQuellmar* QuellmarWindow() { return Instance(); }

void ShowDocument(SelectionDocument* document) {
    // A new document opens at the top of the area at the size of the main window's first area
    // below its toolbar, where its longest results have their room; a smaller area makes it smaller.
    QMdiSubWindow* frame = gui::ChildFrame(*document);
    if (!frame) frame = gui::AddMdiChild(document);
    if (frame) frame->setGeometry(QRect(QPoint(frame->x(), 0), gui::TwipsToPixels(kClientWidth, kClientHeight - kToolbarHeight)));
    gui::ShowMdiChild(document);
}

frmQuellmar::frmQuellmar() : area_(new QMdiArea(this)), toolbar_(new QToolBar(this)) {
    setObjectName("frmQuellmar");
    setWindowTitle("QUELLMAR Heat Exchangers");
    setWindowIcon(artwork::ProgramIcon());
    area_->setObjectName("MDIClient");
    // A child that closes hands the activation back to the one active before it (a preview to its
    // document), not to the first one opened.
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(area_);
    Instance() = this;
    gui::SetMdiFrame(this, area_);

    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setFixedHeight(gui::TwipsToPixelsY(kToolbarHeight));
    toolbar_->setIconSize(QSize(19, 17));
    addToolBar(Qt::TopToolBarArea, toolbar_);
    BuildMenus();

    // Load: the Models menu is hidden, the window goes to the top left corner, the toolbar is filled.
    mnuModels_->setVisible(false);
    move(0, 0);
    BuildToolbar();
    const QSize client = gui::TwipsToPixels(kClientWidth, kClientHeight);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

frmQuellmar::~frmQuellmar() { gui::SetMdiFrame(nullptr, nullptr); }

// --- Menus ---

void frmQuellmar::BuildMenus() {
    const auto menu = [this](QMenu* parent, const char* name, const QString& caption) {
        QMenu* submenu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        submenu->setObjectName(name);
        submenu->menuAction()->setObjectName(name);
        return submenu;
    };
    const auto item = [this](QMenu* parent, const char* name, const QString& caption, auto handler) {
        QAction* action = parent->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    const auto separator = [](QMenu* parent, const char* name) { parent->addSeparator()->setObjectName(name); };
    const auto open = [this](const std::function<QWidget*()>& maker) {
        if (maker) ShowMaintenanceWindow(maker());
    };
    ChildWindowMakers& makers = ChildWindows();

    QMenu* file = menu(nullptr, "mnuFile", "&File");
    QMenu* fresh = menu(file, "mnuNew", "&New ..");
    item(fresh, "mnuAir", "&Air Cooled", [this] { NewDocument(CoolerType::Air); });
    item(fresh, "mnuWater", "&Water Cooled", [this] { NewDocument(CoolerType::Water); });
    item(fresh, "mnuMobile", "&Mobile", [this] { NewDocument(CoolerType::Mobile); });
    item(file, "mnuOpen", "&Open ..", [this] { OpenQuote(); });
    separator(file, "mnuSep0");
    item(file, "mnuSave", "&Save", [this] { SaveCurrentQuote(); });
    item(file, "mnuSaveAs", "Save &As ..", [this] { SaveAs(); });
    separator(file, "mnuSep1");
    item(file, "mnuPreview", "Print Pre&view ..", [this] { DocumentCommand(&SelectionDocument::PrintPreview); });
    item(file, "mnuPrint", "&Print ..", [this] { DocumentCommand(&SelectionDocument::PrintFormData); });
    item(file, "mnuPrintSetup", "P&rint Setup ..", [] { gui::Dialogs().ShowPrinter(); });
    separator(file, "mnuSep2");
    item(file, "mnuExit", "E&xit          Alt+F4", [this] { close(); });

    QMenu* edit = menu(nullptr, "mnuEdit", "&Edit");
    item(edit, "mnuEditSelect", "&Selection Data", [this] { mnuEditSelect_Click(); });
    item(edit, "mnuEditCustomer", "&Customer Details", [this] { DocumentCommand(&SelectionDocument::GetCustomerDetails); });
    item(edit, "mnuEditPerformance", "&Model Selected by Performance",
         [this] { ResultCommand(&SelectionDocument::SelectOtherCooler); });
    item(edit, "mnuEditPressure", "Model Selected by Pressure &Drop",
         [this] { ResultCommand(&SelectionDocument::SelectByPresDrop); });
    item(edit, "mnuEditCost", "Model Selected by Cost &Ranking", [this] { ResultCommand(&SelectionDocument::SelectByPrice); });
    item(edit, "mnuEditNoise", "Model Selected by &Noise Level", [this] { ResultCommand(&SelectionDocument::SelectByNoise); });
    item(edit, "mnuEditDrawing", "Model Dra&wing", [this] { ResultCommand(&SelectionDocument::DisplayDxf); });
    item(edit, "mnuEditAllDrawings", "&All Available Drawings", [open, &makers] { open(makers.selectDxf); });

    QMenu* models = menu(nullptr, "mnuModels", "&Models");
    mnuModels_ = models->menuAction();
    item(models, "mnuAirDev", "&Air-Cooled ..", [this, &makers] {
        if (makers.selectEdit) ShowMaintenanceWindow(makers.selectEdit(CoolerType::Air));
    });
    item(models, "mnuWaterDev", "&Water-Cooled ..", [open, &makers] { open(makers.selectEditWater); });
    item(models, "mnuMobileDev", "&Mobile ..", [this, &makers] {
        if (makers.selectEdit) ShowMaintenanceWindow(makers.selectEdit(CoolerType::Mobile));
    });
    item(models, "mnuVersion", "&Version ..", [open, &makers] { open(makers.version); });

    QMenu* help = menu(nullptr, "mnuHelp", "&Help");
    item(help, "mnuContents", "&Contents", [this] { ShowHelpContents(); });
    separator(help, "mnuSep3");
    item(help, "mnuHlpAboout", "&About", [this] { mnuHlpAboout_Click(); });
}

QAction* frmQuellmar::MenuItem(const QString& name) const {
    for (QAction* action : findChildren<QAction*>(name))
        if (action->objectName() == name) return action;
    return nullptr;
}

void frmQuellmar::BuildToolbar() {
    for (const ToolbarEntry& entry : kToolbar) {
        if (!entry.key) {
            toolbar_->addSeparator();
            continue;
        }
        const QString key = entry.key;
        QAction* button = toolbar_->addAction(artwork::ToolbarImage(key), QString());
        button->setObjectName("Toolbar1." + key);
        button->setData(key);
        button->setToolTip(entry.toolTip);
        connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

QAction* frmQuellmar::ToolbarButton(const QString& key) const {
    for (QAction* action : toolbar_->actions())
        if (action->data().toString() == key) return action;
    return nullptr;
}

// --- Routing by the active child's form name ---

SelectionDocument* frmQuellmar::ActiveDocument() const {
    QWidget* child = gui::ActiveChild();
    if (!IsSelectionDocumentName(gui::FormName(child))) return nullptr;
    return qobject_cast<SelectionDocument*>(child);
}

void frmQuellmar::DocumentCommand(void (SelectionDocument::*member)()) {
    if (SelectionDocument* document = ActiveDocument()) (document->*member)();
}

void frmQuellmar::ResultCommand(void (SelectionDocument::*member)()) {
    SelectionDocument* document = ActiveDocument();
    if (document && document->Tab() != SelectionDocument::kInputTab) (document->*member)();
}

void frmQuellmar::mnuEditSelect_Click() {
    QWidget* child = gui::ActiveChild();
    if (!child) return;
    if (SelectionDocument* document = ActiveDocument())
        document->SetTab(SelectionDocument::kInputTab);
    else
        NewDocument(CoolerType::Air);
}

SelectionDocument* NewSelectionDocument(CoolerType coolerType) {
    ChildWindowMakers& makers = ChildWindows();
    if (coolerType == CoolerType::Air) return new frmAirSelection;
    if (coolerType == CoolerType::Water && makers.waterSelection) return makers.waterSelection();
    if (coolerType == CoolerType::Mobile && makers.mobileSelection) return makers.mobileSelection();
    return nullptr;
}

void frmQuellmar::NewDocument(CoolerType coolerType) {
    if (SelectionDocument* document = NewSelectionDocument(coolerType)) ShowDocument(document);
}

void frmQuellmar::ShowMaintenanceWindow(QWidget* window) {
    if (window) gui::ShowMdiChild(window);
}

void frmQuellmar::Toolbar1_ButtonClick(const QString& key) {
    // Stage 1, whatever window is active.
    if (key == "new") {
        std::optional<CoolerType> coolerType;
        {
            auto chooser = std::make_unique<SelectTypeDialog>(this);
            gui::CenterForm(*chooser, this);
            gui::Dialogs().ShowModal(*chooser);
            coolerType = chooser->coolerType;
        }
        if (coolerType) NewDocument(*coolerType);
    } else if (key == "open") {
        OpenQuote();
    } else if (key == "dxf") {
        if (ChildWindows().selectDxf) ShowMaintenanceWindow(ChildWindows().selectDxf());
    } else if (key == "help") {
        ShowHelpContents();
    }

    // Stage 2, on the child that is active now.
    QWidget* child = gui::ActiveChild();
    if (SelectionDocument* document = ActiveDocument()) {
        if (document->Tab() != SelectionDocument::kResultsTab) return;
        if (key == "save") SaveCurrentQuote();
        else if (key == "size") document->SelectOtherCooler();
        else if (key == "deltap") document->SelectByPresDrop();
        else if (key == "price") document->SelectByPrice();
        else if (key == "noise") document->SelectByNoise();
        else if (key == "select") document->SetTab(SelectionDocument::kInputTab);
        else if (key == "customer") document->GetCustomerDetails();
        else if (key == "preview") document->PrintPreview();
        else if (key == "print") document->PrintFormData();
    } else if (child) {
        if (gui::FormName(child) == "frmDXF" && key == "print")
            if (auto* drawing = dynamic_cast<gui::DrawingWindow*>(child))
                gui::Guarded([drawing] { drawing->PrintDrawing(); });
    } else if (key == "select") {
        NewDocument(CoolerType::Air);
    }
}

// --- Help ---

void frmQuellmar::ShowHelpContents() {
    const QString page = QString::fromStdString((vb::ProgramFolder() / "Mainhelp.html").string());
    if (!QFileInfo::exists(page)) {
        gui::Dialogs().MsgBox("The help page " + page + " cannot be found.", gui::vbOKOnly | gui::vbExclamation, "Help");
        return;
    }
    if (!gui::Dialogs().OpenInBrowser(page))
        gui::Dialogs().MsgBox("No web browser could be started to show the help page " + page + ".",
                              gui::vbOKOnly | gui::vbExclamation, "Help");
}

void frmQuellmar::mnuHlpAboout_Click() {
    auto about = std::make_unique<frmHelpAbout>(this);
    gui::CenterForm(*about, this);
    gui::Dialogs().ShowModal(*about);
}

// --- Quotation files ---

QString frmQuellmar::GetSaveName() {
    const std::optional<QString> name = gui::Dialogs().ShowSave({kSaveFilter, 1, lastFileName_});
    if (!name) return {};
    lastFileName_ = *name;
    return *name;
}

QString frmQuellmar::GetOpenName() {
    const std::optional<QString> name = gui::Dialogs().ShowOpen({kOpenFilter, 1, lastFileName_});
    if (!name) return {};
    lastFileName_ = *name;
    return *name;
}

bool frmQuellmar::SaveQuote(SelectionDocument& frm, const QString& strSaveFile) {
    if (!WriteQuoteFile(frm, strSaveFile)) return false;
    frm.SavedFileName(strSaveFile);
    return true;
}

std::optional<QString> frmQuellmar::ChooseSaveName(const QString& savedName, bool centreQuestion) {
    QString name = GetSaveName();
    if (name.isEmpty()) return std::nullopt;
    if (!savedName.isEmpty() && name == savedName) return name;
    for (;;) {
        if (!QFileInfo::exists(name)) return name;
        QuestionDialog::Answer answer = QuestionDialog::Answer::Cancel;
        {
            auto question = std::unique_ptr<QuestionDialog>(QuestionDialog::NewFileExists(this));
            if (centreQuestion) gui::CenterForm(*question, this);
            gui::Dialogs().ShowModal(*question);
            answer = question->Result;
        }
        if (answer == QuestionDialog::Answer::Yes) return name;
        if (answer != QuestionDialog::Answer::No) return std::nullopt;
        name = GetSaveName();
        if (name.isEmpty()) return std::nullopt;
    }
}

void frmQuellmar::SaveCurrentQuote() {
    SelectionDocument* document = ActiveDocument();
    if (!document) return;
    if (document->SavedFileName().isEmpty()) {
        SaveAs();
        return;
    }
    gui::Guarded([&] {
        if (SaveQuote(*document, document->SavedFileName())) document->IsDirty(false);
    });
}

void frmQuellmar::SaveAs() {
    SelectionDocument* document = ActiveDocument();
    if (!document) return;
    gui::Guarded([&] {
        const std::optional<QString> name = ChooseSaveName(document->SavedFileName(), false);
        if (name && SaveQuote(*document, *name)) document->IsDirty(false);
    });
}

void frmQuellmar::OpenQuote() {
    gui::Guarded([this] {
        const QString name = GetOpenName();
        if (!name.isEmpty()) OpenQuoteFile(name);
    });
}

// --- Exit ---

void frmQuellmar::closeEvent(QCloseEvent* event) {
    // Every document with changes is asked first; if one refuses, nothing closes.
    std::vector<QPointer<SelectionDocument>> asked;
    // A document whose answer was not acted on asks again when it closes later.
    const auto withdrawApprovals = [&asked] {
        for (const QPointer<SelectionDocument>& approved : asked)
            if (approved) approved->WithdrawCloseApproval();
    };
    for (QMdiSubWindow* frame : area_->subWindowList(QMdiArea::CreationOrder)) {
        auto* document = qobject_cast<SelectionDocument*>(frame->widget());
        if (!document) continue;
        if (!document->QueryUnload()) {
            withdrawApprovals();
            event->ignore();
            return;
        }
        asked.push_back(document);
    }
    for (QMdiSubWindow* frame : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (!frame->close()) {
            // Another window refused: the documents still open keep their changes and their
            // question.
            withdrawApprovals();
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace quellmar::shell
