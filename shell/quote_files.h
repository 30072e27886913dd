#pragma once

#include "quotation_file.h"

#include <QString>

// Quotation files of the main window: a document's record built from its controls by name, the
// file written whole or not at all, and a file opened as a new document.
namespace quellmar::shell {

class SelectionDocument;

// The record layout of a document by its form name; null for a window that is no selection
// document.
const quotation::RecordLayout* LayoutOfForm(const QString& formName);

// The record of the document: its input controls in the layout's order and its customer members.
quotation::QuoteRecord BuildQuoteRecord(const SelectionDocument& frm, const quotation::RecordLayout& layout);

// Writes the document's record into the file through a temporary file and a rename, so that a
// failed save leaves the old file as it was; where no temporary file can be made beside it, the
// file is written in place. Texts with characters the file cannot hold are saved only when the
// user agrees: false when the user stopped the save. Throws with a message for the user naming
// the cause when the file cannot be written.
bool WriteQuoteFile(const SelectionDocument& frm, const QString& path);

// Opens the file as a new document: restored while hidden, marked clean, searched, then shown.
// Anything but a regular file is refused before it is opened (a pipe or a device could keep the
// program waiting). A file that cannot be read or holds no record of this program is reported and
// opens nothing; a first field that names no record type opens nothing and says nothing.
void OpenQuoteFile(const QString& path);

}  // namespace quellmar::shell
