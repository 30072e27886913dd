#pragma once

#include "engine/field_row_array.h"
#include "vb/variant.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quellmar::engine {

// One of the air-cooled alternative lists: entries in ascending key, equal keys in the order they
// were inserted.
class SortedCoolers {
public:
    void Insert(double key, std::string name, std::int32_t id, double performance);

    // Field 0 the key, 1 the name, 2 the CoolerID, 3 the performance; entry 0 holds no values and
    // entries 1 to m follow ascending key.
    FieldRowArray<vb::Variant> ToArray() const;

private:
    struct Entry {
        double key;
        std::string name;
        std::int32_t id;
        double performance;
    };
    std::vector<Entry> entries_;
};

}  // namespace quellmar::engine
