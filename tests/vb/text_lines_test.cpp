#include "vb/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view text) {
    vb::LineScanner scanner(text);
    std::vector<std::string> lines;
    std::string_view line;
    while (scanner.Next(line)) lines.emplace_back(line);
    return lines;
}

TEST(LineScanner, EndsLinesAtCarriageReturns) {
    EXPECT_EQ(Lines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Lines("a\rb\r"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Lines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Lines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(Lines("").empty());
}

TEST(LineScanner, KeepsBareLineFeedsInTheLine) {
    EXPECT_EQ(Lines("a\nb\r\n"), (std::vector<std::string>{"a\nb"}));
    EXPECT_EQ(Lines("a\r\n\nb"), (std::vector<std::string>{"a", "\nb"}));
    EXPECT_EQ(Lines("a\n"), (std::vector<std::string>{"a\n"}));
}

}  // namespace
