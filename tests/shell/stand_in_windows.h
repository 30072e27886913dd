#pragma once

#include "child_windows.h"
#include "preview_interface.h"

#include "gui/drawing_window.h"
#include "gui/mdi_frame.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

// Stand-ins for windows that other parts of the program build: they record how they were used.
struct StandInLog {
    std::vector<std::string> calls;
    std::string fileTextAtCaption;  // what the drawing file held when the window loaded it
    QString fileName;
};

class StandInDrawingWindow final : public QWidget, public gui::DrawingWindow {
public:
    explicit StandInDrawingWindow(std::shared_ptr<StandInLog> log) : log_(std::move(log)) { setObjectName("frmDXF"); }
    void SetFileName(const QString& path) override {
        log_->calls.push_back("SetFileName");
        log_->fileName = path;
    }
    void SetCaption(const QString& caption) override {
        log_->calls.push_back("Caption=" + caption.toStdString());
        QFile file(log_->fileName);
        if (file.open(QIODevice::ReadOnly)) log_->fileTextAtCaption = file.readAll().toStdString();
        setWindowTitle(caption);
    }
    void Show() override {
        log_->calls.push_back("Show");
        gui::ShowMdiChild(this);
    }
    void PrintDrawing() override { log_->calls.push_back("PrintDrawing"); }

private:
    std::shared_ptr<StandInLog> log_;
};

class StandInPreview final : public QWidget, public quellmar::printing::PreviewWindow {
public:
    explicit StandInPreview(std::shared_ptr<StandInLog> log) : log_(std::move(log)) { setObjectName("frmPreview"); }
    void SetPrintDetails(const QString& company, const QString&, const QString&, const QString&, vb::DateValue,
                         const QString&, const QWidget*, bool showAll, int coolType,
                         quellmar::printing::PreviewMode modeFlag) override {
        log_->calls.push_back("SetPrintDetails " + company.toStdString() + " " + std::to_string(showAll) + " " +
                              std::to_string(coolType) + " " + std::to_string(static_cast<int>(modeFlag)));
    }
    void PrintIt() override {
        log_->calls.push_back("PrintIt");
        deleteLater();
    }
    QWidget* Window() override { return this; }

private:
    std::shared_ptr<StandInLog> log_;
};

// Registers the stand-ins for one test.
struct StandInWindows {
    std::shared_ptr<StandInLog> log = std::make_shared<StandInLog>();
    StandInWindows() {
        gui::SetDrawingWindowFactory([log = log] { return new StandInDrawingWindow(log); });
        quellmar::shell::ChildWindows().preview = [log = log] { return new StandInPreview(log); };
    }
    ~StandInWindows() {
        // Previews of a document outside the main window are windows of their own.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "frmPreview") window->close();
        gui::SetDrawingWindowFactory(nullptr);
        quellmar::shell::ChildWindows().preview = nullptr;
    }
};
