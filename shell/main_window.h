#pragma once

#include "cooler_type.h"

#include <QMainWindow>

#include <optional>

class QMdiArea;
class QToolBar;

namespace quellmar::shell {

class SelectionDocument;

// frmQuellmar: the multiple-document frame. Its menus and toolbar act on the active child window,
// which they recognise by its form name.
class frmQuellmar : public QMainWindow {
    Q_OBJECT

public:
    frmQuellmar();
    ~frmQuellmar() override;

    // Quotation files.
    QString GetSaveName();
    // False when the user stopped the save; throws when the file cannot be written.
    bool SaveQuote(SelectionDocument& frm, const QString& strSaveFile);
    void SaveCurrentQuote();
    void SaveAs();
    // Asks for the name to save a document under: the file dialog, then, for an existing file other
    // than `savedName`, the overwrite question (Yes saves there, No asks again, Cancel gives up).
    // Nothing when the user gives up.
    std::optional<QString> ChooseSaveName(const QString& savedName, bool centreQuestion);

    void Toolbar1_ButtonClick(const QString& key);
    QAction* MenuItem(const QString& name) const;
    QAction* ToolbarButton(const QString& key) const;
    QToolBar* Toolbar1() const { return toolbar_; }
    QMdiArea* Area() const { return area_; }
    SelectionDocument* ActiveDocument() const;
    void NewDocument(CoolerType coolerType);
    void ShowHelpContents();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void DocumentCommand(void (SelectionDocument::*member)());
    void ResultCommand(void (SelectionDocument::*member)());
    void mnuEditSelect_Click();
    void mnuHlpAboout_Click();
    void ShowMaintenanceWindow(QWidget* window);
    QString GetOpenName();
    void OpenQuote();

    QMdiArea* area_;
    QToolBar* toolbar_;
    QAction* mnuModels_ = nullptr;
    QString lastFileName_;
};

// The program's main window, while it exists.
frmQuellmar* QuellmarWindow();
// A new selection document of the kind, not yet shown; null for a kind this program has no
// document for.
SelectionDocument* NewSelectionDocument(CoolerType coolerType);
// Shows a new document in the main window, at the top of its area.
void ShowDocument(SelectionDocument* document);

}  // namespace quellmar::shell
