// SPDX-License-Identifier: MIT
// Placing, showing and hiding the notice.
#include "window/Notice.h"

#include "window/ControlLayout.h"

#include <algorithm>

namespace quadrelle::app {

namespace {

constexpr int kPadding = 8;
constexpr int kBottomGap = 12;

} // namespace

Notice::Notice(QRect area, QWidget* parent) : QLabel(parent), area_(area) {
    setObjectName(QStringLiteral("Notice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // The typewriter face of the panel, as large as its captions.
    QFont font(QString::fromLatin1(kFontFamily));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSizeOf(FontSize::Pt14_25));
    setFont(font);
    // The dark veil of the board's "no move" banner, so the squares still show through.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0, 200));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    hide();
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kShownMs);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void Notice::showNotice(const QString& text) {
    // Hidden first, so that showing it again tells a screen reader of the new text.
    hide();
    setText(text);
    // A long text, such as a hint in German, wraps within the board.
    const int textWidth = std::min(fontMetrics().horizontalAdvance(text), area_.width() - 4 * kPadding);
    QRect place(0, 0, textWidth + 2 * kPadding, heightForWidth(textWidth) + kPadding);
    place.moveCenter(area_.center());
    place.moveBottom(area_.bottom() - kBottomGap);
    setGeometry(place);
    raise();
    show();
    hideTimer_.start();
}

} // namespace quadrelle::app
