#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The unit model shared by the three rating classes: values are stored in kW, degrees C, l/min and
// cSt on the way in and converted on the way out by getters named per unit.
namespace quellmar::engine::units {

enum class Heat : std::int32_t { Kw = 0, KjH = 1, KcalH = 2, BtuMin = 3, HP = 4, BtuH = 5 };
enum class Flow : std::int32_t { Litres = 0, ImpGal = 1, USGal = 2, CuIns = 3 };

// A value in the unit of `code` to kW or l/min; nothing for a code outside the table.
std::optional<double> HeatToKw(std::int32_t code, double value);
std::optional<double> FlowToLitres(std::int32_t code, double value);
double KwTo(Heat unit, double kw);
double LitresTo(Flow unit, double litresPerMinute);

// Temperature code 0 is degrees C; every other code is degrees F.
double TempToCelsius(std::int32_t code, double value);
double CelsiusToFahrenheit(double celsius);

// "ISO7" ... "ISO1500" for grades 0 to 14, "" for any other.
std::string ViscosityName(std::int32_t grade);
double ConvertCstToSUS(double valueInCst);

// The motor-type text the air-cooled search compares with, for selection index 0 to 4.
std::optional<std::string> MotorTypeText(std::int32_t index);

}  // namespace quellmar::engine::units
