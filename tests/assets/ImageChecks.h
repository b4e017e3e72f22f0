// SPDX-License-Identifier: MIT
// Pixel measurements shared by the picture and icon tests: what counts as black,
// light grey or a saturated colour, bounding boxes, dominant colours and separate
// pieces of a picture.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <functional>
#include <vector>

namespace assettest {

using PixelTest = std::function<bool(QRgb)>;

// Antialiased edges fade into black, so "black" allows the faintest fringe.
bool isBlack(QRgb pixel);
bool isLightGrey(QRgb pixel);
bool isSaturated(QRgb pixel);
int colourDistance(QRgb a, QRgb b); // largest difference of one channel

QRect boundsOf(const QImage& image, const PixelTest& test, const QRect& area = {});
int countPixels(const QImage& image, const PixelTest& test, const QRect& area = {});
QRgb dominantSaturatedColour(const QImage& image);

// Centroids of the 4-connected groups of pixels that pass the test.
std::vector<QPointF> pieces(const QImage& image, const PixelTest& test);

} // namespace assettest
