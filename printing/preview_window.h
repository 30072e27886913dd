#pragma once

#include "document_labels.h"
#include "preview_interface.h"
#include "quotation_page.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QPushButton;
class QScrollArea;
class QToolBar;

namespace gui {
class PictureBox;
class PrinterObject;
}

namespace quellmar::printing {

// frmPreview, "Print Preview": one quotation page drawn on its picture, scaled so the whole printer
// page fits, with a toolbar that prints the same page. Made anew for each request; a direct print
// never shows it.
class frmPreview : public QWidget, public PreviewWindow {
    Q_OBJECT

public:
    frmPreview();
    ~frmPreview() override;

    void SetPrintDetails(const QString& Co, const QString& addr, const QString& attn, const QString& ref,
                         vb::DateValue QuoteDate, const QString& SizedBy, const QWidget* FormIn,
                         bool ShowAll, int CoolType, PreviewMode modeFlag) override;
    // Prints the page on the printer at scale 1, ends the print document and unloads the window.
    // A printer that fails is reported; a preview then stays open.
    void PrintIt() override;
    QWidget* Window() override { return this; }

    gui::PictureBox& Picture1() const { return *picture1_; }
    QToolBar& Toolbar1() const { return *toolbar1_; }
    double PreviewScale() const { return previewScale_; }
    void Toolbar1_ButtonClick(const QString& key);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    double FitPreviewToPage(gui::PictureBox& picture);
    void BuildPreviewToolbar();
    void cmdClose_Click();
    void Unload();
    // The labels to print: the document's as they are now, or, once it has closed, those the
    // preview showed.
    DocumentLabels LabelsNow() const;

    // The page scrolls under the toolbar when the window is shorter than the page.
    void PlacePage();

    QToolBar* toolbar1_;
    QPushButton* cmdClose_;
    QScrollArea* pageArea_;
    QWidget* page_;
    gui::PictureBox* picture1_;
    PageRequest request_;
    QPointer<const QWidget> formIn_;
    DocumentLabels shownLabels_;
    int coolType_ = 0;
    PreviewMode modeFlag_ = PreviewMode::Print;
    double pageWidthInches_ = 0;
    double pageHeightInches_ = 0;
    double previewScale_ = 1;
    bool loaded_ = false;
};

// The page of the printer: its paper and printable area.
PrinterPage PageOf(const gui::PrinterObject& printer);

}  // namespace quellmar::printing
