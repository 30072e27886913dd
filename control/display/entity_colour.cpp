#include "display/entity_colour.h"

#include "reader/dxf_layers.h"

namespace tiraq {

bool LayerVisible(const DXFLayers* layers, std::int32_t LayerIndex) {
    const DXFLayer* layer = layers != nullptr ? layers->TryItem(LayerIndex) : nullptr;
    if (layer == nullptr) return true;
    return layer->LayerOn() != 0 && !layer->Deleted();
}

gui::Colour ResolveEntityColor(const DXFLayers* layers, const ColourSettings& settings, std::int32_t LayerIndex,
                               std::int32_t EntityColor, bool Printing) {
    gui::Colour colour = gui::kBlack;
    if (!settings.DisplayAllBlack && !(Printing && settings.PrintAllBlack)) {
        if (EntityColor != 0) {
            colour = gui::Colour(EntityColor);
        } else {
            const DXFLayer* layer = layers != nullptr ? layers->TryItem(LayerIndex) : nullptr;
            if (layer != nullptr) colour = gui::Colour(layer->LayerColor());
        }
    }
    if (Printing) return colour == gui::kWhite ? gui::kBlack : colour;
    if (colour == gui::kBlack && settings.BackColor == gui::kBlack) return gui::kWhite;
    if (colour == gui::kWhite && settings.BackColor == gui::kWhite) return gui::kBlack;
    return colour;
}

}  // namespace tiraq
