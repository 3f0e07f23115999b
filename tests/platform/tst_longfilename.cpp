#include "LongFileName.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>

class TestLongFileName : public QObject
{
    Q_OBJECT

    TestPaths tp;
    QString root; // tp's folder, as an absolute path without a trailing slash

private Q_SLOTS:
    void initTestCase()
    {
        root = QDir(tp.path(QString())).absolutePath();
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Mis Trabajos/.oculta")));
        QFile job(root + QStringLiteral("/Mis Trabajos/.oculta/Rifa 2026.trv"));
        QVERIFY(job.open(QIODevice::WriteOnly));
    }

    void resolvesOnlyWhenEveryComponentExists_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected"); // relative to root; "-" for ""
        QTest::newRow("file in hidden folder") << "/Mis Trabajos/.oculta/Rifa 2026.trv"
                                               << "/Mis Trabajos/.oculta/Rifa 2026.trv";
        QTest::newRow("folder with trailing slash") << "/Mis Trabajos/"
                                                    << "/Mis Trabajos";
        QTest::newRow("doubled slash and dot") << "//Mis Trabajos/./.oculta"
                                               << "/Mis Trabajos/.oculta";
        QTest::newRow("missing folder") << "/No Existe/Rifa 2026.trv"
                                        << "-";
        QTest::newRow("missing file") << "/Mis Trabajos/.oculta/Otra.trv"
                                      << "-";
        QTest::newRow("file used as folder") << "/Mis Trabajos/.oculta/Rifa 2026.trv/x"
                                             << "-";
        QTest::newRow("other case") << "/mis trabajos/.oculta/Rifa 2026.trv"
                                    << "-";
    }
    void resolvesOnlyWhenEveryComponentExists()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(GetLongFilename(root + input), expected == u"-" ? QString() : root + expected);
    }

    void needsAnAbsolutePath()
    {
        QCOMPARE(GetLongFilename(QString()), QString());
        QCOMPARE(GetLongFilename(QStringLiteral("tmp")), QString());
        QCOMPARE(GetLongFilename(QStringLiteral("\"") + root + QStringLiteral("/Mis Trabajos\"")), QString());
        QCOMPARE(GetLongFilename(root + QStringLiteral("/Mis Trabajos") + QChar(0) + QStringLiteral("x")),
                 QString());
        QCOMPARE(GetLongFilename(QStringLiteral("/")), QStringLiteral("/"));
    }

    void fileInTheRootFolder()
    {
        QTemporaryFile file(QStringLiteral("/tst_longfilename_XXXXXX.trv"));
        if (!file.open())
            QSKIP("the root folder is not writable here");
        QCOMPARE(GetLongFilename(file.fileName()), file.fileName());
        QCOMPARE(GetLongFilename(QStringLiteral("/") + file.fileName()), file.fileName());
    }
};

QTEST_GUILESS_MAIN(TestLongFileName)
#include "tst_longfilename.moc"
