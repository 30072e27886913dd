#pragma once

#include "com/export.h"
#include "vb/variant.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace com {

// The saved properties of a control, which the host fills from its store and stores again: values
// under names that are found without regard to letter case, in the order of their first writing.
class COM_API PropertyBag {
public:
    // The value written last under the name, or the default when there is none.
    vb::Variant ReadProperty(std::string_view name, const vb::Variant& defaultValue = {}) const;
    // Keeps the value under the name, replacing an earlier one in its place. A value equal to the
    // given default is not kept (reading it with that default gives it back); an earlier value
    // under the name is then dropped. A name must be a word or words without "=" (error 5).
    void WriteProperty(std::string_view name, const vb::Variant& value,
                       const std::optional<vb::Variant>& defaultValue = std::nullopt);
    std::vector<std::string> Names() const;

private:
    struct Entry {
        std::string name;
        vb::Variant value;
    };
    std::vector<Entry>::const_iterator Find(std::string_view name) const;

    std::vector<Entry> entries_;
};

}  // namespace com
