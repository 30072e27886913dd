#include "frame/dxf_control.h"

#include "frame/user_control.h"
#include "gui/dialog_service.h"
#include "output/about_box.h"

namespace tiraq {

void DXFControl::About() {
    AboutBox frmAbout(window_);
    gui::Dialogs().ShowModal(frmAbout);
}

}  // namespace tiraq
