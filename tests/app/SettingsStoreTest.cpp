// SPDX-License-Identifier: MIT
// The desktop's settings file: where it is, that it really has a [General] section with the two
// keys, that hand-written files are read, that absent keys give the defaults, which values are
// texts of ours, and that a file that cannot be written is reported and not fatal: promptly,
// leaving the file as it was, whatever stands in the way, and that a save that worked says so.
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

#include "TestMain.h"
#include "settings/QtSettingsStorage.h"
#include "settings/StoredSettings.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::play;

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

Settings settingsOf(const QtSettingsStorage& storage) {
    return settingsIn(storage.read());
}

bool write(QtSettingsStorage& storage, const Settings& settings) {
    return storage.set(textsOf(settings));
}

// Saves on a thread of its own, so that a save that hangs fails the test instead of stalling it.
std::optional<bool> saveWithin(QtSettingsStorage storage, std::chrono::seconds limit) {
    auto saved = std::make_shared<std::promise<bool>>();
    std::future<bool> result = saved->get_future();
    std::thread([storage = std::move(storage), saved]() mutable {
        saved->set_value(write(storage, {9, 9}));
    }).detach();
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
    void cleanup() { QFile::remove(QtSettingsStorage().filePath()); }

    void userFileIsChromafallIniInTheConfigFolder() {
        const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Chromafall/Chromafall.ini";
        QCOMPARE(QtSettingsStorage().filePath(), expected);
    }

    void absentSettingsGiveTheDefaults() {
        const Settings saved = settingsOf(QtSettingsStorage());
        QCOMPARE(saved.highScore, 0);
        QCOMPARE(saved.startLevel, 1);
    }

    void writtenSettingsSitInAGeneralSection() {
        QtSettingsStorage store;
        QVERIFY(write(store, {120, 7}));
        const QByteArray text = contentsOf(store.filePath());
        QVERIFY2(text.startsWith("[General]\n"), text.constData());
        QVERIFY2(text.contains("\nHiScore=120\n"), text.constData());
        QVERIFY2(text.contains("\nStartLevel=7"), text.constData());
        QVERIFY2(!text.contains("%General"), text.constData());
        const Settings saved = settingsOf(store);
        QCOMPARE(saved.highScore, 120);
        QCOMPARE(saved.startLevel, 7);
    }

    void aHandWrittenGeneralSectionIsRead() {
        QtSettingsStorage store;
        writeFile(store.filePath(), "[General]\r\nStartLevel=4\r\nHiScore=350\r\n");
        const Settings saved = settingsOf(store);
        QCOMPARE(saved.highScore, 350);
        QCOMPARE(saved.startLevel, 4);
    }

    void keysOfOtherSectionsAreNotRead() {
        QtSettingsStorage store;
        writeFile(store.filePath(), "[Other]\nHiScore=350\nStartLevel=4\n");
        const Settings saved = settingsOf(store);
        QCOMPARE(saved.highScore, 0);
        QCOMPARE(saved.startLevel, 1);
    }

    // Lists (values with commas) and the keys of a [%General] section are no texts of ours; a
    // replaced [General] takes the keys in no group.
    void theFileReadsAsTextsNamedBySection() {
        QtSettingsStorage store;
        writeFile(store.filePath(), "[General]\nHiScore=1, 2\nStartLevel=4\n[%General]\nStartLevel=7\n"
                                    "[Options]\nSound=false\n[BestScores]\n1=500,3,2026-12-09,7\n2=x\n");
        QCOMPARE(
            store.read(),
            (StoredTexts{{"BestScores/2", "x"}, {"General/StartLevel", "4"}, {"Options/Sound", "false"}}));
        QVERIFY(store.update([](const StoredTexts&) {
            return SettingsChange{{"General"}, {{"General/HiScore", "3"}}};
        }));
        QCOMPARE(contentsOf(store.filePath()), QByteArray("[General]\nHiScore=3\n\n[BestScores]\n1=500, 3, "
                                                          "2026-12-09, 7\n2=x\n\n[%General]\nStartLevel=7\n\n"
                                                          "[Options]\nSound=false\n"));
    }

    void otherKeysOfTheFileAreKeptWhenWriting() {
        QtSettingsStorage store;
        writeFile(store.filePath(), "[General]\nHiScore=5\nVolume=3\n");
        QVERIFY(write(store, {9, 2}));
        const QByteArray text = contentsOf(store.filePath());
        QVERIFY2(text.contains("Volume=3"), text.constData());
        QVERIFY2(text.contains("HiScore=9"), text.constData());
    }

    void aFileThatCannotBeWrittenIsReportedNotFatal() {
        // A plain file where the folder should be: this fails for root too.
        QTemporaryDir dir;
        writeFile(dir.filePath("blocker"), "not a folder");
        QtSettingsStorage store(dir.filePath("blocker/Chromafall/Chromafall.ini"));
        QVERIFY(!write(store, {1, 1}));
        QVERIFY(!store.set(highScoreTextOf(1)));
        QCOMPARE(settingsOf(store).highScore, 0);
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

        const std::optional<bool> saved = saveWithin(QtSettingsStorage(iniPath), std::chrono::seconds(5));
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
        QtSettingsStorage linked(dir.filePath("Chromafall.ini"));
        QVERIFY(write(linked, {8, 3}));
        QVERIFY(QFileInfo(dir.filePath("Chromafall.ini")).isSymLink());
        QVERIFY(contentsOf(dir.filePath("real.ini")).contains("HiScore=8"));
    }

    void aSaveOverAFileOfGarbageIsASuccess() {
        QtSettingsStorage store;
        QByteArray garbage;
        while (garbage.size() < 20 * 1024 * 1024) garbage += "no key and no value on this line \x01\xff\n";
        writeFile(store.filePath(), garbage);
        QVERIFY(write(store, {12, 3}));
        QCOMPARE(settingsOf(store).highScore, std::int64_t{12});
        QCOMPARE(settingsOf(store).startLevel, 3);
    }
};

QUADRELLE_TEST_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
