#pragma once

#include "control/dxf.h"
#include "gui/drawing_window.h"

#include <QString>
#include <QWidget>

class QLabel;

namespace quellmar::maintenance {

// frmDXF: the window that shows one cooler drawing in the drawing component, created by its
// ProgID. Dragging with the left button zooms into the band, a right click shows the whole
// drawing again, and the main window's print button prints the view on screen.
class frmDXF : public QWidget, public gui::DrawingWindow {
public:
    frmDXF();
    ~frmDXF() override;

    void SetFileName(const QString& strFile) override;
    // The first caption loads the window: the control reads and draws the file then.
    void SetCaption(const QString& caption) override;
    void Show() override;
    void PrintDrawing() override;

    // The control's mouse events.
    void DXF1_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void DXF1_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void DXF1_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);

    tiraq::DXF& DXF1() const { return *dxf_; }
    QWidget* DXF1Window() const { return dxfWindow_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Events;
    class Site;

    void Form_Load();
    void Form_Unload();

    QLabel* Label1;
    vb::Ref<tiraq::DXF> dxf_;
    QWidget* dxfWindow_ = nullptr;
    com::Cookie cookie_ = 0;
    QString fileName_;
    bool Zooming = false;
    bool loaded_ = false;
    bool unloaded_ = false;
    QSize frameSize_;
};

// Makes frmDXF the program's drawing window, which every opener of a drawing uses.
void RegisterDrawingWindow();

}  // namespace quellmar::maintenance
