#include "engine/suitable_list.h"

#include <algorithm>

namespace quellmar::engine {

void SuitableList::Add(std::int32_t id, double performance) {
    const auto after = std::upper_bound(entries_.begin(), entries_.end(), performance,
                                        [](double p, const PerformanceID& e) { return p < e.Performance(); });
    entries_.insert(after, PerformanceID(id, performance));
}

const PerformanceID* SuitableList::FirstAdequate(double required) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const PerformanceID& e) { return IsAdequate(e, required); });
    return found == entries_.end() ? nullptr : &*found;
}

const PerformanceID* SuitableList::Find(std::int32_t id) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const PerformanceID& e) { return e.ID() == id; });
    return found == entries_.end() ? nullptr : &*found;
}

}  // namespace quellmar::engine
