// SPDX-License-Identifier: MIT
// "How to play": a window of its own, beside the game, laying out the play layer's help page:
// the rules in short paragraphs, each beside the square pictures it explains, and the keys
// of the shortcut table under their headings.
#pragma once

#include <QDialog>

#include "screen/HelpPage.h"
#include "window/TemplatePictures.h"

class QGridLayout;
class QWidget;

namespace quadrelle::app {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // In the language the game speaks (installTranslations).
    explicit HelpWindow(QWidget* parent = nullptr);

private:
    QWidget* buildPage(const play::HelpPage& page);
    void addRule(QGridLayout* grid, const play::HelpRule& rule);
    void addKeys(QGridLayout* grid, const play::HelpPage& page);
    void addKeyGroup(QGridLayout* grid, const play::HelpKeyGroup& group);

    TemplatePictures pictures_;
    TemplatePictures symbolPictures_{true};
};

// Shows the parent's help window, made the first time; the game stays playable beside it.
HelpWindow* showHelpWindow(QWidget* parent);

} // namespace quadrelle::app
