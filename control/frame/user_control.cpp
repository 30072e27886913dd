#include "frame/user_control.h"

namespace tiraq {

UserControl::UserControl() : picTiraq(new gui::PictureBox(this)), picStatusBar(new gui::PictureBox(this)) {
    picTiraq->setObjectName("picTiraq");
    picStatusBar->setObjectName("picStatusBar");
    picStatusBar->resize(width(), kStatusBarHeight);
    picStatusBar->SetScaleMode(gui::kScalePixels);
    picStatusBar->SetAutoRedraw(true);
    picStatusBar->hide();
    for (std::size_t i = 0; i < picHandle.size(); ++i) {
        auto* grip = new gui::PictureBox(this);
        grip->setObjectName(QString("picHandle(%1)").arg(i));
        grip->resize(kGripSize, kGripSize);
        grip->SetBackColor(0x000000);
        grip->hide();
        picHandle[i] = grip;
    }
}

void UserControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (Resized) Resized();
}

}  // namespace tiraq
