// Reads arbitrary bytes as a quotation file. Whatever the reader accepts must write out and read
// back as the same record, and writing that again must give the same bytes.
#include "quotation_file.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using namespace quellmar::quotation;

bool SameRecord(const QuoteRecord& a, const QuoteRecord& b) {
    if (a.layout != b.layout || a.inputs.size() != b.inputs.size()) return false;
    for (std::size_t i = 0; i < a.inputs.size(); ++i)
        if (a.inputs[i].text != b.inputs[i].text || a.inputs[i].index != b.inputs[i].index) return false;
    const CustomerFields& x = a.customer;
    const CustomerFields& y = b.customer;
    return x.quoteDate == y.quoteDate && x.company == y.company && x.address == y.address &&
           x.attention == y.attention && x.reference == y.reference && x.sizedBy == y.sizedBy;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReadResult read = ReadQuoteFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.outcome != ReadOutcome::Accepted) return 0;
    std::string written;
    try {
        written = QuoteFileBytes(read.record);
    } catch (const std::length_error&) {
        return 0;
    }
    const ReadResult again = ReadQuoteFile(written);
    if (again.outcome != ReadOutcome::Accepted || !SameRecord(again.record, read.record)) std::abort();
    if (QuoteFileBytes(again.record) != written) std::abort();
    return 0;
}
