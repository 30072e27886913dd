#include "frame/record_objects.h"

#include "com/object.h"

namespace tiraq {
namespace {

template <class Fields>
class RecordObject final : public com::Object<DXFRecord<Fields>> {
public:
    explicit RecordObject(const Fields& fields) : fields_(fields) {}
    Fields& Record() override { return fields_; }

private:
    Fields fields_;
};

}  // namespace

template <class Fields>
vb::Ref<vb::Collection> ToCollection(const KeyedCollection<Fields>& records) {
    auto collection = vb::New<vb::Collection>();
    for (const auto& [key, fields] : records)
        collection->Add(vb::Variant(vb::Ref<vb::Object>(vb::New<RecordObject<Fields>>(fields))), key);
    return collection;
}

template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsLine>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsPoint>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsPolyline>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsCircle>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsSolid>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsString>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsInsert>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsInsertAttrib>&);
template vb::Ref<vb::Collection> ToCollection(const KeyedCollection<clsBlock>&);

}  // namespace tiraq
