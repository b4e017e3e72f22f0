// SPDX-License-Identifier: MIT
// "How to play": each rule's pictures beside its title and words, then the keys in their
// groups, named in the player's words. The pictures are the served square pictures, sharp on
// dense screens. The browser's page leaves out the desktop's Quit, which it has not.
#pragma once

#include <memory>

#include "DialogBox.h"

namespace quadrelle::web {

std::unique_ptr<DialogBox> helpDialog(play::Language language);

} // namespace quadrelle::web
