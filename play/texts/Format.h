// SPDX-License-Identifier: MIT
// Filling a text's places, "%1" to "%9", as Qt's QString::arg does for our texts: each place
// takes its argument, and a place without one stays as it is.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quadrelle::play {

std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace quadrelle::play
