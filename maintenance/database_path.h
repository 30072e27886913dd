#pragma once

#include <QString>

namespace quellmar::maintenance {

// The cooler database "quellmar.mdb" in the program folder.
QString CoolerDatabasePath();

}  // namespace quellmar::maintenance
