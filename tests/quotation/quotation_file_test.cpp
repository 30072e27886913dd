#include "quotation_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

using namespace quellmar::quotation;

namespace {

// A record of the layout with every input field given in turn: texts from `texts`, option
// indexes from `indexes`.
QuoteRecord Record(const RecordLayout& layout, std::vector<std::string> texts, std::vector<int> indexes,
                   CustomerFields customer = {}) {
    QuoteRecord record{&layout, {}, std::move(customer)};
    std::size_t t = 0, o = 0;
    for (const InputField& field : layout.inputs)
        record.inputs.push_back(field.kind == FieldKind::Text ? InputValue{texts.at(t++)} : InputValue{{}, indexes.at(o++)});
    return record;
}

QuoteRecord SampleAir(CustomerFields customer = {}) {
    return Record(AirLayout(), {"50", "100", "35", "60"}, {0, 0, 0, 5, 0, 2}, std::move(customer));
}

std::string Line(const std::string& fields) { return fields + "\r\n"; }

ReadOutcome Outcome(const std::string& bytes) { return ReadQuoteFile(bytes).outcome; }

std::size_t Commas(const std::string& text) { return std::size_t(std::count(text.begin(), text.end(), ',')); }

}  // namespace

TEST(QuotationFile, SampleAirRecordHasExactBytes) {
    EXPECT_EQ(QuoteFileBytes(SampleAir()), "Air,50,0,100,0,35,60,0,5,0,2,,,,,,\r\n");
}

TEST(QuotationFile, EachTypeWritesItsFieldCount) {
    const std::string air = RecordLine(SampleAir());
    const std::string water = RecordLine(Record(WaterLayout(), {"20", "60", "30", "25", "60"}, {0, 0, 0, 5, 2}));
    const std::string mobile = RecordLine(Record(MobileLayout(), {"20", "60", "30", "60", "5.55"}, {0, 0, 0, 5}));
    EXPECT_EQ(Commas(air), 16u);
    EXPECT_EQ(Commas(water), 16u);
    EXPECT_EQ(Commas(mobile), 15u);
    EXPECT_EQ(water, "Water,20,0,60,30,0,25,60,0,5,2,,,,,,");
    EXPECT_EQ(mobile, "Mobile,20,0,60,0,30,60,0,5,5.55,,,,,,");
    EXPECT_EQ(AirLayout().FieldCount(), 17u);
    EXPECT_EQ(WaterLayout().FieldCount(), 17u);
    EXPECT_EQ(MobileLayout().FieldCount(), 16u);
    for (const std::string& line : {air, water, mobile}) {
        const ReadResult read = ReadQuoteFile(line + "\r\n");
        ASSERT_EQ(read.outcome, ReadOutcome::Accepted) << line;
        EXPECT_EQ(RecordLine(read.record), line);
    }
}

TEST(QuotationFile, CustomerParticularsAreEscapedAndReadBack) {
    CustomerFields customer{vb::DateSerial(2004, 2, 29), "Acme, Sons & Co", "1 Mill Lane, Leeds", "J. Smith", "Q-17",
                            ""};
    const std::string line = RecordLine(SampleAir(customer));
    EXPECT_EQ(line, "Air,50,0,100,0,35,60,0,5,0,2,2004-02-29,Acme%54 Sons & Co,1 Mill Lane%54 Leeds,J. Smith,Q-17,");
    const ReadResult read = ReadQuoteFile(line + "\r\n");
    ASSERT_EQ(read.outcome, ReadOutcome::Accepted);
    EXPECT_EQ(read.record.customer.quoteDate, vb::DateSerial(2004, 2, 29));
    EXPECT_EQ(read.record.customer.company, "Acme, Sons & Co");
    EXPECT_EQ(read.record.customer.address, "1 Mill Lane, Leeds");
    EXPECT_EQ(read.record.customer.sizedBy, "");

    // A text that holds "%54" itself reads back with a comma: stored files rely on it.
    const ReadResult typed = ReadQuoteFile(Line("Air,50,0,100,0,35,60,0,5,0,2,2004-02-29,100%54 sure,,,,"));
    EXPECT_EQ(typed.record.customer.company, "100, sure");
}

TEST(QuotationFile, CustomerTextsAreRestoredWithoutADate) {
    const ReadResult read = ReadQuoteFile(Line("Air,50,0,100,0,35,60,0,5,0,2,,Acme,Leeds,Jo,Q-1,Ann"));
    ASSERT_EQ(read.outcome, ReadOutcome::Accepted);
    EXPECT_EQ(read.record.customer.quoteDate, 0);
    EXPECT_EQ(read.record.customer.company, "Acme");
    EXPECT_EQ(read.record.customer.sizedBy, "Ann");
    // A date never set is written as an empty field.
    EXPECT_EQ(RecordLine(read.record), "Air,50,0,100,0,35,60,0,5,0,2,,Acme,Leeds,Jo,Q-1,Ann");
}

TEST(QuotationFile, CommaTypedIntoAnInputBoxKeepsTheFileReadable) {
    const std::string line = RecordLine(Record(AirLayout(), {"1,250", "100", "35", "60"}, {0, 0, 0, 5, 0, 2}));
    EXPECT_EQ(line, "Air,1%54250,0,100,0,35,60,0,5,0,2,,,,,,");
    const ReadResult read = ReadQuoteFile(line + "\r\n");
    ASSERT_EQ(read.outcome, ReadOutcome::Accepted);
    EXPECT_EQ(read.record.inputs[0].text, "1,250");
}

TEST(QuotationFile, LineBreaksInATextKeepTheRecordOnOneLine) {
    // A pasted address keeps its line breaks in the box; the record must still be one line.
    CustomerFields customer{0, "Acme", "1 Mill Lane\r\nLeeds\rWest\nYorkshire", "", "", ""};
    const std::string bytes =
        QuoteFileBytes(Record(AirLayout(), {"50\n", "100", "35", "60"}, {0, 0, 0, 5, 0, 2}, customer));
    EXPECT_EQ(bytes, "Air,50 ,0,100,0,35,60,0,5,0,2,,Acme,1 Mill Lane Leeds West Yorkshire,,,\r\n");
    const ReadResult read = ReadQuoteFile(bytes);
    ASSERT_EQ(read.outcome, ReadOutcome::Accepted);
    EXPECT_EQ(read.record.customer.address, "1 Mill Lane Leeds West Yorkshire");
}

TEST(QuotationFile, WrongFieldCountsAreRefused) {
    const std::string air = "Air,50,0,100,0,35,60,0,5,0,2,,,,,,";
    const std::string water = "Water,20,0,60,30,0,25,60,0,5,2,,,,,,";
    const std::string mobile = "Mobile,20,0,60,0,30,60,0,5,5.55,,,,,,";
    for (const std::string& line : {air, water, mobile}) {
        EXPECT_EQ(Outcome(Line(line)), ReadOutcome::Accepted) << line;
        EXPECT_EQ(Outcome(Line(line + ",")), ReadOutcome::WrongFormat) << line;
        EXPECT_EQ(Outcome(Line(line.substr(0, line.size() - 1))), ReadOutcome::WrongFormat) << line;
    }
    // An input written with an unescaped comma, as older files could hold it.
    EXPECT_EQ(Outcome(Line("Air,1,250,0,100,0,35,60,0,5,0,2,,,,,,")), ReadOutcome::WrongFormat);
}

TEST(QuotationFile, TypeWordsAreMatchedWithTheirLetterCase) {
    EXPECT_EQ(Outcome(Line("air,50,0,100,0,35,60,0,5,0,2,,,,,,")), ReadOutcome::UnknownType);
    EXPECT_EQ(Outcome(Line("AIR,50,0,100,0,35,60,0,5,0,2,,,,,,")), ReadOutcome::UnknownType);
    EXPECT_EQ(Outcome(Line("Pump,1,2")), ReadOutcome::UnknownType);
    EXPECT_EQ(Outcome("just some text\r\n"), ReadOutcome::UnknownType);
}

TEST(QuotationFile, OptionsThatNameNoButtonAndBadDatesAreRefused) {
    const auto air = [](const std::string& heatUnit, const std::string& date) {
        return Outcome(Line("Air,50," + heatUnit + ",100,0,35,60,0,5,0,2," + date + ",,,,,"));
    };
    EXPECT_EQ(air("5", ""), ReadOutcome::Accepted);
    for (const char* index : {"6", "-1", "", " 1", "1.0", "x", "99999999999"})
        EXPECT_EQ(air(index, ""), ReadOutcome::WrongFormat) << index;
    // Not three whole numbers, a number beyond the runtime's Integer, a year the runtime has not.
    for (const char* date : {"2004/02/01", "2004-1", "2004-1-1-1", "2004--1", "2004-+1-1", "2004-1.5-1", "yesterday",
                             "2004-32768-1", "9999-12-32"})
        EXPECT_EQ(air("0", date), ReadOutcome::WrongFormat) << date;
    // The series array of the water-cooled document starts at 1.
    EXPECT_EQ(Outcome(Line("Water,20,0,60,30,0,25,60,0,5,1,,,,,,")), ReadOutcome::Accepted);
    EXPECT_EQ(Outcome(Line("Water,20,0,60,30,0,25,60,0,5,0,,,,,,")), ReadOutcome::WrongFormat);
    EXPECT_EQ(Outcome(Line("Water,20,0,60,30,0,25,60,0,5,4,,,,,,")), ReadOutcome::WrongFormat);
}

TEST(QuotationFile, DatesRollOverAsTheRuntimeMakesThem) {
    const auto dateOf = [](const std::string& date) {
        const ReadResult read = ReadQuoteFile(Line("Air,50,0,100,0,35,60,0,5,0,2," + date + ",Acme,,,,"));
        EXPECT_EQ(read.outcome, ReadOutcome::Accepted) << date;
        return vb::FormatDate(read.record.customer.quoteDate, vb::DateLayout::IsoYmd);
    };
    EXPECT_EQ(dateOf("2004-02-30"), "2004-03-01");
    EXPECT_EQ(dateOf("2004-13-01"), "2005-01-01");
    EXPECT_EQ(dateOf("2004-0-0"), "2003-11-30");
    EXPECT_EQ(dateOf("04-2-9"), "2004-02-09");
    EXPECT_EQ(dateOf("0100-01-01"), "0100-01-01");
    // Written back as the date it became.
    const ReadResult read = ReadQuoteFile(Line("Air,50,0,100,0,35,60,0,5,0,2,2004-02-30,Acme,,,,"));
    EXPECT_EQ(RecordLine(read.record), "Air,50,0,100,0,35,60,0,5,0,2,2004-03-01,Acme,,,,");
}

TEST(QuotationFile, AnEmptyFileIsRefusedAndAnEmptyFirstLineOpensNothing) {
    EXPECT_EQ(Outcome(""), ReadOutcome::WrongFormat);
    EXPECT_EQ(Outcome("\r\n"), ReadOutcome::UnknownType);
    EXPECT_EQ(Outcome("\r\nAir,50,0,100,0,35,60,0,5,0,2,,,,,,\r\n"), ReadOutcome::UnknownType);
}

TEST(QuotationFile, ALongRecordRoundTripsAndOnlyAnImpossiblyLongOneIsRefused) {
    // Three particulars of 36 000 characters each, commas in them: a record of more than 100 KB.
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "Sheet %, 9";
    CustomerFields customer{vb::DateSerial(2004, 2, 29), text + "A", text + "B", text + "C", "Q", "Ann"};
    const std::string bytes = QuoteFileBytes(SampleAir(customer));
    EXPECT_GT(bytes.size(), 100000u);
    const ReadResult read = ReadQuoteFile(bytes);
    ASSERT_EQ(read.outcome, ReadOutcome::Accepted);
    EXPECT_EQ(read.record.customer.company, text + "A");
    EXPECT_EQ(read.record.customer.attention, text + "C");
    EXPECT_EQ(QuoteFileBytes(read.record), bytes);

    // The writer refuses what the reader would not read; the reader reads no further.
    const std::string huge(kMostRecordBytes, 'x');
    EXPECT_THROW(QuoteFileBytes(SampleAir({0, huge, "", "", "", ""})), std::length_error);
    EXPECT_EQ(Outcome("Air,50,0,100,0,35,60,0,5,0,2,,," + huge + ",,,"), ReadOutcome::WrongFormat);
    EXPECT_EQ(Outcome("Pump," + huge), ReadOutcome::UnknownType);
    EXPECT_EQ(Outcome(huge), ReadOutcome::UnknownType);
}

TEST(QuotationFile, TextsAreWindows1252WithoutAByteOrderMark) {
    CustomerFields customer{vb::DateSerial(2024, 5, 1), "Société Générale", "", "", "Offer 5 €", "漢"};
    const std::string bytes = QuoteFileBytes(SampleAir(customer));
    EXPECT_EQ(bytes.substr(0, 3), "Air");
    EXPECT_NE(bytes.find("Soci\xE9t\xE9 G\xE9n\xE9rale"), std::string::npos);
    EXPECT_NE(bytes.find("Offer 5 \x80,?\r\n"), std::string::npos);
    const ReadResult read = ReadQuoteFile(bytes);
    ASSERT_EQ(read.outcome, ReadOutcome::Accepted);
    EXPECT_EQ(read.record.customer.company, "Société Générale");
    EXPECT_EQ(read.record.customer.reference, "Offer 5 €");
}

TEST(QuotationFile, OnlyTheFirstLineIsReadWhateverEndsIt) {
    const std::string record = "Air,50,0,100,0,35,60,0,5,0,2,,,,,,Ann";
    for (const std::string& bytes : {record + "\r\n", record + "\n", record + "\r", record,
                                     record + "\r\nfurther,lines\r\n", record + "\nfurther,lines\n"}) {
        const ReadResult read = ReadQuoteFile(bytes);
        ASSERT_EQ(read.outcome, ReadOutcome::Accepted);
        EXPECT_EQ(read.record.customer.sizedBy, "Ann");
    }
}
