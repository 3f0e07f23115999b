// What the program catches and does not show goes to its log, in categories "tessarino.*" that a
// user switches with QT_LOGGING_RULES like those of any Qt program.
#include "TestPaths.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// A job the command line prints; `orientation` is its [Orientación] section, if any.
QByteArray job(const QByteArray &orientation)
{
    return QByteArrayLiteral("[Ultima Impresi\xf3n Solapa:0]\r\n"
                             "PosX_0=1440\r\nPosY_0=2000\r\nCheck1_0=0\r\n"
                             "PosX_1=0\r\nPosY_1=0\r\nCheck1_1=1\r\n"
                             "PosX_2=0\r\nPosY_2=0\r\nCheck1_2=1\r\n"
                             "Desde=0001\r\nHasta=0002\r\nsstab= 0\r\n"
                             "[Fuentes]\r\nColor=0\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n") +
           orientation + QByteArrayLiteral("[Solapa]\r\nSStab=0\r\n");
}

const QString kRefused = QStringLiteral("tessarino.print: The job's orientation 3 was not set:");
const QString kNoOrientation = QStringLiteral("tessarino.files: Job without an orientation:");

} // namespace

class TestLogging : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

private Q_SLOTS:
    void caughtErrorsGoToTheLogAsTheRulesSay_data()
    {
        QTest::addColumn<QByteArray>("orientation");
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QStringList>("notLogged");
        const QByteArray refused = QByteArrayLiteral("[Orientaci\xf3n]\r\nSentido=3\r\n");
        QTest::newRow("a warning, by default")
            << refused << QString() << QStringList{kRefused} << QStringList{};
        QTest::newRow("warnings of printing off")
            << refused << QStringLiteral("tessarino.print.warning=false") << QStringList{}
            << QStringList{kRefused};
        QTest::newRow("debug output is off by default")
            << QByteArray() << QString() << QStringList{} << QStringList{kNoOrientation};
        QTest::newRow("debug output on") << QByteArray() << QStringLiteral("tessarino.*.debug=true")
                                         << QStringList{kNoOrientation} << QStringList{};
    }
    void caughtErrorsGoToTheLogAsTheRulesSay()
    {
        QFETCH(QByteArray, orientation);
        QFETCH(QString, rules);
        QFETCH(QStringList, logged);
        QFETCH(QStringList, notLogged);
        QFile file(m_tmp.path(QStringLiteral("rifa.trv")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(job(orientation));
        file.close();

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_tmp.path(QStringLiteral("home")));
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), rules);
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINO_EXE),
                      {QStringLiteral("--print"), file.fileName(), QStringLiteral("--output"),
                       m_tmp.path(QStringLiteral("rifa.pdf"))});
        QVERIFY(process.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, qPrintable(err));
        for (const QString &line : logged)
            QVERIFY2(err.contains(line), qPrintable(err));
        for (const QString &line : notLogged)
            QVERIFY2(!err.contains(line), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
