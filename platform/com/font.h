#pragma once

#include "com/object.h"

#include <string>

namespace com {

// The platform's standard font object, which controls take as their Font property and hosts
// give as their ambient font. Its properties are plain fields.
class COM_API Font final : public Object<Unknown> {
public:
    static constexpr ClassId kClassId = MakeGuid("{572CA5A4-3B27-44DA-A60C-3EC7063C6EDF}");
    static constexpr InterfaceId kIid = MakeGuid("{AC8F06D4-8C98-4B6B-AE68-826D85A12460}");

    Font();

    std::string Name;
    double Size = 0;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    void* QueryInterface(const InterfaceId& iid) override;
};

}  // namespace com
