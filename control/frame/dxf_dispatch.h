#pragma once

#include "com/dispatch_table.h"
#include "control/dxf.h"

namespace tiraq {

// Every member of the control's default interface under its dispatch identifier.
const com::DispatchTable<DXF>& DXFDispatchTable();

}  // namespace tiraq
