#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tiraq {

// The records the entity queries hand to the host: plain fields in the order of their dispatch
// identifiers (&H40030000 + n for the n-th field). They are copies: changing one changes nothing
// in the drawing.

struct clsLine {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::string LayerName{};
    std::int32_t EntityColor = 0, LineType = 0;
    float Linewidth = 0;
    std::int32_t InsertID = 0;
    float Z1 = 0, Z2 = 0;
};

struct clsPoint {
    float X1 = 0, Y1 = 0;
    std::string LayerName{};
    std::int32_t EntityColor = 0, InsertID = 0;
    float Z1 = 0;
};

struct clsPolyline {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::string LayerName{};
    std::int32_t EntityColor = 0;
    float Bulge = 0, Linewidth = 0;
    std::int32_t LineType = 0, InsertID = 0;
    float Z1 = 0, Z2 = 0;
};

struct clsCircle {
    float X1 = 0, Y1 = 0;
    float Radius = 0, StartAngle = 0, EndAngle = 0;
    std::string LayerName{};
    std::int32_t EntityColor = 0, LineType = 0;
    float Linewidth = 0;
    std::int32_t InsertID = 0;
    float Z = 0;
};

struct clsSolid {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
    std::string LayerName{};
    std::int32_t EntityColor = 0, LineType = 0;
    float Linewidth = 0;
    std::int32_t InsertID = 0;
    float Z1 = 0, Z2 = 0, Z3 = 0, Z4 = 0;
};

struct clsString {
    float X1 = 0, Y1 = 0;
    std::string LayerName{};
    std::int32_t EntityColor = 0;
    std::string Txt{};
    float Height = 0, Rotation = 0;
    std::int32_t InsertID = 0;
    std::int16_t HorzAlign = 0, Underline = 0;
    float Z1 = 0;
};

struct clsInsert {
    float X = 0, Y = 0;
    std::string BlockName{}, LayerName{};
    float Z = 0;
};

struct clsInsertAttrib {
    std::string TagName{}, TagValue{};
    float X = 0, Y = 0, Rotation = 0;
    std::int32_t ParentBlock = 0;
    float Z = 0;
};

struct clsBlock {
    float X = 0, Y = 0;
    std::string BlockName{};
    float Z = 0;
};

// An ordered collection whose items are keyed by text (the entity queries key them "1", "2", ...).
template <typename Item>
class KeyedCollection {
public:
    void Add(Item item, std::string key) { items_.emplace_back(std::move(key), std::move(item)); }
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }
    // 1-based position.
    const Item& operator[](std::int32_t index) const { return items_.at(static_cast<std::size_t>(index - 1)).second; }
    const std::string& Key(std::int32_t index) const { return items_.at(static_cast<std::size_t>(index - 1)).first; }
    const Item* Find(const std::string& key) const {
        for (const auto& [itemKey, item] : items_)
            if (itemKey == key) return &item;
        return nullptr;
    }
    auto begin() const noexcept { return items_.begin(); }
    auto end() const noexcept { return items_.end(); }

private:
    std::vector<std::pair<std::string, Item>> items_;
};

}  // namespace tiraq
