#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tiraq::test {

// Writes the ASCII form of a DXF drawing, group codes right-aligned as R12 writes them, lines
// ended by CR LF.
class DxfBuilder {
public:
    using Groups = std::initializer_list<std::pair<int, std::string_view>>;

    DxfBuilder& Raw(std::string_view line) {
        text_ += line;
        text_ += "\r\n";
        return *this;
    }
    DxfBuilder& Group(int code, std::string_view value) {
        std::string number = std::to_string(code);
        if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
        return Raw(number).Raw(value);
    }
    DxfBuilder& Entity(std::string_view type, Groups groups = {}) {
        Group(0, type);
        for (const auto& [code, value] : groups) Group(code, value);
        return *this;
    }
    DxfBuilder& Section(std::string_view name) { return Entity("SECTION", {{2, name}}); }
    DxfBuilder& EndSection() { return Entity("ENDSEC"); }
    DxfBuilder& Block(std::string_view name, std::string_view x = "0", std::string_view y = "0") {
        return Entity("BLOCK", {{8, "0"}, {2, name}, {70, "0"}, {10, x}, {20, y}, {30, "0"}});
    }
    DxfBuilder& EndBlock() { return Entity("ENDBLK", {{8, "0"}}); }
    DxfBuilder& Layer(std::string_view name, std::string_view color = "7", std::string_view flags = "0",
                      std::string_view lineType = "CONTINUOUS") {
        return Entity("LAYER", {{2, name}, {70, flags}, {62, color}, {6, lineType}});
    }
    DxfBuilder& LayerTable() { return Entity("TABLE", {{2, "LAYER"}, {70, "1"}}); }
    DxfBuilder& EndTable() { return Entity("ENDTAB"); }
    DxfBuilder& Line(std::string_view x1, std::string_view y1, std::string_view x2, std::string_view y2,
                     std::string_view layer = "0") {
        return Entity("LINE", {{8, layer}, {10, x1}, {20, y1}, {30, "0"}, {11, x2}, {21, y2}, {31, "0"}});
    }

    // The drawing so far, closed by EOF.
    std::string Text() const { return text_ + "  0\r\nEOF\r\n"; }
    // The drawing so far as it stands, without EOF.
    const std::string& Unclosed() const { return text_; }

private:
    std::string text_;
};

}  // namespace tiraq::test
