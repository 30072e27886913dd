#include "gui/printer_object.h"

#include "vb/error.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace gui {
namespace {

constexpr long kErrInvalidPropertyValue = 380;
constexpr long kErrPrinter = 482;

QPageSize::PageSizeId PageSizeOf(int paperSize) {
    switch (paperSize) {
    case PrinterObject::kPaperLetter: return QPageSize::Letter;
    case PrinterObject::kPaperLegal: return QPageSize::Legal;
    case PrinterObject::kPaperA3: return QPageSize::A3;
    case PrinterObject::kPaperA4: return QPageSize::A4;
    case PrinterObject::kPaperA5: return QPageSize::A5;
    default: throw vb::RuntimeError(kErrInvalidPropertyValue, "Invalid property value");
    }
}

QPageLayout DefaultLayout() {
    const double margin = kPrinterMarginInches * 25.4;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Millimeter);
}

}  // namespace

PrinterObject::~PrinterObject() = default;

std::int32_t PrinterObject::PixelWidth() const {
    return std::int32_t(std::lround(Layout().paintRect(QPageLayout::Inch).width() * DotsPerInch()));
}

std::int32_t PrinterObject::PixelHeight() const {
    return std::int32_t(std::lround(Layout().paintRect(QPageLayout::Inch).height() * DotsPerInch()));
}

void PrinterObject::BeginOn(QPaintDevice& device) {
    surface_.Begin(device);
    PrepareSurface(surface_);
}

DrawingSurface& PrinterObject::Surface() {
    if (!surface_.IsActive()) {
        BeginOn(StartDocument());
        // Drawing on a printer that did not start would be lost without a word.
        if (!surface_.IsActive()) {
            DropDocument();
            throw vb::RuntimeError(kErrPrinter, Failure());
        }
        page_ = 1;
    }
    return surface_;
}

std::string PrinterObject::FailureAdvice(std::string_view errorText, std::string_view setupPlace) const {
    if (errorText.find(Failure()) == std::string_view::npos) return {};
    return Advice(setupPlace);
}

std::string PrinterObject::Advice(std::string_view setupPlace) const {
    return "Check the printer, or choose another one, in " + std::string(setupPlace) + ", then print again.";
}

// Millimetres, since the page layout rounds inches to two places.
double PrinterObject::Width() const { return Layout().fullRect(QPageLayout::Millimeter).width() / 25.4 * 1440.0; }

double PrinterObject::Height() const { return Layout().fullRect(QPageLayout::Millimeter).height() / 25.4 * 1440.0; }

void PrinterObject::NewPage() {
    if (!surface_.IsActive()) Surface();
    QPaintDevice& next = StartNextPage(*surface_.Device());
    if (&next != surface_.Device()) BeginOn(next);
    ++page_;
    SetCurrentX(ScaleLeft());
    SetCurrentY(ScaleTop());
}

void PrinterObject::EndDoc() {
    const bool open = surface_.IsActive();
    if (open) surface_.End();
    page_ = 0;
    SetCurrentX(ScaleLeft());
    SetCurrentY(ScaleTop());
    // Last, since a printer may refuse the document: it is idle and ready for the next one anyway.
    if (open) FinishDocument();
}

int PrinterObject::Orientation() const {
    return Layout().orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
}

void PrinterObject::SetOrientation(int orientation) {
    if (orientation != kPortrait && orientation != kLandscape) {
        throw vb::RuntimeError(kErrInvalidPropertyValue, "Invalid property value");
    }
    QPageLayout layout = Layout();
    layout.setOrientation(orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    SetLayout(layout);
}

int PrinterObject::PaperSize() const {
    for (int code : {kPaperLetter, kPaperLegal, kPaperA3, kPaperA4, kPaperA5}) {
        if (Layout().pageSize().id() == PageSizeOf(code)) return code;
    }
    return 0;
}

void PrinterObject::SetPaperSize(int paperSize) {
    QPageLayout layout = Layout();
    layout.setPageSize(QPageSize(PageSizeOf(paperSize)));
    SetLayout(layout);
}

void PrinterObject::SetCopies(int copies) {
    if (copies < 1) throw vb::RuntimeError(kErrInvalidPropertyValue, "Invalid property value");
    SetCopyCount(copies);
}

// --- over a QPrinter ---

PrinterDevice::PrinterDevice(QPrinter& printer) : printer_(printer) {}

PrinterDevice::~PrinterDevice() {
    // A document still open goes out as far as it got; nobody is left to hear of a failure.
    try {
        EndDoc();
    } catch (const vb::RuntimeError&) {
    }
}

std::string PrinterDevice::DeviceName() const { return printer_.printerName().toStdString(); }

double PrinterDevice::DotsPerInch() const { return printer_.resolution(); }

QPageLayout PrinterDevice::Layout() const { return printer_.pageLayout(); }

void PrinterDevice::SetLayout(const QPageLayout& layout) { printer_.setPageLayout(layout); }

int PrinterDevice::CopyCount() const { return printer_.copyCount(); }

void PrinterDevice::SetCopyCount(int copies) { printer_.setCopyCount(copies); }

QPaintDevice& PrinterDevice::StartDocument() {
    if (printer_.outputFormat() != QPrinter::PdfFormat) return printer_;
    // Qt's PDF output started without a file stays "active" and then refuses every change of
    // printer or file: nothing is started at all.
    if (printer_.outputFileName().isEmpty()) throw vb::RuntimeError(kErrPrinter, Failure());
    try {
        file_ = std::make_unique<PrintFile>(printer_.outputFileName());
    } catch (const vb::FileWriteError& error) {
        RaiseFileError(error);
    }
    // The file changes only once the document is whole.
    printer_.setOutputFileName(file_->WriterName());
    return printer_;
}

QPaintDevice& PrinterDevice::StartNextPage(QPaintDevice& current) {
    printer_.newPage();
    return current;
}

std::unique_ptr<PrintFile> PrinterDevice::TakeFile() {
    if (file_) printer_.setOutputFileName(file_->Target());
    return std::move(file_);
}

void PrinterDevice::FinishDocument() {
    if (const std::unique_ptr<PrintFile> file = TakeFile()) {
        try {
            file->Commit();
        } catch (const vb::FileWriteError& error) {
            RaiseFileError(error);
        }
    }
}

void PrinterDevice::DropDocument() { TakeFile(); }

QString PrinterDevice::OutputFile() const { return file_ ? file_->Target() : printer_.outputFileName(); }

void PrinterDevice::RaiseFileError(const vb::FileWriteError& error) const {
    throw vb::RuntimeError(kErrPrinter, Failure() + "\r\n" + error.Reason());
}

std::string PrinterDevice::Failure() const {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        if (OutputFile().isEmpty()) return "Printer error: no printer or file to print to is chosen.";
        return "Printer error: the file \"" + OutputFile().toStdString() + "\" cannot be written.";
    }
    return "Printer error: the printer \"" + DeviceName() + "\" cannot start a document.";
}

std::string PrinterDevice::Advice(std::string_view setupPlace) const {
    const std::string then = " in " + std::string(setupPlace) + ", then print again.";
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        if (OutputFile().isEmpty()) return "Choose one" + then;
        return "Choose another file, or a printer," + then;
    }
    return PrinterObject::Advice(setupPlace);
}

// --- preview images ---

PreviewPrinter::PreviewPrinter(double dotsPerInch) : layout_(DefaultLayout()), dotsPerInch_(dotsPerInch) {}

PreviewPrinter::~PreviewPrinter() { EndDoc(); }

QImage PreviewPrinter::BlankPrintableArea() const {
    QImage image(std::max(1, PixelWidth()), std::max(1, PixelHeight()), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QPaintDevice& PreviewPrinter::StartDocument() {
    printable_.clear();
    printable_.push_back(BlankPrintableArea());
    return printable_.back();
}

QPaintDevice& PreviewPrinter::StartNextPage(QPaintDevice&) {
    printable_.push_back(BlankPrintableArea());
    return printable_.back();
}

std::vector<QImage> PreviewPrinter::Pages() const {
    const QRectF paper = Layout().fullRect(QPageLayout::Inch);
    const QRectF paint = Layout().paintRect(QPageLayout::Inch);
    std::vector<QImage> pages;
    for (const QImage& printable : printable_) {
        QImage page(int(std::lround(paper.width() * DotsPerInch())), int(std::lround(paper.height() * DotsPerInch())),
                    QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.drawImage(QPointF(paint.left() * DotsPerInch(), paint.top() * DotsPerInch()), printable);
        pages.push_back(std::move(page));
    }
    return pages;
}

// --- the process-wide printer ---

QPrinter& ProcessPrinter() {
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageLayout(DefaultLayout());
        return p;
    }();
    return *printer;
}

PrinterObject& Printer() {
    static PrinterDevice* printer = new PrinterDevice(ProcessPrinter());
    return *printer;
}

std::vector<std::string> PrinterNames() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    return names;
}

bool SelectPrinter(const std::string& deviceName) {
    for (const std::string& name : PrinterNames()) {
        if (name == deviceName) {
            ProcessPrinter().setPrinterName(QString::fromStdString(name));
            return true;
        }
    }
    return false;
}

}  // namespace gui
