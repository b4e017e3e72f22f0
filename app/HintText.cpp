// SPDX-License-Identifier: MIT
#include "HintText.h"

#include <QCoreApplication>

#include "AccessibleNames.h"

namespace quadrelle::app {

namespace {

const char* moveText(HintMove move) {
    switch (move) {
    case HintMove::StepUp: return QT_TRANSLATE_NOOP("HintText", "Hint: step up at %1");
    case HintMove::StepDown: return QT_TRANSLATE_NOOP("HintText", "Hint: step down at %1");
    case HintMove::Search: return QT_TRANSLATE_NOOP("HintText", "Hint: colour search at %1");
    case HintMove::Erase: return QT_TRANSLATE_NOOP("HintText", "Hint: spend an eraser at %1");
    }
    return "";
}

} // namespace

QString hintText(const std::optional<Hint>& hint) {
    if (!hint) return QCoreApplication::translate("HintText", "No move reacts now");
    return QCoreApplication::translate("HintText", moveText(hint->move)).arg(accessiblePlaceOf(hint->square));
}

} // namespace quadrelle::app
