#pragma once

namespace quellmar::engine {

// The capacity factor of every water-cooled model for its cooling-water and oil inlet temperatures
// (degrees C), from the table built into the program: bilinear inside it, the last row or column
// held above it, the first interval's slope continued below it.
double TemperatureCorrection(double waterTemp, double oilTemp);

}  // namespace quellmar::engine
