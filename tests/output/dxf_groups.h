#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tiraq::test {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of a file the writers wrote; every line must end in CR LF.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF: " << text.substr(pos);
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

struct Group {
    std::string code, value;
    bool operator==(const Group&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Group& g) { return out << g.code << "/" << g.value; }

// The groups of a DXF text, their codes without the blanks that some writers put before them.
inline std::vector<Group> GroupsOf(const std::string& text) {
    const std::vector<std::string> lines = LinesOf(text);
    std::vector<Group> groups;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const std::size_t digits = lines[i].find_first_not_of(' ');
        groups.push_back({digits == std::string::npos ? lines[i] : lines[i].substr(digits), lines[i + 1]});
    }
    return groups;
}

using Entities = std::vector<std::vector<Group>>;

// Each entity of that type with its groups, from its own "0" group up to the next "0".
inline Entities EntitiesOf(const std::vector<Group>& groups, std::string_view type) {
    Entities entities;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].code != "0" || groups[i].value != type) continue;
        std::vector<Group> entity{groups[i]};
        for (std::size_t j = i + 1; j < groups.size() && groups[j].code != "0"; ++j) entity.push_back(groups[j]);
        entities.push_back(std::move(entity));
    }
    return entities;
}

inline std::vector<Group> G(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    std::vector<Group> groups;
    for (const auto& [code, value] : pairs) groups.push_back({code, value});
    return groups;
}

}  // namespace tiraq::test
