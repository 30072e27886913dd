#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tiraq {

// The values of the current entity's group codes 0 to 1000, as views into the file's text; a code
// the entity did not carry reads as "". A new entity resets every slot at once by a stamp, not
// by clearing 1001 strings.
class GroupValues {
public:
    static constexpr int kMaxCode = 1000;

    void Clear() noexcept {
        if (++stamp_ == 0) {
            stamps_.fill(0);
            stamp_ = 1;
        }
        textChunks_.clear();
    }

    // A value that occurs twice in one entity keeps the last one; every group 3 is also kept in
    // order, for the chunks of a long MTEXT.
    void Set(int code, std::string_view value) {
        values_[static_cast<std::size_t>(code)] = value;
        stamps_[static_cast<std::size_t>(code)] = stamp_;
        if (code == 3) textChunks_.push_back(value);
    }

    std::string_view operator[](int code) const noexcept {
        const auto i = static_cast<std::size_t>(code);
        return stamps_[i] == stamp_ ? values_[i] : std::string_view{};
    }

    const std::vector<std::string_view>& TextChunks() const noexcept { return textChunks_; }

private:
    std::array<std::string_view, kMaxCode + 1> values_{};
    std::array<std::uint32_t, kMaxCode + 1> stamps_{};
    std::uint32_t stamp_ = 1;
    std::vector<std::string_view> textChunks_;
};

}  // namespace tiraq
