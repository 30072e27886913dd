#include "vb/date.h"

#include <gtest/gtest.h>

namespace {

using vb::DateLayout;

TEST(DateSerial, CountsDaysFromTheEpochAndRollsOver) {
    EXPECT_EQ(vb::DateSerial(1899, 12, 30), 0);
    EXPECT_EQ(vb::DateSerial(1900, 1, 1), 2);
    EXPECT_EQ(vb::DateSerial(2000, 1, 1), 36526);
    EXPECT_EQ(vb::DateSerial(1990, 1, 1), 32874);
    EXPECT_EQ(vb::DateSerial(2004, 2, 30), vb::DateSerial(2004, 3, 1));
    EXPECT_EQ(vb::DateSerial(2004, 13, 1), vb::DateSerial(2005, 1, 1));
    EXPECT_EQ(vb::DateSerial(2004, 0, 1), vb::DateSerial(2003, 12, 1));
    EXPECT_EQ(vb::DateSerial(2004, 3, 0), vb::DateSerial(2004, 2, 29));
    EXPECT_EQ(vb::DateSerial(4, 1, 1), vb::DateSerial(2004, 1, 1));
    EXPECT_EQ(vb::DateSerial(95, 1, 1), vb::DateSerial(1995, 1, 1));
}

TEST(DateText, RoundTripsBothLayouts) {
    for (const vb::DateValue serial : {vb::DateSerial(2004, 2, 29), vb::DateSerial(1999, 12, 31),
                                       vb::DateSerial(2026, 12, 9), vb::DateSerial(1900, 3, 1),
                                       vb::DateSerial(999, 7, 4)}) {
        for (const DateLayout layout : {DateLayout::IsoYmd, DateLayout::DayMonth}) {
            const auto text = vb::FormatDate(serial, layout);
            EXPECT_EQ(vb::ParseDate(text, layout), serial) << text;
        }
    }
    EXPECT_EQ(vb::FormatDate(vb::DateSerial(2004, 2, 5), DateLayout::IsoYmd), "2004-02-05");
    EXPECT_EQ(vb::FormatDate(vb::DateSerial(2004, 2, 5), DateLayout::DayMonth), "5/2/2004");
    EXPECT_EQ(vb::FormatDate(vb::DateSerial(999, 7, 4), DateLayout::IsoYmd), "0999-07-04");
}

TEST(DateText, RejectsImpossibleAndMalformedDates) {
    for (const char* text : {"31/2/2004", "29/2/2003", "0/1/2004", "1/13/2004", "1/1/04", "1-1-2004", "", "a/b/c",
                             "1/1/2004x", "32/1/2004"})
        EXPECT_FALSE(vb::ParseDate(text, DateLayout::DayMonth)) << text;
    for (const char* text : {"2004-02-30", "2003-02-29", "04-01-01", "2004/01/01", "2004-1", "2004-01-01 10:00"})
        EXPECT_FALSE(vb::ParseDate(text, DateLayout::IsoYmd)) << text;
    EXPECT_EQ(vb::ParseDate("29/2/2000", DateLayout::DayMonth), vb::DateSerial(2000, 2, 29));
    EXPECT_FALSE(vb::ParseDate("29/2/1900", DateLayout::DayMonth));
    EXPECT_EQ(vb::ParseDate(" 2004-2-5 ", DateLayout::IsoYmd), vb::DateSerial(2004, 2, 5));
}

TEST(DateText, SplitsASerialIntoItsParts) {
    const vb::CivilDate c = vb::ToCivil(vb::DateSerial(2026, 12, 9));
    EXPECT_EQ(c.year, 2026);
    EXPECT_EQ(c.month, 12);
    EXPECT_EQ(c.day, 9);
    EXPECT_GT(vb::Today(), vb::DateSerial(2020, 1, 1));
}

}  // namespace
