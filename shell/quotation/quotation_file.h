#pragma once

#include "vb/date.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A quotation file keeps one selection document: the duty as typed, the option choices and the
// customer particulars, as one line of fields joined by "," in Windows-1252, ended by CR LF.
namespace quellmar::quotation {

enum class FieldKind {
    Text,    // a text box's text
    Option,  // the index of the selected button of an option array
};

struct InputField {
    const char* control;  // the document's control by name
    FieldKind kind;
    int firstIndex = 0;  // option fields: the indexes the array has
    int lastIndex = 0;
};

inline constexpr std::size_t kCustomerFieldCount = 6;

// The fields of one record type after its type word; the six customer fields always follow them.
struct RecordLayout {
    const char* type;  // "Air", "Water" or "Mobile"
    std::vector<InputField> inputs;
    std::size_t FieldCount() const { return 1 + inputs.size() + kCustomerFieldCount; }
};

const RecordLayout& AirLayout();
const RecordLayout& WaterLayout();
const RecordLayout& MobileLayout();
// The layout of a type word, compared with its letter case; null for any other word.
const RecordLayout* LayoutOfType(std::string_view type);

struct CustomerFields {
    vb::DateValue quoteDate = 0;  // 0: never set, stored as an empty field
    std::string company, address, attention, reference, sizedBy;
};

// One value per input field of the layout: `text` for a text field, `index` for an option field.
struct InputValue {
    std::string text;
    int index = 0;
};

// Texts are UTF-8 here; the file holds them in Windows-1252.
struct QuoteRecord {
    const RecordLayout* layout = nullptr;
    std::vector<InputValue> inputs;
    CustomerFields customer;
};

// The longest record line a file holds. Far beyond what the documents' boxes can hold; the writer
// refuses a longer record, so every file it writes opens again, and the reader reads no further.
inline constexpr std::size_t kMostRecordBytes = std::size_t{4} << 20;

// The record line without its line end. Every "," inside a text becomes "%54", every line break a
// space.
std::string RecordLine(const QuoteRecord& record);
// The whole file: the record line in Windows-1252, then CR LF. A record line longer than
// kMostRecordBytes raises std::length_error with a message for the user.
std::string QuoteFileBytes(const QuoteRecord& record);

enum class ReadOutcome {
    Accepted,
    UnknownType,  // the first field names no record type (an empty first line too): nothing is opened, silently
    WrongFormat,  // a known type whose fields do not fit it, or an empty file
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::WrongFormat;
    QuoteRecord record;  // complete when accepted
};

// Reads the record from the file's first line; `bytes` is the file, or its start up to the end of
// that line or beyond kMostRecordBytes. Only what can be restored whole is accepted: the exact
// number of fields, option indexes of buttons the array has, and a date field that is empty or
// three whole numbers joined by "-", made into a date as year, month and day with overflowing
// months and days rolled over ("2004-02-30" is 1 March 2004). "%54" reads back as "," in every
// text. A first line longer than kMostRecordBytes is no record of this program.
ReadResult ReadQuoteFile(std::string_view bytes);

}  // namespace quellmar::quotation
