// SPDX-License-Identifier: MIT
#include "texts/Format.h"

namespace quadrelle::play {

std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool isPlace = text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const auto number = isPlace ? static_cast<std::size_t>(text[at + 1] - '1') : arguments.size();
        if (number < arguments.size()) {
            filled += *(arguments.begin() + number);
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

} // namespace quadrelle::play
