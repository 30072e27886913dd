#pragma once

namespace quellmar::shell {

// Puts the program's real services behind the seams that tests fill otherwise: the rating engine
// over the cooler database and the windows of the program's other parts.
void RegisterProgramServices();

}  // namespace quellmar::shell
