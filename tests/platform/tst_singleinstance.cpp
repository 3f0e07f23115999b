#include "SingleInstance.h"
#include "TestPaths.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <cstdio>

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
