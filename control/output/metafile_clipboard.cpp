#include "output/metafile_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tiraq {

void PutMetafileOnClipboard(const std::string& metafile, const QImage& picture) {
    auto* data = new QMimeData;
    data->setData(kEnhancedMetafileMimeType, QByteArray(metafile.data(), qsizetype(metafile.size())));
    data->setImageData(picture);
    // The clipboard owns the data from here on.
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace tiraq
