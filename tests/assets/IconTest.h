// SPDX-License-Identifier: MIT
// The window icon at each size.
#pragma once

#include <QObject>

class IconTest : public QObject {
    Q_OBJECT

private slots:
    void everySizeIsOpaque_data();
    void everySizeIsOpaque();
    void drawnInTheListedGreens();
    void bracketsFlankAJoinedArrow();
};
