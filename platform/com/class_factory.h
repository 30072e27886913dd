#pragma once

#include "com/unknown.h"

namespace com {

// Makes the objects of one class of a component library.
class COM_API ClassFactory : public virtual Unknown {
public:
    static constexpr InterfaceId kIid = MakeGuid("{A6B52F30-B509-4F13-B21D-EC046614F403}");
    using Bases = InterfaceList<Unknown>;

    virtual vb::Ref<Unknown> CreateInstance() = 0;
};

}  // namespace com
