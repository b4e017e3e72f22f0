// SPDX-License-Identifier: MIT
// The few calls of a <canvas> element's 2D context that the page draws with, in the designed
// window's pixels: the context's transform maps them onto the canvas's backing store.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "screen/Layout.h"

namespace quadrelle::web {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    double alpha = 1.0;

    static Colour of(play::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue, 1.0}; }
};

struct Point {
    double x;
    double y;
};

enum class TextAlign { Left, Centre, Right };

// A rectangle of an image's own pixels.
struct ImagePart {
    double x;
    double y;
    double width;
    double height;
};

struct FontMetrics {
    double ascent;
    double descent;
};

class Canvas2D {
public:
    explicit Canvas2D(emscripten::val element);

    const emscripten::val& element() const { return element_; }
    // Gives the canvas a backing store of that many pixels, and maps the designed window onto it.
    void setBackingSize(int width, int height);

    void fillRect(double x, double y, double width, double height, Colour colour);
    void strokeRect(double x, double y, double width, double height, Colour colour, double lineWidth);
    void fillPolygon(const std::vector<Point>& corners, Colour colour);
    void strokeLine(Point from, Point to, Colour colour, double lineWidth);
    void strokeCircle(Point centre, double radius, Colour colour, double lineWidth);
    // A rectangle with rounded corners, filled with a gradient from top to bottom (vertical) or
    // from left to right, and outlined.
    void fillGradientRect(double x, double y, double width, double height, Colour from, Colour to,
                          bool vertical, double cornerRadius = 0);
    // Draws the part of the image into the rectangle, scaled to fill it.
    void drawImagePart(const emscripten::val& image, const ImagePart& part, double x, double y, double width,
                       double height);

    void setFont(const std::string& font);
    double textWidth(std::string_view text);
    // The current font's, which is pixelSize pixels tall: measured once per font.
    FontMetrics fontMetrics(double pixelSize);
    // A face has arrived: fonts measured before it may have been drawn in another.
    void forgetFontMetrics();
    // Draws a line of text with its baseline at y.
    void fillText(std::string_view text, double x, double baselineY, Colour colour, TextAlign align);

    void save();
    void restore();
    void clipTo(double x, double y, double width, double height);

private:
    void setFill(Colour colour);
    void setStroke(Colour colour, double lineWidth);
    void roundedRectPath(double x, double y, double width, double height, double radius);

    emscripten::val element_;
    emscripten::val context_;
    // The context's font as last set, empty where unknown; and as it was at each save().
    std::string font_;
    std::vector<std::string> savedFonts_;
    std::map<std::string, FontMetrics, std::less<>> fontMetrics_;
};

std::string cssColour(Colour colour);

} // namespace quadrelle::web
