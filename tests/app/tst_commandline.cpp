// `tessarino --print`: the program run as a user runs it from a terminal, with no display.
#include "CodeReader.h"
#include "DesignPdfs.h"
#include "PdfText.h"
#include "RunLog.h"
#include "TestPaths.h"
#include "Version.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Result
{
    int status;
    QString out, err;
};

// A job file as the program saves it: windows-1252 text, CR LF lines.
const QByteArray kJob = QByteArrayLiteral("[Ultima Impresi\xf3n Solapa:0]\r\n"
                                          "PosX_0=1440\r\nPosY_0=2000\r\nCheck1_0=0\r\n"
                                          "PosX_1=6000\r\nPosY_1=8000\r\nCheck1_1=0\r\n"
                                          "PosX_2=0\r\nPosY_2=0\r\nCheck1_2=1\r\n"
                                          "Desde=0098\r\nHasta=0102\r\nsstab= 0\r\n"
                                          "[Fuentes]\r\nColor=255\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n"
                                          "[Orientaci\xf3n]\r\nSentido=2\r\n[Solapa]\r\nSStab=0\r\n");

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    // The program as a user starts it; `shell` runs it through `sh -c` ("$@" are the arguments).
    void start(QProcess &process, const QStringList &arguments, const QString &shell = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        env.remove("XDG_DATA_HOME"); // the run log goes below HOME
        env.remove("XDG_CONFIG_HOME");
        env.remove("QT_QPA_PLATFORM"); // the command line needs no display of its own choosing
        env.remove("DISPLAY");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_tmp.path(QString()));
        if (shell.isEmpty())
            process.start(QStringLiteral(TESSARINO_EXE), arguments);
        else
            process.start("sh", QStringList{"-c", shell + " \"$0\" \"$@\"", TESSARINO_EXE} + arguments);
    }

    Result run(const QStringList &arguments, const QString &shell = {})
    {
        QProcess process;
        start(process, arguments, shell);
        if (!process.waitForFinished(60000))
            return {-1, {}, "did not finish"};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString writeJob(const QString &name, const QByteArray &text)
    {
        QFile file(m_tmp.path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return {};
        return file.fileName();
    }

    QStringList filesIn(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private Q_SLOTS:
    void printsTheJobToTheOutputFile()
    {
        const QString job = writeJob("rifa.trv", kJob);
        QVERIFY(!job.isEmpty());
        QDir().mkpath(m_tmp.path("out"));
        const Result r = run({"--print", job, "--output", m_tmp.path("out/rifa.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(filesIn(m_tmp.path("out")), QStringList{"rifa.pdf"});

        const PdfText pdf = PdfText::read(m_tmp.path("out/rifa.pdf"));
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 5);
        const QStringList numbers{"0098", "0099", "0100", "0101", "0102"};
        for (int s = 0; s < 5; ++s) {
            const PdfText::Page &page = pdf.pages[s];
            QVERIFY(page.width > page.height); // stored landscape
            QCOMPARE(page.texts(), (QStringList{numbers[s], numbers[s]}));
            QVERIFY(qAbs(page.words[0].xMin - 72) < 2 && qAbs(page.words[0].yMin - 100) < 3);
            QVERIFY(qAbs(page.words[1].xMin - 300) < 2 && qAbs(page.words[1].yMin - 400) < 3);
            QVERIFY(qAbs((page.words[0].yMax - page.words[0].yMin) - 20 * 1.16) < 3);
        }
    }

    // Two rows cut into piles of at most three sheets: the second block holds the one number left.
    void printsPilesFromTheJobFile()
    {
        const QString job = writeJob("pilas.trv", "[Ultima Impresi\xf3n Solapa:1]\r\n"
                                                  "PosX_0=1440\r\nPosY_0=2000\r\nCheck2_0=0\r\n"
                                                  "PosX_1=1440\r\nPosY_1=8000\r\nCheck2_1=0\r\n"
                                                  "Check2_2=1\r\nCheck2_3=1\r\nsstab= 1\r\n"
                                                  "Pilas=1\r\nPilasDesde=1\r\nPilasHasta=0007\r\n"
                                                  "PilasProfundidad=3\r\n"
                                                  "[Fuentes]\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n"
                                                  "[Solapa]\r\nSStab=1\r\n");
        QVERIFY(!job.isEmpty());
        const Result r = run({"--print", job, "--output", m_tmp.path("pilas.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const PdfText pdf = PdfText::read(m_tmp.path("pilas.pdf"));
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        const QList<QStringList> sheets{{"0001", "0004"}, {"0002", "0005"}, {"0003", "0006"}, {"0007"}};
        QCOMPARE(pdf.pages.size(), sheets.size());
        for (qsizetype s = 0; s < sheets.size(); ++s)
            QCOMPARE(pdf.pages[s].texts(), sheets[s]);
    }

    // The looks a job file keeps print from the command line too.
    void printsTheJobsCodes()
    {
        QByteArray text = kJob;
        text.replace("sstab= 0\r\n",
                     "sstab= 0\r\nFormato_1=DataMatrix\r\nPrefijo_1=\" N\xba \"\r\nCodigo_1=20\r\n");
        const QString job = writeJob("codigos.trv", text);
        QVERIFY(!job.isEmpty());
        const Result r = run({"--print", job, "--output", m_tmp.path("codigos.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const CodeReader read =
            CodeReader::read(m_tmp.path("codigos.pdf"), m_tmp.path("codigos"), {400, 500});
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages.size(), 5);
        for (int s = 0; s < 5; ++s) {
            QCOMPARE(read.pages[s].size(), 1);
            QCOMPARE(read.pages[s][0].text, QStringLiteral(" Nº %1").arg(98 + s, 4, 10, QChar(u'0')));
        }
    }

    void failuresExitNonZeroAndLeaveNoPdf_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("job");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QStringList{"--print", "@/falta.trv"} << QByteArray() << 1
                                      << "No se encuentra el archivo @/falta.trv.";
        QByteArray letters = kJob;
        letters.replace("Desde=0098", "Desde=00a8");
        QTest::newRow("range not a number")
            << QStringList{"--print", "@/job.trv"} << letters << 1 << "Debe ingresar un valor numérico!";
        QByteArray badCode = kJob;
        badCode.replace("sstab= 0\r\n", "sstab= 0\r\nFormato_0=Code128\r\nPrefijo_0=A\xd1O-\r\n");
        QTest::newRow("code that cannot hold its prefix")
            << QStringList{"--print", "@/job.trv"} << badCode << 1
            << "Mismo número, posición 1: el código Code 128 no puede llevar «Ñ»";
        QTest::newRow("unknown option") << QStringList{"--print", "@/job.trv", "--copias", "2"} << kJob << 2
                                        << "Opción desconocida «--copias»";
        QTest::newRow("unknown option, one dash") << QStringList{"-frobnicate", "--print", "@/job.trv"}
                                                  << kJob << 2 << "Opción desconocida «-frobnicate»";
        QTest::newRow("option given twice")
            << QStringList{"--print", "@/job.trv", "--sheets", "1-2", "--sheets", "4-5"} << kJob << 2
            << "--sheets se ha dado más de una vez";
        QTest::newRow("empty job") << QStringList{"--print", ""} << kJob << 2
                                   << "--print no puede estar vacío";
        QTest::newRow("no job") << QStringList{} << kJob << 2 << "--print";
        QTest::newRow("sheets past the end")
            << QStringList{"--print", "@/job.trv", "--sheets", "4-6"} << kJob << 2 << "no hay hoja 6";
        QTest::newRow("sheets reversed") << QStringList{"--print", "@/job.trv", "--sheets", "4-2"} << kJob
                                         << 2 << "es anterior a la inicial";
        QTest::newRow("sheets not numeric")
            << QStringList{"--print", "@/job.trv", "--sheets", "dos-tres"} << kJob << 2 << "no es un tramo";
    }

    void failuresExitNonZeroAndLeaveNoPdf()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, job);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString folder = m_tmp.path(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        if (!job.isEmpty())
            QVERIFY(!writeJob(QString(QTest::currentDataTag()) + "/job.trv", job).isEmpty());
        for (QString &a : arguments)
            a.replace('@', folder);
        arguments << "--output" << folder + "/salida.pdf";

        message.replace('@', folder);
        const Result r = run(arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY2(!r.err.contains("abrir"), qPrintable(r.err));
        const QStringList left = filesIn(folder);
        QVERIFY2(!left.contains("salida.pdf") && left.size() == (job.isEmpty() ? 0 : 1),
                 qPrintable(left.join(' ')));
    }

    void sheetsPrintsOnlyThatPartOfTheRun()
    {
        const QString job = writeJob("parte.trv", kJob);
        const Result r = run({"--print", job, "--sheets", "2-3", "--output", m_tmp.path("parte.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const PdfText pdf = PdfText::read(m_tmp.path("parte.pdf"));
        QCOMPARE(pdf.pages.size(), 2);
        QCOMPARE(pdf.pages[0].texts(), QStringList({"0099", "0099"}));
        QCOMPARE(pdf.pages[1].texts(), QStringList({"0100", "0100"}));
    }

    // A run killed part-way still has its line in the log, which reads as not finished.
    void aKilledRunLeavesItsLineUnfinished()
    {
        QByteArray text = kJob;
        text.replace("Desde=0098\r\nHasta=0102", "Desde=000001\r\nHasta=900000");
        const QString job = writeJob("larga.trv", text);
        const RunLog log(m_tmp.path("home/.local/share/Tessarino"));
        QFile::remove(log.file());
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        env.remove("XDG_DATA_HOME");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINO_EXE), {"--print", job, "--output", m_tmp.path("larga.pdf")});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(log.read().runs.size() == 1, 30000);
        QTest::qWait(300); // well into the run
        QCOMPARE(process.state(), QProcess::Running);
        process.kill(); // SIGKILL: nothing of the program runs after it
        QVERIFY(process.waitForFinished());

        const RunLog::Contents contents = log.read();
        QCOMPARE(contents.runs.size(), std::size_t(1));
        const RunLog::Run &run = contents.runs[0];
        QVERIFY(!run.finished());
        QCOMPARE(run.hojas, 900000);
        QCOMPARE(run.trabajo, job);
        QVERIFY(QFile::exists(run.copia));
        QVERIFY(!QFile::exists(m_tmp.path("larga.pdf")));
    }

    // A value left empty (an unset variable in a script) or left out never means "the default":
    // nothing may reach the default printer, which in these tests is the built-in PDF printer.
    void emptyOrMissingValuesAreWrongCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty output")
            << QStringList{"--print", "@", "--output", ""} << "--output no puede estar vacío";
        QTest::newRow("empty output with =")
            << QStringList{"--print", "@", "--output="} << "--output no puede estar vacío";
        QTest::newRow("output without value")
            << QStringList{"--print", "@", "--output"} << "Falta el valor de --output";
        QTest::newRow("empty printer")
            << QStringList{"--print", "@", "--printer", ""} << "--printer no puede estar vacío";
        QTest::newRow("output given twice")
            << QStringList{"--print", "@", "--output", "a.pdf", "--output=b.pdf"}
            << "--output se ha dado más de una vez";
    }

    void emptyOrMissingValuesAreWrongCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QString job = writeJob("vacio.trv", kJob);
        arguments.replaceInStrings(QRegularExpression("^@$"), job);
        const Result r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(filesIn(m_tmp.path("home/Documents/Tessarino PDF")).isEmpty());
        QVERIFY(!QFile::exists(m_tmp.path("a.pdf")) && !QFile::exists(m_tmp.path("b.pdf")));
    }

    // An output that is one of the run's own files would destroy it: the job, its design, the
    // settings, however the path is spelt. Refused before anything is written, the run log too.
    void outputThatIsAFileTheRunKeepsIsRefused_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("original"); // the file that must stay as it was
        QTest::addColumn<QString>("message");
        QTest::newRow("the job") << "ident/job.trv"
                                 << "ident/job.trv"
                                 << "es el trabajo";
        QTest::newRow("the job, spelt another way") << "./ident/../ident/job.trv"
                                                    << "ident/job.trv"
                                                    << "es el trabajo";
        QTest::newRow("a link to the job") << "ident/enlace.pdf"
                                           << "ident/job.trv"
                                           << "es el trabajo";
        QTest::newRow("a hard link to the job") << "ident/duro.pdf"
                                                << "ident/job.trv"
                                                << "es el trabajo";
        QTest::newRow("the design") << "ident/diseno.pdf"
                                    << "ident/diseno.pdf"
                                    << "es la plantilla del trabajo";
        QTest::newRow("the settings") << "home/.config/Tessarino/Vireo.sys"
                                      << "home/.config/Tessarino/Vireo.sys"
                                      << "es el archivo de configuración";
    }

    void outputThatIsAFileTheRunKeepsIsRefused()
    {
        QFETCH(QString, output);
        QFETCH(QString, original);
        QFETCH(QString, message);
        QDir(m_tmp.path("ident")).removeRecursively();
        QVERIFY(QDir().mkpath(m_tmp.path("ident")) && QDir().mkpath(m_tmp.path("home/.config/Tessarino")));
        DesignPdfs::write(m_tmp.path("ident/diseno.pdf"), QPageSize(QPageSize::A5));
        QByteArray text = kJob + "[Plantilla]\r\nArchivo=diseno.pdf\r\nPagina=1\r\n";
        const QString job = writeJob("ident/job.trv", text);
        QVERIFY(QFile::link(job, m_tmp.path("ident/enlace.pdf")));
        QVERIFY(::link(QFile::encodeName(job).constData(),
                       QFile::encodeName(m_tmp.path("ident/duro.pdf")).constData()) == 0);
        QFile settings(m_tmp.path("home/.config/Tessarino/Vireo.sys"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Idioma]\r\nActual=0\r\n");
        settings.close();
        QFile kept(m_tmp.path(original));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray before = kept.readAll();
        kept.close();
        const RunLog log(m_tmp.path("home/.local/share/Tessarino"));
        QFile::remove(log.file());

        const Result r = run({"--print", job, "--output", output});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
        QVERIFY(!QFile::exists(log.file()));
        QVERIFY(filesIn(m_tmp.path("ident")).filter(".tessarino").isEmpty());
    }

    // Only a regular file is ever replaced; one that is keeps its permissions, and a link to one
    // is followed rather than replaced.
    void outputReplacesOnlyARegularFile()
    {
        const QString job = writeJob("regular.trv", kJob);
        QVERIFY(QDir().mkpath(m_tmp.path("regular/carpeta.pdf")));
        QVERIFY(mkfifo(QFile::encodeName(m_tmp.path("regular/tubo.pdf")).constData(), 0600) == 0);
        QVERIFY(QFile::link(m_tmp.path("regular/nada.pdf"), m_tmp.path("regular/roto.pdf")));
        for (const char *name : {"carpeta.pdf", "tubo.pdf", "roto.pdf"}) {
            const Result r = run({"--print", job, "--output", m_tmp.path("regular/") + name});
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(name), qPrintable(r.err));
        }
        QVERIFY(QFileInfo(m_tmp.path("regular/carpeta.pdf")).isDir());
        struct stat info
        {
        };
        QVERIFY(lstat(QFile::encodeName(m_tmp.path("regular/tubo.pdf")).constData(), &info) == 0 &&
                S_ISFIFO(info.st_mode));
        QVERIFY(QFileInfo(m_tmp.path("regular/roto.pdf")).isSymLink());
        QCOMPARE(filesIn(m_tmp.path("regular")).size(), 3);

        QFile secret(m_tmp.path("regular/privado.pdf"));
        QVERIFY(secret.open(QIODevice::WriteOnly) && secret.write("viejo") == 5);
        secret.close();
        QVERIFY(chmod(QFile::encodeName(secret.fileName()).constData(), 0600) == 0);
        QVERIFY(QFile::link(secret.fileName(), m_tmp.path("regular/enlace.pdf")));
        const Result r = run({"--print", job, "--output", m_tmp.path("regular/enlace.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(QFileInfo(m_tmp.path("regular/enlace.pdf")).isSymLink());
        QVERIFY(stat(QFile::encodeName(secret.fileName()).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        QCOMPARE(PdfText::read(secret.fileName()).pages.size(), 5);
    }

    // A file that cannot be written whole is named as asked for, not by the hidden work file,
    // and the old file stays.
    void aFailedWriteNamesTheOutputAndKeepsTheOldFile()
    {
        QByteArray text = kJob;
        text.replace("Hasta=0102", "Hasta=2000");
        const QString job = writeJob("lleno.trv", text);
        QVERIFY(QDir().mkpath(m_tmp.path("lleno")));
        QFile old(m_tmp.path("lleno/salida.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("viejo") == 5);
        old.close();
        // A file size limit stands in for a full disk: writes past it fail with EFBIG.
        const Result r =
            run({"--print", job, "--output", old.fileName()}, "trap '' XFSZ; ulimit -f 64; exec");
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("\"" + old.fileName() + "\""), qPrintable(r.err));
        QVERIFY2(!r.err.contains(".tessarino-"), qPrintable(r.err));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("viejo"));
        QCOMPARE(filesIn(m_tmp.path("lleno")), QStringList{"salida.pdf"});
    }

    // A template page larger than the paper is a question nobody is there to answer: the run
    // stops and says which option prints it anyway.
    void aDesignLargerThanThePaperNeedsFitAnyway()
    {
        QVERIFY(QDir().mkpath(m_tmp.path("grande")));
        DesignPdfs::write(m_tmp.path("grande/diseno.pdf"), QPageSize(QPageSize::A3));
        const QString job =
            writeJob("grande/job.trv", kJob + "[Plantilla]\r\nArchivo=diseno.pdf\r\nPagina=1\r\n");
        const QString out = m_tmp.path("grande/salida.pdf");
        const Result refused = run({"--print", job, "--output", out});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains("--fit-anyway"), qPrintable(refused.err));
        QVERIFY(!QFile::exists(out));
        const Result printed = run({"--print", job, "--output", out, "--fit-anyway"});
        QVERIFY2(printed.status == 0, qPrintable(printed.err));
        QCOMPARE(PdfText::read(out).pages.size(), 5);
    }

    // Ctrl+C, SIGTERM and SIGHUP stop a run as "Cancelar" does: the sheets printed so far are a
    // whole PDF, the log says cancelled, the exit status is the shell's 128 + signal, and the
    // message gives the whole command that prints the rest, to a new file.
    void aStopSignalEndsTheRunWithWhatItPrinted_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void aStopSignalEndsTheRunWithWhatItPrinted()
    {
        QFETCH(int, signal);
        QByteArray text = kJob;
        text.replace("Desde=0098\r\nHasta=0102", "Desde=000001\r\nHasta=900000");
        const QString folder = m_tmp.path(QStringLiteral("senal%1").arg(signal));
        QVERIFY(QDir().mkpath(folder));
        const QString job = writeJob(QStringLiteral("senal%1/larga.trv").arg(signal), text);
        const RunLog log(m_tmp.path("home/.local/share/Tessarino"));
        QFile::remove(log.file());
        QProcess process;
        start(process, {"--print", job, "--output", folder + "/mi salida.pdf"});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(log.read().runs.size() == 1, 30000);
        QTest::qWait(300);
        QCOMPARE(process.state(), QProcess::Running);
        QVERIFY(kill(pid_t(process.processId()), signal) == 0);
        QVERIFY(process.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 128 + signal);

        const QRegularExpressionMatch stop =
            QRegularExpression(
                "después de la hoja (\\d+) de 900000.*Para seguir: tessarino --print (\\S+) --sheets "
                "(\\d+)-900000 --output '(.*) \\(hojas \\d+-900000\\)\\.pdf'$")
                .match(err.trimmed());
        QVERIFY2(stop.hasMatch(), qPrintable(err));
        QCOMPARE(stop.captured(2), job);
        QCOMPARE(stop.captured(3).toLongLong(), stop.captured(1).toLongLong() + 1);
        QCOMPARE(stop.captured(4), folder + "/mi salida");
        QCOMPARE(filesIn(folder), (QStringList{"larga.trv", "mi salida.pdf"}));
        QCOMPARE(PdfText::read(folder + "/mi salida.pdf").pages.size(), stop.captured(1).toInt());
        QCOMPARE(log.read().runs.at(0).estado, RunLog::kCancelada);
    }

    // A run killed outright leaves its work folder; the next run into that folder removes it,
    // and only folders of this machine's runs whose process is gone.
    void aNewRunRemovesWorkFoldersOfEndedRuns()
    {
        QVERIFY(QDir().mkpath(m_tmp.path("restos")));
        const pid_t gone = fork(); // a process that has ended and been reaped
        if (gone == 0)
            _exit(0);
        QVERIFY(gone > 0 && waitpid(gone, nullptr, 0) == gone);
        QString host = QSysInfo::machineHostName();
        host.replace(QRegularExpression("[^A-Za-z0-9.]"), "_");
        const QString dead = QStringLiteral(".tessarino-%1-%2-aB3dE6").arg(host).arg(gone);
        const QString alive = QStringLiteral(".tessarino-%1-%2-aB3dE6").arg(host).arg(getpid());
        const QString elsewhere = QStringLiteral(".tessarino-otra.maquina-%1-aB3dE6").arg(gone);
        for (const QString &name : {dead, alive, elsewhere}) {
            QVERIFY(QDir().mkpath(m_tmp.path("restos/" + name)));
            QFile partial(m_tmp.path("restos/" + name + "/Tessarino parcial.pdf"));
            QVERIFY(partial.open(QIODevice::WriteOnly));
        }
        QVERIFY(kill(pid_t(gone), 0) != 0);
        const QString job = writeJob("restos.trv", kJob);
        const Result r = run({"--print", job, "--output", m_tmp.path("restos/salida.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QStringList kept{alive, elsewhere, "salida.pdf"};
        kept.sort();
        QCOMPARE(filesIn(m_tmp.path("restos")), kept);
    }

    // Outside a run, SIGTERM ends the window program as its default action did, but as a normal
    // exit with the shell's status.
    void sigtermEndsTheWindowProgram()
    {
        const QString runtime = m_tmp.path("ventana-run");
        QVERIFY(QDir().mkpath(runtime));
        QVERIFY(chmod(QFile::encodeName(runtime).constData(), 0700) == 0);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("XDG_DATA_HOME");
        env.remove("XDG_CONFIG_HOME");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINO_EXE), QStringList{});
        QVERIFY(process.waitForStarted());
        // The lock is taken once the signals are watched.
        QTRY_VERIFY_WITH_TIMEOUT(!filesIn(runtime).filter(".lock").isEmpty(), 30000);
        process.terminate();
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 128 + SIGTERM);
    }

    void helpAndVersion()
    {
        const Result help = run({"--help"});
        QCOMPARE(help.status, 0);
        for (const char *option :
             {"--print", "--printer", "--output", "--sheets", "--fit-anyway", "--version"})
            QVERIFY2(help.out.contains(option), option);
        QVERIFY2(!help.out.contains("Displays") && !help.out.contains("help-all"), qPrintable(help.out));
        const Result version = run({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("Tessarino " TESSARINO_VERSION "\n"));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
