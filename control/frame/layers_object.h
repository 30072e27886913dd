#pragma once

#include "control/dxf_layers_interface.h"
#include "reader/dxf_layers.h"

#include <memory>

namespace tiraq {

// The host's view of one layer collection of the drawing database. It keeps the collection alive:
// a host that holds it across a new load keeps the old drawing's layers, as a held object would.
vb::Ref<DXFLayersInterface> MakeLayersObject(std::shared_ptr<DXFLayers> layers);

}  // namespace tiraq
