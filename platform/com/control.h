#pragma once

#include "com/font.h"
#include "com/property_bag.h"
#include "com/unknown.h"

#include <string_view>

namespace com {

// The host's side of a control it places: what the control asks of its container.
class COM_API ControlSite : public virtual Unknown {
public:
    static constexpr InterfaceId kIid = MakeGuid("{4E692B5B-82DB-4859-B81A-64942947B967}");
    using Bases = InterfaceList<Unknown>;

    // A saved property changed: the host will write the control's properties when it saves.
    virtual void PropertyChanged(std::string_view name) = 0;
    // False while a designer edits the host's window, true while the program runs.
    virtual bool UserMode() = 0;
    virtual vb::Ref<Font> AmbientFont() = 0;
};

// A control's side: the host hands it its site, then either has it take its defaults (a control
// newly placed) or read the properties the host saved; the host has it write them when it saves.
class COM_API Control : public virtual Unknown {
public:
    static constexpr InterfaceId kIid = MakeGuid("{75430C7A-8BB7-4D1C-908D-EFBB0022722C}");
    using Bases = InterfaceList<Unknown>;

    virtual void SetSite(vb::Ref<ControlSite> site) = 0;
    virtual void InitProperties() = 0;
    virtual void ReadProperties(const PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) = 0;
};

}  // namespace com
