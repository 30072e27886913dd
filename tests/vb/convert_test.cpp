#include "vb/convert.h"
#include "vb/error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

namespace {

TEST(CInt, RoundsHalfToEven) {
    EXPECT_EQ(vb::CInt(2.5), 2);
    EXPECT_EQ(vb::CInt(3.5), 4);
    EXPECT_EQ(vb::CInt(-2.5), -2);
    EXPECT_EQ(vb::CInt(0.5), 0);
    EXPECT_EQ(vb::CInt(1.5), 2);
    EXPECT_EQ(vb::CInt(2.6), 3);
    EXPECT_EQ(vb::CInt(-2.6), -3);
    EXPECT_EQ(vb::CLng(2.5), 2);
    EXPECT_EQ(vb::CLng(1234567.5), 1234568);
}

TEST(CInt, RaisesOverflowOutsideItsRange) {
    EXPECT_EQ(vb::CInt(32767.4), 32767);
    EXPECT_EQ(vb::CInt(-32768.5), -32768);  // half to even stays inside
    EXPECT_THROW(vb::CInt(32767.5), vb::RuntimeError);
    EXPECT_THROW(vb::CInt(-32769), vb::RuntimeError);
    EXPECT_THROW(vb::CLng(2147483647.5), vb::RuntimeError);
    EXPECT_THROW(vb::CLng(std::numeric_limits<double>::quiet_NaN()), vb::RuntimeError);
}

TEST(CSng, RaisesOverflowOutsideTheSingleRange) {
    EXPECT_FLOAT_EQ(vb::CSng(1.25), 1.25f);
    EXPECT_FLOAT_EQ(vb::CSng(-FLT_MAX), -FLT_MAX);
    EXPECT_THROW(vb::CSng(1e39), vb::RuntimeError);
    EXPECT_THROW(vb::CSng(-1e39), vb::RuntimeError);
    EXPECT_THROW(vb::CSng(std::numeric_limits<double>::infinity()), vb::RuntimeError);
}

}  // namespace
