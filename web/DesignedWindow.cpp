// SPDX-License-Identifier: MIT
#include "DesignedWindow.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quadrelle::web {

namespace {

using play::ColourRole;
using play::ControlDesign;
using play::ControlKind;
using play::PixelRect;

std::optional<Colour> canvasColourOf(ColourRole role) {
    const std::optional<play::Rgb> rgb = play::colourOf(role);
    return rgb ? std::optional(Colour::of(*rgb)) : std::nullopt;
}

TextAlign textAlignOf(play::Align align) {
    switch (align) {
    case play::Align::Right: return TextAlign::Right;
    case play::Align::Centre:
    case play::Align::ButtonCentre: return TextAlign::Centre;
    case play::Align::None:
    case play::Align::Left: break;
    }
    return TextAlign::Left;
}

double anchorX(const PixelRect& place, TextAlign align) {
    switch (align) {
    case TextAlign::Left: return place.x;
    case TextAlign::Centre: return place.x + place.width / 2.0;
    case TextAlign::Right: return place.x + place.width;
    }
    return place.x;
}

bool contains(const PixelRect& r, Point p) {
    return p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height;
}

// The counters the session fills in, by the name of the label that shows each.
std::optional<std::string> counterText(std::string_view name, const play::Screen& screen) {
    const play::Captions& c = screen.captions;
    const std::pair<std::string_view, const std::string*> counters[] = {
        {"LabelCombo", &c.comboCount}, {"LabelScore", &c.score},        {"LabelHiScore", &c.highScore},
        {"LabelLevel", &c.level},      {"LabelLeft", &c.reactionsLeft}, {"LabelRemoves", &c.removes},
        {"LevelTxt", &c.startLevel},
    };
    for (const auto& [counter, text] : counters)
        if (name == counter) return *text;
    return std::nullopt;
}

bool isShown(std::string_view name, const ControlDesign& design, const play::Screen& screen) {
    if (name == "LabelComboT" || name == "LabelCombo") return screen.comboShown;
    if (name == "LabelGameOver") return screen.gameOver;
    return design.visible;
}

} // namespace

DesignedWindow::DesignedWindow(play::Language language) {
    for (const ControlDesign& design : play::controlTable()) {
        const std::string caption(design.caption[0] == '\0'
                                      ? std::string_view()
                                      : play::translate(language, play::kCaptionContext, design.caption));
        const int pixels = design.font == play::FontSize::None ? 13 : play::pixelSizeOf(design.font);
        controls_.push_back({&design, play::pixelsOf(design.place), caption, {pixels, design.bold}});
    }
}

const DesignedWindow::Control& DesignedWindow::controlNamed(std::string_view name) const {
    return *std::find_if(controls_.begin(), controls_.end(),
                         [name](const Control& c) { return name == c.design->name; });
}

void DesignedWindow::fitCaptions(Canvas2D& canvas) {
    for (Control& control : controls_) {
        const ControlDesign& design = *control.design;
        control.font = {design.font == play::FontSize::None ? 13 : play::pixelSizeOf(design.font),
                        design.bold};
        // The English keeps its designed size, as the desktop's does.
        if (control.caption.empty() || control.caption == design.caption) continue;
        const PixelRect box =
            design.kind == ControlKind::Button ? buttonCaptionRect(control.place) : control.place;
        control.font =
            fittedFont(canvas, control.font, control.caption, box.width, box.height, design.wordWrap);
    }
    for (const play::CaptionGroup group : play::captionGroups()) {
        int pixels = 1000;
        for (const char* name : group) pixels = std::min(pixels, controlNamed(name).font.pixelSize);
        for (Control& control : controls_)
            if (std::find_if(group.begin(), group.end(), [&](const char* n) {
                    return std::string_view(n) == control.design->name;
                }) != group.end())
                control.font.pixelSize = pixels;
    }
}

void DesignedWindow::draw(Canvas2D& canvas, const play::Screen& screen, const ControlLooks& looks) const {
    for (const Control& control : controls_) {
        const ControlDesign& design = *control.design;
        const std::string_view name = design.name;
        if (!isShown(name, design, screen)) continue;
        switch (design.kind) {
        case ControlKind::Button:
            drawNewGameButton(canvas, control.place, control.caption, control.font, looks.newGame);
            break;
        case ControlKind::ScrollBar: drawStartLevelSpinner(canvas, control.place, looks.spinner); break;
        case ControlKind::Label: {
            const std::optional<std::string> counter = counterText(name, screen);
            if (name == "LabelCombo")
                drawComboCount(canvas, control, *counter);
            else
                drawLabel(canvas, control, counter ? *counter : control.caption);
            break;
        }
        }
    }
}

void DesignedWindow::drawLabel(Canvas2D& canvas, const Control& control, std::string_view text) const {
    const ControlDesign& design = *control.design;
    const PixelRect& r = control.place;
    if (const auto back = canvasColourOf(design.back)) canvas.fillRect(r.x, r.y, r.width, r.height, *back);
    const Colour fore = canvasColourOf(design.fore).value_or(Colour{});
    const TextAlign align = textAlignOf(design.alignment);
    // Set before save(), so that the next label in the same font need not set it again.
    canvas.setFont(control.font.css());
    canvas.save();
    canvas.clipTo(r.x, r.y, r.width, r.height);
    const FontMetrics metrics = canvas.fontMetrics(control.font.pixelSize);
    const double ascent = std::round(metrics.ascent);
    const double spacing = ascent + std::round(metrics.descent);
    const std::vector<std::string> lines = design.wordWrap
                                               ? wrapWords(canvas, text, r.width)
                                               : std::vector<std::string>{withoutSoftHyphens(text)};
    for (std::size_t i = 0; i < lines.size(); ++i)
        canvas.fillText(lines[i], anchorX(r, align), r.y + ascent + spacing * static_cast<double>(i), fore,
                        align);
    canvas.restore();
}

// The count stands right after the end of the caption " Combo x", which reaches into the
// count's label; the count's grey starts where its text does, so it hides none of the "x".
void DesignedWindow::drawComboCount(Canvas2D& canvas, const Control& count, std::string_view text) const {
    const Control& caption = controlNamed("LabelComboT");
    canvas.setFont(caption.font.css());
    const double captionEnd = caption.place.x + canvas.textWidth(withoutSoftHyphens(caption.caption));
    const int covered =
        std::clamp(static_cast<int>(std::ceil(captionEnd - count.place.x)), 0, count.place.width);
    Control shifted = count;
    shifted.place.x += covered;
    shifted.place.width -= covered;
    drawLabel(canvas, shifted, text);
}

std::optional<DesignedTarget> DesignedWindow::targetAt(Point point) const {
    for (const DesignedTarget target :
         {DesignedTarget::ClearHighScore, DesignedTarget::NewGame, DesignedTarget::Spinner})
        if (contains(rectOf(target), point)) return target;
    return std::nullopt;
}

play::PixelRect DesignedWindow::rectOf(DesignedTarget target) const {
    switch (target) {
    case DesignedTarget::NewGame: return controlNamed("Command1").place;
    case DesignedTarget::Spinner: return controlNamed("HScrollLevel").place;
    case DesignedTarget::ClearHighScore: return controlNamed("LabelClr").place;
    }
    return {};
}

} // namespace quadrelle::web
