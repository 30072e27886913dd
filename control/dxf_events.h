#pragma once

#include "com/dispatch.h"
#include "com/unknown.h"

#include <cstdint>

namespace tiraq {

// The events of the control DXF, which a host receives by advising a sink of this interface.
// Every argument is passed by reference: a handler may change it, and the control sees the change.
class DXFEvents : public virtual com::Unknown {
public:
    static constexpr com::InterfaceId kIid = com::MakeGuid("{9389080F-5E64-4D8A-8178-10C5626A1B37}");
    using Bases = com::InterfaceList<com::Unknown>;

    // The dispatch identifiers of the events: their numbers.
    enum EventId : com::DispId { kLinesRead = 1, kZoomComplete = 2, kMouseDown = 3, kMouseMove = 4, kMouseUp = 5 };

    virtual void LinesRead(float& PctRead) = 0;
    virtual void ZoomComplete() = 0;
    // Pixels of the drawing surface; Button and Shift as the platform's mouse events give them.
    virtual void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
    virtual void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
    virtual void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
};

}  // namespace tiraq
