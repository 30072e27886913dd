#pragma once

namespace quellmar::shell {

// Puts the program's real services behind the seams that tests fill otherwise: the rating engine
// over the cooler database and the windows of the program's other parts.
void RegisterProgramServices();

// Puts the quotation preview window behind the documents' Print Preview and Print.
void RegisterPreviewWindow();

}  // namespace quellmar::shell
