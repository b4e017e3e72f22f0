// SPDX-License-Identifier: MIT
// The real quadrelle program, run offscreen with its own settings folder, ends gracefully on
// SIGTERM, SIGINT and SIGHUP: it exits normally and has saved both settings under [General].
// A save that cannot be made does not keep it from ending, and a signal that it was started
// with set to be ignored (nohup) stays ignored.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// True once the process catches the signal, that is once its handler is installed.
bool inSignalMask(qint64 pid, const QByteArray& field, int signalNumber) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith(field)) continue;
        const quint64 mask = line.mid(field.size()).trimmed().toULongLong(nullptr, 16);
        return mask & (quint64(1) << (signalNumber - 1));
    }
    return false;
}

bool catchesSignal(qint64 pid, int signalNumber) {
    return inSignalMask(pid, "SigCgt:", signalNumber);
}

bool writeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The game, offscreen, with its settings under configHome; started once its quit handler is in.
void startGame(QProcess& game, const QString& configHome, std::function<void()> inChild = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    game.setProcessEnvironment(environment);
    if (inChild) game.setChildProcessModifier(inChild);
    game.start(QStringLiteral(QUADRELLE_BINARY), {});
    QVERIFY(game.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(catchesSignal(game.processId(), SIGTERM), 10000);
}

constexpr uid_t kNobody = 65534;

// A folder the game may not change, holding the lock file a save killed half-way leaves
// behind. Root may change any folder, so then the game runs as nobody.
void makeReadOnlyFolderWithStaleLock(const QString& configHome, const QString& folder) {
    QVERIFY(writeFile(folder + "/Chromafall.ini.lock",
                      "99999999\nquadrelle\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    if (::geteuid() == 0) {
        QVERIFY(::chmod(QFile::encodeName(configHome).constData(), 0755) == 0);
        for (const QString& path : {folder, folder + "/Chromafall.ini"})
            QVERIFY(::chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0);
    }
    QVERIFY(QFile::setPermissions(folder,
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
}

void runAsNobodyWhenRoot() {
    if (::geteuid() != 0) return;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(127);
}

enum class Obstacle { LockIsADirectory, ReadOnlyFolderWithStaleLock };

} // namespace

class ShutdownTest : public QObject {
    Q_OBJECT

private slots:
    void aQuitSignalClosesTheWindowAndSavesTheSettings_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void aQuitSignalClosesTheWindowAndSavesTheSettings() {
        QFETCH(int, signalNumber);
        QTemporaryDir configHome;
        const QString iniPath = configHome.filePath("Chromafall/Chromafall.ini");
        QVERIFY(QDir().mkpath(configHome.filePath("Chromafall")));
        {
            QFile ini(iniPath);
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[General]\nHiScore=77\nStartLevel=4\n");
        }

        QProcess game;
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        // Run in the background or under nohup, the tests may hand down an ignored SIGINT or SIGHUP.
        startGame(game, configHome.path(), [] {
            std::signal(SIGINT, SIG_DFL);
            std::signal(SIGHUP, SIG_DFL);
        });
        if (QTest::currentTestFailed()) return;
        QTRY_VERIFY_WITH_TIMEOUT(catchesSignal(game.processId(), signalNumber), 10000);
        QFile::remove(iniPath);

        ::kill(static_cast<pid_t>(game.processId()), signalNumber);
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);

        QFile ini(iniPath);
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY2(text.startsWith("[General]\n"), text.constData());
        QVERIFY2(text.contains("HiScore=77"), text.constData());
        QVERIFY2(text.contains("StartLevel=4"), text.constData());
    }

    void aSaveThatCannotBeMadeDoesNotKeepTheGameFromQuitting_data() {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::newRow("lock is a directory") << Obstacle::LockIsADirectory;
        QTest::newRow("read-only folder with a stale lock") << Obstacle::ReadOnlyFolderWithStaleLock;
    }

    void aSaveThatCannotBeMadeDoesNotKeepTheGameFromQuitting() {
        QFETCH(Obstacle, obstacle);
        QTemporaryDir configHome;
        const QString folder = configHome.filePath("Chromafall");
        const QByteArray before = "[General]\nHiScore=77\nStartLevel=4\n";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFile(folder + "/Chromafall.ini", before));
        std::function<void()> inChild;
        if (obstacle == Obstacle::LockIsADirectory) {
            QVERIFY(QDir().mkpath(folder + "/Chromafall.ini.lock"));
        } else {
            makeReadOnlyFolderWithStaleLock(configHome.path(), folder);
            if (QTest::currentTestFailed()) return;
            inChild = runAsNobodyWhenRoot;
        }

        QProcess game;
        startGame(game, configHome.path(), inChild);
        if (QTest::currentTestFailed()) return;
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
        const bool finished = game.waitForFinished(10000);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(finished, "the game hung while saving");
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
        const QByteArray errors = game.readAllStandardError();
        QCOMPARE(errors.count("could not save"), 1);
        QCOMPARE(contentsOf(folder + "/Chromafall.ini"), before);
    }

    void anInheritedIgnoreOfHangupAndInterruptIsKept() {
        QTemporaryDir configHome;
        QProcess game;
        startGame(game, configHome.path(), [] {
            std::signal(SIGHUP, SIG_IGN);
            std::signal(SIGINT, SIG_IGN);
        });
        if (QTest::currentTestFailed()) return;
        for (const int signalNumber : {SIGHUP, SIGINT}) {
            QVERIFY(inSignalMask(game.processId(), "SigIgn:", signalNumber));
            ::kill(static_cast<pid_t>(game.processId()), signalNumber);
        }
        QVERIFY2(!game.waitForFinished(500), "an ignored signal ended the game");
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(ShutdownTest)
#include "ShutdownTest.moc"
