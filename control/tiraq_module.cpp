// The entry points of the drawing component library: its one creatable class DXF.

#include "com/error.h"
#include "com/server.h"
#include "control/dxf.h"
#include "frame/dxf_control.h"

#include <QApplication>

namespace {

vb::Ref<com::Unknown> CreateDXF() {
    // The control is a window: without the program's window system there is nothing to place it on.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        throw com::Error(com::kErrCannotCreateObject,
                         "ActiveX component can't create object: the control needs a running window system",
                         tiraq::kDXFProgId);
    return vb::Ref<com::Unknown>(vb::New<tiraq::DXFControl>());
}

const com::ServerClass kClasses[] = {
    {tiraq::kDXFClassId, tiraq::kDXFProgId, CreateDXF},
};

}  // namespace

QUELLMAR_COMPONENT_ENTRY_POINTS(kClasses)
