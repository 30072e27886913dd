#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quellmar::maintenance {

// A model's stored drawing: the whole DXF file as its bytes, one character per byte, as the
// drawing window reads it back from a file. No text means the model has no drawing (Null).
struct StoredDrawing {
    QString name;
    std::optional<QByteArray> text;
};

// The model's name and drawing; nothing when there is no such model.
std::optional<StoredDrawing> ReadStoredDrawing(const QString& databasePath, qint64 coolerId);

// Stores the file as the drawing of the model, replacing the one it had (see DrawingFileText for
// what is refused and repaired). The file is read whole before anything is written, so a file that
// is refused, or a model that does not exist, leaves the stored drawing as it was. Throws
// DatabaseError.
void LoadDxfFile(qint64 coolerId, const QString& databasePath, const QString& dxfFileName);

// Removes the model's drawing (Null).
void DeleteStoredDrawing(const QString& databasePath, qint64 coolerId);

}  // namespace quellmar::maintenance
