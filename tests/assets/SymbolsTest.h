// SPDX-License-Identifier: MIT
// The square pictures with colour symbols: one twin for every picture that shows a
// colour, and symbols that tell every two colours apart by shape under simulated
// colour blindness.
#pragma once

#include <QObject>

class SymbolsTest : public QObject {
    Q_OBJECT

private slots:
    void twinDiffersOnlyInTheSymbolCorner_data();
    void twinDiffersOnlyInTheSymbolCorner();
    void aColourShowsOneSymbolOnAllItsPictures_data();
    void aColourShowsOneSymbolOnAllItsPictures();
    void everyColourPairDiffersInShapeUnderSimulation_data();
    void everyColourPairDiffersInShapeUnderSimulation();
    void wildcardSymbolDiffersFromEveryColour();
    void simulationMakesSomeColoursAlike_data();
    void simulationMakesSomeColoursAlike();
};
