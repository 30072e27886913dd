#include "vb/collection.h"

#include "vb/error.h"

#include <algorithm>

namespace vb {
namespace {

std::string FoldKey(std::string_view key) {
    std::string folded(key);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return folded;
}

[[noreturn]] void RaiseSubscript() { throw RuntimeError(kErrSubscript, "Subscript out of range"); }

}  // namespace

void Collection::AddRef() noexcept { references_.fetch_add(1, std::memory_order_relaxed); }

void Collection::Release() noexcept {
    if (references_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
}

void Collection::Add(Variant item, std::string_view key) {
    std::string folded = FoldKey(key);
    if (!folded.empty()) {
        if (positions_.contains(folded))
            throw RuntimeError(kErrDuplicateKey, "This key is already associated with an element of this collection");
        positions_.emplace(folded, items_.size());
    }
    items_.push_back({std::move(item), std::move(folded)});
}

const Variant& Collection::Item(std::int32_t index) const {
    if (index < 1 || index > Count()) RaiseSubscript();
    return items_[static_cast<std::size_t>(index - 1)].value;
}

const Variant& Collection::Item(std::string_view key) const { return items_[PositionOf(key)].value; }

void Collection::Remove(std::int32_t index) {
    if (index < 1 || index > Count()) RaiseSubscript();
    const auto position = static_cast<std::size_t>(index - 1);
    if (!items_[position].key.empty()) positions_.erase(items_[position].key);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& [key, later] : positions_)
        if (later > position) --later;
}

void Collection::Remove(std::string_view key) { Remove(static_cast<std::int32_t>(PositionOf(key) + 1)); }

std::size_t Collection::PositionOf(std::string_view key) const {
    const auto found = positions_.find(FoldKey(key));
    if (found == positions_.end()) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
    return found->second;
}

}  // namespace vb
