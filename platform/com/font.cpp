#include "com/font.h"

namespace com {

Font::Font() = default;

void* Font::QueryInterface(const InterfaceId& iid) {
    if (iid != kIid) return Object::QueryInterface(iid);
    AddRef();
    return static_cast<Font*>(this);
}

}  // namespace com
