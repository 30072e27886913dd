#include "vb/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(vb::Utf8ToCp1252(vb::Cp1252ToUtf8(byte)), byte) << b;
    }
}

TEST(Cp1252, MapsTheHighBytesToTheirCharacters) {
    EXPECT_EQ(vb::Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(vb::Cp1252ToUtf8("\xE9"), "\u00E9");
    EXPECT_EQ(vb::Cp1252ToUtf8("\xB0"), "\u00B0");
    EXPECT_EQ(vb::Cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(vb::Utf8ToCp1252("Caf\u00E9 \u20AC5"), "Caf\xE9 \x80" "5");
}

TEST(Cp1252, ReplacesWhatTheCodePageCannotHold) {
    EXPECT_EQ(vb::Utf8ToCp1252("\u4E2D"), "?");
    EXPECT_EQ(vb::Utf8ToCp1252("a\xFF" "b"), "a?b");
    EXPECT_EQ(vb::Utf8ToCp1252("\xC3"), "?");
    EXPECT_EQ(vb::Utf8ToCp1252("\U0001F600", '_'), "_");
}

TEST(Cp1252, NamesEachCharacterItCannotHoldOnceInOrder) {
    EXPECT_TRUE(vb::Cp1252Unencodable("Soci\u00E9t\u00E9 \u20AC 5").empty());
    EXPECT_EQ(vb::Cp1252Unencodable("Omega \u5317\u4EAC \u03A9mega \u5317 \U0001F600"),
              (std::vector<std::string>{"\u5317", "\u4EAC", "\u03A9", "\U0001F600"}));
    EXPECT_EQ(vb::Cp1252Unencodable("a\xFF"), (std::vector<std::string>{"\uFFFD"}));
}

}  // namespace
