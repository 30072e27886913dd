#pragma once

#include "vb/error.h"
#include "vb/object.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace com {

// Identifies one advised event sink, for taking it back.
using Cookie = std::uint32_t;

// An object that raises the events of the sink interface Sink to every sink advised to it.
template <class Sink>
class EventSource {
public:
    virtual Cookie Advise(vb::Ref<Sink> sink) = 0;
    // An unknown cookie raises error 5.
    virtual void Unadvise(Cookie cookie) = 0;

protected:
    ~EventSource() = default;
};

// The list of sinks an event source holds, and the raising of an event to them.
template <class Sink>
class ConnectionPoint {
public:
    Cookie Advise(vb::Ref<Sink> sink) {
        if (!sink) throw vb::RuntimeError(vb::kErrInvalidCall, "Invalid procedure call or argument");
        sinks_.emplace_back(++lastCookie_, std::move(sink));
        return lastCookie_;
    }

    void Unadvise(Cookie cookie) {
        for (auto i = sinks_.begin(); i != sinks_.end(); ++i)
            if (i->first == cookie) {
                sinks_.erase(i);
                return;
            }
        throw vb::RuntimeError(vb::kErrInvalidCall, "Invalid procedure call or argument");
    }

    // Calls the event on every sink in the order of advising. Arguments that the event takes by
    // reference are the caller's own variables: a sink may change them, the next sink and the
    // caller see the change. A sink may advise or unadvise while the event is raised; the event
    // still goes to the sinks advised when it was raised, and errors of a sink reach the caller.
    template <class... Parameters, class... Arguments>
    void Raise(void (Sink::*event)(Parameters...), Arguments&&... arguments) {
        const auto sinks = sinks_;
        for (const auto& [cookie, sink] : sinks) ((*sink).*event)(arguments...);
    }

private:
    std::vector<std::pair<Cookie, vb::Ref<Sink>>> sinks_;
    Cookie lastCookie_ = 0;
};

}  // namespace com
