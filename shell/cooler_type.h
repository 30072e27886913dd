#pragma once

namespace quellmar::shell {

// The kinds of selection document, by the codes of the type chooser's buttons.
enum class CoolerType { Air = 0, Water = 1, Mobile = 2 };

}  // namespace quellmar::shell
