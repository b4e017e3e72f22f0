// SPDX-License-Identifier: MIT
// The pictures with colour symbols. A symbol is read as the set of its white pixels,
// found by lightness alone, so what tells two colours apart here is the symbol's
// shape and never its hue.
#include "SymbolsTest.h"

#include "AssetPaths.h"
#include "ColourVision.h"
#include "ImageChecks.h"
#include "PictureCatalogue.h"

#include <QTest>

using namespace assettest;

Q_DECLARE_METATYPE(assettest::Deficiency)

namespace {

// The top-left corner the symbol is drawn in, in logical pixels.
constexpr int symbolCorner = 20;
// Two symbols share at most this part of their joint area, on any two pictures.
constexpr double maxSharedArea = 0.6;

QImage plain(const QString& name, int scale) {
    return QImage(picturePath(name, scale)).convertToFormat(QImage::Format_RGB32);
}

QImage withSymbol(const QString& name, int scale) {
    return QImage(symbolPicturePath(name, scale)).convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage& a, const QImage& b, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

struct SeenSymbol {
    QString picture;
    Mask drawn; // the white pixels of the picture
    Mask seen;  // the white pixels of the picture as seen with the deficiency
};

std::vector<SeenSymbol> symbolsOfColour(int digit, int scale, Deficiency deficiency) {
    std::vector<SeenSymbol> symbols;
    for (const QString& name : picturesOfColour(digit)) {
        const QImage image = withSymbol(name, scale);
        symbols.push_back({QStringLiteral("%1@%2x").arg(name).arg(scale), whiteMask(image),
                           whiteMask(simulate(image, deficiency))});
    }
    return symbols;
}

} // namespace

void SymbolsTest::twinDiffersOnlyInTheSymbolCorner_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : allPictures)
        if (name != "sqEmpty") QTest::newRow(qPrintable(name)) << name;
}

void SymbolsTest::twinDiffersOnlyInTheSymbolCorner() {
    QFETCH(QString, name);
    for (int s : {1, 2}) {
        const QImage raw(symbolPicturePath(name, s));
        QVERIFY2(!raw.isNull(), qPrintable(symbolPicturePath(name, s)));
        QCOMPARE(raw.size(), QSize(60 * s, 60 * s));
        QVERIFY(!raw.hasAlphaChannel());
        const QImage twin = raw.convertToFormat(QImage::Format_RGB32);
        const QImage original = plain(name, s);
        const QRect corner(0, 0, symbolCorner * s, symbolCorner * s);
        QVERIFY(differingPixels(twin, original, corner) > 0);
        QCOMPARE(differingPixels(twin, original, twin.rect()), differingPixels(twin, original, corner));
    }
}

void SymbolsTest::aColourShowsOneSymbolOnAllItsPictures_data() {
    QTest::addColumn<int>("digit");
    for (int digit = 0; digit < 5; ++digit) QTest::addRow("colour %d", digit) << digit;
}

void SymbolsTest::aColourShowsOneSymbolOnAllItsPictures() {
    QFETCH(int, digit);
    for (int s : {1, 2}) {
        const Mask symbol = whiteMask(withSymbol(QStringLiteral("sq%1").arg(digit), s));
        for (const QString& name : picturesOfColour(digit))
            QVERIFY2(whiteMask(withSymbol(name, s)) == symbol,
                     qPrintable(QStringLiteral("%1@%2x").arg(name).arg(s)));
    }
}

void SymbolsTest::everyColourPairDiffersInShapeUnderSimulation_data() {
    QTest::addColumn<Deficiency>("deficiency");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    const std::pair<const char*, Deficiency> deficiencies[] = {
        {"protanopia", Deficiency::Protanopia},
        {"deuteranopia", Deficiency::Deuteranopia},
        {"tritanopia", Deficiency::Tritanopia},
    };
    for (const auto& [label, deficiency] : deficiencies)
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b)
                QTest::addRow("%s, colours %d and %d", label, a, b) << deficiency << a << b;
}

void SymbolsTest::everyColourPairDiffersInShapeUnderSimulation() {
    QFETCH(Deficiency, deficiency);
    QFETCH(int, first);
    QFETCH(int, second);
    for (int s : {1, 2}) {
        const std::vector<SeenSymbol> firsts = symbolsOfColour(first, s, deficiency);
        const std::vector<SeenSymbol> seconds = symbolsOfColour(second, s, deficiency);
        for (const auto* symbols : {&firsts, &seconds})
            for (const SeenSymbol& symbol : *symbols) {
                // White stays white, so the shape drawn is the shape seen.
                QVERIFY2(countSet(symbol.seen) >= 60 * s * s, qPrintable(symbol.picture));
                QVERIFY2(intersectionOverUnion(symbol.seen, symbol.drawn) >= 0.98,
                         qPrintable(symbol.picture));
            }
        for (const SeenSymbol& a : firsts)
            for (const SeenSymbol& b : seconds) {
                const double shared = intersectionOverUnion(a.seen, b.seen);
                QVERIFY2(
                    shared <= maxSharedArea,
                    qPrintable(QStringLiteral("%1 and %2 share %3").arg(a.picture, b.picture).arg(shared)));
            }
    }
}

void SymbolsTest::wildcardSymbolDiffersFromEveryColour() {
    for (int s : {1, 2}) {
        const Mask wildcard = whiteMask(withSymbol("sq1234", s));
        QVERIFY(countSet(wildcard) >= 60 * s * s);
        for (int digit = 0; digit < 5; ++digit) {
            const Mask colour = whiteMask(withSymbol(QStringLiteral("sq%1").arg(digit), s));
            QVERIFY2(intersectionOverUnion(wildcard, colour) <= maxSharedArea,
                     qPrintable(QString::number(digit)));
        }
    }
}

void SymbolsTest::simulationMakesSomeColoursAlike_data() {
    QTest::addColumn<Deficiency>("deficiency");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("protanopia: pink and blue") << Deficiency::Protanopia << 0 << 4;
    QTest::newRow("protanopia: green and yellow") << Deficiency::Protanopia << 1 << 2;
    QTest::newRow("deuteranopia: pink and blue") << Deficiency::Deuteranopia << 0 << 4;
    QTest::newRow("deuteranopia: green and red") << Deficiency::Deuteranopia << 1 << 3;
    QTest::newRow("tritanopia: green and blue") << Deficiency::Tritanopia << 1 << 4;
    QTest::newRow("tritanopia: pink and yellow") << Deficiency::Tritanopia << 0 << 2;
}

// Why the symbols are needed, and a check on the simulation itself: colours far
// apart for normal vision come close to one another with the deficiency.
void SymbolsTest::simulationMakesSomeColoursAlike() {
    QFETCH(Deficiency, deficiency);
    QFETCH(int, first);
    QFETCH(int, second);
    const QRgb a = mainColours[first], b = mainColours[second];
    QVERIFY(colourDistance(a, b) >= 128);
    QVERIFY2(
        colourDistance(simulate(a, deficiency), simulate(b, deficiency)) <= 48,
        qPrintable(QStringLiteral("%1 and %2")
                       .arg(QColor(simulate(a, deficiency)).name(), QColor(simulate(b, deficiency)).name())));
}
