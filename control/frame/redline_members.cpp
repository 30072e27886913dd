// Redlining: adding mark-up, picking it with the mouse, its grips, deleting and undeleting.

#include "frame/dxf_control.h"

#include "frame/user_control.h"
#include "gui/picture_box.h"
#include "output/redline_deletion.h"
#include "output/redline_entities.h"
#include "output/redline_selection.h"
#include "vb/convert.h"
#include "vb/cp1252.h"

namespace tiraq {

std::int32_t DXFControl::DXFAddLine(float X1, float Y1, float X2, float Y2, const std::string& LayerName,
                                    std::optional<std::int32_t> RedlineRectangleID) {
    return Chained("DXFAddLine",
                   [&] { return AddRedlineLine(db_, X1, Y1, X2, Y2, LayerName, RedlineRectangleID.value_or(0)); });
}

std::int32_t DXFControl::DXFAddSolid(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                                     const std::string& LayerName) {
    return Chained("DXFAddSolid", [&] { return AddRedlineSolid(db_, X1, Y1, X2, Y2, X3, Y3, X4, Y4, LayerName); });
}

std::int32_t DXFControl::DXFAddCircle(float CenterX, float CenterY, float RadiusX, float RadiusY,
                                      const std::string& LayerName) {
    return Chained("DXFAddCircle", [&] { return AddRedlineCircle(db_, CenterX, CenterY, RadiusX, RadiusY, LayerName); });
}

std::int32_t DXFControl::DXFAddText(float X1, float Y1, const std::string& Text, const std::string& LayerName,
                                    CoordSystem CoordinateSystem, std::optional<vb::Variant> TextHeight,
                                    std::optional<vb::Variant> HorzAlignment, std::optional<vb::Variant> Rotation) {
    return Chained("DXFAddText", [&] {
        float x = X1, y = Y1;
        // Pixels of the drawing surface, in the scale and origin of the last drawing pass.
        if (CoordinateSystem == dxfPixel) {
            x = state_.IntToRealX(X1);
            y = state_.IntToRealY(Y1);
        }
        const float height = TextHeight ? vb::CSng(TextHeight->ToDouble()) : reader_.Properties.RedlineTextHeight;
        const std::int32_t alignment = HorzAlignment ? HorzAlignment->ToLong() : dxfLeft;
        const float rotation = Rotation ? vb::CSng(Rotation->ToDouble()) : 0.0f;
        // The host's text is UTF-8; the drawing keeps its texts in its own code page.
        return AddRedlineText(db_, x, y, vb::Utf8ToCp1252(Text), LayerName, height, alignment, rotation);
    });
}

// --- selection and grips ---

void DXFControl::RedlineSelect(float X, float Y) {
    HideGrips();
    const ColourSettings colours{routine_.Settings.DisplayAllBlack, routine_.Settings.PrintAllBlack,
                                 picTiraq_->BackColor()};
    const std::optional<RedlineSelection> hit = FindRedlineEntity(db_, state_, colours, *picTiraq_, X, Y);
    if (!hit) return;
    redlineEntitySelected_ = vb::Variant(hit->Index);
    redlineEntityType_ = hit->Type;
    drag_.SelectedRectangleID = hit->RectangleID;
    drag_.SelectionBox = hit->Box;
    // Grips that cannot be placed leave the entity selected all the same.
    std::string strError;
    HandleMove(strError, hit->Box);
}

bool DXFControl::HandleHide(std::string& strError) {
    return Reported(strError, "An error occured in HandleHide. The message is: ", [&] { HideGrips(); });
}

bool DXFControl::HandleMove(std::string& strError, const std::array<std::int32_t, 4>& Box) {
    return Reported(strError, "An error occured in HandleMove. The message is: ", [&] {
        const std::int32_t corners[4][2] = {{Box[0], Box[1]}, {Box[2], Box[1]}, {Box[0], Box[3]}, {Box[2], Box[3]}};
        for (std::size_t i = 0; i < 4; ++i) {
            gui::PictureBox& grip = Grip(i);
            const std::int16_t half = vb::CInt(grip.width() / 2.0);
            grip.move(corners[i][0] - half, corners[i][1] - half);
            grip.show();
            grip.raise();
        }
    });
}

// --- deletion ---

bool DXFControl::HideAndRefresh(std::string& strError) { return HandleHide(strError) && Refresh(strError); }

bool DXFControl::RedlineDeleteEntity(std::string& strError) {
    try {
        DeleteRedlineEntity(db_, redlineEntityType_, redlineEntitySelected_.ToLong());
    } catch (...) {
        strError = "An error occured in RedlineDeleteEntity. The message is: " + CurrentErrorDescription() + ".";
        return false;
    }
    return HideAndRefresh(strError);
}

bool DXFControl::RedlineUnDeleteEntity(std::string& strError) {
    try {
        UnDeleteRedlineEntities(db_);
    } catch (...) {
        strError = "An error occured in RedlineUnDeleteEntity. The message is: " + CurrentErrorDescription() + ".";
        return false;
    }
    return HideAndRefresh(strError);
}

bool DXFControl::RedlineTagForDelete(std::string& strError, std::int32_t& EntityID) {
    return Reported(strError, "An error occurred in RedlineTagForDelete. The message is ",
                    [&] { TagForDelete(db_, EntityID); });
}

bool DXFControl::SetInsertColor(std::string& strError, std::int32_t InsertIndex, std::int32_t BlockColor) {
    return Reported(strError, "DXF.SetInsertColor: ", [&] { tiraq::SetInsertColor(db_, InsertIndex, BlockColor); });
}

}  // namespace tiraq
