// SPDX-License-Identifier: MIT
// The benchmark's floor: the least an Emscripten page can do to draw its canvas. It fills the
// canvas once and says so; the game's page is measured against it.
#include <emscripten/emscripten.h>

int main() {
    // clang-format off
    EM_ASM({
        const canvas = document.getElementById("screen");
        const context = canvas.getContext("2d");
        context.fillStyle = "#c0c0c0";
        context.fillRect(0, 0, canvas.width, canvas.height);
        window.floorDrawn = true;
    });
    // clang-format on
    return 0;
}
