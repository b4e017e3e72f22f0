// SPDX-License-Identifier: MIT
// Simulated colour vision deficiencies and symbol masks.
#include "ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace assettest {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

const Matrix& matrixFor(Deficiency deficiency) {
    // clang-format off
    static const Matrix protanopia = {{{0.152286, 1.052583, -0.204868},
                                       {0.114503, 0.786281, 0.099216},
                                       {-0.003882, -0.048116, 1.051998}}};
    static const Matrix deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                         {0.280085, 0.672501, 0.047413},
                                         {-0.011820, 0.042940, 0.968881}}};
    static const Matrix tritanopia = {{{1.255528, -0.076749, -0.178779},
                                       {-0.078411, 0.930809, 0.147602},
                                       {0.004733, 0.691367, 0.303900}}};
    // clang-format on
    switch (deficiency) {
    case Deficiency::Protanopia: return protanopia;
    case Deficiency::Deuteranopia: return deuteranopia;
    default: return tritanopia;
    }
}

double toLinear(int channel) {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table[std::size_t(channel)];
}

int fromLinear(double linear) {
    const double l = std::clamp(linear, 0.0, 1.0);
    const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return int(std::lround(c * 255));
}

} // namespace

QRgb simulate(QRgb pixel, Deficiency deficiency) {
    const Matrix& m = matrixFor(deficiency);
    const double rgb[] = {toLinear(qRed(pixel)), toLinear(qGreen(pixel)), toLinear(qBlue(pixel))};
    int out[3];
    for (int row = 0; row < 3; ++row)
        out[row] = fromLinear(m[row][0] * rgb[0] + m[row][1] * rgb[1] + m[row][2] * rgb[2]);
    return qRgb(out[0], out[1], out[2]);
}

QImage simulate(const QImage& image, Deficiency deficiency) {
    QImage simulated = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < simulated.height(); ++y)
        for (int x = 0; x < simulated.width(); ++x)
            simulated.setPixel(x, y, simulate(simulated.pixel(x, y), deficiency));
    return simulated;
}

Mask whiteMask(const QImage& image) {
    Mask mask;
    mask.reserve(std::size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            mask.push_back(std::min({qRed(p), qGreen(p), qBlue(p)}) >= 224);
        }
    return mask;
}

int countSet(const Mask& mask) {
    return int(std::count(mask.begin(), mask.end(), true));
}

double intersectionOverUnion(const Mask& a, const Mask& b) {
    int both = 0, either = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        both += a[i] && b[i] ? 1 : 0;
        either += a[i] || b[i] ? 1 : 0;
    }
    return either == 0 ? 1.0 : double(both) / either;
}

} // namespace assettest
