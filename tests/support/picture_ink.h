#pragma once

// Pictures as a user looks at them: where the ink is.
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

// Whether the ink in a picture makes a rectangle's four sides: along each side of the smallest box
// around the ink, nearly every pixel is ink, or its neighbour inside the box (a line's end may
// stand a pixel past the side). A side that fell outside the picture leaves the box with a side
// that the other lines only cross.
template <typename IsInk>
::testing::AssertionResult InkOnAllFourSides(const QImage& image, IsInk isInk) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y))) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0) return ::testing::AssertionFailure() << "no ink";
    // Along the side from (x, y) in steps (dx, dy), with the neighbour inside at (ix, iy).
    const auto inked = [&](int x, int y, int dx, int dy, int ix, int iy) {
        int ink = 0, all = 0;
        for (; x <= right && y <= bottom; x += dx, y += dy, ++all)
            ink += isInk(image.pixel(x, y)) || isInk(image.pixel(x + ix, y + iy));
        return ink >= all * 9 / 10;
    };
    const bool sides[4] = {inked(left, top, 0, 1, 1, 0), inked(left, top, 1, 0, 0, 1),
                           inked(right, top, 0, 1, -1, 0), inked(left, bottom, 1, 0, 0, -1)};
    if (sides[0] && sides[1] && sides[2] && sides[3]) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ink from (" << left << ", " << top << ") to (" << right << ", " << bottom
                                         << ") in " << image.width() << " x " << image.height()
                                         << "; sides left, top, right, bottom inked: " << sides[0] << sides[1]
                                         << sides[2] << sides[3];
}
