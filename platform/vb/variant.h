#pragma once

#include "vb/export.h"

#include <cstdint>
#include <string>
#include <variant>

namespace vb {

struct EmptyValue {
    bool operator==(const EmptyValue&) const = default;
};
struct NullValue {
    bool operator==(const NullValue&) const = default;
};

// A value as the runtime's Variant holds it: Empty (never assigned), Null (a database field
// without a value), Boolean, Long, Double or String (UTF-8).
class VB_API Variant {
public:
    using Storage = std::variant<EmptyValue, NullValue, bool, std::int32_t, double, std::string>;

    Variant() = default;
    Variant(NullValue n) : value_(n) {}
    Variant(bool b) : value_(b) {}
    Variant(std::int32_t l) : value_(l) {}
    Variant(double d) : value_(d) {}
    Variant(std::string s) : value_(std::move(s)) {}
    Variant(const char* s) : value_(std::string(s)) {}

    static Variant Null() { return Variant(NullValue{}); }

    bool IsEmpty() const { return std::holds_alternative<EmptyValue>(value_); }
    bool IsNull() const { return std::holds_alternative<NullValue>(value_); }
    bool IsNumber() const;
    bool IsString() const { return std::holds_alternative<std::string>(value_); }

    // Conversions as the runtime makes them: Empty is 0 or "", Null raises "Invalid use of Null",
    // a text converts only when it is numeric (else "Type mismatch"); Boolean True is -1.
    double ToDouble() const;
    std::int32_t ToLong() const;  // rounds half to even
    bool ToBool() const;
    std::string ToString() const;  // numbers in the default number-to-text conversion

    const Storage& Value() const { return value_; }
    bool operator==(const Variant&) const = default;

private:
    Storage value_;
};

}  // namespace vb
