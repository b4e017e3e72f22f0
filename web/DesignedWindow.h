// SPDX-License-Identifier: MIT
// The designed controls drawn from the play layer's control table: the panel's labels with
// the screen's counters, the combo banner, the "Game Over" banner, the credit line, the
// "New Game" button, the start-level spinner and the "[x]" label. It also says which control
// lies under a point. The board's squares are drawn elsewhere, before it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CaptionText.h"
#include "NewGameButton.h"
#include "StartLevelSpinner.h"
#include "screen/Screen.h"

namespace quadrelle::web {

enum class DesignedTarget { NewGame, Spinner, ClearHighScore };

// How the controls that the player works are shown at the moment.
struct ControlLooks {
    ButtonLook newGame;
    SpinnerLook spinner;
};

class DesignedWindow {
public:
    explicit DesignedWindow(play::Language language);

    // A translated caption may be longer than the designed one: it shrinks to fit its control,
    // and the captions grouped with it take the same size. Measured with the canvas's fonts.
    void fitCaptions(Canvas2D& canvas);

    void draw(Canvas2D& canvas, const play::Screen& screen, const ControlLooks& looks) const;

    // The control the mouse works at a point; the other labels let clicks through.
    std::optional<DesignedTarget> targetAt(Point point) const;
    play::PixelRect rectOf(DesignedTarget target) const;

private:
    struct Control {
        const play::ControlDesign* design;
        play::PixelRect place;
        std::string caption;
        CaptionFont font;
    };

    const Control& controlNamed(std::string_view name) const;
    void drawLabel(Canvas2D& canvas, const Control& control, std::string_view text) const;
    void drawComboCount(Canvas2D& canvas, const Control& count, std::string_view text) const;

    std::vector<Control> controls_;
};

} // namespace quadrelle::web
