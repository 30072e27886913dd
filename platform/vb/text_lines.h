#pragma once

#include <string_view>

namespace vb {

// Reads a text by the original's line rule: a line ends at CR, an LF right after that CR belongs
// to the line end, and a bare LF is part of the line. A last line without CR is still a line.
class LineScanner {
public:
    explicit LineScanner(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        const std::size_t cr = text_.find('\r', pos_);
        if (cr == std::string_view::npos) {
            line = text_.substr(pos_);
            pos_ = text_.size();
            return true;
        }
        line = text_.substr(pos_, cr - pos_);
        pos_ = cr + 1;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        return true;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    // Bytes consumed so far, for progress reports.
    std::size_t Position() const { return pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace vb
