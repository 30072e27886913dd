#pragma once

#include "com/unknown.h"

namespace com {

class PropertyBag;

// An object that a property bag can save, and make again from what it saved.
class COM_API Persistable : public virtual Unknown {
public:
    static constexpr InterfaceId kIid = MakeGuid("{44B300B0-F198-4278-B3E4-716B0C16FDA8}");
    using Bases = InterfaceList<Unknown>;

    // The class whose new object reads the saved properties back.
    virtual ClassId PersistClassId() = 0;
    virtual void SaveProperties(PropertyBag& bag) = 0;
    virtual void LoadProperties(const PropertyBag& bag) = 0;
};

}  // namespace com
