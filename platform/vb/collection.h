#pragma once

#include "vb/export.h"
#include "vb/object.h"
#include "vb/variant.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vb {

// The runtime's Collection: an ordered list of values, 1-based, each optionally under a text key
// that is unique without regard to letter case.
class VB_API Collection final : public Object {
public:
    void AddRef() noexcept override;
    void Release() noexcept override;

    // Appends the value; an empty key means none. A key already present raises error 457.
    void Add(Variant item, std::string_view key = {});
    // A position outside 1..Count raises error 9; a key that is not present raises error 5.
    const Variant& Item(std::int32_t index) const;
    const Variant& Item(std::string_view key) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
    // Later items move down one place.
    void Remove(std::int32_t index);
    void Remove(std::string_view key);

private:
    struct Entry {
        Variant value;
        std::string key;  // folded to upper case, empty when the item has none
    };
    std::size_t PositionOf(std::string_view key) const;

    std::atomic<long> references_{0};
    std::vector<Entry> items_;
    std::unordered_map<std::string, std::size_t> positions_;  // folded key -> 0-based position
};

}  // namespace vb
