#pragma once

#include "gui/picture_box.h"

#include <QWidget>

#include <array>
#include <functional>

namespace tiraq {

// The control's own window and its constituent pictures: the drawing surface picTiraq aligned to
// the top, the status bar picStatusBar along the bottom, and the four grips picHandle(0..3) that
// surround a selected redline entity.
class UserControl : public QWidget {
public:
    UserControl();

    gui::PictureBox* picTiraq;
    gui::PictureBox* picStatusBar;
    std::array<gui::PictureBox*, 4> picHandle{};
    // Whether picTiraq follows the control's width and height (alignment 1, top) or keeps its
    // own size (alignment 0, none).
    bool picTiraqAlignedTop = true;

    // Called after every change of the control's size, as the control's Resize handler.
    std::function<void()> Resized;

    static constexpr int kStatusBarHeight = 8;
    static constexpr int kGripSize = 6;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace tiraq
