// The entry points of the drawing component library: its one creatable class DXF.

#include "com/server.h"
#include "control/dxf.h"
#include "control/dxf_unimplemented.h"

namespace {

const com::ServerClass kClasses[] = {
    {tiraq::kDXFClassId, tiraq::kDXFProgId, [] { return vb::Ref<com::Unknown>(vb::New<tiraq::DXFUnimplemented>()); }},
};

}  // namespace

QUELLMAR_COMPONENT_ENTRY_POINTS(kClasses)
