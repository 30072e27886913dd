#pragma once

#include "vb/error.h"

#include <cstdint>
#include <iterator>
#include <vector>

namespace tiraq {

inline constexpr long kErrSubscriptOutOfRange = 9;

// A growable 1-based array of records whose count is the index of the last record in use.
// Records are kept in chunks of a fixed size once the array is large, so growth never copies the
// records already there and never holds the array twice in memory.
template <typename Record>
class RecordArray {
    static constexpr std::size_t kChunkShift = 12;
    static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkShift;

public:
    std::int32_t Count() const noexcept { return count_; }
    bool Empty() const noexcept { return count_ == 0; }

    // Unchecked access for loops over 1..Count().
    Record& operator[](std::int32_t index) noexcept { return Slot(static_cast<std::size_t>(index - 1)); }
    const Record& operator[](std::int32_t index) const noexcept {
        return const_cast<RecordArray*>(this)->Slot(static_cast<std::size_t>(index - 1));
    }

    // Checked access: an index outside 1..Count() is the runtime's "Subscript out of range".
    Record& At(std::int32_t index) {
        if (!Contains(index)) throw vb::RuntimeError(kErrSubscriptOutOfRange, "Subscript out of range");
        return (*this)[index];
    }
    const Record& At(std::int32_t index) const { return const_cast<RecordArray*>(this)->At(index); }
    bool Contains(std::int32_t index) const noexcept { return index >= 1 && index <= count_; }

    // Appends a record and returns its index (the new count).
    std::int32_t Append(Record record) {
        if (chunks_.empty() || chunks_.back().size() == kChunkSize) {
            chunks_.emplace_back();
            // The first chunk grows as it fills, so a small drawing keeps small arrays.
            if (chunks_.size() > 1) chunks_.back().reserve(kChunkSize);
        }
        chunks_.back().push_back(std::move(record));
        return ++count_;
    }

    // Empties the array and keeps room for `initialSize` records.
    void Reset(std::size_t initialSize = 0) {
        chunks_.clear();
        chunks_.shrink_to_fit();
        count_ = 0;
        if (initialSize > 0) {
            chunks_.emplace_back();
            chunks_.back().reserve(initialSize < kChunkSize ? initialSize : kChunkSize);
        }
    }

    // Sets the count: records beyond it are dropped, new ones are zero records.
    void Resize(std::int32_t count) {
        if (count < 0) count = 0;
        while (count_ > count) {
            chunks_.back().pop_back();
            if (chunks_.back().empty()) chunks_.pop_back();
            --count_;
        }
        while (count_ < count) Append(Record{});
    }

    template <typename Array, typename Value>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Record;
        using difference_type = std::ptrdiff_t;
        using pointer = Value*;
        using reference = Value&;

        Iterator(Array* array, std::int32_t index) : array_(array), index_(index) {}
        reference operator*() const { return (*array_)[index_]; }
        pointer operator->() const { return &(*array_)[index_]; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

    private:
        Array* array_;
        std::int32_t index_;
    };

    auto begin() noexcept { return Iterator<RecordArray, Record>(this, 1); }
    auto end() noexcept { return Iterator<RecordArray, Record>(this, count_ + 1); }
    auto begin() const noexcept { return Iterator<const RecordArray, const Record>(this, 1); }
    auto end() const noexcept { return Iterator<const RecordArray, const Record>(this, count_ + 1); }

private:
    Record& Slot(std::size_t i) noexcept { return chunks_[i >> kChunkShift][i & (kChunkSize - 1)]; }

    std::vector<std::vector<Record>> chunks_;
    std::int32_t count_ = 0;
};

}  // namespace tiraq
