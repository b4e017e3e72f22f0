// SPDX-License-Identifier: MIT
#include "PageFit.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quadrelle::web {

using emscripten::val;

Fit fitIn(double viewportWidth, double viewportHeight, double devicePixelRatio) {
    const double scale =
        std::max(0.25, std::min(viewportWidth / play::kClientWidth, viewportHeight / play::kClientHeight));
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    // The backing store in whole device pixels, and the CSS size that covers exactly those.
    const int backingWidth = std::max(1, static_cast<int>(std::floor(play::kClientWidth * scale * ratio)));
    const int backingHeight = std::max(1, static_cast<int>(std::floor(play::kClientHeight * scale * ratio)));
    return {backingWidth / ratio, backingHeight / ratio, backingWidth, backingHeight,
            static_cast<double>(backingWidth) / play::kClientWidth};
}

Fit fitToViewport(Canvas2D& canvas) {
    const val window = val::global("window");
    const Fit fit = fitIn(window["innerWidth"].as<double>(), window["innerHeight"].as<double>(),
                          window["devicePixelRatio"].as<double>());
    val style = canvas.element()["style"];
    style.set("width", std::to_string(fit.cssWidth) + "px");
    style.set("height", std::to_string(fit.cssHeight) + "px");
    canvas.setBackingSize(fit.backingWidth, fit.backingHeight);
    return fit;
}

Point designedPointOf(const Canvas2D& canvas, double clientX, double clientY) {
    const val box = canvas.element().call<val>("getBoundingClientRect");
    const double width = box["width"].as<double>();
    const double height = box["height"].as<double>();
    if (width <= 0 || height <= 0) return {-1, -1};
    return {(clientX - box["left"].as<double>()) * play::kClientWidth / width,
            (clientY - box["top"].as<double>()) * play::kClientHeight / height};
}

} // namespace quadrelle::web
