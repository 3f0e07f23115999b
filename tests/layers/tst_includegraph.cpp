#include "IncludeGraph.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The sources keep the layers' arrows, and the check finds a fault planted in a copy of them.
class tst_includegraph : public QObject
{
    Q_OBJECT

    static QSet<QString> widgetHeaders()
    {
        const QStringList names =
            QDir(QStringLiteral(QT_WIDGETS_INCLUDE_DIR)).entryList({QStringLiteral("Q*")}, QDir::Files);
        return {names.cbegin(), names.cend()};
    }

    static QString sources() { return QStringLiteral(TESSARINO_SOURCE_DIR) + QStringLiteral("/src"); }

    // The layer folders' sources, copied into `to`.
    static bool copySources(const QString &to)
    {
        const QDir from(sources());
        QDirIterator walk(from.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                          QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            const QString file = walk.next();
            const QString copy = QDir(to).filePath(from.relativeFilePath(file));
            if (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(file, copy))
                return false;
        }
        return true;
    }

private Q_SLOTS:
    void theSourcesKeepTheArrows()
    {
        QVERIFY(widgetHeaders().contains(QStringLiteral("QWidget")));
        const QStringList faults =
            IncludeGraph::check(sources(), IncludeGraph::programArrows(), widgetHeaders());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void aPlantedIncludeIsFound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("include");
        QTest::addColumn<QString>("fault"); // empty: none

        QTest::newRow("engine up to documents") << "engine/CheckDigits.cpp"
                                                << "#include \"RunLog.h\""
                                                << "engine/CheckDigits.cpp:1: engine may not use documents";
        QTest::newRow("documents up to the window") << "documents/JobFile.cpp"
                                                    << "#include \"UncutText.h\""
                                                    << "documents may not use ui (ui/UncutText.h)";
        QTest::newRow("platform up to lang") << "platform/Paths.h"
                                             << "  #  include \"Texts.h\""
                                             << "platform may not use lang";
        QTest::newRow("sideways, settings to shell") << "settings/FontSettings.cpp"
                                                     << "#include \"cRegistro.h\""
                                                     << "settings may not use shell";
        QTest::newRow("a widget in printer")
            << "printer/PrinterSurface.h"
            << "#include <QWidget>"
            << "printer/PrinterSurface.h:1: a widget below the window layers";
        QTest::newRow("a widget by its module") << "documents/RunLog.cpp"
                                                << "#include <QtWidgets/QLabel>"
                                                << "a widget below the window layers: <QtWidgets/QLabel>";
        QTest::newRow("a circle of files")
            << "platform/ProfileValue.h"
            << "#include \"ProfileFiles.h\""
            << "circle of files: platform/ProfileCache, platform/ProfileFiles, "
               "platform/ProfileText, platform/ProfileValue";
        QTest::newRow("downwards is fine") << "app/main.cpp"
                                           << "#include \"ProfileValue.h\"" << QString();
        QTest::newRow("widgets in the window") << "ui/Notes.cpp"
                                               << "#include <QTabWidget>" << QString();
    }

    void aPlantedIncludeIsFound()
    {
        QFETCH(QString, file);
        QFETCH(QString, include);
        QFETCH(QString, fault);
        QTemporaryDir copy;
        QVERIFY(copy.isValid());
        QVERIFY(copySources(copy.path()));
        QFile planted(QDir(copy.path()).filePath(file));
        QVERIFY(planted.open(QIODevice::ReadOnly));
        const QByteArray text = include.toUtf8() + '\n' + planted.readAll();
        planted.close();
        QVERIFY(planted.setPermissions(planted.permissions() | QFileDevice::WriteOwner));
        QVERIFY(planted.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(planted.write(text) == text.size());
        planted.close();

        const QStringList faults =
            IncludeGraph::check(copy.path(), IncludeGraph::programArrows(), widgetHeaders());
        if (fault.isEmpty()) {
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        } else {
            QCOMPARE(faults.size(), 1);
            QVERIFY2(faults.first().contains(fault), qPrintable(faults.first()));
        }
    }
};

QTEST_GUILESS_MAIN(tst_includegraph)
#include "tst_includegraph.moc"
