#include "vb/variant.h"

#include "vb/convert.h"
#include "vb/error.h"
#include "vb/format.h"
#include "vb/val.h"

namespace vb {
namespace {

[[noreturn]] void RaiseNull() { throw RuntimeError(kErrInvalidUseOfNull, "Invalid use of Null"); }
[[noreturn]] void RaiseMismatch() { throw RuntimeError(kErrTypeMismatch, "Type mismatch"); }

}  // namespace

bool Variant::IsNumber() const {
    return std::holds_alternative<std::int32_t>(value_) || std::holds_alternative<double>(value_) ||
           std::holds_alternative<bool>(value_);
}

double Variant::ToDouble() const {
    return std::visit(
        [](const auto& v) -> double {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, EmptyValue>) return 0.0;
            else if constexpr (std::is_same_v<T, NullValue>) RaiseNull();
            else if constexpr (std::is_same_v<T, bool>) return v ? -1.0 : 0.0;
            else if constexpr (std::is_same_v<T, Ref<Object>>) RaiseMismatch();
            else if constexpr (std::is_same_v<T, std::string>) {
                if (!IsNumeric(v)) RaiseMismatch();
                return Val(v);
            } else return static_cast<double>(v);
        },
        value_);
}

std::int32_t Variant::ToLong() const {
    if (const auto* l = std::get_if<std::int32_t>(&value_)) return *l;
    return CLng(ToDouble());
}

bool Variant::ToBool() const { return ToDouble() != 0.0; }

std::string Variant::ToString() const {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, EmptyValue>) return "";
            else if constexpr (std::is_same_v<T, NullValue>) RaiseNull();
            else if constexpr (std::is_same_v<T, bool>) return v ? "True" : "False";
            else if constexpr (std::is_same_v<T, std::string>) return v;
            else if constexpr (std::is_same_v<T, std::int32_t>) return std::to_string(v);
            else if constexpr (std::is_same_v<T, Ref<Object>>) RaiseMismatch();
            else return CStr(v);
        },
        value_);
}

Ref<Object> Variant::ToObject() const {
    if (const auto* object = std::get_if<Ref<Object>>(&value_)) return *object;
    if (IsEmpty()) return {};
    RaiseMismatch();
}

}  // namespace vb
