#pragma once

#include "vb/export.h"
#include "vb/object.h"

#include <concepts>
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
// without a value), Boolean, Long, Double, String (UTF-8) or an object reference (possibly Nothing).
class VB_API Variant {
public:
    using Storage = std::variant<EmptyValue, NullValue, bool, std::int32_t, double, std::string, Ref<Object>>;

    Variant() = default;
    Variant(NullValue n) : value_(n) {}
    Variant(bool b) : value_(b) {}
    Variant(std::int32_t l) : value_(l) {}
    Variant(double d) : value_(d) {}
    Variant(std::string s) : value_(std::move(s)) {}
    Variant(const char* s) : value_(std::string(s)) {}
    template <class T>
        requires std::convertible_to<T*, Object*>
    Variant(const Ref<T>& object) : value_(Ref<Object>(object)) {}

    static Variant Null() { return Variant(NullValue{}); }
    static Variant Nothing() { return Variant(Ref<Object>()); }

    bool IsEmpty() const { return std::holds_alternative<EmptyValue>(value_); }
    bool IsNull() const { return std::holds_alternative<NullValue>(value_); }
    bool IsNumber() const;
    bool IsString() const { return std::holds_alternative<std::string>(value_); }
    bool IsObject() const { return std::holds_alternative<Ref<Object>>(value_); }

    // Conversions as the runtime makes them: Empty is 0 or "", Null raises "Invalid use of Null",
    // a text converts only when it is numeric (else "Type mismatch"); Boolean True is -1.
    double ToDouble() const;
    std::int32_t ToLong() const;  // rounds half to even
    bool ToBool() const;
    std::string ToString() const;  // numbers in the default number-to-text conversion
    // An object value converts to no number or text ("Type mismatch"); only an object value, or
    // Empty as Nothing, converts to an object.
    Ref<Object> ToObject() const;

    const Storage& Value() const { return value_; }
    bool operator==(const Variant&) const = default;

private:
    Storage value_;
};

}  // namespace vb
