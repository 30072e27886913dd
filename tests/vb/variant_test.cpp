#include "vb/error.h"
#include "vb/variant.h"

#include <gtest/gtest.h>

namespace {

TEST(Variant, ConvertsAsTheRuntimeDoes) {
    EXPECT_TRUE(vb::Variant().IsEmpty());
    EXPECT_EQ(vb::Variant().ToDouble(), 0.0);
    EXPECT_EQ(vb::Variant().ToString(), "");
    EXPECT_EQ(vb::Variant(2.5).ToLong(), 2);
    EXPECT_EQ(vb::Variant(true).ToDouble(), -1.0);
    EXPECT_EQ(vb::Variant(" 12.5 ").ToDouble(), 12.5);
    EXPECT_EQ(vb::Variant(0.1).ToString(), "0.1");
    EXPECT_EQ(vb::Variant(std::int32_t{42}).ToString(), "42");
}

TEST(Variant, NullAndTextsThatAreNoNumbersRaise) {
    const vb::Variant null = vb::Variant::Null();
    EXPECT_TRUE(null.IsNull());
    try {
        null.ToDouble();
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), vb::kErrInvalidUseOfNull);
    }
    EXPECT_THROW(null.ToString(), vb::RuntimeError);
    try {
        vb::Variant("abc").ToDouble();
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), vb::kErrTypeMismatch);
    }
}

}  // namespace
