// SPDX-License-Identifier: MIT
// The square pictures: sizes, colours, outline sizes, arrows and the marked look.
#pragma once

#include <QObject>

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void bothSizesAreOpaque_data();
    void bothSizesAreOpaque();
    void emptyPictureIsAllBlack();
    void mainColourDominates_data();
    void mainColourDominates();
    void outlineHasItsSize_data();
    void outlineHasItsSize();
    void outlinesGrowWithTheDigit();
    void arrowsSitInTheirRows_data();
    void arrowsSitInTheirRows();
    void markedCornersAreOpen_data();
    void markedCornersAreOpen();
    void markedLookHasFourPieces_data();
    void markedLookHasFourPieces();
    void wildcardBandsNestInOrder();
};
