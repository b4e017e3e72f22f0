// SPDX-License-Identifier: MIT
// "How to play": a window of its own, beside the game, with the rules in short paragraphs,
// each beside the square pictures it explains, and the keys from the shortcut table.
#pragma once

#include <QDialog>

#include <initializer_list>

#include "Shortcuts.h"
#include "TemplatePictures.h"

class QGridLayout;
class QWidget;

namespace quadrelle::app {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

private:
    QWidget* buildPage();
    void addRule(QGridLayout* grid, std::initializer_list<Picture> pictures, const QString& title,
                 const QString& text);
    void addKeys(QGridLayout* grid);
    void addSubheading(QGridLayout* grid, const QString& text);
    // The table's entries of the scope that have keys, or those reached by the menu only.
    void addKeyRows(QGridLayout* grid, ShortcutScope scope, bool withKeys);

    TemplatePictures pictures_;
};

// Shows the parent's help window, made the first time; the game stays playable beside it.
HelpWindow* showHelpWindow(QWidget* parent);

} // namespace quadrelle::app
