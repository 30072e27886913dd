#pragma once

#include "control/dxf_records.h"
#include "vb/collection.h"

namespace tiraq {

// The records an entity query found, as the host's collection of record objects under the same
// keys.
template <class Fields>
vb::Ref<vb::Collection> ToCollection(const KeyedCollection<Fields>& records);

}  // namespace tiraq
