#include "engine/sorted_coolers.h"

#include <algorithm>

namespace quellmar::engine {

void SortedCoolers::Insert(double key, std::string name, std::int32_t id, double performance) {
    const auto after =
        std::upper_bound(entries_.begin(), entries_.end(), key, [](double k, const Entry& e) { return k < e.key; });
    entries_.insert(after, Entry{key, std::move(name), id, performance});
}

FieldRowArray<vb::Variant> SortedCoolers::ToArray() const {
    FieldRowArray<vb::Variant> array(4, entries_.size() + 1);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        array.At(0, i + 1) = entries_[i].key;
        array.At(1, i + 1) = entries_[i].name;
        array.At(2, i + 1) = entries_[i].id;
        array.At(3, i + 1) = entries_[i].performance;
    }
    return array;
}

}  // namespace quellmar::engine
