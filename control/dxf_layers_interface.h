#pragma once

#include "com/unknown.h"
#include "vb/variant.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tiraq {

// The layers as the host reaches them through the control's Layers property: the interfaces of
// the type library's DXFLayer and DXFLayers classes, over the reader's own layer objects.

// One layer of the loaded drawing, as the host reads and changes it.
class DXFLayerInterface : public virtual com::Unknown {
public:
    static constexpr com::InterfaceId kIid = com::MakeGuid("{6AD4ACCF-AC21-48B9-90C6-9A165DD35224}");
    using Bases = com::InterfaceList<com::Unknown>;

    virtual std::string LayerName() = 0;
    virtual void LetLayerName(std::string value) = 0;
    virtual std::int32_t LayerColor() = 0;  // RGB
    virtual void LetLayerColor(std::int32_t value) = 0;
    virtual std::int32_t LayerLineType() = 0;  // pen style
    virtual void LetLayerLineType(std::int32_t value) = 0;
    virtual std::int16_t LayerOn() = 0;  // -1 visible, 0 hidden
    virtual void LetLayerOn(std::int16_t value) = 0;
    virtual std::int16_t NewLayer() = 0;
    virtual void LetNewLayer(std::int16_t value) = 0;
    virtual bool RedlineLayer() = 0;
    virtual void LetRedlineLayer(bool value) = 0;
    virtual bool Deleted() = 0;
    virtual void LetDeleted(bool value) = 0;
};

// The layers of the loaded drawing, 1-based, in the order of their creation.
class DXFLayersInterface : public virtual com::Unknown {
public:
    static constexpr com::InterfaceId kIid = com::MakeGuid("{C9C1243C-3F9D-4FF7-8731-42E9E192701F}");
    using Bases = com::InterfaceList<com::Unknown>;

    virtual vb::Ref<DXFLayerInterface> Add(std::int16_t LayerOn, std::int32_t LayerColor, const std::string& LayerName,
                                  std::int16_t NewLayer, bool RedlineLayer, std::int32_t LayerLineType,
                                  std::optional<std::string> sKey = std::nullopt) = 0;
    virtual bool CheckDuplicateLayer(std::string& strError, bool& LayerExists, const std::string& NewLayerName) = 0;
    virtual vb::Ref<DXFLayerInterface> Item(const vb::Variant& vntIndexKey) = 0;
    virtual std::int32_t Count() = 0;
    virtual void Remove(const vb::Variant& vntIndexKey) = 0;
};

}  // namespace tiraq
