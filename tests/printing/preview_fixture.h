#pragma once

// The program with its preview window, whose printer writes PDF files that poppler reads back.
#include "preview_window.h"

#include "../shell/program_fixture.h"

#include "gui/picture_box.h"
#include "gui/printer_object.h"
#include "gui/twips.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

class PreviewTest : public ProgramTest {
protected:
    PreviewTest() {
        quellmar::shell::RegisterPreviewWindow();
        QPrinter& printer = gui::ProcessPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Pdf());
        savedLayout = printer.pageLayout();
        // Tall enough for the whole preview window.
        frame.resize(gui::TwipsToPixels(11880, 12500));
    }
    ~PreviewTest() override {
        gui::ProcessPrinter().setPageLayout(savedLayout);
        quellmar::shell::ChildWindows().preview = nullptr;
    }

    QString Pdf() const { return Path("quotation.pdf"); }
    quellmar::printing::frmPreview* ActivePreview() const {
        return qobject_cast<quellmar::printing::frmPreview*>(gui::ActiveChild());
    }
    int Previews() const { return Children("frmPreview"); }

    static QString RunTool(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // The text of the printed file, or nothing when there is none.
    QString PrintedText() const { return QFile::exists(Pdf()) ? RunTool("pdftotext", {"-layout", Pdf(), "-"}) : QString(); }
    QString PrintedFonts() const { return RunTool("pdffonts", {Pdf()}); }
    int PrintedPages() const {
        const QString info = RunTool("pdfinfo", {Pdf()});
        const qsizetype at = info.indexOf("Pages:");
        return at < 0 ? 0 : info.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
    }

    // The main window as it stands, and the preview's page alone, for reviewers.
    void Screenshot(const QString& name, const quellmar::printing::frmPreview& preview) {
        QDir().mkpath(QUELLMAR_SCREENSHOT_DIR);
        QApplication::processEvents();
        frame.grab().save(QString(QUELLMAR_SCREENSHOT_DIR) + "/" + name + ".png");
        preview.Picture1().Image().save(QString(QUELLMAR_SCREENSHOT_DIR) + "/" + name + "-page.png");
    }

    QPageLayout savedLayout;
};
