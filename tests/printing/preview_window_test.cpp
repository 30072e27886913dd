// The preview window and printing through the main window, on the bundled sample database; the
// printer writes PDF files that poppler reads back.
#include "preview_window.h"

#include "../shell/shell_fixture.h"
#include "air_selection.h"
#include "engine_ratings.h"
#include "main_window.h"
#include "temp_folder.h"
#include "test_database.h"

#include "gui/mdi_frame.h"
#include "gui/picture_box.h"
#include "gui/printer_object.h"
#include "gui/twips.h"
#include "vb/program_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QToolBar>

#include <cmath>

using namespace quellmar::shell;
using quellmar::printing::frmPreview;

namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class Preview : public ShellTest {
protected:
    Preview() : database(quellmar::data::Contents::Full) {
        vb::SetProgramFolder(database.Folder());
        AirRatingMaker() = MakeEngineAirRating;
        quellmar::printing::RegisterPreviewWindow();
        QPrinter& printer = gui::ProcessPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Pdf());
        savedLayout = printer.pageLayout();
        frame.resize(gui::TwipsToPixels(11880, 12500));
        frame.show();
    }
    ~Preview() override {
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (auto* document = qobject_cast<SelectionDocument*>(child->widget())) document->IsDirty(false);
        gui::ProcessPrinter().setPageLayout(savedLayout);
        ChildWindows().preview = nullptr;
        AirRatingMaker() = nullptr;
        vb::SetProgramFolder({});
    }

    QString Pdf() const { return QString::fromStdString((folder / "quotation.pdf").string()); }
    void Menu(const char* name) { frame.MenuItem(name)->trigger(); }

    frmAirSelection* SearchedAir() {
        Menu("mnuAir");
        auto* document = qobject_cast<frmAirSelection*>(gui::ActiveChild());
        document->TextBox("txtHeatLoad")->setText("20");
        document->TextBox("txtOilFlow")->setText("60");
        document->TextBox("txtAirTemp")->setText("30");
        document->TextBox("txtOilTemp")->setText("60");
        document->SetCustomerDetails(vb::DateSerial(2024, 3, 14), "Brünnhilde Hydraulik GmbH", "Werkstraße 4",
                                     "Frau Weiß", "Anfrage 12", "Ann");
        document->FindSuitableCooler();
        return document;
    }
    frmPreview* ActivePreview() const { return qobject_cast<frmPreview*>(gui::ActiveChild()); }
    int Previews() const {
        int count = 0;
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (child->widget()->objectName() == "frmPreview") ++count;
        return count;
    }
    static void Settle() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    // The text of the printed file, or nothing when there is none.
    QString PrintedText() const { return QFile::exists(Pdf()) ? RunTool("pdftotext", {"-layout", Pdf(), "-"}) : QString(); }
    int PrintedPages() const {
        const QString info = RunTool("pdfinfo", {Pdf()});
        const qsizetype at = info.indexOf("Pages:");
        return at < 0 ? 0 : info.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
    }
    void Screenshot(const QString& name) {
        QDir().mkpath(QUELLMAR_SCREENSHOT_DIR);
        QApplication::processEvents();
        frame.grab().save(QString(QUELLMAR_SCREENSHOT_DIR) + "/" + name + ".png");
    }

    quellmar::test::TestDatabase database;
    quellmar::test::TempFolder folder;
    QPageLayout savedLayout;
    frmQuellmar frame;
};

}  // namespace

TEST_F(Preview, AirPreviewFitsThePageAndPrintsIt) {
    frmAirSelection* document = SearchedAir();
    ASSERT_TRUE(document->CoolerShown());
    Menu("mnuPreview");
    frmPreview* preview = ActivePreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->windowTitle(), "Print Preview");
    const QMdiSubWindow* frameOfPreview = qobject_cast<QMdiSubWindow*>(preview->parentWidget());
    EXPECT_EQ(frameOfPreview->size(), gui::TwipsToPixels(8310, 11520));
    EXPECT_EQ(frameOfPreview->y(), 0);

    // A4 portrait in the square picture: the height stays, the width shrinks to the page's.
    const gui::PictureBox& picture = preview->Picture1();
    const double pageWidth = 210 / 25.4, pageHeight = 297 / 25.4;
    EXPECT_NEAR(preview->PreviewScale(), 10395.0 / 1440 / pageHeight, 1e-9);
    EXPECT_EQ(picture.height(), gui::TwipsToPixelsY(10395));
    EXPECT_NEAR(picture.width(), gui::TwipsToPixelsX(preview->PreviewScale() * pageWidth * 1440), 1);
    EXPECT_EQ(picture.y(), preview->Toolbar1().geometry().bottom() + 1 + gui::TwipsToPixelsY(200));
    EXPECT_NEAR(picture.x(), (preview->width() - picture.width()) / 2.0, 1);
    EXPECT_TRUE(picture.AutoRedraw());
    // Something was drawn on the picture before it showed.
    const QImage image = preview->Picture1().Image();
    EXPECT_NE(image.pixel(image.width() / 2, image.height() / 20), image.pixel(2, 2));
    Screenshot("preview-air");
    preview->Picture1().Image().save(QString(QUELLMAR_SCREENSHOT_DIR) + "/preview-air-page.png");

    QAction* print = preview->Toolbar1().findChild<QAction*>("Toolbar1.print");
    ASSERT_TRUE(print);
    EXPECT_EQ(print->toolTip(), "Print current document");
    EXPECT_TRUE(preview->Toolbar1().findChild<QPushButton*>("cmdClose"));
    print->trigger();
    Settle();
    EXPECT_EQ(Previews(), 0);
    EXPECT_EQ(PrintedPages(), 1);
    const QString text = PrintedText();
    EXPECT_TRUE(text.contains("QUELLMAR HEAT EXCHANGER - KORVELANE")) << text.toStdString();
    EXPECT_TRUE(text.contains("Brünnhilde Hydraulik GmbH"));
    EXPECT_TRUE(text.contains("14/3/2024"));
    EXPECT_TRUE(text.contains(document->Label("lblModel")->text()));
    EXPECT_TRUE(text.contains(document->Label("lblHTRating")->text()));
    EXPECT_TRUE(Dialogs().Messages().empty());
}

TEST_F(Preview, PrintCommandPrintsWithoutAWindow) {
    frmAirSelection* document = SearchedAir();
    Menu("mnuPrint");
    Settle();
    EXPECT_EQ(Previews(), 0);
    EXPECT_EQ(PrintedPages(), 1);
    EXPECT_TRUE(PrintedText().contains(document->Label("lblModel")->text()));
    EXPECT_EQ(gui::ActiveChild(), document);
}

TEST_F(Preview, PreviewOfAClosedDocumentPrintsWhatItShowed) {
    frmAirSelection* document = SearchedAir();
    const QString model = document->Label("lblModel")->text();
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    ASSERT_TRUE(preview);
    document->IsDirty(false);
    qobject_cast<QMdiSubWindow*>(document->parentWidget())->close();
    Settle();
    ASSERT_TRUE(preview);
    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_TRUE(PrintedText().contains(model));
}

TEST_F(Preview, PrinterThatCannotStartKeepsThePreview) {
    SearchedAir();
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    gui::ProcessPrinter().setOutputFileName(QString::fromStdString((folder / "missing" / "page.pdf").string()));
    preview->Toolbar1_ButtonClick("print");
    Settle();
    ASSERT_TRUE(preview);
    EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{"The quotation could not be printed.\r\nPrinter error"});
    // Once the printer works, the same preview prints.
    gui::ProcessPrinter().setOutputFileName(Pdf());
    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_EQ(PrintedPages(), 1);
}

TEST_F(Preview, LandscapePaperKeepsThePicturesWidthAndAnUnknownFamilyDrawsNothing) {
    QPageLayout landscape = gui::ProcessPrinter().pageLayout();
    landscape.setOrientation(QPageLayout::Landscape);
    gui::ProcessPrinter().setPageLayout(landscape);
    auto* preview = new frmPreview;
    preview->SetPrintDetails("Acme", "", "", "", 0, "", nullptr, true, 4, 2);
    gui::ShowMdiChild(preview);
    const gui::PictureBox& picture = preview->Picture1();
    EXPECT_EQ(picture.width(), gui::TwipsToPixelsX(10395));
    EXPECT_NEAR(picture.height(), gui::TwipsToPixelsY(preview->PreviewScale() * 210 / 25.4 * 1440), 1);
    EXPECT_NEAR(preview->PreviewScale(), 10395.0 / 1440 / (297 / 25.4), 1e-9);
    // Wider than the window: the picture stands 100 twips from its left edge.
    EXPECT_EQ(picture.x(), gui::TwipsToPixelsX(100));
    const QImage image = preview->Picture1().Image();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) ASSERT_EQ(image.pixel(x, y), image.pixel(0, 0));
    preview->findChild<QPushButton*>("cmdClose")->click();
    Settle();
    EXPECT_EQ(Previews(), 0);
}
