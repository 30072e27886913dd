#pragma once

#include <cstdint>

// The enumerations of the drawing component's type library.
namespace tiraq {

// What a mouse drag on the drawing does (there is no 7).
enum ZoomFunctionEnum : std::int32_t {
    dxfWindow = 0,
    dxfDrillDown = 1,
    dxfPan = 2,
    dxfRedLineText = 3,
    dxfRedLineLine = 4,
    dxfRedLineCircle = 5,
    dxfRedLineRectangle = 6,
    dxfRedLineSelect = 8,
    dxfDrawBox = 9,
    dxfRedlineSolid = 10,
    dxfRedlineMove = 11,
};

enum MergeEnum : std::int32_t { dxfMergeNew = 0, dxfMergeAdd = 1, dxfMergeParse = 2 };

enum PlotSizeEnum : std::int32_t { dxfExtents = 0, dxfCurrentView = 1 };

enum StatusBarPosEnum : std::int32_t { posBottom = 0, posTop = 1, posOff = 2 };

enum CoordSystem : std::int32_t { dxfPixel = 0, dxfRealWorld = 1 };

enum HorzAlignEnum : std::int32_t { dxfLeft = 0, dxfCenter = 1, dxfRight = 2 };

enum DispAttribsEnum : std::int32_t { dxfAttribsOff = 0, dxfAttribsOn = 1 };

enum EntityTypesEnum : std::int32_t {
    dxfRedLineNone = -1,
    dxfRedLineNewLine = 0,
    dxfRedLineNewCircle = 1,
    dxfRedLineNewText = 2,
    dxfRedLineNewSolid = 3,
};

}  // namespace tiraq
