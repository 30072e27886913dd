#include "reader/dxf_layers.h"

#include "reader/ansi_text.h"
#include "reader/record_array.h"

#include "vb/error.h"

#include <exception>

namespace tiraq {

void DXFLayer::SetLayerName(std::string name) {
    name_ = std::move(name);
    if (owner_ != nullptr) owner_->NameChanged();
}

DXFLayers::~DXFLayers() {
    for (const auto& layer : layers_) layer->owner_ = nullptr;
}

std::shared_ptr<DXFLayer> DXFLayers::Add(std::int16_t LayerOn, std::int32_t LayerColor, std::string LayerName,
                                         std::int16_t NewLayer, bool RedlineLayer, std::int32_t LayerLineType,
                                         std::string_view /*sKey*/) {
    auto layer = std::make_shared<DXFLayer>();
    layer->on_ = LayerOn;
    layer->color_ = LayerColor;
    layer->name_ = std::move(LayerName);
    layer->newLayer_ = NewLayer;
    layer->redline_ = RedlineLayer;
    layer->lineType_ = LayerLineType;
    layer->owner_ = this;
    layers_.push_back(layer);
    if (indexValid_) {
        keyBuffer_.clear();
        AppendUpperCase(keyBuffer_, TrimBlanks(layer->name_));
        index_.try_emplace(keyBuffer_, Count());
    }
    return layer;
}

bool DXFLayers::CheckDuplicateLayer(std::string& strError, bool& LayerExists, std::string_view NewLayerName) const {
    strError.clear();
    LayerExists = false;
    try {
        for (const auto& layer : layers_) {
            if (layer->LayerName() == NewLayerName) {
                LayerExists = true;
                break;
            }
        }
        return true;
    } catch (const std::exception& e) {
        strError = std::string("An error ocurred in CheckDuplicateLayer. The message is: ") + e.what();
        return false;
    }
}

const std::shared_ptr<DXFLayer>& DXFLayers::Item(std::int32_t index) const {
    if (index < 1 || index > Count()) throw vb::RuntimeError(kErrSubscriptOutOfRange, "Subscript out of range");
    return layers_[static_cast<std::size_t>(index - 1)];
}

DXFLayer* DXFLayers::TryItem(std::int32_t index) const noexcept {
    if (index < 1 || index > Count()) return nullptr;
    return layers_[static_cast<std::size_t>(index - 1)].get();
}

void DXFLayers::Remove(std::int32_t index) {
    Item(index)->owner_ = nullptr;
    layers_.erase(layers_.begin() + (index - 1));
    indexValid_ = false;
}

void DXFLayers::RebuildIndex() const {
    index_.clear();
    for (std::int32_t i = 1; i <= Count(); ++i) {
        keyBuffer_.clear();
        AppendUpperCase(keyBuffer_, TrimBlanks(layers_[static_cast<std::size_t>(i - 1)]->LayerName()));
        index_.try_emplace(keyBuffer_, i);
    }
    indexValid_ = true;
}

std::int32_t DXFLayers::FindByEntityName(std::string_view entityLayerName) const {
    if (!indexValid_) RebuildIndex();
    keyBuffer_.clear();
    AppendUpperCase(keyBuffer_, entityLayerName);
    const auto found = index_.find(keyBuffer_);
    return found == index_.end() ? 0 : found->second;
}

}  // namespace tiraq
