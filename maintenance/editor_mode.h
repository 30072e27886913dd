#pragma once

#include <QPointer>
#include <QtGlobal>

namespace quellmar::maintenance {

class ModelList;

// How an editor opens a model: to look at it (nothing can be changed), to change it, or to
// complete a model just added (the list is refilled afterwards).
enum class EditorMode { View = 1, Edit = 2, Add = 3 };

// What a window over one model is opened with: the model's key, the mode, and the list to show
// again when the window closes (none once it has been handed on).
struct ModelRequest {
    qint64 id = 0;
    EditorMode mode = EditorMode::View;
    QPointer<ModelList> list;
};

}  // namespace quellmar::maintenance
