#include "preview_window.h"

#include "artwork.h"

#include "gui/dialog_service.h"
#include "gui/function_filter.h"
#include "gui/mdi_frame.h"
#include "gui/picture_box.h"
#include "gui/print_error.h"
#include "gui/printer_object.h"
#include "gui/twips.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QLayout>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace quellmar::printing {
namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// The sheet under the page picture, which scrolls in the page area. While the area has the focus,
// a frame in the colour of a focused box stands round the picture, so the user sees where the keys
// go.
class PageSheet final : public QWidget {
public:
    // The room that the frame takes beside the picture.
    static constexpr int kFrameRoom = 4;

    explicit PageSheet(const QScrollArea& area) : area_(area) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const QWidget* picture = findChild<QWidget*>("Picture1");
        if (!area_.hasFocus() || !picture) return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const int offset = kFrameRoom - kFrameWidth / 2;
        painter.drawRect(picture->geometry().adjusted(-offset, -offset, offset, offset));
    }

private:
    static constexpr int kFrameWidth = 2;
    const QScrollArea& area_;
};

}  // namespace

PrinterPage PageOf(const gui::PrinterObject& printer) {
    return {printer.Width() / gui::kTwipsPerInch, printer.Height() / gui::kTwipsPerInch,
            printer.PixelWidth() / printer.DotsPerInch(), printer.PixelHeight() / printer.DotsPerInch()};
}

frmPreview::frmPreview()
    : toolbar1_(new QToolBar(this)),
      cmdClose_(new QPushButton("&Close")),
      pageArea_(new QScrollArea),
      page_(new PageSheet(*pageArea_)),
      picture1_(new gui::PictureBox(page_)) {
    setObjectName("frmPreview");
    setWindowTitle("Print Preview");

    // The window's own menu: its items do what the toolbar's print button and Close do.
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* print = file->addAction("&Print");
    print->setObjectName("mnuPrint");
    connect(print, &QAction::triggered, this, [this] { Toolbar1_ButtonClick("print"); });
    QAction* close = file->addAction("&Close");
    close->setObjectName("mnuClose");
    connect(close, &QAction::triggered, this, [this] { cmdClose_Click(); });
    menus->setGeometry(0, 0, menus->sizeHint().width(), menus->sizeHint().height());

    toolbar1_->setObjectName("Toolbar1");
    toolbar1_->setMovable(false);
    toolbar1_->setFloatable(false);
    toolbar1_->setIconSize(QSize(16, 16));
    toolbar1_->setGeometry(0, menus->sizeHint().height(), gui::TwipsToPixelsX(8310), gui::TwipsToPixelsY(390));
    BuildPreviewToolbar();

    picture1_->setObjectName("Picture1");
    picture1_->resize(gui::TwipsToPixels(10395, 10395));
    picture1_->SetAutoRedraw(true);
    picture1_->SetBackColor(gui::FromQRgb(palette().color(QPalette::Base).rgb()));
    // The page comes after the toolbar's commands in the tab order; the keys scroll it. It shows
    // when it has the focus.
    pageArea_->setParent(this);
    pageArea_->setObjectName("PageArea");
    pageArea_->setFrameShape(QFrame::NoFrame);
    pageArea_->setWidget(page_);
    gui::FilterEvents(*pageArea_, [this](QObject*, QEvent* event) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) page_->update();
        return false;
    });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

frmPreview::~frmPreview() = default;

void frmPreview::BuildPreviewToolbar() {
    toolbar1_->addSeparator();
    QAction* print = toolbar1_->addAction(artwork::ToolbarImage("print"), QString());
    print->setObjectName("Toolbar1.print");
    print->setData(QString("print"));
    print->setToolTip("Print current document");
    connect(print, &QAction::triggered, this, [this] { Toolbar1_ButtonClick("print"); });
    // The print button is a tab stop, so the keyboard reaches it as it reaches Close.
    QWidget* printButton = toolbar1_->widgetForAction(print);
    printButton->setObjectName("Toolbar1.print");
    printButton->setFocusPolicy(Qt::TabFocus);
    toolbar1_->addSeparator();
    toolbar1_->addSeparator();
    // The Close button stands in the toolbar, in the place kept for it.
    cmdClose_->setObjectName("cmdClose");
    cmdClose_->setFixedSize(gui::TwipsToPixels(795, 285));
    toolbar1_->addWidget(cmdClose_)->setObjectName("Toolbar1.close");
}

void frmPreview::SetPrintDetails(const QString& Co, const QString& addr, const QString& attn, const QString& ref,
                                 vb::DateValue QuoteDate, const QString& SizedBy, const QWidget* FormIn,
                                 bool ShowAll, int CoolType, PreviewMode modeFlag) {
    request_ = {Utf8(Co), Utf8(addr), Utf8(attn), Utf8(ref), Utf8(SizedBy), QuoteDate, ShowAll};
    formIn_ = FormIn;
    coolType_ = CoolType;
    modeFlag_ = modeFlag;
}

void frmPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!loaded_) Form_Load();
}

void frmPreview::Form_Load() {
    loaded_ = true;
    // The window is 8310 by 11520 twips, at the top, centred across the main window; no taller
    // than the main window shows it, its page then scrolling under the toolbar.
    QSize size = gui::TwipsToPixels(8310, 11520);
    const QWidget* main = gui::MdiFrame();
    const int left = main ? (gui::ScaleSize(*main).width() - size.width()) / 2 : 0;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (main) size.setHeight(std::min(size.height(), gui::ScaleSize(*main).height()));
        frame->setGeometry(left, 0, size.width(), size.height());
        if (frame->layout()) frame->layout()->activate();
    } else {
        resize(size);
    }

    previewScale_ = FitPreviewToPage(*picture1_);
    PlacePage();
    // The page has the focus when the window opens, so that the first PageDown scrolls it.
    pageArea_->setFocus(Qt::OtherFocusReason);

    gui::PrinterObject& printer = gui::Printer();
    printer.SetScaleMode(gui::kScaleInches);
    picture1_->SetScaleMode(gui::kScaleInches);
    if (modeFlag_ != PreviewMode::Preview) {
        hide();
        return;
    }
    shownLabels_ = LabelsNow();
    PrintPage(coolType_, *picture1_, previewScale_, PageOf(printer), request_, shownLabels_);
    picture1_->Refresh();
}

void frmPreview::PlacePage() {
    const int top = toolbar1_->geometry().bottom() + 1;
    pageArea_->setGeometry(0, top, width(), std::max(0, height() - top));
    // The picture stands 200 twips below the toolbar, centred across the window but at least 100
    // twips from its left edge, with as much room again below it.
    const double x = std::round((gui::PixelsToTwipsX(width()) - gui::PixelsToTwipsX(picture1_->width())) / 2);
    const int margin = gui::TwipsToPixelsY(200);
    picture1_->move(gui::TwipsToPixelsX(x >= 100 ? x : 100), margin);
    page_->resize(picture1_->geometry().right() + 1 + PageSheet::kFrameRoom, picture1_->geometry().bottom() + 1 + margin);
}

void frmPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (loaded_) PlacePage();
}

double frmPreview::FitPreviewToPage(gui::PictureBox& picture) {
    const gui::PrinterObject& printer = gui::Printer();
    pageWidthInches_ = printer.Width() / gui::kTwipsPerInch;
    pageHeightInches_ = printer.Height() / gui::kTwipsPerInch;
    picture.SetScaleMode(gui::kScaleInches);
    const double ratioH = picture.ScaleHeight() / pageHeightInches_;
    const double ratioW = picture.ScaleWidth() / pageWidthInches_;
    double scale;
    if (ratioH < ratioW) {
        scale = ratioH;
        picture.resize(gui::TwipsToPixelsX(ratioH * pageWidthInches_ * gui::kTwipsPerInch), picture.height());
    } else {
        scale = ratioW;
        picture.resize(picture.width(), gui::TwipsToPixelsY(ratioW * pageHeightInches_ * gui::kTwipsPerInch));
    }
    picture.SetFontName(printer.FontName());
    picture.SetFontSize(printer.FontSize() * scale);
    picture.SetForeColor(printer.ForeColor());
    picture.Cls();
    return scale;
}

DocumentLabels frmPreview::LabelsNow() const { return formIn_ ? DocumentLabels(*formIn_) : shownLabels_; }

void frmPreview::PrintIt() {
    gui::PrinterObject& printer = gui::Printer();
    try {
        printer.SetScaleMode(gui::kScaleInches);
        PrintPage(coolType_, printer, 1.0, PageOf(printer), request_, LabelsNow());
        printer.EndDoc();
    } catch (const std::exception& error) {
        // What was drawn goes out; the failure that stopped the drawing is the one the user hears of.
        try {
            printer.EndDoc();
        } catch (const std::exception&) {
        }
        // Titled after the command that printed: the document's Print, or this window's.
        gui::Dialogs().MsgBox("The quotation could not be printed.\r\n" + gui::PrintErrorText(error),
                              gui::vbOKOnly | gui::vbExclamation,
                              modeFlag_ == PreviewMode::Preview ? "Print Preview" : "Print");
        // A preview stays, so the user can try again; a direct print has no window to keep.
        if (modeFlag_ == PreviewMode::Preview && loaded_) return;
    }
    Unload();
}

void frmPreview::Toolbar1_ButtonClick(const QString& key) {
    if (key == "print") PrintIt();
}

void frmPreview::cmdClose_Click() { Unload(); }

void frmPreview::Unload() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        deleteLater();
}

}  // namespace quellmar::printing
