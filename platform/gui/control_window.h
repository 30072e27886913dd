#pragma once

#include "com/unknown.h"

class QWidget;

namespace gui {

// What a host asks of a component's control that has a window of its own: the widget to place in
// the host's window. The host gives it a parent and a size (its extender's Left, Top, Width and
// Height); the control keeps owning it and deletes it when the control goes, so a host releases
// the control before it destroys the window the widget sits in, or lets the widget go with it.
class ControlWindow : public virtual com::Unknown {
public:
    static constexpr com::InterfaceId kIid = com::MakeGuid("{0C3C5E0B-6A44-4F5E-9D3B-3B7E2C81A1F4}");
    using Bases = com::InterfaceList<com::Unknown>;

    virtual QWidget* Widget() = 0;
};

}  // namespace gui
