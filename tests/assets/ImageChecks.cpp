// SPDX-License-Identifier: MIT
// Pixel measurements shared by the picture and icon tests.
#include "ImageChecks.h"

#include <QHash>
#include <algorithm>
#include <cstdlib>

namespace assettest {
namespace {

int spread(QRgb pixel) {
    const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return high - low;
}

QRect areaOrWhole(const QImage& image, const QRect& area) {
    return area.isNull() ? image.rect() : area.intersected(image.rect());
}

} // namespace

bool isBlack(QRgb pixel) {
    return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) <= 16;
}

bool isLightGrey(QRgb pixel) {
    return spread(pixel) <= 8 && qGreen(pixel) >= 176 && qGreen(pixel) <= 208;
}

bool isSaturated(QRgb pixel) {
    return spread(pixel) > 40;
}

int colourDistance(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

QRect boundsOf(const QImage& image, const PixelTest& test, const QRect& area) {
    QRect bounds;
    const QRect r = areaOrWhole(image, area);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int countPixels(const QImage& image, const PixelTest& test, const QRect& area) {
    int count = 0;
    const QRect r = areaOrWhole(image, area);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Edges blend into many one-off shades; the flat colour of a stroke is the most common.
QRgb dominantSaturatedColour(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb p = image.pixel(x, y) & RGB_MASK; isSaturated(p)) ++counts[p];
    QRgb best = 0;
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    return best;
}

std::vector<QPointF> pieces(const QImage& image, const PixelTest& test) {
    const int w = image.width();
    std::vector<bool> seen(std::size_t(w) * image.height(), false);
    std::vector<QPointF> centroids;
    for (int start = 0; start < int(seen.size()); ++start) {
        if (seen[start] || !test(image.pixel(start % w, start / w))) continue;
        std::vector<int> stack{start};
        seen[start] = true;
        QPointF sum;
        int count = 0;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const QPoint p(i % w, i / w);
            sum += p;
            ++count;
            for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                const int j = n.y() * w + n.x();
                if (image.rect().contains(n) && !seen[j] && test(image.pixel(n))) {
                    seen[j] = true;
                    stack.push_back(j);
                }
            }
        }
        centroids.push_back(sum / count);
    }
    return centroids;
}

} // namespace assettest
