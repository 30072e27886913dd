#include "quotation_file.h"

#include "vb/cp1252.h"
#include "vb/text_lines.h"

#include <array>
#include <optional>
#include <stdexcept>

namespace quellmar::quotation {
namespace {

constexpr std::string_view kComma = ",";
constexpr std::string_view kEscapedComma = "%54";

InputField Text(const char* control) { return {control, FieldKind::Text}; }
InputField Option(const char* control, int first, int last) { return {control, FieldKind::Option, first, last}; }

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(from, start)) != std::string_view::npos; start = found + from.size()) {
        result.append(text.substr(start, found - start));
        result.append(to);
    }
    result.append(text.substr(start));
    return result;
}

// A comma inside a text would split it into two fields; input texts are escaped like the
// customer's, so that a thousands separator typed into a box does not make the file unreadable.
// A line break would end the record early (a pasted address keeps its line breaks): each one is
// written as a space.
std::string Escape(std::string_view text) {
    const std::string oneLine = ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", " "), "\r", " "), "\n", " ");
    return ReplaceAll(oneLine, kComma, kEscapedComma);
}
std::string Unescape(std::string_view text) { return ReplaceAll(text, kEscapedComma, kComma); }

std::vector<std::string_view> Split(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t found; (found = line.find(separator, start)) != std::string_view::npos; start = found + 1)
        fields.push_back(line.substr(start, found - start));
    fields.push_back(line.substr(start));
    return fields;
}

// Decimal digits only, as the writer puts them, up to `most`.
bool ParseWholeNumber(std::string_view text, int most, int& number) {
    if (text.empty() || text.size() > 9) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value > most) return false;
    number = value;
    return true;
}

// Anything but an index of the array names no button.
bool ParseIndex(std::string_view text, const InputField& field, int& index) {
    int value = 0;
    if (!ParseWholeNumber(text, field.lastIndex, value) || value < field.firstIndex) return false;
    index = value;
    return true;
}

// Year, month and day as whole numbers the size of the runtime's Integer, made into a date the
// runtime's way: months and days beyond their ranges roll over, two-digit years are read as the
// runtime reads them. The date must lie in the years the runtime has (100 to 9999).
std::optional<vb::DateValue> ParseQuoteDate(std::string_view text) {
    const std::vector<std::string_view> parts = Split(text, '-');
    if (parts.size() != 3) return std::nullopt;
    int year = 0, month = 0, day = 0;
    constexpr int kMostInteger = 32767;
    if (!ParseWholeNumber(parts[0], kMostInteger, year) || !ParseWholeNumber(parts[1], kMostInteger, month) ||
        !ParseWholeNumber(parts[2], kMostInteger, day))
        return std::nullopt;
    const vb::DateValue date = vb::DateSerial(year, month, day);
    const int madeYear = vb::ToCivil(date).year;
    if (madeYear < 100 || madeYear > 9999) return std::nullopt;
    return date;
}

// The record is the file's first line. A bare LF ends it too, so that a file saved by a tool
// that ends lines with LF alone does not carry the LF into its last field. Nothing for an empty
// file.
std::optional<std::string_view> FirstLine(std::string_view bytes) {
    std::string_view line;
    vb::LineScanner lines(bytes);
    if (!lines.Next(line)) return std::nullopt;
    return line.substr(0, line.find('\n'));
}

}  // namespace

const RecordLayout& AirLayout() {
    static const RecordLayout layout{
        "Air",
        {Text("txtHeatLoad"), Option("optHeatUnits", 0, 5), Text("txtOilFlow"), Option("optFlowRate", 0, 3),
         Text("txtAirTemp"), Text("txtOilTemp"), Option("optTempUnits", 0, 1), Option("optViscosity", 0, 11),
         Option("optMotor", 0, 4), Option("optProduct", 0, 2)}};
    return layout;
}

const RecordLayout& WaterLayout() {
    static const RecordLayout layout{
        "Water",
        {Text("txtHeatLoad"), Option("optHeatUnits", 0, 5), Text("txtOilFlow"), Text("txtWaterFlow"),
         Option("optFlowRate", 0, 3), Text("txtWaterTemp"), Text("txtOilTemp"), Option("optTempUnits", 0, 1),
         Option("optViscosity", 0, 11), Option("optSeries", 1, 3)}};
    return layout;
}

const RecordLayout& MobileLayout() {
    static const RecordLayout layout{
        "Mobile",
        {Text("txtHeatLoad"), Option("optHeatUnits", 0, 5), Text("txtOilFlow"), Option("optFlowRate", 0, 3),
         Text("txtAirTemp"), Text("txtOilTemp"), Option("optTempUnits", 0, 1), Option("optViscosity", 0, 11),
         Text("txtAirFaceV")}};
    return layout;
}

const RecordLayout* LayoutOfType(std::string_view type) {
    for (const RecordLayout* layout : {&AirLayout(), &MobileLayout(), &WaterLayout()})
        if (type == layout->type) return layout;
    return nullptr;
}

std::string RecordLine(const QuoteRecord& record) {
    std::string line = record.layout->type;
    for (std::size_t i = 0; i < record.layout->inputs.size(); ++i) {
        const InputValue& value = record.inputs.at(i);
        line += ',';
        line += record.layout->inputs[i].kind == FieldKind::Text ? Escape(value.text) : std::to_string(value.index);
    }
    const CustomerFields& c = record.customer;
    line += ',';
    if (c.quoteDate != 0) line += vb::FormatDate(c.quoteDate, vb::DateLayout::IsoYmd);
    for (const std::string* text : {&c.company, &c.address, &c.attention, &c.reference, &c.sizedBy}) {
        line += ',';
        line += Escape(*text);
    }
    return line;
}

std::string QuoteFileBytes(const QuoteRecord& record) {
    std::string bytes = vb::Utf8ToCp1252(RecordLine(record));
    if (bytes.size() > kMostRecordBytes)
        throw std::length_error("The texts of the quotation are too long: a quotation file holds at most " +
                                std::to_string(kMostRecordBytes) + " characters, this one would hold " +
                                std::to_string(bytes.size()) + ".");
    return bytes + "\r\n";
}

ReadResult ReadQuoteFile(std::string_view bytes) {
    ReadResult result;
    const std::optional<std::string_view> firstLine = FirstLine(bytes);
    if (!firstLine) return result;
    const std::string_view type = firstLine->substr(0, firstLine->find(','));
    const RecordLayout* layout = LayoutOfType(type);
    if (!layout) {
        result.outcome = ReadOutcome::UnknownType;
        return result;
    }
    if (firstLine->size() > kMostRecordBytes) return result;
    const std::string line = vb::Cp1252ToUtf8(*firstLine);
    const std::vector<std::string_view> fields = Split(line, ',');
    if (fields.size() != layout->FieldCount()) return result;

    QuoteRecord& record = result.record;
    record.layout = layout;
    for (std::size_t i = 0; i < layout->inputs.size(); ++i) {
        const InputField& field = layout->inputs[i];
        InputValue value;
        if (field.kind == FieldKind::Text)
            value.text = Unescape(fields[1 + i]);
        else if (!ParseIndex(fields[1 + i], field, value.index))
            return result;
        record.inputs.push_back(std::move(value));
    }
    const std::size_t first = 1 + layout->inputs.size();
    if (!fields[first].empty()) {
        const std::optional<vb::DateValue> date = ParseQuoteDate(fields[first]);
        if (!date) return result;
        record.customer.quoteDate = *date;
    }
    CustomerFields& c = record.customer;
    const std::array texts = {&c.company, &c.address, &c.attention, &c.reference, &c.sizedBy};
    for (std::size_t i = 0; i < texts.size(); ++i) *texts[i] = Unescape(fields[first + 1 + i]);
    result.outcome = ReadOutcome::Accepted;
    return result;
}

}  // namespace quellmar::quotation
