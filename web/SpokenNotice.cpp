// SPDX-License-Identifier: MIT
#include "SpokenNotice.h"

#include "BrowserLanguage.h"
#include "DomBuilder.h"

namespace quadrelle::web {

SpokenNotice::SpokenNotice(play::Language language) : line_(dom::element("div", "quadrelle-spoken-notice")) {
    dom::setAttribute(line_, "role", "status");
    dom::setAttribute(line_, "lang", languageTag(language));
    dom::append(dom::document()["body"], line_);
}

void SpokenNotice::follow(const play::Notice& notice) {
    if (notice.number == numberSaid_) return;
    numberSaid_ = notice.number;
    // The same words again are a new notice; a no-break space after every other one makes the
    // line change, so they are said again.
    dom::setText(line_, notice.text + (numberSaid_ % 2 == 0 ? "\u00a0" : ""));
}

} // namespace quadrelle::web
