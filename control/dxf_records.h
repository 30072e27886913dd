#pragma once

#include "com/unknown.h"
#include "control/entity_classes.h"

namespace tiraq {

// The interface identifier of each entity record class that the entity queries hand out.
template <class Fields>
struct RecordInterfaceId;
#define TIRAQ_RECORD_IID(Fields, text)                                                                                \
    template <>                                                                                                       \
    struct RecordInterfaceId<Fields> {                                                                                \
        static constexpr com::InterfaceId value = com::MakeGuid(text);                                                \
    }
TIRAQ_RECORD_IID(clsLine, "{968EF11F-8803-4851-B9FE-853B0D9443E1}");
TIRAQ_RECORD_IID(clsPoint, "{F0AF3426-6B20-45F2-B678-7EBEEFD0A2C1}");
TIRAQ_RECORD_IID(clsPolyline, "{03BEA943-7D0D-4BFD-8779-761297C0F8C4}");
TIRAQ_RECORD_IID(clsCircle, "{CFFD4315-E056-40D4-A93A-A2835A8DA480}");
TIRAQ_RECORD_IID(clsSolid, "{A762F700-CDBD-4E21-9360-47AB23CC10E0}");
TIRAQ_RECORD_IID(clsString, "{3B71435B-8E40-4268-9F28-48BEE0EFC61E}");
TIRAQ_RECORD_IID(clsInsert, "{BEBC8CDF-DDD7-4882-8F2A-110204651260}");
TIRAQ_RECORD_IID(clsInsertAttrib, "{834E1DB0-2959-4E95-A88E-DBB0C7688D73}");
TIRAQ_RECORD_IID(clsBlock, "{21AB6C5C-BDE7-4246-B48A-D10BDABB1099}");
#undef TIRAQ_RECORD_IID

// One entity record in a collection of an entity query: the host queries the collection's item
// for DXFRecord<clsLine> (and so on) and reads or changes its plain fields.
template <class Fields>
class DXFRecord : public virtual com::Unknown {
public:
    static constexpr com::InterfaceId kIid = RecordInterfaceId<Fields>::value;
    using Bases = com::InterfaceList<com::Unknown>;

    virtual Fields& Record() = 0;
};

}  // namespace tiraq
