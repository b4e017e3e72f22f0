// SPDX-License-Identifier: MIT
// Simulated colour vision deficiencies and the white symbol masks that must survive
// them. The simulation applies the dichromat matrices of Machado, Oliveira and
// Fernandes (2009) at severity 1.0 in linear RGB.
#pragma once

#include <QImage>
#include <vector>

namespace assettest {

enum class Deficiency { Protanopia, Deuteranopia, Tritanopia };

QRgb simulate(QRgb pixel, Deficiency deficiency);
QImage simulate(const QImage& image, Deficiency deficiency);

// One flag per pixel, row by row.
using Mask = std::vector<bool>;

// The nearly white pixels: the symbols' fill. No square colour, shade or arrow grey
// comes near white, with or without a simulated deficiency.
Mask whiteMask(const QImage& image);
int countSet(const Mask& mask);
double intersectionOverUnion(const Mask& a, const Mask& b);

} // namespace assettest
