#include "frame/layers_object.h"

#include "com/object.h"
#include "vb/convert.h"
#include "vb/error.h"

namespace tiraq {
namespace {

class LayerObject final : public com::Object<DXFLayerInterface> {
public:
    explicit LayerObject(std::shared_ptr<DXFLayer> layer) : layer_(std::move(layer)) {}

    std::string LayerName() override { return layer_->LayerName(); }
    void LetLayerName(std::string value) override { layer_->SetLayerName(std::move(value)); }
    std::int32_t LayerColor() override { return layer_->LayerColor(); }
    void LetLayerColor(std::int32_t value) override { layer_->SetLayerColor(value); }
    std::int32_t LayerLineType() override { return layer_->LayerLineType(); }
    void LetLayerLineType(std::int32_t value) override { layer_->SetLayerLineType(value); }
    std::int16_t LayerOn() override { return layer_->LayerOn(); }
    void LetLayerOn(std::int16_t value) override { layer_->SetLayerOn(value); }
    std::int16_t NewLayer() override { return layer_->NewLayer(); }
    void LetNewLayer(std::int16_t value) override { layer_->SetNewLayer(value); }
    bool RedlineLayer() override { return layer_->RedlineLayer(); }
    void LetRedlineLayer(bool value) override { layer_->SetRedlineLayer(value); }
    bool Deleted() override { return layer_->Deleted(); }
    void LetDeleted(bool value) override { layer_->SetDeleted(value); }

private:
    std::shared_ptr<DXFLayer> layer_;
};

class LayersObject final : public com::Object<DXFLayersInterface> {
public:
    explicit LayersObject(std::shared_ptr<DXFLayers> layers) : layers_(std::move(layers)) {}

    vb::Ref<DXFLayerInterface> Add(std::int16_t LayerOn, std::int32_t LayerColor, const std::string& LayerName,
                                   std::int16_t NewLayer, bool RedlineLayer, std::int32_t LayerLineType,
                                   std::optional<std::string> sKey) override {
        return vb::New<LayerObject>(layers_->Add(LayerOn, LayerColor, LayerName, NewLayer, RedlineLayer,
                                                 LayerLineType, sKey.value_or(std::string())));
    }
    bool CheckDuplicateLayer(std::string& strError, bool& LayerExists, const std::string& NewLayerName) override {
        return layers_->CheckDuplicateLayer(strError, LayerExists, NewLayerName);
    }
    vb::Ref<DXFLayerInterface> Item(const vb::Variant& vntIndexKey) override {
        return vb::New<LayerObject>(layers_->Item(Position(vntIndexKey)));
    }
    std::int32_t Count() override { return layers_->Count(); }
    void Remove(const vb::Variant& vntIndexKey) override { layers_->Remove(Position(vntIndexKey)); }

private:
    // Layers are never keyed, so a text names no layer.
    static std::int32_t Position(const vb::Variant& vntIndexKey) {
        if (vntIndexKey.IsString()) throw vb::RuntimeError(vb::kErrInvalidCall, "Invalid procedure call or argument");
        return vntIndexKey.ToLong();
    }

    std::shared_ptr<DXFLayers> layers_;
};

}  // namespace

vb::Ref<DXFLayersInterface> MakeLayersObject(std::shared_ptr<DXFLayers> layers) {
    return vb::New<LayersObject>(std::move(layers));
}

}  // namespace tiraq
