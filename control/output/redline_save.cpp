#include "output/redline_save.h"

#include "output/dxf_group_writer.h"
#include "reader/colour_table.h"
#include "reader/drawing_database.h"
#include "reader/dxf_section_walk.h"
#include "reader/error_chain.h"
#include "reader/file_io.h"
#include "vb/replacing_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace tiraq {
namespace {

std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

// The handle seed of a $HANDSEED value: the whole value, trimmed as the walk trims it, read as a
// hexadecimal number. None where anything else stands in it (0x2F would read as 0, below the
// drawing's own handles), or where the seed moved past `added` records would not fit a handle.
std::optional<std::uint64_t> HandleSeed(std::string_view value, std::uint64_t added) {
    const std::string_view digits = TrimGroupValue(value);
    const char* const end = digits.data() + digits.size();
    std::uint64_t seed = 0;
    const auto read = std::from_chars(digits.data(), end, seed, 16);
    if (read.ec != std::errc() || read.ptr != end || seed > std::numeric_limits<std::uint64_t>::max() - added - 11)
        return std::nullopt;
    return seed;
}

// The records that a save adds, counted as the handle seed reserves room for them: every new
// layer and every redline record, deleted ones included.
std::uint64_t AddedRecordCount(const DrawingDatabase& db) {
    std::uint64_t count = 0;
    for (std::int32_t i = 1; i <= db.Layers->Count(); ++i) count += db.Layers->Item(i)->NewLayer() != 0;
    for (const LineRecord& r : db.Lines) count += r.IsRedline != 0;
    for (const TextRecord& r : db.Texts) count += r.IsRedline != 0;
    for (const CircleRecord& r : db.Circles) count += r.IsRedline != 0;
    for (const SolidRecord& r : db.Solids) count += r.IsRedline != 0;
    return count;
}

// One pass over the source, a piece at a time, copying every line as it was read and adding the
// redline records where the walk finds their places. Additions go before the group that ends
// their table or section, so the line before the current one is held back.
class RedlineCopy {
public:
    RedlineCopy(const DrawingDatabase& db, FileLines& source, DxfGroupWriter& out)
        : db_(db), source_(source), out_(out) {}

    void Run() {
        std::string_view line;
        while (source_.Next(line)) {
            const SectionMark mark = walk_.Next(line);
            // The seed held from the line before moves once this line shows its pair in step.
            if (seedHeld_ && SeedFollows(line)) MoveHandleSeed();
            // The line held may be a value of another group: additions go after it.
            if (walk_.OutOfStep()) Release();
            if (mark == SectionMark::SectionName && walk_.Section() == "ENTITIES") entitiesFound_ = true;
            if (mark == SectionMark::TableEnd && walk_.Section() == "TABLES" && walk_.Table() == "LAYER" &&
                !layersWritten_) {
                WriteNewLayers();
                layersWritten_ = true;
            }
            if ((mark == SectionMark::SectionEnd || mark == SectionMark::FileEnd) && !redlinesWritten_) {
                if (walk_.Section() == "ENTITIES") {
                    WriteRedlineEntities();
                    redlinesWritten_ = true;
                } else if (mark == SectionMark::FileEnd && !entitiesFound_ && HasRedlineEntities()) {
                    // A drawing without entities gets a section for its redlines.
                    out_.Group(0, "SECTION");
                    out_.Group(2, "ENTITIES");
                    WriteRedlineEntities();
                    out_.Group(0, "ENDSEC");
                    redlinesWritten_ = true;
                }
            }
            Hold(line);
            seedHeld_ = mark == SectionMark::HeaderValue && walk_.Variable() == "$HANDSEED";
        }
        if (seedHeld_) MoveHandleSeed();
        Release();
        if (redlinesWritten_ || !HasRedlineEntities()) return;
        // An ENTITIES section that runs to the end of the file (the file changed since it was
        // loaded) has no place for the redlines, nor has a file with neither entities nor an end:
        // the copy would lose them.
        if (entitiesFound_) throw vb::RuntimeError(kErrInputPastEnd, "Input past end of file");
        RaiseTiraqError("The drawing has no ENTITIES section and no end (EOF) before which one could be written for "
                        "its redline entities.");
    }

private:
    // The source keeps the line before the current one readable, so it is held without a copy.
    void Hold(std::string_view line) {
        Release();
        held_ = line;
        holding_ = true;
    }
    void Release() {
        if (holding_) out_.Line(held_);
        holding_ = false;
    }

    // The seed is the next free handle: it moves past the room that the added records take. A
    // value that gives no seed is copied as it stands, and the additions get no handles. The seed
    // moves only where the line after it is what follows every seed, the code line of the next
    // variable or of the section's end (or an empty line): where a code line was lost or doubled
    // before it, its value would be another line, such as the next variable's code 9, a seed far
    // below the drawing's handles.
    void MoveHandleSeed() {
        const std::uint64_t added = AddedRecordCount(db_);
        const std::optional<std::uint64_t> seed = HandleSeed(held_, added);
        if (!seed) return;
        handle_ = *seed + 10;
        movedSeed_ = Hex(handle_ + added + 1);
        held_ = movedSeed_;
        handles_ = true;
    }
    bool SeedFollows(std::string_view line) const {
        return walk_.IsCodeLine(9) || walk_.IsCodeLine(0) || TrimGroupValue(line).empty();
    }

    void WriteNewLayers() {
        const DXFLayers& layers = *db_.Layers;
        for (std::int32_t i = 1; i <= layers.Count(); ++i) {
            const DXFLayer& layer = *layers.Item(i);
            if (layer.NewLayer() == 0) continue;
            out_.Group(0, "LAYER");
            if (handles_) {
                Handle();
                out_.Group(100, "AcDbSymbolTableRecord");
                out_.Group(100, "AcDbLayerTableRecord");
            }
            out_.Group(2, layer.LayerName());
            out_.Group(999, kRedlineLayerDescription);
            out_.Group(70, "64");
            const std::int32_t index = RGBToACI(layer.LayerColor());
            out_.Integer(62, layer.LayerOn() == 0 ? -index : index);
            out_.Group(6, "CONTINUOUS");
        }
    }

    void WriteRedlineEntities() {
        for (std::int32_t i = 1; i <= db_.SeqCount(); ++i) {
            VisitDrawn(db_, db_.SeqArray[i], [&](const auto& record) {
                if constexpr (requires { WriteRedline(record); })
                    if (Saved(record)) WriteRedline(record);
            });
        }
    }

    template <typename Record>
    static bool Saved(const Record& record) {
        return record.IsRedline != 0 && record.IsDeleted == 0;
    }

    bool HasRedlineEntities() const {
        const auto any = [](const auto& records) {
            return std::any_of(records.begin(), records.end(), [](const auto& r) { return Saved(r); });
        };
        return any(db_.Lines) || any(db_.Texts) || any(db_.Circles) || any(db_.Solids);
    }

    // A redline line keeps the caller's first point as its second end point.
    void WriteRedline(const LineRecord& line) {
        Begin("LINE", "AcDbLine");
        Layer(line.LayerIndex);
        Point(10, line.X2, line.Y2);
        Point(11, line.X1, line.Y1);
    }

    // The text goes out as its whole fixed-length field, blanks and all.
    void WriteRedline(const TextRecord& text) {
        Begin("TEXT");
        Layer(text.LayerIndex);
        Point(10, text.X1, text.Y1);
        out_.Real(40, text.Height);
        std::string field = text.Txt;
        if (field.size() < kTextFieldWidth) field.resize(kTextFieldWidth, ' ');
        out_.Group(1, field);
        out_.Real(50, text.Rotation);
    }

    void WriteRedline(const CircleRecord& circle) {
        Begin("CIRCLE");
        Layer(circle.LayerIndex);
        Point(10, circle.X1, circle.Y1);
        out_.Real(40, circle.Radius);
    }

    void WriteRedline(const SolidRecord& solid) {
        Begin("SOLID", "AcDbTrace");
        Layer(solid.LayerIndex);
        Point(10, solid.X1, solid.Y1);
        Point(11, solid.X2, solid.Y2);
        Point(12, solid.X4, solid.Y4);
        Point(13, solid.X3, solid.Y3);
    }

    // The type, and with handles the record's handle and, for entities that take them, the
    // subclass markers.
    void Begin(std::string_view type, std::string_view subclass = {}) {
        out_.Group(0, type);
        if (!handles_) return;
        Handle();
        if (subclass.empty()) return;
        out_.Group(100, "AcDbEntity");
        out_.Group(100, subclass);
    }
    void Handle() { out_.Group(5, Hex(++handle_)); }
    void Layer(std::int32_t index) { out_.Group(8, db_.Layers->Item(index)->LayerName()); }
    void Point(int xCode, float x, float y) {
        out_.Real(xCode, x);
        out_.Real(xCode + 10, y);
        out_.Group(xCode + 20, "0");
    }

    const DrawingDatabase& db_;
    FileLines& source_;
    DxfSectionWalk walk_;
    DxfGroupWriter& out_;
    std::string_view held_;
    std::string movedSeed_;
    bool seedHeld_ = false;  // the line held is the value of $HANDSEED
    bool holding_ = false;
    bool entitiesFound_ = false;
    bool handles_ = false;
    std::uint64_t handle_ = 0;
    bool layersWritten_ = false;
    bool redlinesWritten_ = false;
};

}  // namespace

void SaveWithRedlines(const DrawingDatabase& db, const std::string& SourceFileName, const std::string& NewFileName) {
    if (IsSameFile(SourceFileName, NewFileName))
        RaiseTiraqError("The drawing cannot be saved over the file it was loaded from.");
    FileLines source(SourceFileName);
    vb::ReplacingFile file(NewFileName);
    DxfGroupWriter out(file);
    RedlineCopy(db, source, out).Run();
    out.Flush();
    file.Commit();
}

}  // namespace tiraq
