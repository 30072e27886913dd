#pragma once

#include "com/dispatch.h"
#include "com/error.h"
#include "com/unknown.h"
#include "vb/convert.h"
#include "vb/variant.h"

#include <algorithm>
#include <cctype>
#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace com {

namespace binding {

[[noreturn]] inline void RaiseTypeMismatch() { throw vb::RuntimeError(vb::kErrTypeMismatch, "Type mismatch"); }
[[noreturn]] inline void RaiseWrongArguments() {
    throw vb::RuntimeError(kErrWrongArguments, "Wrong number of arguments or invalid property assignment");
}

template <class T>
struct IsRef : std::false_type {};
template <class T>
struct IsRef<vb::Ref<T>> : std::true_type {};

// How a value of a parameter or result type travels in a Variant: From reads it out of one, To
// makes one of it.
template <class T>
struct Convert {
    static T From(const vb::Variant& v) {
        if constexpr (std::is_same_v<T, vb::Variant>) return v;
        else if constexpr (std::is_same_v<T, bool>) return v.ToBool();
        else if constexpr (std::is_same_v<T, std::int16_t>) return vb::CInt(v.ToDouble());
        else if constexpr (std::is_same_v<T, std::int32_t>) return v.ToLong();
        // Colours (&H80000005 and the like) travel as the Long of the same bits.
        else if constexpr (std::is_same_v<T, std::uint32_t>) return static_cast<std::uint32_t>(v.ToLong());
        else if constexpr (std::is_same_v<T, float>) return vb::CSng(v.ToDouble());
        else if constexpr (std::is_same_v<T, double>) return v.ToDouble();
        else if constexpr (std::is_same_v<T, std::string>) return v.ToString();
        else static_assert(sizeof(T) == 0, "no conversion of this type to and from a Variant");
    }
    static vb::Variant To(T v) {
        if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::uint32_t>)
            return static_cast<std::int32_t>(v);
        else if constexpr (std::is_same_v<T, float>) return static_cast<double>(v);
        else return v;
    }
};
template <class E>
    requires std::is_enum_v<E>
struct Convert<E> {
    using Underlying = std::underlying_type_t<E>;
    static E From(const vb::Variant& v) { return static_cast<E>(Convert<Underlying>::From(v)); }
    static vb::Variant To(E v) { return Convert<Underlying>::To(static_cast<Underlying>(v)); }
};
// Objects: an interface of a component is queried for, any other object class is cast to.
template <class T>
struct Convert<vb::Ref<T>> {
    static vb::Ref<T> From(const vb::Variant& v) {
        vb::Ref<vb::Object> object = v.ToObject();
        if (!object) return {};
        vb::Ref<T> typed;
        if constexpr (std::is_same_v<T, vb::Object>) typed = object;
        else if constexpr (std::derived_from<T, Unknown>) typed = QueryInterface<T>(object);
        else typed = vb::Ref<T>(dynamic_cast<T*>(object.get()));
        if (!typed) RaiseTypeMismatch();
        return typed;
    }
    static vb::Variant To(const vb::Ref<T>& v) { return v; }
};

// How an argument slot feeds a parameter: by value, by reference (written back after the call)
// or optional (left out at the end of the arguments).
template <class P>
struct Parameter {
    using Stored = std::remove_cvref_t<P>;
    static constexpr bool kOptional = false;
    static Stored Take(std::span<vb::Variant> arguments, std::size_t i) { return Convert<Stored>::From(arguments[i]); }
    static void WriteBack(const Stored&, std::span<vb::Variant>, std::size_t) {}
};
template <class T>
    requires(!std::is_const_v<T>)
struct Parameter<T&> {
    using Stored = T;
    static constexpr bool kOptional = false;
    static Stored Take(std::span<vb::Variant> arguments, std::size_t i) { return Convert<T>::From(arguments[i]); }
    static void WriteBack(const Stored& value, std::span<vb::Variant> arguments, std::size_t i) {
        arguments[i] = Convert<T>::To(value);
    }
};
template <class T>
struct Parameter<std::optional<T>> {
    using Stored = std::optional<T>;
    static constexpr bool kOptional = true;
    static Stored Take(std::span<vb::Variant> arguments, std::size_t i) {
        if (i >= arguments.size()) return std::nullopt;
        return Convert<T>::From(arguments[i]);
    }
    static void WriteBack(const Stored&, std::span<vb::Variant>, std::size_t) {}
};

template <class I, class R, class... P, std::size_t... N>
vb::Variant Call(I& object, R (I::*member)(P...), std::span<vb::Variant> arguments, std::index_sequence<N...>) {
    constexpr std::size_t required = ((Parameter<P>::kOptional ? 0 : 1) + ... + 0);
    if (arguments.size() < required || arguments.size() > sizeof...(P)) RaiseWrongArguments();
    // Braced initialisation converts the arguments in order, first to last.
    std::tuple<typename Parameter<P>::Stored...> stored{Parameter<P>::Take(arguments, N)...};
    vb::Variant result;
    if constexpr (std::is_void_v<R>) (object.*member)(std::get<N>(stored)...);
    else result = Convert<std::remove_cvref_t<R>>::To((object.*member)(std::get<N>(stored)...));
    (Parameter<P>::WriteBack(std::get<N>(stored), arguments, N), ...);
    return result;
}

inline bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

}  // namespace binding

// One way of calling a member of interface I by identifier.
template <class I>
struct DispatchMember {
    DispId id;
    std::string name;
    InvokeKind kind;
    std::function<vb::Variant(I&, std::span<vb::Variant>)> call;
};
template <class I>
using DispatchMembers = std::vector<DispatchMember<I>>;

// A member of the typed interface, called by its identifier: its parameters and result convert
// from and to the arguments' Variants; by-reference parameters are written back.
template <class I, class R, class... P>
DispatchMembers<I> Method(DispId id, std::string name, R (I::*method)(P...)) {
    return {{id, std::move(name), InvokeKind::Method, [method](I& object, std::span<vb::Variant> arguments) {
                 return binding::Call(object, method, arguments, std::index_sequence_for<P...>{});
             }}};
}
template <class I, class T>
DispatchMembers<I> PropertyGet(DispId id, std::string name, T (I::*get)()) {
    auto members = Method(id, std::move(name), get);
    members[0].kind = InvokeKind::PropertyGet;
    return members;
}
template <class I, class T, class U>
DispatchMembers<I> Property(DispId id, std::string name, T (I::*get)(), void (I::*let)(U)) {
    auto members = PropertyGet(id, name, get);
    auto assignment = Method(id, std::move(name), let);
    assignment[0].kind = InvokeKind::PropertyPut;
    members.push_back(std::move(assignment[0]));
    return members;
}
template <class I, class T, class U>
DispatchMembers<I> ObjectProperty(DispId id, std::string name, T (I::*get)(), void (I::*set)(U)) {
    auto members = Property(id, std::move(name), get, set);
    members[1].kind = InvokeKind::PropertyPutRef;
    return members;
}

// The members of interface I that can be called by identifier, with the source that their
// runtime errors carry out of the component.
template <class I>
class DispatchTable {
public:
    DispatchTable(std::string source, std::initializer_list<DispatchMembers<I>> groups) : source_(std::move(source)) {
        for (const auto& group : groups) members_.insert(members_.end(), group.begin(), group.end());
        for (auto a = members_.begin(); a != members_.end(); ++a)
            for (auto b = a + 1; b != members_.end(); ++b)
                if ((a->id == b->id && a->kind == b->kind) || (a->id != b->id && binding::SameName(a->name, b->name)))
                    throw std::logic_error("dispatch table of " + source_ + " repeats " + b->name);
    }

    DispId IdOf(std::string_view name) const {
        for (const auto& member : members_)
            if (binding::SameName(member.name, name)) return member.id;
        throw Error(kErrNoSuchMember, "Object doesn't support this property or method", source_);
    }

    vb::Variant Invoke(I& object, DispId id, InvokeKind kind, std::span<vb::Variant> arguments) const {
        const DispatchMember<I>* found = nullptr;
        bool known = false;
        for (const auto& member : members_) {
            if (member.id != id) continue;
            known = true;
            if (Includes(kind, member.kind)) {
                found = &member;
                break;
            }
        }
        if (!known) throw Error(kErrNoSuchMember, "Object doesn't support this property or method", source_);
        try {
            if (!found) binding::RaiseWrongArguments();
            return found->call(object, arguments);
        } catch (const Error&) {
            throw;
        } catch (const vb::RuntimeError& error) {
            throw Error(error, source_);
        }
    }

private:
    std::string source_;
    std::vector<DispatchMember<I>> members_;
};

}  // namespace com
