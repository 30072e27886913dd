#pragma once

#include "control/dxf_enums.h"

#include <cstdint>

namespace tiraq {

class DrawingDatabase;

// Deleting marks a record, it does not remove it: the drawing routine and Save pass over it, and
// undeleting brings it back. A line of a redline rectangle goes and comes with its rectangle.

// Marks the selected redline entity (its kind and index in its kind's array) deleted.
void DeleteRedlineEntity(DrawingDatabase& db, EntityTypesEnum type, std::int32_t index);
// Brings back every deleted line, circle, text and solid.
void UnDeleteRedlineEntities(DrawingDatabase& db);
// Marks the entity at that display-list position deleted, redline or not; points, polylines,
// attributes and ellipses stay.
void TagForDelete(DrawingDatabase& db, std::int32_t EntityID);
// Gives every line, polyline segment, circle, text and solid that the insert's expansion made
// the RGB colour `BlockColor`. The drawing's own records (insert 0) cannot be recoloured so.
void SetInsertColor(DrawingDatabase& db, std::int32_t InsertIndex, std::int32_t BlockColor);

}  // namespace tiraq
