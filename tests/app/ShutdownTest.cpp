// The real quadrelle program, run offscreen with its own settings folder, ends gracefully on
// SIGTERM, SIGINT and SIGHUP: it exits normally and has saved both settings under [General].
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// True once the process catches the signal, that is once its handler is installed.
bool catchesSignal(qint64 pid, int signalNumber) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("SigCgt:")) continue;
        const quint64 mask = line.mid(7).trimmed().toULongLong(nullptr, 16);
        return mask & (quint64(1) << (signalNumber - 1));
    }
    return false;
}

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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", configHome.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QStringLiteral(QUADRELLE_BINARY), {});
        QVERIFY(game.waitForStarted(5000));
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
};

QTEST_GUILESS_MAIN(ShutdownTest)
#include "ShutdownTest.moc"
