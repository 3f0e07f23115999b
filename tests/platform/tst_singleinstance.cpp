#include "Paths.h"
#include "SingleInstance.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A lock file naming this live process, as another user could write it in advance.
bool plantLock(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(QByteArray::number(QCoreApplication::applicationPid()) +
                                                   '\n' + QCoreApplication::applicationName().toUtf8() +
                                                   '\n' + QSysInfo::machineHostName().toUtf8() + '\n') > 0;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

    TestPaths tp;

private Q_SLOTS:
    void secondInstanceWaitsForTheFirst()
    {
        const QString folder = tp.path(QStringLiteral("run"));
        SingleInstance first(folder);
        SingleInstance second(folder);
        QVERIFY(first.tryAcquire());
        QVERIFY(first.isHeld());
        QVERIFY(!second.tryAcquire());
        QVERIFY(!second.isHeld());
        first.release();
        QVERIFY(second.tryAcquire());
        QVERIFY(!first.tryAcquire());
    }

    // Another process holds the lock and then dies without releasing it, as a crash would.
    void aLockLeftByADeadProcessDoesNotBlock()
    {
        const QString folder = tp.path(QStringLiteral("crash"));
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), folder});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

        SingleInstance me(folder);
        QVERIFY(!me.tryAcquire());

        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QFile::exists(me.lockFilePath()));
        QVERIFY(me.tryAcquire());
        QVERIFY(me.isHeld());
    }

    void anUnusableFolderDoesNotStopTheProgram()
    {
        const QString plain = tp.path(QStringLiteral("plain"));
        QFile f(plain);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        SingleInstance s(plain); // a file where the folder should be
        QVERIFY(s.tryAcquire());
        QVERIFY(!s.isHeld());
    }

    void withoutARuntimeFolderTheLockIsInAFolderOfTheUsersOwn()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray temp = qgetenv("TMPDIR");
        const QString shared = tp.path(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(shared));
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(shared));
        const QString folder = Paths::standard().lockFolder;
        qputenv("TMPDIR", temp);
        if (!runtime.isEmpty())
            qputenv("XDG_RUNTIME_DIR", runtime);
        QCOMPARE(folder, shared + QStringLiteral("/tessarino-%1").arg(::geteuid()));

        SingleInstance s(folder);
        QVERIFY(s.tryAcquire());
        QVERIFY(s.isHeld());
        struct stat info;
        QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0700));
        QCOMPARE(info.st_uid, ::geteuid());
    }

    // A folder planted in the lock's place, holding a lock that names a live process: the
    // program must start all the same, without trusting that folder.
    void aPlantedLockFolderDoesNotStopTheProgram_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("writable by everyone") << "open";
        QTest::newRow("a link to another folder") << "link";
        QTest::newRow("owned by another user") << "other";
    }
    void aPlantedLockFolderDoesNotStopTheProgram()
    {
        QFETCH(QString, kind);
        if (kind == u"other" && ::geteuid() != 0)
            QSKIP("only root can give a folder to another user");
        const QString folder = tp.path(QStringLiteral("planted-") + kind);
        const QString real = kind == u"link" ? tp.path(QStringLiteral("elsewhere")) : folder;
        QVERIFY(QDir().mkpath(real));
        if (kind == u"link")
            QVERIFY(QFile::link(real, folder));
        SingleInstance s(folder);
        QVERIFY(plantLock(s.lockFilePath()));
        if (kind == u"open")
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
        if (kind == u"other") {
            QCOMPARE(::chown(QFile::encodeName(s.lockFilePath()).constData(), 65534, 65534), 0);
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        }

        QVERIFY(s.tryAcquire());
        QVERIFY(!s.isHeld());
    }
};

int main(int argc, char **argv)
{
    // Child mode for the crash test: take the lock, say so, and wait to be killed.
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        SingleInstance lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.tryAcquire() || !lock.isHeld())
            return 1;
        std::puts("held");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
