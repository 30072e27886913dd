#include "database_path.h"

#include "engine/data_access.h"

namespace quellmar::maintenance {

QString CoolerDatabasePath() { return QString::fromStdString(engine::DataAccess::DefaultDatabase().string()); }

}  // namespace quellmar::maintenance
