// The DXF output of the control: the full export and the copy of the loaded file with the
// redline additions.

#include "frame/dxf_control.h"

#include "output/dxf_export.h"
#include "output/redline_save.h"

namespace tiraq {

void DXFControl::LetExportFileName(std::string value) {
    exportFileName_ = std::move(value);
    PropertyChanged("ExportFileName");
}

bool DXFControl::ExportDXF(std::string& strError) {
    SetMousePointer(kPointerHourglass);
    const bool exported = tiraq::ExportDXF(db_, exportFileName_, strError);
    SetMousePointer(kPointerDefault);
    return exported;
}

std::int16_t DXFControl::Save(const std::string& NewFileName) {
    return Chained("Save", [&]() -> std::int16_t {
        SetMousePointer(kPointerHourglass);
        SaveWithRedlines(db_, loadedFileName_, NewFileName);
        SetMousePointer(kPointerDefault);
        return -1;
    });
}

}  // namespace tiraq
