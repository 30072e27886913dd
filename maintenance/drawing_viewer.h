#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quellmar::maintenance {

// Shows a stored drawing in a new drawing window with the caption given; a model without a
// drawing (Null or an empty text) gets the message "No DXF file available" instead.
void ShowStoredDrawing(const std::optional<QByteArray>& text, const QString& caption);

}  // namespace quellmar::maintenance
