#pragma once

#include "drawing/drawing_target.h"
#include "gui/painter_surface.h"
#include "gui/print_file.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QPrinter;

namespace gui {

// The runtime's printer object: a drawing target whose pages are printed. The first drawing (or
// `Surface`, the device context) starts a document (a printer that cannot start one raises the
// runtime's "Printer error", 482, saying what is wrong, and stays idle, so its settings can be
// changed before the next try), `NewPage` moves to a fresh page and `EndDoc` hands the
// document over; a printer that cannot take it (a file that cannot be written) raises the same
// error, idle as well. Positions are in the printable area, whose top left corner is (0, 0).
// Settings use the runtime's constants: Orientation 1 portrait, 2 landscape; PaperSize 1 letter,
// 5 legal, 8 A3, 9 A4, 11 A5.
class PrinterObject : public PrintingTarget {
public:
    enum : int { kPortrait = 1, kLandscape = 2 };
    enum : int { kPaperLetter = 1, kPaperLegal = 5, kPaperA3 = 8, kPaperA4 = 9, kPaperA5 = 11 };

    ~PrinterObject() override;

    DrawingSurface& Surface() override;
    std::int32_t PixelWidth() const override;
    std::int32_t PixelHeight() const override;

    void NewPage() override;
    void EndDoc() override;
    bool DocumentOpen() const override { return surface_.IsActive(); }
    // Page number within the open document (1 for the first), 0 when none is open.
    int Page() const { return page_; }

    // The paper's size in twips, whatever the scale mode (the printable area is smaller).
    double Width() const;
    double Height() const;

    int Orientation() const;
    void SetOrientation(int orientation);
    int PaperSize() const;
    void SetPaperSize(int paperSize);
    int Copies() const { return CopyCount(); }
    void SetCopies(int copies);
    int PaperBin() const { return paperBin_; }
    void SetPaperBin(int paperBin) { paperBin_ = paperBin; }
    virtual std::string DeviceName() const = 0;

    // What the user can do about an error whose text holds this printer's failure to start or to
    // take a document ("Choose one in <setupPlace>, then print again."), with the place where the
    // program lets the user choose a printer; empty for any other error. The printer's error
    // itself names no program's commands: printers serve components in other programs too.
    std::string FailureAdvice(std::string_view errorText, std::string_view setupPlace) const;

protected:
    PrinterObject() = default;
    virtual QPageLayout Layout() const = 0;
    virtual void SetLayout(const QPageLayout& layout) = 0;
    virtual int CopyCount() const = 0;
    virtual void SetCopyCount(int copies) = 0;
    // The device of the document's first page (starting the document), of the next page, and the
    // end of the document; a document whose device did not begin is dropped.
    virtual QPaintDevice& StartDocument() = 0;
    virtual QPaintDevice& StartNextPage(QPaintDevice& current) = 0;
    virtual void FinishDocument() = 0;
    virtual void DropDocument() {}
    // The description of the error raised when no document could be started or taken, and what
    // the user can do about it.
    virtual std::string Failure() const { return "Printer error"; }
    virtual std::string Advice(std::string_view setupPlace) const;

private:
    void BeginOn(QPaintDevice& device);

    int paperBin_ = 0;
    int page_ = 0;
    PainterSurface surface_;  // one object for the printer's life, so a held device context stays good
};

// The printer object over a QPrinter, such as the process-wide one.
class PrinterDevice : public PrinterObject {
public:
    explicit PrinterDevice(QPrinter& printer);
    ~PrinterDevice() override;
    std::string DeviceName() const override;
    double DotsPerInch() const override;
    QPrinter& Device() { return printer_; }

protected:
    // Settings live on the QPrinter, where the printer set-up dialog makes them too.
    QPageLayout Layout() const override;
    void SetLayout(const QPageLayout& layout) override;
    int CopyCount() const override;
    void SetCopyCount(int copies) override;
    QPaintDevice& StartDocument() override;
    QPaintDevice& StartNextPage(QPaintDevice& current) override;
    void FinishDocument() override;
    void DropDocument() override;
    std::string Failure() const override;
    std::string Advice(std::string_view setupPlace) const override;

private:
    // The PDF file chosen to print to, also while a document is open and Qt writes elsewhere.
    QString OutputFile() const;
    // The open document's file, taken off the printer, which gets the chosen file's name back.
    std::unique_ptr<PrintFile> TakeFile();
    [[noreturn]] void RaiseFileError(const vb::FileWriteError& error) const;

    QPrinter& printer_;
    std::unique_ptr<PrintFile> file_;  // while a document to a file is open
};

// The printer object drawing its pages as images, for a preview on screen. The pages of the last
// ended document stay until the next document starts.
class PreviewPrinter : public PrinterObject {
public:
    explicit PreviewPrinter(double dotsPerInch = 96);
    ~PreviewPrinter() override;
    std::string DeviceName() const override { return "Preview"; }
    double DotsPerInch() const override { return dotsPerInch_; }
    // Every page of the document, the open page included; each is the paper's size, the printable
    // area placed at the margins.
    std::vector<QImage> Pages() const;

protected:
    QPageLayout Layout() const override { return layout_; }
    void SetLayout(const QPageLayout& layout) override { layout_ = layout; }
    int CopyCount() const override { return copies_; }
    void SetCopyCount(int copies) override { copies_ = copies; }
    QPaintDevice& StartDocument() override;
    QPaintDevice& StartNextPage(QPaintDevice& current) override;
    void FinishDocument() override {}

private:
    QImage BlankPrintableArea() const;
    QPageLayout layout_;
    int copies_ = 1;
    double dotsPerInch_;
    std::deque<QImage> printable_;  // a deque keeps the open page where it is while pages are added
};

// The printer every part of the program prints on, set up once: high resolution, quarter-inch
// margins.
QPrinter& ProcessPrinter();
PrinterObject& Printer();

// The installed printers by device name, in the system's order; making one current changes the
// process-wide printer. False when no printer has that exact name.
std::vector<std::string> PrinterNames();
bool SelectPrinter(const std::string& deviceName);

// Margins that both printer backends leave unprinted on every side.
inline constexpr double kPrinterMarginInches = 0.25;

}  // namespace gui
