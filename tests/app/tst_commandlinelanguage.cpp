// `tessarino --print` in the language the user chose, or the desktop's when none is chosen: every
// message, the help and a stopped run's advice, with the same exit statuses and the same run log.
#include "ProfileFiles.h"
#include "RunLog.h"
#include "SpanishTexts.h"
#include "TestFiles.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

namespace {

// Who runs the program: the stored choice and the desktop's language.
enum Speaker { SpanishDesktop, EnglishStored, EnglishDesktop, SpanishStoredOnEnglishDesktop, Speakers };
const char *const kSpeakerNames[] = {"Spanish desktop", "English stored", "English desktop",
                                     "Spanish stored, English desktop"};

struct Result
{
    int status = -1;
    QString said; // standard output, then standard error
};

// A job file as the program saves it: windows-1252 text, CR LF lines.
const QByteArray kJob = QByteArrayLiteral("[Ultima Impresi\xf3n Solapa:0]\r\n"
                                          "PosX_0=1440\r\nPosY_0=2000\r\nCheck1_0=0\r\n"
                                          "Check1_1=1\r\nCheck1_2=1\r\n"
                                          "Desde=0098\r\nHasta=0102\r\nsstab= 0\r\n"
                                          "[Fuentes]\r\nColor=255\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n"
                                          "[Orientaci\xf3n]\r\nSentido=2\r\n[Solapa]\r\nSStab=0\r\n");

QByteArray changed(QByteArray job, const QByteArray &from, const QByteArray &to)
{
    return job.replace(from, to);
}

// A job file's bytes without the moment it was written, which differs between any two runs.
QByteArray withoutTheMoment(const QString &path)
{
    static const QRegularExpression moment(QStringLiteral("(?m)^(Fecha|Hora)=[^\r\n]*"));
    return QString::fromLatin1(bytesOf(path)).replace(moment, QStringLiteral("\\1=*")).toLatin1();
}

// The log's lines without what differs between any two runs: the id, the times and the copy's
// path. Everything the log says about the run stays.
QStringList runFields(const QString &logFile)
{
    QStringList lines = QString::fromUtf8(bytesOf(logFile)).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringList fields = lines[i].split(u',');
        for (const int varying : {0, 1, 2, 12})
            if (varying < fields.size())
                fields[varying] = QStringLiteral("*");
        lines[i] = fields.join(u',');
    }
    return lines;
}

} // namespace

class TestCommandLineLanguage : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    QString home(Speaker who) const { return m_tmp.path(QStringLiteral("home%1").arg(int(who))); }
    QString logFile(Speaker who) const
    {
        return home(who) + QStringLiteral("/.local/share/Tessarino/impresiones.csv");
    }

    void start(QProcess &process, Speaker who, const QStringList &arguments) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home(who));
        for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "QT_QPA_PLATFORM", "DISPLAY", "LANGUAGE",
                                 "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("XDG_RUNTIME_DIR", m_tmp.path("run"));
        env.insert("CUPS_SERVER", m_tmp.path("no-scheduler")); // no queue but the built-in PDF one
        const bool englishDesktop = who == EnglishDesktop || who == SpanishStoredOnEnglishDesktop;
        env.insert("LANG", englishDesktop ? "en_US.UTF-8" : "es_ES.UTF-8");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_tmp.path(QString()));
        process.start(QStringLiteral(TESSARINO_EXE), arguments);
    }

    Result run(Speaker who, const QStringList &arguments) const
    {
        QProcess process;
        start(process, who, arguments);
        if (!process.waitForFinished(60000))
            return {-1, QStringLiteral("did not finish")};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError())};
    }

    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile f(m_tmp.path(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    static QStringList spanishLines(const QString &said)
    {
        QStringList found;
        for (const QString &line : said.split(u'\n', Qt::SkipEmptyParts))
            if (SpanishTexts::isSpanish(line))
                found << line;
        // Qt wraps the help's long lines: they are looked at joined too.
        if (found.isEmpty() && SpanishTexts::isSpanish(said.simplified()))
            found << said.simplified();
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(m_tmp.path("run")));
        QVERIFY(chmod(QFile::encodeName(m_tmp.path("run")).constData(), 0700) == 0);
        put("rifa.trv", kJob);
        put("fuente.trv", changed(kJob, "Tama\xf1o=20", "Tama\xf1o=0"));
        put("digitos.trv", changed(kJob, "Desde=0098", "Desde=98"));
        put("nota.txt", "una nota\n");
        put("apagado.trv", changed(kJob, "Check1_0=0", "Check1_0=1"));
        put("sinpagina.trv", changed(kJob, "[Solapa]\r\nSStab=0\r\n", ""));
        const QString stored[] = {{}, QStringLiteral("Ingles"), {}, QStringLiteral("Español")};
        for (int who = 0; who < Speakers; ++who) {
            const QString folder = home(Speaker(who)) + QStringLiteral("/.config/Tessarino");
            QVERIFY(QDir().mkpath(folder));
            const ProfileFiles settings(folder + QStringLiteral("/Vireo.sys"));
            QString file;
            // Every run here is long enough for the summary.
            QVERIFY(settings.EscribirValorIni(QStringLiteral("Impresora"), QStringLiteral("ResumenDesde"),
                                              QStringLiteral("2"), file));
            if (!stored[who].isEmpty())
                QVERIFY(settings.EscribirValorIni(QStringLiteral("Lenguaje"), QStringLiteral("Idioma"),
                                                  stored[who], file));
        }
    }

    // The same command line says the same in Spanish and its English, ending alike.
    void everyMessageFollowsTheLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("a run with its summary")
            << QStringList{"--print", "rifa.trv", "--output", "rifa.pdf"} << 0;
        QTest::newRow("unknown option") << QStringList{"--print", "rifa.trv", "--colour"} << 2;
        QTest::newRow("missing value") << QStringList{"--print", "rifa.trv", "--output"} << 2;
        QTest::newRow("empty value") << QStringList{"--print", "rifa.trv", "--printer", ""} << 2;
        QTest::newRow("no --print") << QStringList{"--output", "rifa.pdf"} << 2;
        QTest::newRow("printer and output")
            << QStringList{"--print", "rifa.trv", "--printer", "P", "--output", "x.pdf"} << 2;
        QTest::newRow("output is the job") << QStringList{"--print", "rifa.trv", "--output", "rifa.trv"} << 2;
        QTest::newRow("output is a folder") << QStringList{"--print", "rifa.trv", "--output", "run"} << 2;
        QTest::newRow("sheets out of the run")
            << QStringList{"--print", "rifa.trv", "--sheets", "4-9", "--output", "x.pdf"} << 2;
        QTest::newRow("no list of tickets")
            << QStringList{"--print", "rifa.trv", "--tickets", "a-b", "--output", "x.pdf"} << 2;
        QTest::newRow("missing file") << QStringList{"--print", "falta.trv"} << 1;
        QTest::newRow("not a job") << QStringList{"--print", "nota.txt", "--output", "x.pdf"} << 1;
        QTest::newRow("missing printer") << QStringList{"--print", "rifa.trv", "--printer", "P1"} << 1;
        QTest::newRow("bad font size") << QStringList{"--print", "fuente.trv", "--output", "x.pdf"} << 1;
        QTest::newRow("digits differ") << QStringList{"--print", "digitos.trv", "--output", "x.pdf"} << 1;
        QTest::newRow("ticket not in the job")
            << QStringList{"--print", "rifa.trv", "--tickets", "0500", "--output", "x.pdf"} << 1;
        QTest::newRow("every position off")
            << QStringList{"--print", "apagado.trv", "--output", "x.pdf"} << 1;
        QTest::newRow("a job without its page")
            << QStringList{"--print", "sinpagina.trv", "--output", "x.pdf"} << 0;
    }
    void everyMessageFollowsTheLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        Result said[Speakers];
        for (int who = 0; who < Speakers; ++who) {
            said[who] = run(Speaker(who), arguments);
            QVERIFY2(said[who].status == status,
                     qPrintable(QStringLiteral("%1: %2").arg(kSpeakerNames[who], said[who].said)));
            QVERIFY2(!said[who].said.trimmed().isEmpty(), kSpeakerNames[who]);
        }
        // The Spanish is the Spanish of the sources, which the check below would catch.
        QVERIFY2(!spanishLines(said[SpanishDesktop].said).isEmpty(), qPrintable(said[SpanishDesktop].said));
        for (const Speaker english : {EnglishStored, EnglishDesktop})
            QVERIFY2(spanishLines(said[english].said).isEmpty(),
                     qPrintable(kSpeakerNames[english] + QStringLiteral(":\n") + said[english].said));
        QCOMPARE(said[EnglishDesktop].said, said[EnglishStored].said);
        // A stored Spanish beats the desktop's English.
        QCOMPARE(said[SpanishStoredOnEnglishDesktop].said, said[SpanishDesktop].said);
    }

    // The log and the job's copy say the same whatever the language of the run: they are read
    // back by the program in any language.
    void theRunLogIsTheSameInEveryLanguage()
    {
        for (const Speaker who : {SpanishDesktop, EnglishStored}) {
            QFile::remove(logFile(who));
            QCOMPARE(run(who, {"--print", "rifa.trv", "--output", "rifa.pdf"}).status, 0);
        }
        const QStringList spanish = runFields(logFile(SpanishDesktop));
        QCOMPARE(spanish.size(), 3); // the header, the run's start and its end
        QVERIFY2(spanish[2].contains(QStringLiteral(",completa,")), qPrintable(spanish[2]));
        QCOMPARE(runFields(logFile(EnglishStored)), spanish);

        QByteArray copies[2];
        int i = 0;
        for (const Speaker who : {SpanishDesktop, EnglishStored}) {
            const RunLog::Contents contents = RunLog(QFileInfo(logFile(who)).path()).read();
            QCOMPARE(contents.runs.size(), std::size_t(1));
            copies[i++] = withoutTheMoment(contents.runs[0].copia);
        }
        QVERIFY(copies[0].contains("Desde=0098") && copies[0].contains("Hora=*"));
        QCOMPARE(copies[1], copies[0]);
    }

    // A run stopped by Ctrl+C says in English how far it got and the whole command that prints the
    // rest, whose option names do not change; the log keeps its Spanish state.
    void aStoppedRunTellsTheRestInEnglish()
    {
        put("larga.trv", changed(kJob, "Desde=0098\r\nHasta=0102", "Desde=000001\r\nHasta=900000"));
        QFile::remove(logFile(EnglishDesktop));
        const RunLog log(QFileInfo(logFile(EnglishDesktop)).path());
        QProcess process;
        start(process, EnglishDesktop, {"--print", "larga.trv", "--output", "larga.pdf"});
        QTRY_VERIFY_WITH_TIMEOUT(log.read().runs.size() == 1, 30000);
        QTest::qWait(300);
        QVERIFY(process.state() == QProcess::Running);
        QVERIFY(kill(pid_t(process.processId()), SIGINT) == 0);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 128 + SIGINT);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(spanishLines(err).isEmpty(), qPrintable(err));
        QVERIFY2(QRegularExpression(" tessarino --print larga\\.trv --sheets \\d+-900000 --output '.*'$")
                     .match(err.trimmed())
                     .hasMatch(),
                 qPrintable(err));
        QCOMPARE(log.read().runs.back().estado, RunLog::kCancelada);
    }
};

QTEST_GUILESS_MAIN(TestCommandLineLanguage)
#include "tst_commandlinelanguage.moc"
