#include "com/property_bag.h"
#include "component_test_support.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(PropertyBag, FindsNamesWithoutRegardToCaseAndKeepsTheLastWrite) {
    com::PropertyBag bag;
    bag.WriteProperty("BackColor", std::int32_t{0xFFFFFF});
    bag.WriteProperty("ZoomFunction", std::int32_t{1});
    bag.WriteProperty("backcolor", std::int32_t{5});
    EXPECT_EQ(bag.ReadProperty("BACKCOLOR").ToLong(), 5);
    EXPECT_EQ(bag.Names(), (Names{"BackColor", "ZoomFunction"}));  // the first write's place and spelling
    EXPECT_EQ(bag.ReadProperty("Missing", "default").ToString(), "default");
    EXPECT_TRUE(bag.ReadProperty("Missing").IsEmpty());
}

TEST(PropertyBag, AValueEqualToItsDefaultIsNotKept) {
    com::PropertyBag bag;
    bag.WriteProperty("OnTheSpotZoomPctLeft", 200.0, std::int32_t{200});  // equal by value
    bag.WriteProperty("Enabled", false, false);
    EXPECT_TRUE(bag.Names().empty());
    // A write of the default drops what an earlier write kept, so reading with that default is right.
    bag.WriteProperty("BackColor", std::int32_t{0});
    bag.WriteProperty("BackColor", std::int32_t{0xFFFFFF}, std::int32_t{0xFFFFFF});
    EXPECT_EQ(bag.ReadProperty("BackColor", std::int32_t{0xFFFFFF}).ToLong(), 0xFFFFFF);
    EXPECT_EQ(com_test::ErrorOf([&] { bag.WriteProperty("A = B", 1); }).Number(), vb::kErrInvalidCall);
    EXPECT_EQ(com_test::ErrorOf([&] { bag.WriteProperty("", 1); }).Number(), vb::kErrInvalidCall);
}

}  // namespace
