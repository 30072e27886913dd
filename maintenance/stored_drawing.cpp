#include "stored_drawing.h"

#include "connection.h"
#include "database_error.h"
#include "drawing_import.h"

#include <QSqlRecord>

namespace quellmar::maintenance {

std::optional<StoredDrawing> ReadStoredDrawing(const QString& databasePath, qint64 coolerId) {
    Connection db(databasePath);
    // As bytes: the drawing is the file's bytes, whatever code page its texts are in.
    const auto rows = db.Select("select name, cast(dxf as blob) as dxf from coolers where coolerid = ?", {coolerId});
    if (rows.empty()) return std::nullopt;
    StoredDrawing drawing{rows.front().value("name").toString(), std::nullopt};
    const QVariant text = rows.front().value("dxf");
    if (!text.isNull()) drawing.text = text.toByteArray();
    return drawing;
}

void LoadDxfFile(qint64 coolerId, const QString& databasePath, const QString& dxfFileName) {
    const std::string fileText = DrawingFileText(dxfFileName);
    const QByteArray text = QByteArray::fromRawData(fileText.data(), qsizetype(fileText.size()));
    Connection db(databasePath);
    // One statement: the old drawing stays until the new one is stored whole. Stored as text with the bytes unchanged.
    if (db.Execute("update coolers set dxf = cast(? as text) where coolerid = ?", {text, coolerId}) == 0)
        throw DatabaseError(QString("The model with the key %1 no longer exists; its drawing was not stored.")
                                .arg(coolerId)
                                .toStdString());
}

void DeleteStoredDrawing(const QString& databasePath, qint64 coolerId) {
    Connection db(databasePath);
    db.Execute("update coolers set dxf = Null where coolerid = ?", {coolerId});
}

}  // namespace quellmar::maintenance
