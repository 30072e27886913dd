#pragma once

#include <QImage>

#include <string>

namespace tiraq {

// The clipboard format under which the control hands over an enhanced metafile.
inline constexpr const char* kEnhancedMetafileMimeType = "image/x-emf";

// Replaces what the clipboard holds by the metafile, with the picture as an image beside it for
// programs that take no metafiles.
void PutMetafileOnClipboard(const std::string& metafile, const QImage& picture);

}  // namespace tiraq
