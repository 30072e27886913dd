#pragma once

#include "output/enhanced_metafile.h"
#include "output/windows_metafile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tiraq {

// A drawing pass of the current view into a metafile device.
using MetafilePass = std::function<void(gui::MetafileDevice&)>;

// The descriptions of the control's enhanced metafiles: the application's name and the picture's
// title, each ended by a NUL, and a NUL after them; and the older form, one string with the digit
// 1 where the NULs stand, ended by the two NULs that the platform reads up to.
inline constexpr std::string_view kMetafileDescription{"Tiraq OCX\0Metafile\0\0", 21};
inline constexpr std::string_view kOldMetafileDescription{"Tiraq OCX1Metafile11\0\0", 22};

// The drawing picture as the metafile frames take it: its size in millimetres, and where it
// lies on the control and how big it is in pixels.
struct PictureGeometry {
    double WidthMm = 0, HeightMm = 0;
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

// The frame of SaveWMF: 1.3 times the picture's size.
MetafileFrame EnlargedFrame(const PictureGeometry& picture);
// The frame of SaveWMFOld: the picture's own rectangle.
MetafileFrame PictureFrame(const PictureGeometry& picture);

// Records the pass as an enhanced metafile in the file `path`, which is replaced only by the
// complete metafile. False, with nothing written, when no metafile can be made there; a write
// that fails raises the runtime's file error, and the file is then as it was.
bool WriteEnhancedMetafile(const std::string& path, const MetafileFrame& frame, const ReferenceDevice& device,
                           std::string_view description, const MetafilePass& pass);
// The same in memory, for the clipboard; nothing when no metafile can be made.
std::optional<std::string> EnhancedMetafileBytes(const MetafileFrame& frame, const ReferenceDevice& device,
                                                 std::string_view description, const MetafilePass& pass);
// Records the pass as a placeable Windows metafile in the file `path`: the header, then the
// standard metafile. Failures raise the runtime's file errors; the file is then as it was.
void WritePlaceableMetafile(const std::string& path, const PlaceableHeader& header, const MetafilePass& pass);

}  // namespace tiraq
