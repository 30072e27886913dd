#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tiraq {

// The blocks of one load by name: a block is known by its name as its definition gives it, blanks
// trimmed, and of several blocks of one name the first is the one found; an insert finds a block
// by the name it gives, whole.
class BlockNames {
public:
    void Add(std::string_view trimmedName, std::int32_t block) { blocks_.try_emplace(std::string(trimmedName), block); }
    // The block of that name, 0 when there is none.
    std::int32_t Find(std::string_view name) const {
        const auto found = blocks_.find(name);
        return found == blocks_.end() ? 0 : found->second;
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const noexcept { return std::hash<std::string_view>{}(name); }
    };
    std::unordered_map<std::string, std::int32_t, Hash, std::equal_to<>> blocks_;
};

}  // namespace tiraq
