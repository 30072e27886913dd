#pragma once

#include "reader/block_names.h"
#include "reader/block_spool.h"
#include "reader/dxf_reader.h"
#include "reader/dxf_walk.h"
#include "reader/group_values.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tiraq {

// Where and how an insert places a block's entries.
struct Placement {
    float X = 0, Y = 0, Z = 0;
    float Rotation = 0;
    float XScale = 1, YScale = 1, ZScale = 1;
    std::int32_t Color = 0;  // the insert's colour, 0 for none
};

// One pass of the DXF reader over one file's text: the read loop, the entity, table and block
// readers and their reading state. The block spool files live as long as the pass.
class LoadPass {
public:
    LoadPass(DXFReader& reader, DrawingDatabase& db, ReaderHost& host, std::int32_t& spoolCounter,
             std::string text);

    // The read loop; a failure leaves as the failing procedure's error chain.
    bool Run(const std::string& fileName);
    // The line the loop read last, for the load's error text.
    std::string_view CurrentLine() const noexcept { return walk_.CurrentLine(); }
    // What block expansion has cost so far, in bytes, by the measure that its limit is held to.
    double ExpandedBytes() const noexcept { return expanded_; }
    // Deletes the spool files and forgets their names in the block records.
    void RemoveSpoolFiles() noexcept;

private:
    bool LoadEntity() {
        walk_.LoadEntity();
        return true;
    }
    bool MakeSureFileIsDXF();
    void ShowProgress();
    bool Dispatch(Keyword keyword);

    // Readers called by the loop, each returning true to go on.
    bool DXFMinExtents();
    bool DXFMaxExtents();
    // Reads one corner of the header's extents; once both are read, takes them or, where they are
    // no extents, those of the entities.
    bool HeaderExtent(std::string_view trace, float& x, float& y, bool& read);
    bool DXFAttDef();
    bool DXFNewLayer();
    bool DXFBlock();
    bool EndBlock();
    bool StartEntities();
    bool DXFLine();
    bool DXF3DFace();
    bool DXFCircle();
    bool DXFEllipse();
    bool DXFPoint();
    bool DXFSolid();
    bool DXFText(std::string_view kind);
    bool DXFPoly();
    bool DXFPolyFace(std::int32_t layerIndex, std::int32_t entityColor);
    bool DXFBlockInsert(std::int32_t transformIndex);
    bool DXFAttrib();
    bool DXFDimension();

    // Loads the entity and starts its record with its layer, its colour and its first point.
    template <typename Record>
    Record StartRecord();
    // Appends the record to the drawing, or, inside a block, writes the spool entry `spooled` makes.
    template <typename Record, typename Spooled>
    bool Place(Record&& r, Spooled&& spooled);

    // Block helpers.
    std::int32_t FindBlock(std::string_view name) const;
    void RecordInsertTransform(std::string_view name, std::int32_t layerIndex, const Placement& placement);
    void Replay(std::int32_t block, const Placement& placement, std::int32_t insertLayerIndex);
    void StoreReplayed(SpoolEntry& entry, const Placement& placement);
    void ReplayDimension(std::int32_t block, double offsetX, double offsetY, std::int32_t layerIndex,
                         std::int32_t entityColor);
    void CountExpanded(double bytes);
    void CloseBlock();

    // Values of the current entity.
    double Val(int code) const;
    float XAt(int code) const;
    float YAt(int code) const;
    float ZAt(int code) const;
    std::int32_t EntityColor() const;
    std::int32_t SetLayerID(std::string_view layerName);
    std::int32_t LayerLineTypeOr(std::int32_t lineType, std::int32_t layerIndex) const;
    void CheckExtents(float x1, float y1, float x2, float y2);
    // The current block's base point subtracted, for spool entries.
    float BlockX(float x) const;
    float BlockY(float y) const;

    DXFReader& reader_;
    DrawingDatabase& db_;
    ReaderHost& host_;
    ReaderProperties& properties_;
    std::int32_t& spoolCounter_;

    std::string text_;
    DxfWalk walk_;
    const GroupValues& groupValue_;
    float nextMark_ = 0.05f;

    bool inBlock_ = false;
    bool entitiesPlaced_ = false;
    bool minExtentsRead_ = false;
    bool maxExtentsRead_ = false;
    bool headerExtentsKnown_ = false;
    ViewRect entityExtents_ = kNoExtents;  // of the entities alone, for a header without extents
    std::int32_t insertLayerIndex_ = 0;
    std::int32_t firstTransform_ = 1;
    bool expansionEstimated_ = false;
    double expanded_ = 0;  // bytes

    BlockSpools spools_;
    BlockNames blockNames_;
};

}  // namespace tiraq
