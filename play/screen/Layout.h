// SPDX-License-Identifier: MIT
// The window's controls as they stand before any code runs: one row per control with its
// name, kind, place and size in twips, caption, font, alignment and colours. The window is
// built from this table and the tests check the window against it, so each figure lives here
// once. Places are converted to pixels at 15 twips per pixel. Captions are the English
// designed texts, translated in the context kCaptionContext when the controls are made.
// Every front end draws the designed window from this table, in its own units and colours.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "texts/Texts.h"

namespace quadrelle::play {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 510;
inline constexpr int kClientHeight = 433;
inline constexpr auto kWindowCaption = "Quadrelle!";
inline constexpr auto kFontFamily = "Courier New";
inline constexpr auto kCaptionContext = "Tessarin";

enum class ControlKind { Label, Button, ScrollBar };

// The colour roles of the design, with the values of the standard scheme.
enum class ColourRole {
    PlatformDefault,
    ButtonText,     // BT: black
    Highlight3D,    // HL: white
    HighlightText,  // HT: white
    ButtonFace,     // BF: light grey
    InactiveBorder, // IB: light grey
    WindowText,     // WT: black
    CreditGrey,     // RGB(224, 224, 224)
    Black,          // RGB(0, 0, 0)
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Nothing for the platform's own colour.
std::optional<Rgb> colourOf(ColourRole role);

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int x;
    int y;
    int width;
    int height;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

PixelRect pixelsOf(TwipsRect twips);

// Font sizes of the design in points, with the pixel size each is drawn at.
enum class FontSize { None, Pt9_75, Pt14_25, Pt15_75, Pt24 };

int pixelSizeOf(FontSize size);

// Where a caption stands in its control: at the top, or in the middle for the button.
enum class Align { None, Left, Right, Centre, ButtonCentre };

struct ControlDesign {
    const char* name;
    ControlKind kind;
    TwipsRect place;
    const char* caption;
    FontSize font;
    bool bold;
    Align alignment;
    ColourRole back;
    ColourRole fore;
    bool visible;
    bool wordWrap;
};

// Every control in creation order: a control made later is drawn over one made earlier.
std::span<const ControlDesign> controlTable();

// Captions that stand together in the panel at one designed size: when a translation must
// shrink one of a group to fit, the whole group takes that size, so none stands out smaller.
using CaptionGroup = std::span<const char* const>;
std::span<const CaptionGroup> captionGroups();

// The credit line under the board.
inline constexpr auto kCreditLine = PLAY_TEXT("Tessarin", "Quadrelle! - step colours, make rows of three");

// The board: square i is at (240 + 960 * column, 240 + 960 * row) twips, 900 twips square.
PixelRect squareRect(int index);

} // namespace quadrelle::play
