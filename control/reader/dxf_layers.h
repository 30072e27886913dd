#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tiraq {

class DXFLayers;

// One layer of the drawing. Names are the file's bytes.
class DXFLayer {
public:
    const std::string& LayerName() const noexcept { return name_; }
    void SetLayerName(std::string name);

    std::int32_t LayerColor() const noexcept { return color_; }  // RGB
    void SetLayerColor(std::int32_t color) noexcept { color_ = color; }

    std::int32_t LayerLineType() const noexcept { return lineType_; }  // pen style
    void SetLayerLineType(std::int32_t lineType) noexcept { lineType_ = lineType; }

    std::int16_t LayerOn() const noexcept { return on_; }  // -1 visible, 0 hidden
    void SetLayerOn(std::int16_t on) noexcept { on_ = on; }

    std::int16_t NewLayer() const noexcept { return newLayer_; }
    void SetNewLayer(std::int16_t newLayer) noexcept { newLayer_ = newLayer; }

    bool RedlineLayer() const noexcept { return redline_; }
    void SetRedlineLayer(bool redline) noexcept { redline_ = redline; }

    bool Deleted() const noexcept { return deleted_; }
    void SetDeleted(bool deleted) noexcept { deleted_ = deleted; }

private:
    friend class DXFLayers;

    std::string name_;
    std::int32_t color_ = 0;
    std::int32_t lineType_ = 0;
    std::int16_t on_ = 0;
    std::int16_t newLayer_ = 0;
    bool redline_ = false;
    bool deleted_ = false;
    DXFLayers* owner_ = nullptr;  // told when the name changes, so its name index stays right
};

// The ordered, 1-based collection of the drawing's layers; a layer's position is the LayerIndex
// of the records on it. Layers are handed out as shared objects, so a host may keep one.
class DXFLayers {
public:
    DXFLayers() = default;
    ~DXFLayers();
    DXFLayers(const DXFLayers&) = delete;
    DXFLayers& operator=(const DXFLayers&) = delete;

    // `sKey` is accepted and not used: layers are never keyed.
    std::shared_ptr<DXFLayer> Add(std::int16_t LayerOn, std::int32_t LayerColor, std::string LayerName,
                                  std::int16_t NewLayer, bool RedlineLayer, std::int32_t LayerLineType,
                                  std::string_view sKey = {});

    // Whether a layer of exactly this name (case included) exists. Returns false with `strError`
    // filled only when the search itself fails.
    bool CheckDuplicateLayer(std::string& strError, bool& LayerExists, std::string_view NewLayerName) const;

    // The layer at a 1-based position; outside 1..Count() the runtime's "Subscript out of range".
    const std::shared_ptr<DXFLayer>& Item(std::int32_t index) const;
    // The same without the error, for the drawing pass: null outside 1..Count().
    DXFLayer* TryItem(std::int32_t index) const noexcept;

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(layers_.size()); }
    void Remove(std::int32_t index);

    // The position of the first layer whose name, upper-cased and trimmed of blanks, equals the
    // upper-cased `entityLayerName`; 0 when there is none.
    std::int32_t FindByEntityName(std::string_view entityLayerName) const;

private:
    friend class DXFLayer;
    void NameChanged() noexcept { indexValid_ = false; }
    void RebuildIndex() const;

    std::vector<std::shared_ptr<DXFLayer>> layers_;
    // Upper-cased, trimmed name -> first position with it.
    mutable std::unordered_map<std::string, std::int32_t> index_;
    mutable bool indexValid_ = true;
    mutable std::string keyBuffer_;
};

}  // namespace tiraq
