#include "com/font.h"

#include "com/property_bag.h"

namespace com {

Font::Font() = default;

void* Font::QueryInterface(const InterfaceId& iid) {
    if (iid != kIid) return Object::QueryInterface(iid);
    AddRef();
    return static_cast<Font*>(this);
}

void Font::SaveProperties(PropertyBag& bag) {
    bag.WriteProperty("Name", Name);
    bag.WriteProperty("Size", Size);
    bag.WriteProperty("Bold", Bold, false);
    bag.WriteProperty("Italic", Italic, false);
    bag.WriteProperty("Underline", Underline, false);
    bag.WriteProperty("Strikethrough", Strikethrough, false);
}

void Font::LoadProperties(const PropertyBag& bag) {
    Name = bag.ReadProperty("Name", "").ToString();
    Size = bag.ReadProperty("Size", 0.0).ToDouble();
    Bold = bag.ReadProperty("Bold", false).ToBool();
    Italic = bag.ReadProperty("Italic", false).ToBool();
    Underline = bag.ReadProperty("Underline", false).ToBool();
    Strikethrough = bag.ReadProperty("Strikethrough", false).ToBool();
}

}  // namespace com
