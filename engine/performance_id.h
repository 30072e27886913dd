#pragma once

#include <cstdint>

namespace quellmar::engine {

// A cooler's performance (kW per degree C of entering temperature difference, already corrected
// for the duty) and its CoolerID. An ID of 0 means "no cooler".
class PerformanceID {
public:
    PerformanceID() = default;
    PerformanceID(std::int32_t id, double performance) : performance_(performance), id_(id) {}

    double Performance() const { return performance_; }
    void SetPerformance(double value) { performance_ = value; }
    std::int32_t ID() const { return id_; }
    void SetID(std::int32_t value) { id_ = value; }

    bool operator==(const PerformanceID&) const = default;

private:
    double performance_ = 0;
    std::int32_t id_ = 0;
};

}  // namespace quellmar::engine
