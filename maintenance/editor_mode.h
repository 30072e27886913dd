#pragma once

namespace quellmar::maintenance {

// How an editor opens a model: to look at it (nothing can be changed), to change it, or to
// complete a model just added (the list is refilled afterwards).
enum class EditorMode { View = 1, Edit = 2, Add = 3 };

}  // namespace quellmar::maintenance
