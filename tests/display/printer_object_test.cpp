#include "gui/printer_object.h"

#include "temp_folder.h"
#include "vb/error.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace gui {
namespace {

TEST(PreviewPrinter, PrintsPagesInInchesWithinTheMargins) {
    PreviewPrinter printer(100);
    printer.SetPaperSize(PrinterObject::kPaperLetter);
    printer.SetScaleMode(kScaleInches);
    EXPECT_NEAR(printer.ScaleWidth(), 8.5 - 2 * kPrinterMarginInches, 0.01);
    EXPECT_NEAR(printer.ScaleHeight(), 11 - 2 * kPrinterMarginInches, 0.01);
    EXPECT_FALSE(printer.DocumentOpen());

    printer.SetFontName("Times New Roman");
    printer.SetFontSize(10);
    printer.SetCurrentY(1);
    printer.Print("First line");
    EXPECT_TRUE(printer.DocumentOpen());
    EXPECT_NEAR(printer.CurrentY(), 1 + printer.TextHeight("First line"), 1e-9);
    printer.Line(0, 2, 8, 2);
    printer.NewPage();
    EXPECT_EQ(printer.Page(), 2);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 0);
    printer.Print("Second page");
    printer.EndDoc();
    EXPECT_FALSE(printer.DocumentOpen());

    const std::vector<QImage> pages = printer.Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].width(), 850);
    EXPECT_EQ(pages[0].height(), 1100);
    // The line two inches down the printable area lies a quarter inch lower on the paper.
    EXPECT_EQ(FromQRgb(pages[0].pixel(425, 225)), kBlack);
    EXPECT_EQ(FromQRgb(pages[0].pixel(425, 200)), kWhite);
}

TEST(PreviewPrinter, LandscapeSwapsTheSides) {
    PreviewPrinter printer(100);
    printer.SetPaperSize(PrinterObject::kPaperA4);
    printer.SetScaleMode(kScalePixels);
    const double portraitWidth = printer.ScaleWidth();
    printer.SetOrientation(PrinterObject::kLandscape);
    EXPECT_EQ(printer.Orientation(), PrinterObject::kLandscape);
    EXPECT_NEAR(printer.ScaleHeight(), portraitWidth, 1);
    EXPECT_THROW(printer.SetPaperSize(4711), vb::RuntimeError);
    EXPECT_EQ(printer.PaperSize(), PrinterObject::kPaperA4);
    // The paper's size in twips, whatever the scale mode.
    EXPECT_NEAR(printer.Width(), 297 / 25.4 * 1440, 1);
    EXPECT_NEAR(printer.Height(), 210 / 25.4 * 1440, 1);
}

// A printer that cannot start says what is wrong, and takes a new file for the next try. What the
// user can do about it comes with the place where the program chooses printers, for the errors
// that hold the failure only.
TEST(PrinterDevice, PrinterThatCannotStartRaisesPrinterErrorAndTakesNewSettings) {
    quellmar::test::TempFolder folder;
    const QString missing = QString::fromStdString((folder.Path() / "missing" / "page.pdf").string());
    QPrinter qprinter(QPrinter::HighResolution);
    qprinter.setOutputFormat(QPrinter::PdfFormat);
    PrinterDevice printer(qprinter);
    const auto failure = [&] {
        try {
            printer.Print("lost");
        } catch (const vb::RuntimeError& error) {
            EXPECT_EQ(error.Number(), 482);
            EXPECT_FALSE(printer.DocumentOpen());
            printer.EndDoc();
            return std::string(error.what());
        }
        ADD_FAILURE() << "printed on a printer that did not start";
        return std::string();
    };
    const std::string noDestination = failure();
    EXPECT_EQ(noDestination, "Printer error: no printer or file to print to is chosen.");
    EXPECT_EQ(printer.FailureAdvice(noDestination + "\r\n ->  Plot.", "the Setup menu"),
              "Choose one in the Setup menu, then print again.");
    EXPECT_EQ(printer.FailureAdvice("Invalid property value", "the Setup menu"), "");
    qprinter.setOutputFileName(missing);
    EXPECT_EQ(qprinter.outputFileName(), missing);
    const std::string unwritable = failure();
    EXPECT_EQ(unwritable,
              "Printer error: the file \"" + missing.toStdString() + "\" cannot be written.\r\nNo such file or directory");
    EXPECT_EQ(printer.FailureAdvice(unwritable, "the Setup menu"),
              "Choose another file, or a printer, in the Setup menu, then print again.");
    const QString file = QString::fromStdString((folder.Path() / "page.pdf").string());
    qprinter.setOutputFileName(file);
    printer.Print("printed");
    printer.EndDoc();
    EXPECT_TRUE(QFile::exists(file));
}

// Two pages, with the copies the printer set-up dialog chose on the printer.
TEST(PrinterDevice, PrintsADocumentToPdfWithTheCopiesTheSetupChose) {
    quellmar::test::TempFolder folder;
    const QString file = QString::fromStdString((folder.Path() / "drawing.pdf").string());
    QPrinter qprinter(QPrinter::HighResolution);
    qprinter.setOutputFormat(QPrinter::PdfFormat);
    qprinter.setOutputFileName(file);
    {
        PrinterDevice printer(qprinter);
        qprinter.setCopyCount(3);
        EXPECT_EQ(printer.Copies(), 3);
        printer.SetScaleMode(kScalePixels);
        printer.Print("");
        printer.Surface().DrawLine(Pen{}, {0, 0}, {printer.PixelWidth() - 1, printer.PixelHeight() - 1});
        printer.NewPage();
        printer.Print("Page two");
        printer.EndDoc();
        EXPECT_EQ(qprinter.outputFileName(), file) << "the printer keeps the file chosen";
        EXPECT_EQ(qprinter.copyCount(), 3);
        printer.SetCopies(2);
        EXPECT_EQ(qprinter.copyCount(), 2);
        EXPECT_THROW(printer.SetCopies(0), vb::RuntimeError);
    }
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(pdf.readAll());
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_EQ(content.count(QRegularExpression("/Type\\s*/Page[^s]")), 2);
}

}  // namespace
}  // namespace gui
