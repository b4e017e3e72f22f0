// SPDX-License-Identifier: MIT
#include "Canvas2D.h"

#include <cmath>

namespace quadrelle::web {

using emscripten::val;

std::string cssColour(Colour c) {
    return "rgba(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) +
           "," + std::to_string(c.alpha) + ")";
}

namespace {

val contextOf(const val& canvas) {
    // The window is opaque, which lets the browser skip blending the canvas into the page.
    val options = val::object();
    options.set("alpha", false);
    return canvas.call<val>("getContext", std::string("2d"), options);
}

} // namespace

Canvas2D::Canvas2D(val element) : element_(std::move(element)), context_(contextOf(element_)) {}

void Canvas2D::setBackingSize(int width, int height) {
    if (element_["width"].as<int>() != width) element_.set("width", width);
    if (element_["height"].as<int>() != height) element_.set("height", height);
    // Resizing resets the context's state, the transform and the font among it.
    context_.call<void>("setTransform", static_cast<double>(width) / play::kClientWidth, 0, 0,
                        static_cast<double>(height) / play::kClientHeight, 0, 0);
    context_.set("imageSmoothingQuality", std::string("high"));
    font_.clear();
}

void Canvas2D::setFill(Colour colour) {
    context_.set("fillStyle", cssColour(colour));
}

void Canvas2D::setStroke(Colour colour, double lineWidth) {
    context_.set("strokeStyle", cssColour(colour));
    context_.set("lineWidth", lineWidth);
}

void Canvas2D::fillRect(double x, double y, double width, double height, Colour colour) {
    setFill(colour);
    context_.call<void>("fillRect", x, y, width, height);
}

void Canvas2D::strokeRect(double x, double y, double width, double height, Colour colour, double lineWidth) {
    setStroke(colour, lineWidth);
    context_.call<void>("strokeRect", x, y, width, height);
}

void Canvas2D::fillPolygon(const std::vector<Point>& corners, Colour colour) {
    if (corners.empty()) return;
    context_.call<void>("beginPath");
    context_.call<void>("moveTo", corners.front().x, corners.front().y);
    for (std::size_t i = 1; i < corners.size(); ++i)
        context_.call<void>("lineTo", corners[i].x, corners[i].y);
    context_.call<void>("closePath");
    setFill(colour);
    context_.call<void>("fill");
}

void Canvas2D::strokeLine(Point from, Point to, Colour colour, double lineWidth) {
    context_.call<void>("beginPath");
    context_.call<void>("moveTo", from.x, from.y);
    context_.call<void>("lineTo", to.x, to.y);
    setStroke(colour, lineWidth);
    context_.call<void>("stroke");
}

void Canvas2D::strokeCircle(Point centre, double radius, Colour colour, double lineWidth) {
    context_.call<void>("beginPath");
    context_.call<void>("arc", centre.x, centre.y, radius, 0.0, 2 * M_PI);
    setStroke(colour, lineWidth);
    context_.call<void>("stroke");
}

void Canvas2D::roundedRectPath(double x, double y, double w, double h, double r) {
    context_.call<void>("beginPath");
    context_.call<void>("moveTo", x + r, y);
    context_.call<void>("arcTo", x + w, y, x + w, y + h, r);
    context_.call<void>("arcTo", x + w, y + h, x, y + h, r);
    context_.call<void>("arcTo", x, y + h, x, y, r);
    context_.call<void>("arcTo", x, y, x + w, y, r);
    context_.call<void>("closePath");
}

void Canvas2D::fillGradientRect(double x, double y, double width, double height, Colour from, Colour to,
                                bool vertical, double cornerRadius) {
    val gradient = vertical ? context_.call<val>("createLinearGradient", x, y, x, y + height)
                            : context_.call<val>("createLinearGradient", x, y, x + width, y);
    gradient.call<void>("addColorStop", 0, cssColour(from));
    gradient.call<void>("addColorStop", 1, cssColour(to));
    context_.set("fillStyle", gradient);
    roundedRectPath(x, y, width, height, cornerRadius);
    context_.call<void>("fill");
}

void Canvas2D::drawImage(const val& image, double x, double y, double width, double height) {
    context_.call<void>("drawImage", image, x, y, width, height);
}

void Canvas2D::setFont(const std::string& font) {
    if (font == font_) return;
    font_ = font;
    context_.set("font", font);
}

double Canvas2D::textWidth(std::string_view text) {
    return context_.call<val>("measureText", std::string(text))["width"].as<double>();
}

FontMetrics Canvas2D::fontMetrics(double pixelSize) {
    const val measured = context_.call<val>("measureText", std::string("Mg"));
    const val ascent = measured["fontBoundingBoxAscent"];
    const val descent = measured["fontBoundingBoxDescent"];
    if (ascent.isNumber() && descent.isNumber()) return {ascent.as<double>(), descent.as<double>()};
    // A browser without font metrics gets the typewriter face's own proportions.
    return {std::round(pixelSize * 0.833), std::round(pixelSize * 0.300)};
}

void Canvas2D::fillText(std::string_view text, double x, double baselineY, Colour colour, TextAlign align) {
    const char* alignment = align == TextAlign::Left    ? "left"
                            : align == TextAlign::Right ? "right"
                                                        : "center";
    context_.set("textAlign", std::string(alignment));
    context_.set("textBaseline", std::string("alphabetic"));
    setFill(colour);
    context_.call<void>("fillText", std::string(text), x, baselineY);
}

void Canvas2D::save() {
    context_.call<void>("save");
}

void Canvas2D::restore() {
    context_.call<void>("restore");
    // The font set since save() is gone with the rest of the state.
    font_.clear();
}

void Canvas2D::clipTo(double x, double y, double width, double height) {
    context_.call<void>("beginPath");
    context_.call<void>("rect", x, y, width, height);
    context_.call<void>("clip");
}

} // namespace quadrelle::web
