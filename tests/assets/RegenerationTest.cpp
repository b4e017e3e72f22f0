// SPDX-License-Identifier: MIT
// Runs quadrelle-assets into a temporary folder and compares the result with the
// committed assets, so the committed files can never drift from the code that
// draws them. A failure here means: rebuild the regenerate-assets target and
// commit the new files.
#include "RegenerationTest.h"

#include "AssetPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace assettest;

namespace {

// Every generated file, relative to its root; README.md is written by hand.
QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(root).relativeFilePath(it.next());
        if (relative != QLatin1String("README.md")) files << relative;
    }
    files.sort();
    return files;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void RegenerationTest::initTestCase() {
    QVERIFY(output_.isValid());
    QProcess generator;
    generator.start(generatorPath(), {output_.path()});
    QVERIFY2(generator.waitForFinished(120000), qPrintable(generator.errorString()));
    QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
             generator.readAllStandardError().constData());
}

void RegenerationTest::sameFilesAreWritten() {
    QCOMPARE(filesBelow(assetPath(QString())), filesBelow(output_.path()));
}

// Each set holds its pictures at 1x and 2x: 23 plain ones, and 22 with symbols (the
// empty picture has no colour to mark).
void RegenerationTest::bothPictureSetsAreWritten() {
    const QStringList fresh = filesBelow(output_.path());
    QCOMPARE(fresh.filter(QRegularExpression("^pictures/[^/]+\\.png$")).size(), 2 * 23);
    QCOMPARE(fresh.filter(QRegularExpression("^pictures/symbols/[^/]+\\.png$")).size(), 2 * 22);
}

void RegenerationTest::everyFileIsIdentical_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : filesBelow(output_.path())) QTest::newRow(qPrintable(file)) << file;
}

void RegenerationTest::everyFileIsIdentical() {
    QFETCH(QString, file);
    const QByteArray fresh = contents(output_.filePath(file));
    QVERIFY(!fresh.isEmpty());
    QVERIFY2(contents(assetPath(file)) == fresh, qPrintable(file + " differs from a fresh run"));
}
