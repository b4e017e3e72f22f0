// SPDX-License-Identifier: MIT
// The control table of the window and the conversions from design units to pixels.
#include "screen/Layout.h"

#include <array>
#include <cmath>

#include "board/Board.h"

namespace quadrelle::play {

namespace {

using enum ControlKind;
using enum ColourRole;
using enum FontSize;

constexpr Align kLeft = Align::Left;
constexpr Align kRight = Align::Right;
constexpr Align kCentre = Align::Centre;
constexpr Align kButtonCentre = Align::ButtonCentre;

// clang-format off
constexpr std::array<ControlDesign, 19> kControls = {{
    // name             kind       left, top, width, height   caption (translated at creation)                  font     bold   align          back            fore             visible wrap
    {"LabelComboT",    Label,     {6220,   110,  975, 255},  PLAY_TEXT("Tessarin", " Combo x"),    Pt9_75,  false, kLeft,         InactiveBorder, Black,           true,  false},
    {"LabelCombo",     Label,     {7065,   105,  360, 255},  "",                                           Pt9_75,  false, kLeft,         InactiveBorder, Black,           true,  false},
    {"Label3",         Label,     {6360,   360,  855, 255},  PLAY_TEXT("Tessarin", "Score"),       Pt14_25, false, kRight,        ButtonText,     Highlight3D,     true,  false},
    {"LabelScore",     Label,     {6080,   690, 1455, 255},  "",                                           Pt14_25, false, kCentre,       ButtonText,     Highlight3D,     true,  false},
    {"Hiscore",        Label,     {6240,  1200,  855, 255},  PLAY_TEXT("Tessarin", "Hiscore"),     Pt9_75,  false, kLeft,         ButtonText,     Highlight3D,     true,  false},
    {"LabelClr",       Label,     {7120,  1200,  375, 255},  "[x]",                                        Pt9_75,  true,  kLeft,         ButtonText,     ButtonFace,      true,  false},
    {"LabelHiScore",   Label,     {6360,  1510,  855, 255},  "",                                           Pt14_25, false, kCentre,       ButtonText,     Highlight3D,     true,  false},
    {"Label2",         Label,     {6360,  2160,  855, 255},  PLAY_TEXT("Tessarin", "Level"),       Pt14_25, false, kRight,        ButtonText,     Highlight3D,     true,  false},
    {"LabelLevel",     Label,     {6360,  2500,  855, 255},  "",                                           Pt14_25, false, kCentre,       ButtonText,     Highlight3D,     true,  false},
    {"Label6",         Label,     {6240,  3120,  855, 255},  PLAY_TEXT("Tessarin", "Left"),        Pt14_25, false, kRight,        ButtonText,     Highlight3D,     true,  false},
    {"LabelLeft",      Label,     {6360,  3480,  855, 255},  "",                                           Pt14_25, false, kCentre,       ButtonText,     Highlight3D,     true,  false},
    {"LabelRemoves1",  Label,     {6360,  4080,  975, 255},  PLAY_TEXT("Tessarin", "Erasers"),     Pt9_75,  false, kLeft,         ButtonText,     Highlight3D,     true,  false},
    {"LabelRemoves",   Label,     {6610,  4360,  360, 375},  "0",                                          Pt15_75, false, kCentre,       ButtonText,     HighlightText,   true,  false},
    {"Command1",       Button,    {6240,  4920, 1155, 735},  PLAY_TEXT("Tessarin", "New Game"),    Pt14_25, false, kButtonCentre, PlatformDefault, PlatformDefault, true, true},
    {"Label1",         Label,     {6155,  5895,  735, 615},  PLAY_TEXT("Tessarin", "Start level"), Pt9_75,  false, kLeft,         ButtonText,     ButtonFace,      true,  true},
    {"LevelTxt",       Label,     {6900,  6043,  165, 315},  "1",                                          Pt15_75, false, kRight,        ButtonText,     HighlightText,   true,  false},
    {"HScrollLevel",   ScrollBar, {7200,  5890,  255, 460},  "",                                           None,    false, Align::None,          PlatformDefault, PlatformDefault, true, false},
    {"LabelGameOver",  Label,     {1680,  2640, 2895, 615},  PLAY_TEXT("Tessarin", "Game Over"),   Pt24,    false, kCentre,       InactiveBorder, WindowText,      false, false},
    {"Label4",         Label,     { 450,  6130, 5415, 375},  kCreditLine,                                  Pt9_75,  false, kLeft,         ButtonText,     CreditGrey,      true,  false},
}};
// clang-format on

constexpr std::array<const char*, 3> kLargeCaptions{"Label3", "Label2", "Label6"};
constexpr std::array<const char*, 3> kSmallCaptions{"Hiscore", "LabelRemoves1", "Label1"};
constexpr std::array<CaptionGroup, 2> kCaptionGroups{CaptionGroup(kLargeCaptions),
                                                     CaptionGroup(kSmallCaptions)};

} // namespace

std::optional<Rgb> colourOf(ColourRole role) {
    switch (role) {
    case PlatformDefault: return std::nullopt;
    case ButtonText:
    case WindowText:
    case Black: return Rgb{0, 0, 0};
    case Highlight3D:
    case HighlightText: return Rgb{255, 255, 255};
    case ButtonFace:
    case InactiveBorder: return Rgb{192, 192, 192};
    case CreditGrey: return Rgb{224, 224, 224};
    }
    return std::nullopt;
}

PixelRect pixelsOf(TwipsRect t) {
    const auto px = [](int twips) {
        return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
    };
    return {px(t.left), px(t.top), px(t.width), px(t.height)};
}

int pixelSizeOf(FontSize size) {
    // Points at 96 dots per inch, rounded: 9.75 → 13, 14.25 → 19, 15.75 → 21, 24 → 32.
    switch (size) {
    case None: return 0;
    case Pt9_75: return 13;
    case Pt14_25: return 19;
    case Pt15_75: return 21;
    case Pt24: return 32;
    }
    return 0;
}

std::span<const ControlDesign> controlTable() {
    return kControls;
}

std::span<const CaptionGroup> captionGroups() {
    return kCaptionGroups;
}

PixelRect squareRect(int index) {
    return pixelsOf({240 + 960 * columnOf(index), 240 + 960 * rowOf(index), 900, 900});
}

} // namespace quadrelle::play
