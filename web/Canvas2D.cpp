// SPDX-License-Identifier: MIT
#include "Canvas2D.h"

#include <emscripten/emscripten.h>

#include <cmath>

// The calls made for every frame go to the context straight from JavaScript functions of their
// own, with plain numbers and texts: through embind's val each would look its method up by name
// and convert every argument, which took most of a frame's time.
using emscripten::EM_VAL;

// clang-format off
EM_JS(void, quadrelle_canvas_fill_style, (EM_VAL context, int red, int green, int blue, double alpha), {
    Emval.toValue(context).fillStyle = "rgba(" + red + "," + green + "," + blue + "," + alpha + ")";
});

EM_JS(void, quadrelle_canvas_fill_rect, (EM_VAL context, double x, double y, double width, double height), {
    Emval.toValue(context).fillRect(x, y, width, height);
});

EM_JS(void, quadrelle_canvas_draw_image_part,
      (EM_VAL context, EM_VAL image, double partX, double partY, double partWidth, double partHeight,
       double x, double y, double width, double height), {
    Emval.toValue(context).drawImage(Emval.toValue(image), partX, partY, partWidth, partHeight, x, y, width, height);
});

EM_JS(void, quadrelle_canvas_set_font, (EM_VAL context, const char* font), {
    Emval.toValue(context).font = UTF8ToString(font);
});

EM_JS(double, quadrelle_canvas_text_width, (EM_VAL context, const char* text, int length), {
    return Emval.toValue(context).measureText(UTF8ToString(text, length)).width;
});

EM_JS(void, quadrelle_canvas_fill_text,
      (EM_VAL context, const char* text, int length, double x, double y, const char* align), {
    const c = Emval.toValue(context);
    c.textAlign = UTF8ToString(align);
    c.textBaseline = "alphabetic";
    c.fillText(UTF8ToString(text, length), x, y);
});

// The font's ascent, and its descent into *descent; -1 where the browser measures neither.
EM_JS(double, quadrelle_canvas_font_metrics, (EM_VAL context, double* descent), {
    const measured = Emval.toValue(context).measureText("Mg");
    const ascent = measured.fontBoundingBoxAscent;
    if (typeof ascent !== "number" || typeof measured.fontBoundingBoxDescent !== "number") return -1;
    HEAPF64[descent >> 3] = measured.fontBoundingBoxDescent;
    return ascent;
});

EM_JS(void, quadrelle_canvas_clip, (EM_VAL context, double x, double y, double width, double height), {
    const c = Emval.toValue(context);
    c.beginPath();
    c.rect(x, y, width, height);
    c.clip();
});
// clang-format on

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
    savedFonts_.clear();
}

void Canvas2D::setFill(Colour colour) {
    quadrelle_canvas_fill_style(context_.as_handle(), colour.red, colour.green, colour.blue, colour.alpha);
}

void Canvas2D::setStroke(Colour colour, double lineWidth) {
    context_.set("strokeStyle", cssColour(colour));
    context_.set("lineWidth", lineWidth);
}

void Canvas2D::fillRect(double x, double y, double width, double height, Colour colour) {
    setFill(colour);
    quadrelle_canvas_fill_rect(context_.as_handle(), x, y, width, height);
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

void Canvas2D::drawImagePart(const val& image, const ImagePart& part, double x, double y, double width,
                             double height) {
    quadrelle_canvas_draw_image_part(context_.as_handle(), image.as_handle(), part.x, part.y, part.width,
                                     part.height, x, y, width, height);
}

void Canvas2D::setFont(const std::string& font) {
    if (font == font_) return;
    font_ = font;
    quadrelle_canvas_set_font(context_.as_handle(), font.c_str());
}

double Canvas2D::textWidth(std::string_view text) {
    return quadrelle_canvas_text_width(context_.as_handle(), text.data(), static_cast<int>(text.size()));
}

FontMetrics Canvas2D::fontMetrics(double pixelSize) {
    if (const auto known = fontMetrics_.find(font_); known != fontMetrics_.end()) return known->second;
    double descent = 0;
    const double ascent = quadrelle_canvas_font_metrics(context_.as_handle(), &descent);
    // A browser without font metrics gets the typewriter face's own proportions.
    const FontMetrics metrics =
        ascent >= 0 ? FontMetrics{ascent, descent}
                    : FontMetrics{std::round(pixelSize * 0.833), std::round(pixelSize * 0.300)};
    if (!font_.empty()) fontMetrics_.emplace(font_, metrics);
    return metrics;
}

void Canvas2D::forgetFontMetrics() {
    fontMetrics_.clear();
}

void Canvas2D::fillText(std::string_view text, double x, double baselineY, Colour colour, TextAlign align) {
    const char* alignment = align == TextAlign::Left    ? "left"
                            : align == TextAlign::Right ? "right"
                                                        : "center";
    setFill(colour);
    quadrelle_canvas_fill_text(context_.as_handle(), text.data(), static_cast<int>(text.size()), x, baselineY,
                               alignment);
}

void Canvas2D::save() {
    context_.call<void>("save");
    savedFonts_.push_back(font_);
}

void Canvas2D::restore() {
    context_.call<void>("restore");
    // The font set since save() is gone with the rest of the state.
    font_.clear();
    if (!savedFonts_.empty()) {
        font_ = std::move(savedFonts_.back());
        savedFonts_.pop_back();
    }
}

void Canvas2D::clipTo(double x, double y, double width, double height) {
    quadrelle_canvas_clip(context_.as_handle(), x, y, width, height);
}

} // namespace quadrelle::web
