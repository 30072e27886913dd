// The preview window and printing through the main window, on the bundled sample database.
#include "preview_fixture.h"
#include "small_disk.h"
#include "tab_round.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>

using namespace quellmar::shell;
using quellmar::printing::frmPreview;

namespace {

class Preview : public PreviewTest {};

}  // namespace

TEST_F(Preview, AirPreviewFitsThePageAndPrintsIt) {
    SelectionDocument* document = Searched(kAirSelection);
    ASSERT_TRUE(document->CoolerShown());
    Menu("mnuPreview");
    frmPreview* preview = ActivePreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->windowTitle(), "Print Preview");
    const QMdiSubWindow* frameOfPreview = qobject_cast<QMdiSubWindow*>(preview->parentWidget());
    EXPECT_EQ(frameOfPreview->size(), gui::TwipsToPixels(8310, 11520));
    EXPECT_EQ(frameOfPreview->y(), 0);
    EXPECT_EQ(frameOfPreview->x(), (gui::ScaleSize(frame).width() - frameOfPreview->width()) / 2);

    // A4 portrait in the square picture: the height stays, the width shrinks to the page's.
    const gui::PictureBox& picture = preview->Picture1();
    const double pageWidth = 210 / 25.4, pageHeight = 297 / 25.4;
    EXPECT_NEAR(preview->PreviewScale(), 10395.0 / 1440 / pageHeight, 1e-9);
    EXPECT_EQ(picture.height(), gui::TwipsToPixelsY(10395));
    EXPECT_NEAR(picture.width(), gui::TwipsToPixelsX(preview->PreviewScale() * pageWidth * 1440), 1);
    const QPoint placed = picture.mapTo(preview, QPoint(0, 0));
    EXPECT_EQ(placed.y(), preview->Toolbar1().geometry().bottom() + 1 + gui::TwipsToPixelsY(200));
    EXPECT_NEAR(placed.x(), (preview->width() - picture.width()) / 2.0, 1);
    EXPECT_TRUE(picture.AutoRedraw());
    // Something was drawn on the picture before it showed.
    const QImage image = preview->Picture1().Image();
    int inked = 0;
    for (int y = 0; y < image.height() / 10; ++y)
        for (int x = 0; x < image.width(); ++x) inked += image.pixel(x, y) != image.pixel(2, 2);
    EXPECT_GT(inked, 100) << "the heading and the first rows";

    QAction* print = preview->Toolbar1().findChild<QAction*>("Toolbar1.print");
    ASSERT_TRUE(print);
    EXPECT_EQ(print->toolTip(), "Print current document");
    EXPECT_TRUE(preview->Toolbar1().findChild<QPushButton*>("cmdClose"));
    print->trigger();
    Settle();
    EXPECT_EQ(Previews(), 0);
    EXPECT_EQ(PrintedPages(), 1);
    EXPECT_TRUE(PrintedText().contains(document->Label("lblModel")->text()));
    EXPECT_TRUE(Dialogs().Messages().empty());
}

TEST_F(Preview, AtTheMainWindowsFirstSizeThePreviewFitsAndItsPageScrolls) {
    frame.resize(gui::TwipsToPixels(11880, 8145) + QSize(0, frame.menuBar()->sizeHint().height()));
    Searched(kWaterSelection);
    Menu("mnuPreview");
    frmPreview* preview = ActivePreview();
    ASSERT_TRUE(preview);
    QApplication::processEvents();
    const QMdiSubWindow* frameOfPreview = qobject_cast<QMdiSubWindow*>(preview->parentWidget());
    const QRect visible(QPoint(0, 0), frame.Area()->viewport()->size());
    EXPECT_TRUE(visible.contains(frameOfPreview->geometry()));
    EXPECT_EQ(frameOfPreview->width(), gui::TwipsToPixelsX(8310));
    EXPECT_TRUE(preview->findChild<QPushButton*>("cmdClose")->isVisible());

    // The page's foot is reached by scrolling.
    auto* pageArea = preview->findChild<QScrollArea*>("PageArea");
    ASSERT_TRUE(pageArea);
    QScrollBar* scroll = pageArea->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    scroll->setValue(scroll->maximum());
    const gui::PictureBox& picture = preview->Picture1();
    const QPoint foot = picture.mapTo(pageArea->viewport(), QPoint(0, picture.height() - 1));
    EXPECT_TRUE(pageArea->viewport()->rect().contains(foot));
    scroll->setValue(0);
    Screenshot("preview-water-default-size", *preview);
}

TEST_F(Preview, PrintCommandPrintsWithoutAWindow) {
    SelectionDocument* document = Searched(kAirSelection);
    Menu("mnuPrint");
    Settle();
    EXPECT_EQ(Previews(), 0);
    EXPECT_EQ(PrintedPages(), 1);
    EXPECT_TRUE(PrintedText().contains(document->Label("lblModel")->text()));
    EXPECT_EQ(gui::ActiveChild(), document);
}

TEST_F(Preview, PreviewPrintsTheDocumentsLabelsOrWhatItShowedOnceTheDocumentClosed) {
    QPointer<SelectionDocument> document = Searched(kAirSelection);
    const QString model = document->Label("lblModel")->text();
    const QString rating = document->Label("lblHTRating")->text();

    // While the document is open, printing reads its labels again.
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    ASSERT_TRUE(preview);
    document->Label("lblModel")->setText("Changed after the preview");
    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_TRUE(PrintedText().contains("Changed after the preview"));

    // Once it has closed, the preview prints what it showed.
    document->Label("lblModel")->setText(model);
    document->PrintPreview();
    preview = ActivePreview();
    ASSERT_TRUE(preview);
    document->Label("lblModel")->setText("Changed after the preview");
    document->IsDirty(false);
    qobject_cast<QMdiSubWindow*>(document->parentWidget())->close();
    Settle();
    ASSERT_FALSE(document);
    ASSERT_TRUE(preview);
    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_FALSE(preview);
    const QString text = PrintedText();
    EXPECT_TRUE(text.contains(model)) << text.toStdString();
    EXPECT_TRUE(text.contains(rating));
    EXPECT_TRUE(text.contains(kCompany));
    EXPECT_FALSE(text.contains("Changed after the preview"));
}

TEST_F(Preview, PrinterThatCannotStartIsReportedAndKeepsThePreview) {
    SelectionDocument* document = Searched(kAirSelection);
    const QString missing = Path("missing/page.pdf");
    const std::vector<QString> failed = {"The quotation could not be printed.\r\nPrinter error: the file \"" + missing +
                                         "\" cannot be written.\r\nNo such file or directory\r\nChoose another file, "
                                         "or a printer, in File > Print Setup, then print again."};
    gui::ProcessPrinter().setOutputFileName(missing);
    // A direct print says so and leaves no window behind.
    Menu("mnuPrint");
    Settle();
    EXPECT_EQ(Dialogs().MessageTexts(), failed);
    EXPECT_EQ(Dialogs().Messages()[0].title, "Print") << "titled after the command that failed";
    EXPECT_EQ(Previews(), 0);
    EXPECT_EQ(gui::ActiveChild(), document);

    Dialogs().Clear();
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    preview->Toolbar1_ButtonClick("print");
    Settle();
    ASSERT_TRUE(preview);
    EXPECT_EQ(Dialogs().MessageTexts(), failed);
    EXPECT_EQ(Dialogs().Messages()[0].title, "Print Preview");
    // Once the printer works, the same preview prints.
    gui::ProcessPrinter().setOutputFileName(Pdf());
    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_EQ(PrintedPages(), 1);
}

// A file with no room for the whole quotation: File > Print and the preview's print button each
// say why and what to do, the file that stood there stays byte for byte with nothing beside it,
// and the preview stays for another try.
TEST_F(Preview, PrintToFileFailureSaysWhyAndKeepsTheOldFileAndThePreview) {
    Searched(kAirSelection);
    QDir().mkdir(Path("out"));
    const QString pdf = Path("out/quotation.pdf");
    gui::ProcessPrinter().setOutputFileName(pdf);
    for (const quellmar::test::NoRoom& room : quellmar::test::kNoRoom) {
        SCOPED_TRACE(room.name);
        const QString failed = "The quotation could not be printed.\r\nPrinter error: the file \"" + pdf +
                               "\" cannot be written.\r\n" + room.reason +
                               "\r\nChoose another file, or a printer, in File > Print Setup, then print again.";
        const auto failing = [&] {
            Menu("mnuPrint");
            Settle();
            Menu("mnuPreview");
            QPointer<frmPreview> preview = ActivePreview();
            preview->Toolbar1_ButtonClick("print");
            Settle();
            std::string wrong = preview ? "" : "the preview closed\n";
            const std::vector<QString> said = Dialogs().MessageTexts();
            if (said != std::vector<QString>{failed, failed})
                wrong += "said: " + QStringList(said.begin(), said.end()).join(" / ").toStdString() + "\n";
            return wrong;
        };
        quellmar::test::ExpectNoRoomChangesNothing(room, pdf.toStdString(), failing);
    }
}

// No printer installed and none chosen: printing cannot start until Print Setup chooses a file.
TEST_F(Preview, QuotationPrintsAfterFailedPrintOnceSetupChoosesAFile) {
    const auto chooseFile = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Pdf());
    };
    const std::vector<QString> failed = {"The quotation could not be printed.\r\nPrinter error: no printer or file "
                                         "to print to is chosen.\r\nChoose one in File > Print Setup, then print "
                                         "again."};
    SelectionDocument* document = Searched(kWaterSelection);
    gui::ProcessPrinter().setOutputFileName(QString());
    Menu("mnuPrint");
    Settle();
    EXPECT_EQ(Dialogs().MessageTexts(), failed);
    Dialogs().QueuePrinterAnswer(true, chooseFile);
    Menu("mnuPrintSetup");
    EXPECT_EQ(gui::ProcessPrinter().outputFileName(), Pdf()) << "the setup took effect";
    Menu("mnuPrint");
    Settle();
    EXPECT_EQ(Dialogs().MessageTexts(), failed) << "no second message";
    EXPECT_EQ(PrintedPages(), 1);
    EXPECT_TRUE(PrintedText().contains(document->Label("lblModel")->text()));

    // The same from a preview, which stays open after its failed print and then prints.
    QFile::remove(Pdf());
    Dialogs().Clear();
    gui::ProcessPrinter().setOutputFileName(QString());
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    ASSERT_TRUE(preview);
    preview->Toolbar1_ButtonClick("print");
    Settle();
    ASSERT_TRUE(preview);
    EXPECT_EQ(Dialogs().MessageTexts(), failed);
    Dialogs().QueuePrinterAnswer(true, chooseFile);
    Menu("mnuPrintSetup");
    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_EQ(PrintedPages(), 1);
    EXPECT_EQ(Dialogs().MessageTexts(), failed);
}

// Two documents open; printing from the second one's preview prints the second one's page and
// leaves it the active document.
TEST_F(Preview, PreviewPrintsItsOwnDocumentAndLeavesItActive) {
    SelectionDocument* first = Searched(kAirSelection);
    SelectionDocument* second = Searched(kMobileSelection);
    ASSERT_NE(first, second);
    ASSERT_EQ(Active(), second);
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    ASSERT_TRUE(preview);
    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_FALSE(preview);
    const QString text = PrintedText();
    EXPECT_TRUE(text.contains("MOBILE HEAT EXCHANGER SELECTION PARAMETERS")) << text.toStdString();
    EXPECT_FALSE(text.contains("AIR-COOLED"));
    EXPECT_EQ(Active(), second);

    // Its own menu's Print and its Close do the same.
    Menu("mnuPreview");
    ActivePreview()->findChild<QAction*>("mnuPrint")->trigger();
    Settle();
    EXPECT_EQ(Active(), second);
    Menu("mnuPreview");
    ActivePreview()->findChild<QPushButton*>("cmdClose")->click();
    Settle();
    EXPECT_EQ(Active(), second);
}

TEST_F(Preview, LandscapePaperKeepsThePicturesWidthAndAnUnknownFamilyDrawsNothing) {
    QPageLayout landscape = gui::ProcessPrinter().pageLayout();
    landscape.setOrientation(QPageLayout::Landscape);
    gui::ProcessPrinter().setPageLayout(landscape);
    auto* preview = new frmPreview;
    preview->SetPrintDetails("Acme", "", "", "", 0, "", nullptr, true, 4, quellmar::printing::PreviewMode::Preview);
    gui::ShowMdiChild(preview);
    const gui::PictureBox& picture = preview->Picture1();
    EXPECT_EQ(picture.width(), gui::TwipsToPixelsX(10395));
    EXPECT_NEAR(picture.height(), gui::TwipsToPixelsY(preview->PreviewScale() * 210 / 25.4 * 1440), 1);
    EXPECT_NEAR(preview->PreviewScale(), 10395.0 / 1440 / (297 / 25.4), 1e-9);
    // Wider than the window: the picture stands 100 twips from its left edge.
    EXPECT_EQ(picture.mapTo(preview, QPoint(0, 0)).x(), gui::TwipsToPixelsX(100));
    const QImage image = preview->Picture1().Image();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) ASSERT_EQ(image.pixel(x, y), image.pixel(0, 0));
    preview->findChild<QPushButton*>("cmdClose")->click();
    Settle();
    EXPECT_EQ(Previews(), 0);
}

TEST_F(Preview, WhileAPreviewIsActiveSaveDoesNothingAndItsOwnMenuPrintsAndCloses) {
    Searched(kAirSelection);
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    ASSERT_TRUE(preview);
    Menu("mnuSave");
    Menu("mnuSaveAs");
    EXPECT_TRUE(Dialogs().Shown().empty());
    preview->findChild<QAction*>("mnuClose")->trigger();
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_FALSE(QFile::exists(Pdf()));

    Menu("mnuPreview");
    preview = ActivePreview();
    ASSERT_TRUE(preview);
    preview->findChild<QAction*>("mnuPrint")->trigger();
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_EQ(PrintedPages(), 1);
}

TEST_F(Preview, EveryCommandOfThePreviewIsReachedFromTheKeyboard) {
    Searched(kAirSelection);
    const auto open = [this] {
        Menu("mnuPreview");
        QApplication::processEvents();
        return QPointer<frmPreview>(ActivePreview());
    };
    QPointer<frmPreview> preview = open();
    ASSERT_TRUE(preview);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "PageArea");
    // Tab goes round the page, which the keys scroll, the print button and Close.
    std::vector<QWidget*> stops;
    ASSERT_TRUE(quellmar::test::TabGoesRound(&stops));
    EXPECT_EQ(quellmar::test::Names(stops), "Toolbar1.print, cmdClose, PageArea");
    auto* page = preview->findChild<QScrollArea*>("PageArea");
    page->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_GT(page->verticalScrollBar()->value(), 0);

    // Enter on the print button prints the page.
    preview->findChild<QWidget*>("Toolbar1.print")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_EQ(PrintedPages(), 1);
    QFile::remove(Pdf());

    // Alt+C closes a preview.
    preview = open();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_FALSE(QFile::exists(Pdf()));

    // Alt+F opens the preview's own File menu, not the main window's, and P there prints.
    preview = open();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), preview->findChild<QMenu*>("mnuFile"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_EQ(PrintedPages(), 1);
}

// Whether the frame of the focus stands round the page picture: the colour of a focused box just
// left and right of its middle.
bool FocusFrameShows(const frmPreview& preview) {
    QWidget* sheet = preview.findChild<QScrollArea*>("PageArea")->widget();
    const QImage image = sheet->grab().toImage();
    const QRect picture = preview.Picture1().geometry();
    const QRgb focus = sheet->palette().color(QPalette::Highlight).rgb();
    const int y = picture.center().y();
    return image.pixel(picture.left() - 3, y) == focus && image.pixel(picture.right() + 3, y) == focus;
}

TEST_F(Preview, PreviewScrollsAtOnceWithThePageKeysAndTheArrowsAndShowsItsFocus) {
    frame.resize(gui::TwipsToPixels(11880, 8145) + QSize(0, frame.menuBar()->sizeHint().height()));
    Searched(kWaterSelection);
    Menu("mnuPreview");
    QApplication::processEvents();
    frmPreview* preview = ActivePreview();
    ASSERT_TRUE(preview);
    auto* page = preview->findChild<QScrollArea*>("PageArea");
    ASSERT_EQ(QApplication::focusWidget(), page) << "the page has the focus when the preview opens";
    EXPECT_TRUE(FocusFrameShows(*preview));
    QScrollBar* scroll = page->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    const struct {
        Qt::Key down, up;
    } keys[] = {{Qt::Key_PageDown, Qt::Key_PageUp}, {Qt::Key_Down, Qt::Key_Up}};
    for (const auto& [down, up] : keys) {
        SCOPED_TRACE(QKeySequence(down).toString().toStdString());
        QTest::keyClick(QApplication::focusWidget(), down);
        EXPECT_GT(scroll->value(), 0);
        QTest::keyClick(QApplication::focusWidget(), up);
        EXPECT_EQ(scroll->value(), 0);
    }
    // Tab takes the focus, and its frame, to the print button, which Enter presses.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Toolbar1.print");
    EXPECT_FALSE(FocusFrameShows(*preview));
    Screenshot("preview-focus-on-print", *preview);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), page);
    EXPECT_TRUE(FocusFrameShows(*preview));
}
