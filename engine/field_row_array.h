#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace quellmar::engine {

// A two-dimensional array indexed by field first and row second, as query results and the
// alternative lists are handed to callers. A default-constructed array is Empty: it stands for
// "no query was run", unlike an array of fields with no rows.
template <class T>
class FieldRowArray {
public:
    FieldRowArray() = default;
    FieldRowArray(std::size_t fields, std::size_t rows) : empty_(false), fields_(fields), rows_(rows), values_(fields * rows) {}

    bool IsEmpty() const { return empty_; }
    std::size_t Fields() const { return fields_; }
    std::size_t Rows() const { return rows_; }

    const T& At(std::size_t field, std::size_t row) const { return values_[Index(field, row)]; }
    T& At(std::size_t field, std::size_t row) { return values_[Index(field, row)]; }

    // Appends a row of default values and returns its index.
    std::size_t AddRow() {
        values_.resize(values_.size() + fields_);
        return rows_++;
    }

    bool operator==(const FieldRowArray&) const = default;

private:
    std::size_t Index(std::size_t field, std::size_t row) const {
        if (field >= fields_ || row >= rows_) throw std::out_of_range("field or row beyond the array");
        return row * fields_ + field;
    }

    bool empty_ = true;
    std::size_t fields_ = 0;
    std::size_t rows_ = 0;
    std::vector<T> values_;  // row by row, so rows can be appended
};

}  // namespace quellmar::engine
