#include "database_path.h"

#include "vb/program_folder.h"

namespace quellmar::maintenance {

QString CoolerDatabasePath() { return QString::fromStdString((vb::ProgramFolder() / "quellmar.mdb").string()); }

}  // namespace quellmar::maintenance
