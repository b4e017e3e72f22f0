// SPDX-License-Identifier: MIT
// "How to play": a window of its own, beside the game, with the rules in short paragraphs,
// each beside the square pictures it explains, and the keys from the shortcut table: the
// window's keys, then the board's, each under its own heading.
#pragma once

#include <QDialog>

#include <initializer_list>

#include "window/Shortcuts.h"
#include "window/TemplatePictures.h"

class QGridLayout;
class QWidget;

namespace quadrelle::app {

enum class ShortcutScope;

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

private:
    QWidget* buildPage();
    // The pictures come from the set with colour symbols when `withSymbols` is set.
    void addRule(QGridLayout* grid, std::initializer_list<Picture> pictures, const QString& title,
                 const QString& text, bool withSymbols = false);
    void addKeys(QGridLayout* grid);
    // The table's entries of the scope that have keys, or those reached by the menu only.
    void addKeyGroup(QGridLayout* grid, ShortcutScope scope, bool withKeys, const QString& heading);

    TemplatePictures pictures_;
    TemplatePictures symbolPictures_{true};
};

// Shows the parent's help window, made the first time; the game stays playable beside it.
HelpWindow* showHelpWindow(QWidget* parent);

} // namespace quadrelle::app
