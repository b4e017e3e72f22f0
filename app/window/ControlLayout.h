// SPDX-License-Identifier: MIT
// The designed layout in Qt's terms: the play layer's control table, with its rectangles,
// colours and alignments as Qt types.
#pragma once

#include <QColor>
#include <QRect>
#include <QtCore/qnamespace.h>

#include "screen/Layout.h"

namespace quadrelle::app {

using play::captionGroups;
using play::CaptionGroup;
using play::ColourRole;
using play::ControlDesign;
using play::ControlKind;
using play::controlTable;
using play::FontSize;
using play::kCaptionContext;
using play::kClientHeight;
using play::kClientWidth;
using play::kCreditLine;
using play::kFontFamily;
using play::kTwipsPerPixel;
using play::kWindowCaption;
using play::pixelSizeOf;
using play::TwipsRect;

// An invalid colour for the platform's own.
QColor qtColourOf(ColourRole role);
QRect qtPixelsOf(TwipsRect twips);
QRect squareRect(int index);
Qt::Alignment alignmentOf(play::Align align);

// The yellow that marks the keyboard focus: the board's cursor and the spinner's ring.
inline const QColor kFocusColour(255, 224, 0);

} // namespace quadrelle::app
