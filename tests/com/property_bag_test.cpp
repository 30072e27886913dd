#include "com/create.h"
#include "com/font.h"
#include "com/property_bag.h"
#include "component_test_support.h"
#include "temp_folder.h"
#include "vb/collection.h"

#include <fstream>
#include <gtest/gtest.h>
#include <limits>

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

TEST(PropertyBag, AFileKeepsEveryKindOfValueExactly) {
    com_test::TemporaryRegistry registry;  // the font comes back without any registration
    quellmar::test::TempFolder folder;
    auto font = vb::New<com::Font>();
    font->Name = "MS Sans Serif";
    font->Size = 8.25;
    font->Bold = true;

    com::PropertyBag bag;
    bag.WriteProperty("Empty", vb::Variant());
    bag.WriteProperty("Null", vb::Variant::Null());
    bag.WriteProperty("Enabled", true);
    bag.WriteProperty("BackColor", static_cast<std::int32_t>(0x80000005u));
    bag.WriteProperty("Scalar", 0.1);
    bag.WriteProperty("Huge", std::numeric_limits<double>::max());
    bag.WriteProperty("TmpFileNamePath", "C:\\TEMP\\ \"quoted\"\r\nnext\tline\x01 \xC3\xA4");
    bag.WriteProperty("Picture", vb::Variant::Nothing());
    bag.WriteProperty("Font", font);
    bag.SaveToFile(folder / "saved" / "DXF1.properties");

    const auto read = com::PropertyBag::LoadFromFile(folder / "saved" / "DXF1.properties");
    EXPECT_EQ(read.Names(), bag.Names());
    for (const auto& name : bag.Names()) {
        if (name != "Font") {
            EXPECT_EQ(read.ReadProperty(name), bag.ReadProperty(name)) << name;
        }
    }
    const auto readFont = com::QueryInterface<com::Font>(read.ReadProperty("Font").ToObject());
    ASSERT_TRUE(readFont);
    EXPECT_NE(readFont, font);
    EXPECT_EQ(readFont->Name, "MS Sans Serif");
    EXPECT_EQ(readFont->Size, 8.25);
    EXPECT_TRUE(readFont->Bold);
    EXPECT_FALSE(readFont->Italic);
}

TEST(PropertyBag, AMissingFileIsAnEmptyBagAndAMalformedOneNamesItsLine) {
    quellmar::test::TempFolder folder;
    EXPECT_TRUE(com::PropertyBag::LoadFromFile(folder / "none").Names().empty());
    for (const char* content : {"A = Long 1\nB = Long x\n", "A = Long 1\nB = String \"open\n",
                                "A = Long 1\nB = Boolean Yes\n", "A = Long 1\nB Long 2\n",
                                "A = Long 1\nEnd\n", "A = Long 1\nB = String \"bad \\q escape\"\n"}) {
        std::ofstream(folder / "bag") << content;
        const auto error = com_test::ErrorOf([&] { com::PropertyBag::LoadFromFile(folder / "bag"); });
        EXPECT_EQ(error.Number(), vb::kErrInvalidFileFormat) << content;
        EXPECT_NE(error.Description().find("line 2"), std::string::npos) << error.Description();
    }
    std::ofstream(folder / "bag") << "F = Object {572CA5A4-3B27-44DA-A60C-3EC7063C6EDF}\n  Name = String \"x\"\n";
    EXPECT_EQ(com_test::ErrorOf([&] { com::PropertyBag::LoadFromFile(folder / "bag"); }).Number(),
              vb::kErrInvalidFileFormat);  // the object never ends
}

TEST(PropertyBag, ObjectsThatCannotBeSavedAreRefusedAndTheOldFileStays) {
    quellmar::test::TempFolder folder;
    com::PropertyBag good;
    good.WriteProperty("Kept", 1);
    good.SaveToFile(folder / "bag");
    com::PropertyBag bad;
    bad.WriteProperty("List", vb::New<vb::Collection>());
    EXPECT_EQ(com_test::ErrorOf([&] { bad.SaveToFile(folder / "bag"); }).Number(), com::kErrActionNotSupported);
    EXPECT_EQ(com::PropertyBag::LoadFromFile(folder / "bag").ReadProperty("Kept").ToLong(), 1);
}

}  // namespace
