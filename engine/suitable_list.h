#pragma once

#include "engine/performance_id.h"

#include <cstddef>
#include <vector>

namespace quellmar::engine {

// The coolers that can run at a duty, in ascending performance. Entries of equal performance keep
// the order in which they were added.
class SuitableList {
public:
    void Clear() { entries_.clear(); }
    void Add(std::int32_t id, double performance);

    std::size_t Count() const { return entries_.size(); }
    bool IsEmpty() const { return entries_.empty(); }
    std::vector<PerformanceID>::const_iterator begin() const { return entries_.begin(); }
    std::vector<PerformanceID>::const_iterator end() const { return entries_.end(); }

    // The first entry whose performance reaches `required`; nullptr when none does.
    const PerformanceID* FirstAdequate(double required) const;
    // The first entry with this CoolerID; nullptr when the list has none.
    const PerformanceID* Find(std::int32_t id) const;

    static bool IsAdequate(const PerformanceID& entry, double required) { return entry.Performance() >= required; }

private:
    std::vector<PerformanceID> entries_;
};

}  // namespace quellmar::engine
