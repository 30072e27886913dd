#pragma once

#include <QString>

#include <initializer_list>
#include <string>

// Texts of the alternative-model lists: rows of fields joined by tab characters, headings padded
// with spaces over the list's tab stops.
namespace quellmar::shell {

QString ListRow(std::initializer_list<std::string> fields);
QString Spaces(int count);
// "kW/degree C ETD", the unit of every performance column.
QString EtdUnit();

}  // namespace quellmar::shell
