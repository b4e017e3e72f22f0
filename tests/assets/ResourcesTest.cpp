// SPDX-License-Identifier: MIT
// The resource list (assets.qrc): it names every asset file under a prefix of its
// folder. Compiled into this test, it must make ":/pictures/sq0.png" load, and an
// icon made from that name must find the "@2x" picture beside it on a 2x screen.
#include "ResourcesTest.h"

#include "AssetPaths.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

using namespace assettest;

namespace {

QSet<QString> assetFilesOnDisk() {
    QSet<QString> files;
    for (const QString folder : {"pictures", "icon", "sounds"}) {
        QDirIterator it(assetPath(folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files << QDir(assetPath(QString())).relativeFilePath(it.next());
    }
    return files;
}

} // namespace

void ResourcesTest::listsEveryAssetFile() {
    QFile qrc(assetPath("assets.qrc"));
    QVERIFY(qrc.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&qrc);
    QSet<QString> listed;
    QString prefix;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("qresource")) {
            prefix = xml.attributes().value("prefix").toString();
        } else if (xml.name() == QLatin1String("file")) {
            const QString alias = xml.attributes().value("alias").toString();
            const QString file = xml.readElementText();
            QCOMPARE(prefix, '/' + file.section('/', 0, 0));
            QCOMPARE(alias, file.section('/', 1));
            listed << file;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(listed, assetFilesOnDisk());
}

void ResourcesTest::picturesLoadByName_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"sq0", "sq2updown", "sq4down", "sq1234", "tri3r", "sqEmpty"})
        QTest::newRow(name) << QString::fromLatin1(name);
    // The set with colour symbols sits one folder down, under the same names.
    for (const char* name : {"symbols/sq0", "symbols/sq3updown", "symbols/sq1234", "symbols/tri4r"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ResourcesTest::picturesLoadByName() {
    QFETCH(QString, name);
    const QString resource = QStringLiteral(":/pictures/%1.png").arg(name);
    QCOMPARE(QImage(resource).size(), QSize(60, 60));
    // main() runs the tests on a 2x screen, where an icon made from the name must
    // offer the drawn "@2x" copy rather than an enlargement of the small one.
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    const QIcon icon(resource);
    QVERIFY(icon.availableSizes().contains(QSize(120, 120)));
    const QPixmap pixmap = icon.pixmap(QSize(60, 60), 2.0);
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    const QImage sharp(QStringLiteral(":/pictures/%1@2x.png").arg(name));
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_RGB32),
             sharp.convertToFormat(QImage::Format_RGB32));
}

void ResourcesTest::soundsLoadByNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::newRow("101") << "101";
    QTest::newRow("102") << "102";
}

void ResourcesTest::soundsLoadByNumber() {
    QFETCH(QString, number);
    QFile resource(QStringLiteral(":/sounds/%1.wav").arg(number));
    QFile file(assetPath(QStringLiteral("sounds/%1.wav").arg(number)));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(resource.readAll(), file.readAll());
}
