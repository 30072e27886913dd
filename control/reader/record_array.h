#pragma once

#include "vb/error.h"

#include <cstdint>
#include <vector>

namespace tiraq {

inline constexpr long kErrSubscriptOutOfRange = 9;

// A growable 1-based array of records whose count is the index of the last record in use.
// Appends grow it geometrically, so a large drawing costs no copy per step.
template <typename Record>
class RecordArray {
public:
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }
    bool Empty() const noexcept { return items_.empty(); }

    // Unchecked access for loops over 1..Count().
    Record& operator[](std::int32_t index) noexcept { return items_[static_cast<std::size_t>(index - 1)]; }
    const Record& operator[](std::int32_t index) const noexcept {
        return items_[static_cast<std::size_t>(index - 1)];
    }

    // Checked access: an index outside 1..Count() is the runtime's "Subscript out of range".
    Record& At(std::int32_t index) {
        if (!Contains(index)) throw vb::RuntimeError(kErrSubscriptOutOfRange, "Subscript out of range");
        return (*this)[index];
    }
    const Record& At(std::int32_t index) const { return const_cast<RecordArray*>(this)->At(index); }
    bool Contains(std::int32_t index) const noexcept { return index >= 1 && index <= Count(); }

    // Appends a record and returns its index (the new count).
    std::int32_t Append(Record record) {
        items_.push_back(std::move(record));
        return Count();
    }

    // Empties the array and keeps room for `initialSize` records.
    void Reset(std::size_t initialSize = 0) {
        items_.clear();
        items_.shrink_to_fit();
        items_.reserve(initialSize);
    }

    // Sets the count: records beyond it are dropped, new ones are zero records.
    void Resize(std::int32_t count) { items_.resize(static_cast<std::size_t>(count < 0 ? 0 : count)); }

    auto begin() noexcept { return items_.begin(); }
    auto end() noexcept { return items_.end(); }
    auto begin() const noexcept { return items_.begin(); }
    auto end() const noexcept { return items_.end(); }

private:
    std::vector<Record> items_;
};

}  // namespace tiraq
