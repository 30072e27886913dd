#pragma once

#include "reader/error_chain.h"
#include "reader/flag_bits.h"
#include "reader/group_values.h"
#include "reader/reader_host.h"

#include "vb/convert.h"
#include "vb/text_lines.h"
#include "vb/val.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tiraq {

// What a line of a drawing starts in the load driver.
enum class Keyword : std::uint8_t {
    None,  // a line that no reader takes
    ExtMin,
    ExtMax,
    AttDef,
    Layer,
    Block,
    EndBlock,
    Line,
    Circle,  // CIRCLE or ARC
    Ellipse,
    Point,
    Polyline,
    Text,
    MText,
    Solid,
    Face3D,
    Insert,
    Dimension,
    Attrib,
    Entities,
};

// Reads a drawing's text as the load driver does, for the load itself and for whatever must see
// the drawing as the load will. Every line is compared whole with the driver's keywords; a reader
// that a keyword starts takes its entity's group pairs up to the next group code 0 or 9, so that
// the next line is again a keyword, and lines that no reader takes pass one by one, keyword
// lines among them starting their readers there.
class DxfWalk {
public:
    // `calcExtents`: the control computes the extents from the entities, so the header's extents
    // are not read and their group lines pass through the driver. `host` is told of errors.
    DxfWalk(std::string_view text, bool calcExtents, ReaderHost& host)
        : text_(text), lines_(text), calcExtents_(calcExtents), host_(host) {}

    // Reads the next line and says what it starts: nothing for the first LAYER line (the layer
    // table's name) and for the header's extents while the control computes them. False at the
    // end of the text.
    bool Next(Keyword& keyword);

    // Whether the text is a DXF file: a scan of its own from the start, beginning with the current
    // line, until a line trimmed is "SECTION". The current line is left at that line, or at the
    // text's last line.
    bool FindSectionLine();

    std::string_view CurrentLine() const noexcept { return currentLine_; }
    // Reads the next line as the current one; the end of the text is "Input past end of file".
    void ReadNextLine();
    // Keeps the current line to be read again as the next one.
    void HoldLine() noexcept { lineHeld_ = true; }

    // Reads the group pairs of the entity whose name is the current line, up to the next code 0 or
    // 9, whose following line is left to be read next; a value given twice keeps the last.
    void LoadEntity();
    // Reads the entity's group pairs as LoadEntity does, handing each code above 0 and its value to
    // `take` instead of keeping them.
    template <typename Take>
    void ReadEntity(Take&& take);
    void SkipEntity() {
        ReadEntity([](int, std::string_view) {});
    }
    const GroupValues& Groups() const noexcept { return groups_; }
    double Val(int code) const { return vb::Val(groups_[code]); }

    // How far the walk has come, in bytes of the text.
    std::size_t Position() const noexcept { return lines_.Position(); }
    std::size_t Size() const noexcept { return text_.size(); }

    // Whether a POLYLINE of these flags is a polyface mesh, whose vertices MeshVertices reads: only
    // flags of exactly 64 make one; a mesh with any other flag set is read as a plain polyline.
    static constexpr bool IsPolyfaceMesh(std::int32_t flags) noexcept { return flags == 64; }

    // The vertices of a POLYLINE with flags `flags` that is no polyface mesh, after its own groups:
    // `vertex(segmentEnds)` for every VERTEX once its groups are loaded, where `segmentEnds` says
    // that a segment runs to it from the vertex before; then `closing()` for a closed polyline.
    template <typename Vertex, typename Closing>
    void PolylineVertices(std::int32_t flags, Vertex&& vertex, Closing&& closing) {
        ReadNextLine();
        if (currentLine_ != "VERTEX") RaiseTiraqError("Polyline read error");
        LoadEntity();
        vertex(false);
        while (NextVertex()) {
            // A spline's frame control point ends no segment.
            vertex(!IsBitSet(vb::CLng(Val(70)), 4));
        }
        if (IsBitSet(flags, 0)) closing();
    }

    // The vertices of a polyface mesh, after its own groups: `point()` for a vertex that gives a
    // point of the mesh, once its groups are loaded, and `edge(start, end)` for every visible edge
    // of a face, between points of this mesh numbered from 1.
    template <typename Point, typename Edge>
    void MeshVertices(Point&& point, Edge&& edge) {
        std::int64_t points = 0;
        while (NextVertex()) {
            if (IsBitSet(vb::CLng(Val(70)), 6)) {
                point();
                ++points;
                continue;
            }
            const std::int64_t corners[4] = {vb::CLng(Val(71)), vb::CLng(Val(72)), vb::CLng(Val(73)),
                                             vb::CLng(Val(74))};
            std::int64_t used[4];
            int usedCount = 0;
            for (const std::int64_t corner : corners)
                if (corner != 0) used[usedCount++] = corner;
            for (int k = 0; k < usedCount; ++k) {
                const std::int64_t start = used[k];
                const std::int64_t end = std::llabs(k + 1 < usedCount ? used[k + 1] : corners[0]);
                // A negative number hides the edge; numbers beyond this mesh's points name none.
                if (start <= 0 || start > points || end < 1 || end > points) continue;
                edge(start, end);
            }
        }
    }

private:
    bool NextLine();
    // An entity that cannot be read is the control's error, its description followed by
    // ". Error in LoadEntity.".
    [[noreturn]] void RaiseLoadEntityError(const std::string& description);
    // Reads the next VERTEX of a polyline and loads its groups; false at its SEQEND, or at another
    // entity where SEQEND should be, which ends the polyline and is left to be read next as usual.
    bool NextVertex();

    std::string_view text_;
    vb::LineScanner lines_;
    std::string_view currentLine_;
    bool lineHeld_ = false;
    bool layerTableNamePending_ = true;
    bool calcExtents_;
    GroupValues groups_;
    ReaderHost& host_;
};

template <typename Take>
void DxfWalk::ReadEntity(Take&& take) {
    bool complete = false;
    try {
        complete = ReadGroups(lines_, [&](int code, std::string_view value) {
            if (code > 0) take(code, value);
        });
    } catch (...) {
        RaiseLoadEntityError(CurrentErrorDescription());
    }
    if (!complete) RaiseLoadEntityError("Input past end of file");
}

}  // namespace tiraq
