// SPDX-License-Identifier: MIT
// The saved settings: where the file is, that it really has a [General] section with the two
// keys, that hand-written files are read, that absent keys give the defaults, and that a file
// that cannot be written is reported and not fatal: promptly, leaving the file as it was,
// whatever stands in the way, and that a save that worked says so.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "SettingsStore.h"
#include "TestMain.h"

using namespace quadrelle;
using namespace quadrelle::app;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

// Saves on a thread of its own, so that a save that hangs fails the test instead of stalling it.
std::optional<bool> saveWithin(const SettingsStore& store, std::chrono::seconds limit) {
    auto saved = std::make_shared<std::promise<bool>>();
    std::future<bool> result = saved->get_future();
    std::thread([store, saved] { saved->set_value(store.write({"9", "9"})); }).detach();
    if (result.wait_for(limit) != std::future_status::ready) return std::nullopt;
    return result.get();
}

bool isCharacterDevice(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}

enum class Obstacle { LockIsADirectory, LinkToADeviceNode };

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QFile::remove(SettingsStore().filePath()); }

    void userFileIsChromafallIniInTheConfigFolder() {
        const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Chromafall/Chromafall.ini";
        QCOMPARE(SettingsStore().filePath(), expected);
    }

    void absentSettingsGiveTheDefaults() {
        const Settings saved = SettingsStore().read();
        QCOMPARE(saved.highScore, 0);
        QCOMPARE(saved.startLevel, 1);
    }

    // Texts that are not plain integers in range fall back to the defaults.
    void storedTextsAreParsedAndChecked_data() {
        QTest::addColumn<QString>("hiScore");
        QTest::addColumn<QString>("startLevel");
        QTest::addColumn<qint64>("expectedHiScore");
        QTest::addColumn<int>("expectedStartLevel");
        const auto row = [](const char* hi, const char* level, qint64 expectedHi, int expectedLevel) {
            QTest::addRow("HiScore '%s', StartLevel '%s'", hi, level)
                << QString::fromLatin1(hi) << QString::fromLatin1(level) << expectedHi << expectedLevel;
        };
        row("abc", "abc", 0, 1);
        row("", "", 0, 1);
        row("12.5", "12.5", 0, 1);
        row("-3", "-3", 0, 1);
        row("0", "0", 0, 1);
        row("10", "10", 10, 1); // a high score of 10 is fine; a start level of 10 is not
        row("99999999999999999999", "99999999999999999999", 0, 1);
        row(" 4", " 4", 0, 1);
        row("4 ", "+4", 0, 1);
        row("0x10", "4.0", 0, 1);
        row("4294967296", "9", 4294967296, 9);
        row("999999999999", "1", 999999999999, 1);
        row("1000000000000", "1", 0, 1);
    }

    void storedTextsAreParsedAndChecked() {
        QFETCH(QString, hiScore);
        QFETCH(QString, startLevel);
        QFETCH(qint64, expectedHiScore);
        QFETCH(int, expectedStartLevel);
        QCOMPARE(parseHighScore(hiScore.toStdString()).value_or(0), expectedHiScore);
        QCOMPARE(parseStartLevel(startLevel.toStdString()).value_or(1), expectedStartLevel);
    }

    void writtenSettingsSitInAGeneralSection() {
        const SettingsStore store;
        QVERIFY(store.write({"120", "7"}));
        const QByteArray text = contentsOf(store.filePath());
        QVERIFY2(text.startsWith("[General]\n"), text.constData());
        QVERIFY2(text.contains("\nHiScore=120\n"), text.constData());
        QVERIFY2(text.contains("\nStartLevel=7"), text.constData());
        QVERIFY2(!text.contains("%General"), text.constData());
        const Settings saved = store.read();
        QCOMPARE(saved.highScore, 120);
        QCOMPARE(saved.startLevel, 7);
    }

    void aHandWrittenGeneralSectionIsRead() {
        const SettingsStore store;
        writeFile(store.filePath(), "[General]\r\nStartLevel=4\r\nHiScore=350\r\n");
        const Settings saved = store.read();
        QCOMPARE(saved.highScore, 350);
        QCOMPARE(saved.startLevel, 4);
    }

    void keysOfOtherSectionsAreNotRead() {
        const SettingsStore store;
        writeFile(store.filePath(), "[Other]\nHiScore=350\nStartLevel=4\n");
        const Settings saved = store.read();
        QCOMPARE(saved.highScore, 0);
        QCOMPARE(saved.startLevel, 1);
    }

    void otherKeysOfTheFileAreKeptWhenWriting() {
        const SettingsStore store;
        writeFile(store.filePath(), "[General]\nHiScore=5\nVolume=3\n");
        QVERIFY(store.write({"9", "2"}));
        const QByteArray text = contentsOf(store.filePath());
        QVERIFY2(text.contains("Volume=3"), text.constData());
        QVERIFY2(text.contains("HiScore=9"), text.constData());
    }

    void writingTheHighScoreAloneKeepsTheStartLevel() {
        const SettingsStore store;
        QVERIFY(store.write({"10", "6"}));
        QVERIFY(store.writeHiScore("440"));
        const Settings saved = store.read();
        QCOMPARE(saved.highScore, 440);
        QCOMPARE(saved.startLevel, 6);
    }

    void aFileThatCannotBeWrittenIsReportedNotFatal() {
        // A plain file where the folder should be: this fails for root too.
        QTemporaryDir dir;
        writeFile(dir.filePath("blocker"), "not a folder");
        const SettingsStore store(dir.filePath("blocker/Chromafall/Chromafall.ini"));
        QVERIFY(!store.write({"1", "1"}));
        QVERIFY(!store.writeHiScore("1"));
        QCOMPARE(store.read().highScore, 0);
    }

    void aSaveThatCannotBeMadeGivesUpPromptlyAndLeavesTheFile_data() {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::newRow("lock is a directory") << Obstacle::LockIsADirectory;
        QTest::newRow("link to a device node") << Obstacle::LinkToADeviceNode;
    }

    void aSaveThatCannotBeMadeGivesUpPromptlyAndLeavesTheFile() {
        QFETCH(Obstacle, obstacle);
        QTemporaryDir dir;
        const QString iniPath = dir.filePath("Chromafall.ini");
        const QByteArray before = "[General]\nHiScore=5\n";
        if (obstacle == Obstacle::LockIsADirectory) {
            writeFile(iniPath, before);
            QVERIFY(QDir().mkpath(iniPath + ".lock"));
        } else {
            if (::geteuid() != 0) QSKIP("making a device node needs root");
            // A copy of the null device that lives only in this test's folder.
            const QString node = dir.filePath("null");
            QCOMPARE(::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
            QVERIFY(QFile::link(node, iniPath));
        }

        const std::optional<bool> saved = saveWithin(SettingsStore(iniPath), std::chrono::seconds(5));
        QVERIFY2(saved.has_value(), "the save hung");
        QVERIFY(!*saved);
        if (obstacle == Obstacle::LockIsADirectory)
            QCOMPARE(contentsOf(iniPath), before);
        else
            QVERIFY(isCharacterDevice(dir.filePath("null")));
    }

    void aLinkToASettingsFileIsFollowedAndKept() {
        QTemporaryDir dir;
        writeFile(dir.filePath("real.ini"), "[General]\nHiScore=5\n");
        QVERIFY(QFile::link(dir.filePath("real.ini"), dir.filePath("Chromafall.ini")));
        QVERIFY(SettingsStore(dir.filePath("Chromafall.ini")).write({"8", "3"}));
        QVERIFY(QFileInfo(dir.filePath("Chromafall.ini")).isSymLink());
        QVERIFY(contentsOf(dir.filePath("real.ini")).contains("HiScore=8"));
    }

    void aSaveOverAFileOfGarbageIsASuccess() {
        const SettingsStore store;
        QByteArray garbage;
        while (garbage.size() < 20 * 1024 * 1024) garbage += "no key and no value on this line \x01\xff\n";
        writeFile(store.filePath(), garbage);
        QVERIFY(store.write({"12", "3"}));
        QCOMPARE(store.read().highScore, std::int64_t{12});
        QCOMPARE(store.read().startLevel, 3);
    }
};

QUADRELLE_TEST_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
