#include "com/property_bag.h"

#include "vb/error.h"

#include <algorithm>
#include <cctype>

namespace com {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

bool IsName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ' || name.front() == '#') return false;
    return std::none_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == '='; });
}

// A value equal to a default, as a saved property compares: numbers by value, others exactly.
bool SameValue(const vb::Variant& a, const vb::Variant& b) {
    if (a.IsNumber() && b.IsNumber()) return a.ToDouble() == b.ToDouble();
    return a == b;
}

}  // namespace

vb::Variant PropertyBag::ReadProperty(std::string_view name, const vb::Variant& defaultValue) const {
    const auto found = Find(name);
    return found == entries_.end() ? defaultValue : found->value;
}

void PropertyBag::WriteProperty(std::string_view name, const vb::Variant& value,
                                const std::optional<vb::Variant>& defaultValue) {
    if (!IsName(name)) throw vb::RuntimeError(vb::kErrInvalidCall, "Invalid procedure call or argument");
    const auto found = entries_.begin() + (Find(name) - entries_.cbegin());
    if (defaultValue && SameValue(value, *defaultValue)) {
        if (found != entries_.end()) entries_.erase(found);
    } else if (found != entries_.end()) {
        found->value = value;
    } else {
        entries_.push_back({std::string(name), value});
    }
}

std::vector<std::string> PropertyBag::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : entries_) names.push_back(entry.name);
    return names;
}

std::vector<PropertyBag::Entry>::const_iterator PropertyBag::Find(std::string_view name) const {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& entry) { return SameName(entry.name, name); });
}

}  // namespace com
