#include "com/guid.h"

#include <gtest/gtest.h>

namespace {

TEST(Guid, ReadsAndWritesTheBracedForm) {
    constexpr auto id = com::MakeGuid("{5b58e09e-5985-41BE-8755-EC05A29ADC04}");
    EXPECT_EQ(id.ToString(), "{5B58E09E-5985-41BE-8755-EC05A29ADC04}");
    EXPECT_EQ(id.bytes[0], 0x5B);
    EXPECT_EQ(id.bytes[15], 0x04);
    EXPECT_EQ(com::Guid::Parse(id.ToString()), id);
    EXPECT_NE(com::MakeGuid("{5B58E09E-5985-41BE-8755-EC05A29ADC05}"), id);
}

TEST(Guid, RefusesEveryOtherShape) {
    for (const char* text : {"", "5B58E09E-5985-41BE-8755-EC05A29ADC04", "{5B58E09E-5985-41BE-8755-EC05A29ADC0}",
                             "{5B58E09E-5985-41BE-8755-EC05A29ADC04 }", "{5B58E09E_5985-41BE-8755-EC05A29ADC04}",
                             "{5B58E09E-5985-41BE-8755-EC05A29ADG04}"})
        EXPECT_FALSE(com::Guid::Parse(text)) << text;
}

}  // namespace
