#include "com/property_bag.h"

#include "com/create.h"
#include "com/persistable.h"
#include "com/text_file.h"
#include "vb/error.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace com {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

bool IsName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ' || name.front() == '#') return false;
    return std::none_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == '='; });
}

// A value equal to a default, as a saved property compares: numbers by value, others exactly.
bool SameValue(const vb::Variant& a, const vb::Variant& b) {
    if (a.IsNumber() && b.IsNumber()) return a.ToDouble() == b.ToDouble();
    return a == b;
}

std::string Quoted(const std::string& text) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (const unsigned char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                quoted += "\\x";
                quoted += kDigits[c >> 4];
                quoted += kDigits[c & 0x0F];
            } else {
                quoted += static_cast<char>(c);
            }
        }
    }
    return quoted + "\"";
}

template <class Number>
std::string NumberText(Number value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

}  // namespace

// The text form of a bag: "Name = Type value" lines, an object's own properties indented between
// its "Name = Object {class}" line and "End".
class BagText {
public:
    static void Write(const PropertyBag& bag, std::string& text, int depth) {
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        for (const auto& entry : bag.entries_) {
            text += indent + entry.name + " = ";
            WriteValue(entry.value, text, depth);
        }
    }

    BagText(const std::filesystem::path& file, const std::string& content) : file_(file), lines_(content) {}

    // Reads properties up to the end of the text (depth 0) or to an object's "End".
    PropertyBag Read(int depth) {
        PropertyBag bag;
        std::string line;
        while (std::getline(lines_, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const auto first = line.find_first_not_of(' ');
            if (first == std::string::npos || line[first] == '#') continue;
            const std::string_view content = std::string_view(line).substr(first);
            if (content == "End") {
                if (depth == 0) Malformed();
                return bag;
            }
            const auto equals = content.find(" = ");
            if (equals == std::string_view::npos) Malformed();
            const std::string name(content.substr(0, equals));
            if (!IsName(name)) Malformed();
            bag.WriteProperty(name, ReadValue(content.substr(equals + 3), depth));
        }
        if (depth > 0) Malformed();
        return bag;
    }

private:
    static void WriteValue(const vb::Variant& value, std::string& text, int depth) {
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, vb::EmptyValue>) text += "Empty\n";
                else if constexpr (std::is_same_v<T, vb::NullValue>) text += "Null\n";
                else if constexpr (std::is_same_v<T, bool>) text += v ? "Boolean True\n" : "Boolean False\n";
                else if constexpr (std::is_same_v<T, std::int32_t>) text += "Long " + NumberText(v) + "\n";
                else if constexpr (std::is_same_v<T, double>) text += "Double " + NumberText(v) + "\n";
                else if constexpr (std::is_same_v<T, std::string>) text += "String " + Quoted(v) + "\n";
                else WriteObject(v, text, depth);
            },
            value.Value());
    }

    static void WriteObject(const vb::Ref<vb::Object>& object, std::string& text, int depth) {
        if (!object) {
            text += "Nothing\n";
            return;
        }
        const auto persistable = QueryInterface<Persistable>(object);
        if (!persistable) throw vb::RuntimeError(kErrActionNotSupported, "Object doesn't support this action");
        PropertyBag own;
        persistable->SaveProperties(own);
        text += "Object " + persistable->PersistClassId().ToString() + "\n";
        Write(own, text, depth + 1);
        text += std::string(static_cast<std::size_t>(depth) * 2, ' ') + "End\n";
    }

    vb::Variant ReadValue(std::string_view text, int depth) {
        const auto blank = text.find(' ');
        const std::string_view type = text.substr(0, blank);
        const std::string_view rest = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        if (type == "Empty" && rest.empty()) return {};
        if (type == "Null" && rest.empty()) return vb::Variant::Null();
        if (type == "Nothing" && rest.empty()) return vb::Variant::Nothing();
        if (type == "Boolean" && (rest == "True" || rest == "False")) return rest == "True";
        if (type == "Long") return ParseNumber<std::int32_t>(rest);
        if (type == "Double") return ParseNumber<double>(rest);
        if (type == "String") return Unquoted(rest);
        if (type == "Object") {
            const auto classId = Guid::Parse(rest);
            if (!classId) Malformed();
            const PropertyBag own = Read(depth + 1);
            const auto object = CreateObject(*classId);
            const auto persistable = QueryInterface<Persistable>(object.get());
            if (!persistable) throw vb::RuntimeError(kErrActionNotSupported, "Object doesn't support this action");
            persistable->LoadProperties(own);
            return object;
        }
        Malformed();
    }

    template <class Number>
    Number ParseNumber(std::string_view text) {
        Number value{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size()) Malformed();
        return value;
    }

    std::string Unquoted(std::string_view text) {
        if (text.size() < 2 || text.front() != '"' || text.back() != '"') Malformed();
        const std::string_view body = text.substr(1, text.size() - 2);
        std::string value;
        for (std::size_t i = 0; i < body.size(); ++i) {
            const char c = body[i];
            if (c == '"') Malformed();
            if (c != '\\') {
                value += c;
                continue;
            }
            if (++i == body.size()) Malformed();
            switch (body[i]) {
            case '"': value += '"'; break;
            case '\\': value += '\\'; break;
            case 'n': value += '\n'; break;
            case 'r': value += '\r'; break;
            case 't': value += '\t'; break;
            case 'x': {
                unsigned byte = 0;
                if (i + 2 >= body.size()) Malformed();
                const auto [end, error] = std::from_chars(body.data() + i + 1, body.data() + i + 3, byte, 16);
                if (error != std::errc() || end != body.data() + i + 3) Malformed();
                value += static_cast<char>(byte);
                i += 2;
                break;
            }
            default: Malformed();
            }
        }
        return value;
    }

    [[noreturn]] void Malformed() const {
        throw vb::RuntimeError(vb::kErrInvalidFileFormat,
                               "Invalid file format: " + file_.string() + ", line " + std::to_string(lineNumber_));
    }

    std::filesystem::path file_;
    std::istringstream lines_;
    int lineNumber_ = 0;
};

vb::Variant PropertyBag::ReadProperty(std::string_view name, const vb::Variant& defaultValue) const {
    const auto found = Find(name);
    return found == entries_.end() ? defaultValue : found->value;
}

void PropertyBag::WriteProperty(std::string_view name, const vb::Variant& value,
                                const std::optional<vb::Variant>& defaultValue) {
    if (!IsName(name)) throw vb::RuntimeError(vb::kErrInvalidCall, "Invalid procedure call or argument");
    const auto found = entries_.begin() + (Find(name) - entries_.cbegin());
    if (defaultValue && SameValue(value, *defaultValue)) {
        if (found != entries_.end()) entries_.erase(found);
    } else if (found != entries_.end()) {
        found->value = value;
    } else {
        entries_.push_back({std::string(name), value});
    }
}

std::vector<std::string> PropertyBag::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : entries_) names.push_back(entry.name);
    return names;
}

PropertyBag PropertyBag::LoadFromFile(const std::filesystem::path& file) {
    const auto content = ReadTextFile(file);
    if (!content) return {};
    return BagText(file, *content).Read(0);
}

void PropertyBag::SaveToFile(const std::filesystem::path& file) const {
    std::string text = "# Saved properties\n";
    BagText::Write(*this, text, 0);
    ReplaceTextFile(file, text);
}

std::vector<PropertyBag::Entry>::const_iterator PropertyBag::Find(std::string_view name) const {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& entry) { return SameName(entry.name, name); });
}

}  // namespace com
