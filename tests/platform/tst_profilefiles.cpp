#include "ProfileFiles.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestProfileFiles : public QObject
{
    Q_OBJECT

    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static QByteArray utf16(const QString &text)
    {
        QByteArray bytes("\xFF\xFE");
        for (const QChar c : text)
            bytes += char(c.unicode() & 0xFF), bytes += char(c.unicode() >> 8);
        return bytes;
    }
    // A line of /proc/self/status in kB, such as VmHWM (peak resident memory).
    static qint64 statusKb(const QByteArray &field)
    {
        QFile f(QStringLiteral("/proc/self/status"));
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : f.readAll().split('\n'))
            if (line.startsWith(field + ':'))
                return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
        return -1;
    }

    TestPaths tp;
    ProfileFiles ini{tp.paths().settingsFile};

    QString read(const QString &section, const QString &key, QString file = QString()) const
    {
        return ini.LeerValorIni(section, key, file);
    }
    void write(const QString &section, const QString &key, const QString &value,
               QString file = QString()) const
    {
        ini.EscribirValorIni(section, key, value, file);
    }

private Q_SLOTS:
    void cleanup() { QFile::remove(tp.paths().settingsFile); }

    // A job file as the old platform left it: windows-1252, CRLF, a user's hand edits.
    void jobFileFromTheOldPlatformIsReadAndUpdatedInPlace()
    {
        const QString job = tp.path(QStringLiteral("Rifa.trv"));
        put(job, "; Archivo de trabajo de Tessarino\r\n"
                 "[Ultima Impresi\xF3n Solapa:0]\r\n"
                 "Desde=0001\r\n"
                 "  HASTA = 0500  \r\n"
                 "PosX(0)=\"  1440 \"\r\n"
                 "Check1(0)='1'\r\n"
                 "notas sin igual\r\n"
                 "; fin de la solapa\r\n"
                 "\r\n"
                 "[ Fuente ]\r\n"
                 "Nombre=Arial\r\n"
                 "Tama\xF1o=12\r\n"
                 "[Comentario]\r\n"
                 "Texto=Caf\xE9 \x80 5\r\n");

        const QString sheet0 = QStringLiteral("ULTIMA IMPRESIÓN SOLAPA:0");
        QCOMPARE(read(sheet0, QStringLiteral("hasta"), job), QStringLiteral("0500"));
        QCOMPARE(read(sheet0, QStringLiteral("posx(0)"), job), QStringLiteral("  1440 "));
        QCOMPARE(read(sheet0, QStringLiteral("CHECK1(0)"), job), QStringLiteral("1"));
        QCOMPARE(read(sheet0, QStringLiteral("notas sin igual"), job), ProfileFiles::Vacio);
        QCOMPARE(read(QStringLiteral("  fuente "), QStringLiteral(" TAMAÑO "), job), QStringLiteral("12"));
        QCOMPARE(read(QStringLiteral("Comentario"), QStringLiteral("Texto"), job),
                 QStringLiteral("Café € 5"));

        write(QStringLiteral("ultima impresión solapa:0"), QStringLiteral("hasta"), QStringLiteral("0999"),
              job);
        write(sheet0, QStringLiteral("chVert"), QStringLiteral("0"), job);
        write(QStringLiteral("fuente"), QStringLiteral("TAMAÑO"), QString(), job);
        write(QStringLiteral("Ultima Impresión Solapa:1"), QStringLiteral("Desde"), QStringLiteral("7"), job);
        write(QStringLiteral("Comentario"), QStringLiteral("Texto"), QStringLiteral("Café € 6"), job);

        QCOMPARE(bytesOf(job), QByteArray("; Archivo de trabajo de Tessarino\r\n"
                                          "[Ultima Impresi\xF3n Solapa:0]\r\n"
                                          "Desde=0001\r\n"
                                          "HASTA=0999\r\n"
                                          "PosX(0)=\"  1440 \"\r\n"
                                          "Check1(0)='1'\r\n"
                                          "notas sin igual\r\n"
                                          "chVert=0\r\n"
                                          "; fin de la solapa\r\n"
                                          "\r\n"
                                          "[ Fuente ]\r\n"
                                          "Nombre=Arial\r\n"
                                          "Tama\xF1o=\r\n"
                                          "[Comentario]\r\n"
                                          "Texto=Caf\xE9 \x80 6\r\n"
                                          "[Ultima Impresi\xF3n Solapa:1]\r\n"
                                          "Desde=7\r\n"));
        QCOMPARE(read(QStringLiteral("Fuente"), QStringLiteral("Tamaño"), job), QString());
        QCOMPARE(read(QStringLiteral("ultima impresión solapa:1"), QStringLiteral("DESDE"), job),
                 QStringLiteral("7"));
    }

    void missingThingsReadAsVacio()
    {
        QString file;
        QCOMPARE(ini.LeerValorIni(QStringLiteral("Formulario"), QStringLiteral("Ancho"), file),
                 ProfileFiles::Vacio);
        QCOMPARE(file, tp.paths().settingsFile); // the empty name is replaced in the caller's variable

        put(tp.paths().settingsFile, "[Formulario]\r\nAncho=8900\r\n[Solapa]\r\n");
        QCOMPARE(read(QStringLiteral("Formulario"), QStringLiteral("Ancho")), QStringLiteral("8900"));
        QCOMPARE(read(QStringLiteral("Formulario"), QStringLiteral("Alto")), ProfileFiles::Vacio);
        QCOMPARE(read(QStringLiteral("Solapa"), QStringLiteral("sstab1")), ProfileFiles::Vacio);
        QCOMPARE(read(QStringLiteral("Lenguaje"), QStringLiteral("Idioma")), ProfileFiles::Vacio);
        // A key before any section belongs to none.
        put(tp.paths().settingsFile, "Ancho=1\r\n[Formulario]\r\n");
        QCOMPARE(read(QStringLiteral("Formulario"), QStringLiteral("Ancho")), ProfileFiles::Vacio);
        // A folder where the file should be.
        QCOMPARE(read(QStringLiteral("A"), QStringLiteral("B"), tp.path(QString())), ProfileFiles::Vacio);
    }

    void valuesAreCutAt254Characters()
    {
        write(QStringLiteral("S"), QStringLiteral("largo"), QString(300, u'x'));
        QCOMPARE(read(QStringLiteral("S"), QStringLiteral("largo")), QString(254, u'x'));
        // The whole value stays in the file.
        QVERIFY(bytesOf(tp.paths().settingsFile).contains(QByteArray(300, 'x')));

        const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // outside the 16-bit range
        write(QStringLiteral("S"), QStringLiteral("cara"), QString(253, u'a') + face);
        QCOMPARE(read(QStringLiteral("S"), QStringLiteral("cara")), QString(253, u'a'));
        write(QStringLiteral("S"), QStringLiteral("cara"), QString(252, u'a') + face);
        QCOMPARE(read(QStringLiteral("S"), QStringLiteral("cara")), QString(252, u'a') + face);
    }

    void firstDuplicateSectionAndKeyWin()
    {
        put(tp.paths().settingsFile, "[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\nj=9\r\n");
        QCOMPARE(read(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("1"));
        QCOMPARE(read(QStringLiteral("s"), QStringLiteral("j")), ProfileFiles::Vacio);
        write(QStringLiteral("s"), QStringLiteral("K"), QStringLiteral("5"));
        write(QStringLiteral("S"), QStringLiteral("j"), QStringLiteral("8"));
        QCOMPARE(bytesOf(tp.paths().settingsFile),
                 QByteArray("[S]\r\nk=5\r\nK=2\r\nj=8\r\n[s]\r\nk=3\r\nj=9\r\n"));
    }

    // Files edited elsewhere: LF or CR endings, no final line ending, empty. Untouched lines keep
    // their bytes; only the written lines are CRLF.
    void otherLineEndingsAreReadAndKept()
    {
        const QString f = tp.paths().settingsFile;
        put(f, "[A]\nx=1\n\n[B]\ny=2");
        QCOMPARE(read(QStringLiteral("B"), QStringLiteral("y")), QStringLiteral("2"));
        write(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3"));
        write(QStringLiteral("B"), QStringLiteral("w"), QStringLiteral("4"));
        write(QStringLiteral("C"), QStringLiteral("k"), QStringLiteral("v"));
        QCOMPARE(bytesOf(f), QByteArray("[A]\nx=1\nz=3\r\n\n[B]\ny=2\r\nw=4\r\n[C]\r\nk=v\r\n"));

        put(f, "[A]\rx=1\r\r\n[B]\ry=2\r");
        QCOMPARE(read(QStringLiteral("A"), QStringLiteral("x")), QStringLiteral("1"));
        QCOMPARE(read(QStringLiteral("B"), QStringLiteral("y")), QStringLiteral("2"));
        write(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("5"));
        QCOMPARE(bytesOf(f), QByteArray("[A]\rx=5\r\n\r\n[B]\ry=2\r"));

        put(f, "[A]");
        write(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("v"));
        QCOMPARE(bytesOf(f), QByteArray("[A]\r\nk=v\r\n"));

        put(f, QByteArray());
        write(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v"));
        QCOMPARE(bytesOf(f), QByteArray("[A]\r\nk=v\r\n"));
    }

    void textWindows1252CannotHoldSwitchesTheFileToUtf8()
    {
        const QString f = tp.paths().settingsFile;
        put(f, "[Fuentes]\r\nTama\xF1o=12\r\n");
        const QString name = QStringLiteral("Łódź 中文 €");
        write(QStringLiteral("Fuentes"), QStringLiteral("Indice"), name);
        QCOMPARE(bytesOf(f), QByteArray("\xEF\xBB\xBF[Fuentes]\r\nTama\xC3\xB1o=12\r\nIndice=") +
                                 name.toUtf8() + QByteArray("\r\n"));
        QCOMPARE(read(QStringLiteral("fuentes"), QStringLiteral("indice")), name);
        QCOMPARE(read(QStringLiteral("Fuentes"), QStringLiteral("Tamaño")), QStringLiteral("12"));

        // Once UTF-8, it stays UTF-8, even for text windows-1252 could hold.
        write(QStringLiteral("Fuentes"), QStringLiteral("Color"), QStringLiteral("é"));
        QVERIFY(bytesOf(f).endsWith("Color=\xC3\xA9\r\n"));
        QVERIFY(bytesOf(f).startsWith("\xEF\xBB\xBF[Fuentes]"));
    }

    // Reading trims blanks and strips quotes, and a line break would end the line: such values
    // must still come back as written and never plant keys of their own.
    void awkwardValuesReadBackAsWritten()
    {
        for (const QString &v : {QStringLiteral(" x "), QStringLiteral("\"q\""), QStringLiteral("'"),
                                 QStringLiteral("\t"), QStringLiteral("a=b;c"), QStringLiteral("[x]")}) {
            write(QStringLiteral("S"), QStringLiteral("k"), v);
            QCOMPARE(read(QStringLiteral("S"), QStringLiteral("k")), v);
        }
        write(QStringLiteral("Comentario"), QStringLiteral("Texto"),
              QStringLiteral("uno\r\ndos\n[Recientes]\r1=/etc/passwd"));
        QCOMPARE(read(QStringLiteral("Recientes"), QStringLiteral("1")), ProfileFiles::Vacio);
        QCOMPARE(read(QStringLiteral("Comentario"), QStringLiteral("Texto")),
                 QStringLiteral("uno dos [Recientes] 1=/etc/passwd"));
    }

    void writesCreateMissingFolders()
    {
        QString file = tp.path(QStringLiteral("a/b/Vireo.sys"));
        write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"), file);
        QCOMPARE(bytesOf(file), QByteArray("[S]\r\nk=v\r\n"));

        QString settings;
        ini.EscribirValorIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("w"), settings);
        QCOMPARE(settings, tp.paths().settingsFile);
        QCOMPARE(bytesOf(settings), QByteArray("[S]\r\nk=w\r\n"));
    }

    // Several values in one replace leave exactly the bytes that one write per value leaves.
    void manyValuesInOneWriteMatchOneWriteEach()
    {
        const QByteArray start("; notas\r\n[Fuentes]\r\nColor=0\r\n\r\n[Otra]\nx=1");
        const QList<ProfileValue> values{
            {QStringLiteral("FUENTES"), QStringLiteral("color"), QStringLiteral("255")},
            {QStringLiteral("Fuentes"), QStringLiteral("Tamaño"), QStringLiteral(" 12 ")},
            {QStringLiteral("Nueva"), QStringLiteral("k"), QStringLiteral("Łódź")},
            {QStringLiteral("Otra"), QStringLiteral("y"), QStringLiteral("2")},
        };
        QString one = tp.path(QStringLiteral("one.trv")), many = tp.path(QStringLiteral("many.trv"));
        put(one, start);
        put(many, start);
        for (const ProfileValue &v : values)
            write(v.section, v.key, v.value, one);
        QString reason;
        QVERIFY(ini.EscribirValoresIni(values, many, &reason));
        QCOMPARE(bytesOf(many), bytesOf(one));
        QVERIFY(reason.isEmpty());
    }

    void removedKeysLeaveTheirLinesOnly()
    {
        const struct
        {
            const char *start;
            QList<ProfileValue> values;
            const char *expected;
        } cases[] = {
            {"[A]\r\nx=1\r\ny=2\r\n[B]\r\nx=3\r\n",
             {{QStringLiteral("a"), QStringLiteral("X"), {}, false, true}},
             "[A]\r\ny=2\r\n[B]\r\nx=3\r\n"},
            // The last line without its ending, and a key the file does not hold.
            {"[A]\r\nx=1\r\ny=2",
             {{QStringLiteral("A"), QStringLiteral("y"), {}, false, true},
              {QStringLiteral("A"), QStringLiteral("z"), {}, false, true},
              {QStringLiteral("C"), QStringLiteral("z"), {}, false, true}},
             "[A]\r\nx=1\r\n"},
            // Set and removed in one batch: nothing new is written.
            {"[A]\r\nx=1\r\n",
             {{QStringLiteral("A"), QStringLiteral("n"), QStringLiteral("5")},
              {QStringLiteral("N"), QStringLiteral("n"), QStringLiteral("5")},
              {QStringLiteral("A"), QStringLiteral("n"), {}, false, true},
              {QStringLiteral("n"), QStringLiteral("N"), {}, false, true}},
             "[A]\r\nx=1\r\n"},
        };
        for (const auto &c : cases) {
            QString f = tp.path(QStringLiteral("removed.trv"));
            put(f, c.start);
            QString reason;
            QVERIFY(ini.EscribirValoresIni(c.values, f, &reason));
            QCOMPARE(bytesOf(f), QByteArray(c.expected));
        }
    }

    void aWriteThatCannotHappenLeavesEverythingAsItWas()
    {
        // The folder cannot be made: its parent is a plain file.
        const QString plain = tp.path(QStringLiteral("plain.txt"));
        put(plain, "text");
        write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"),
              plain + QStringLiteral("/Vireo.sys"));
        QCOMPARE(bytesOf(plain), QByteArray("text"));

        // A folder stands where the file should be.
        const QString folder = tp.path(QStringLiteral("folder.trv"));
        QVERIFY(QDir().mkpath(folder));
        write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"), folder);
        QVERIFY(QFileInfo(folder).isDir());

        // The disk fills up halfway through the write (a file-size limit stands in for it, and
        // works even for root, whom permissions do not stop).
        const QString f = tp.path(QStringLiteral("full/Vireo.sys"));
        const QByteArray old("[Formulario]\r\nAncho=8900\r\n");
        QVERIFY(QDir().mkpath(tp.path(QStringLiteral("full"))));
        put(f, old);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved;
        tight.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        QString reason;
        QString target = f;
        const bool written = ini.EscribirValoresIni(
            {{QStringLiteral("Formulario"), QStringLiteral("Ancho"), QString(8192, u'9')}}, target, &reason);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QVERIFY(!reason.isEmpty()); // the caller has something to tell the user
        QCOMPARE(bytesOf(f), old);
        QCOMPARE(QDir(tp.path(QStringLiteral("full"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Vireo.sys")}); // no temporary file left behind
    }
    // Two processes writing different keys of one file at once: each read-change-replace holds
    // the folder's lock, so no write undoes another. A holder that never lets go fails the write
    // after the wait instead of hanging the program.
    void concurrentWritersLoseNothingAndNeverHang()
    {
        const QString f = tp.paths().settingsFile;
        constexpr int perProcess = 150;
        int go[2];
        QCOMPARE(pipe(go), 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        const QString who = child == 0 ? QStringLiteral("hijo") : QStringLiteral("padre");
        if (child == 0) {
            char c;
            const bool started = ::read(go[0], &c, 1) == 1;
            for (int i = 0; started && i < perProcess; ++i)
                write(QStringLiteral("S"), who + QString::number(i), QString::number(i));
            _exit(started ? 0 : 1);
        }
        QCOMPARE(::write(go[1], "g", 1), 1);
        for (int i = 0; i < perProcess; ++i)
            write(QStringLiteral("S"), who + QString::number(i), QString::number(i));
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        ::close(go[0]);
        ::close(go[1]);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        int missing = 0;
        for (const QString &w : {QStringLiteral("hijo"), QStringLiteral("padre")})
            for (int i = 0; i < perProcess; ++i)
                missing += read(QStringLiteral("S"), w + QString::number(i)) != QString::number(i);
        QCOMPARE(missing, 0);

        const QByteArray before = bytesOf(f);
        const int holder = ::open(QFile::encodeName(tp.path(QString())).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(holder >= 0);
        QCOMPARE(flock(holder, LOCK_EX), 0);
        ProfileFiles waiting(f);
        waiting.setLockWait(std::chrono::milliseconds(200));
        QString reason, file;
        QVERIFY(!waiting.EscribirValoresIni({{QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")}},
                                            file, &reason));
        ::close(holder);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(bytesOf(f), before);
    }

    // A file of bare line breaks costs memory for its bytes, not per line; the parsed copy is
    // kept, yet a change on disk that keeps the size is still seen.
    void largeFilesCostTheirBytesAndChangesAreSeen()
    {
        const QString f = tp.paths().settingsFile;
        put(f, QByteArray(4 << 20, '\r') + "[S]\r\nk=1\r\n");
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1 || statusKb("VmHWM") < 0)
            QSKIP("peak memory cannot be reset here");
        clear.close();
        const qint64 before = statusKb("VmHWM");
        QCOMPARE(read(QStringLiteral("s"), QStringLiteral("K")), QStringLiteral("1"));
        QCOMPARE_LT(statusKb("VmHWM") - before, 32 * 1024);

        put(f, QByteArray(4 << 20, '\r') + "[S]\r\nk=2\r\n"); // same size, rewritten in place
        QCOMPARE(read(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("2"));
    }

    // The old platform read files with a UTF-16 byte-order mark; writes keep them UTF-16 LE.
    void utf16FilesAreReadAndWrittenAsUtf16()
    {
        const QString f = tp.path(QStringLiteral("Rifa.trv"));
        put(f, utf16(QStringLiteral("[Fuentes]\r\nIndice=Łódź 中文\r\nTamaño=12\r\n[Solapa]\nSStab=0")));
        QCOMPARE(read(QStringLiteral("FUENTES"), QStringLiteral("indice"), f), QStringLiteral("Łódź 中文"));
        QCOMPARE(read(QStringLiteral("Fuentes"), QStringLiteral("TAMAÑO"), f), QStringLiteral("12"));
        QCOMPARE(read(QStringLiteral("Solapa"), QStringLiteral("SStab"), f), QStringLiteral("0"));

        QString file = f;
        QVERIFY(ini.EscribirValoresIni(
            {{QStringLiteral("fuentes"), QStringLiteral("tamaño"), QStringLiteral("14")},
             {QStringLiteral("Fuentes"), QStringLiteral("Color"), QStringLiteral("255")},
             {QStringLiteral("Solapa"), QStringLiteral("Nota"), QStringLiteral("€")},
             {QStringLiteral("Fecha y Hora"), QStringLiteral("Hora"), QStringLiteral("9")}},
            file, nullptr));
        QCOMPARE(bytesOf(f),
                 utf16(QStringLiteral("[Fuentes]\r\nIndice=Łódź 中文\r\nTamaño=14\r\nColor=255\r\n"
                                      "[Solapa]\nSStab=0\r\nNota=€\r\n[Fecha y Hora]\r\nHora=9\r\n")));
    }

    // Linux editors and scripts write UTF-8 without a mark: such a file reads as UTF-8 and keeps
    // its encoding (and its lack of a mark) when written. Windows-1252 bytes that a write would
    // leave looking like UTF-8 turn the file into marked UTF-8, so nothing reads differently.
    void utf8WithoutAMarkIsReadAndWrittenAsUtf8()
    {
        const QString record = QStringLiteral("Ultima Impresión Solapa:0");
        const struct
        {
            QByteArray start;
            QString value; // written to [Fuentes] Indice
            QByteArray expected;
            QString section, key, other; // another value, read the same before and after
        } cases[] = {
            {"[Ultima Impresi\xC3\xB3n Solapa:0]\nDesde=\xC3\x91\n[Fuentes]\nIndice=a\n",
             QStringLiteral("Łódź"),
             "[Ultima Impresi\xC3\xB3n "
             "Solapa:0]\nDesde=\xC3\x91\n[Fuentes]\nIndice=\xC5\x81\xC3\xB3"
             "d\xC5\xBA\r\n",
             record, QStringLiteral("desde"), QStringLiteral("Ñ")},
            // Text windows-1252 could hold is still written as UTF-8 into a UTF-8 file.
            {"[Ultima Impresi\xC3\xB3n Solapa:0]\r\nDesde=1\r\n", QStringLiteral("é"),
             "[Ultima Impresi\xC3\xB3n Solapa:0]\r\nDesde=1\r\n[Fuentes]\r\nIndice=\xC3\xA9\r\n", record,
             QStringLiteral("Desde"), QStringLiteral("1")},
            // Plain ASCII stays windows-1252, as the old program wrote it.
            {"[Ultima Impresion Solapa:0]\r\nDesde=1\r\n", QStringLiteral("é"),
             "[Ultima Impresion Solapa:0]\r\nDesde=1\r\n[Fuentes]\r\nIndice=\xE9\r\n",
             QStringLiteral("Ultima Impresion Solapa:0"), QStringLiteral("Desde"), QStringLiteral("1")},
            // "Ã©" in windows-1252 has the bytes of "é" in UTF-8: once the one byte that is not
            // UTF-8 is gone, the file would read back otherwise.
            {"[Fuentes]\r\nNombre=\xC3\xA9\r\nIndice=\xE9\r\n", QStringLiteral("x"),
             "\xEF\xBB\xBF[Fuentes]\r\nNombre=\xC3\x83\xC2\xA9\r\nIndice=x\r\n", QStringLiteral("Fuentes"),
             QStringLiteral("Nombre"), QStringLiteral("Ã©")},
        };
        const QString job = tp.path(QStringLiteral("utf8.trv"));
        for (const auto &c : cases) {
            put(job, c.start);
            QCOMPARE(read(c.section, c.key, job), c.other);
            write(QStringLiteral("Fuentes"), QStringLiteral("Indice"), c.value, job);
            QCOMPARE(bytesOf(job), c.expected);
            QCOMPARE(read(QStringLiteral("Fuentes"), QStringLiteral("Indice"), job), c.value);
            QCOMPARE(read(c.section, c.key, job), c.other);
        }
    }

    // A whole section goes, every copy of it (a later copy would otherwise be read in its place),
    // and the comments leading into the next section stay.
    void wholeSectionsAreTakenOut()
    {
        const struct
        {
            const char *start;
            QList<ProfileValue> values;
            const char *expected;
        } cases[] = {
            {"[A]\r\nx=1\r\n[Plantilla]\r\nArchivo=d.pdf\r\nPagina=2\r\n; la fuente\r\n[B]\r\ny=2\r\n"
             "[plantilla]\r\nArchivo=e.pdf\r\n",
             {ProfileValue::sectionRemoval(QStringLiteral("PLANTILLA"))},
             "[A]\r\nx=1\r\n; la fuente\r\n[B]\r\ny=2\r\n"},
            // Values set before the removal in the same batch go with it; those after start anew.
            {"[P]\r\nk=1\r\n[Q]\r\nq=1",
             {{QStringLiteral("P"), QStringLiteral("k"), QStringLiteral("2")},
              {QStringLiteral("P"), QStringLiteral("n"), QStringLiteral("3")},
              ProfileValue::sectionRemoval(QStringLiteral("p")),
              {QStringLiteral("P"), QStringLiteral("m"), QStringLiteral("4")}},
             "[Q]\r\nq=1\r\n[P]\r\nm=4\r\n"},
            {"[A]\r\nx=1\r\n", {ProfileValue::sectionRemoval(QStringLiteral("Plantilla"))}, "[A]\r\nx=1\r\n"},
            // A key new at the end of the section before it stays.
            {"[A]\r\nx=1\r\n[P]\r\nk=1\r\n",
             {{QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("2")},
              ProfileValue::sectionRemoval(QStringLiteral("P"))},
             "[A]\r\nx=1\r\ny=2\r\n"},
        };
        for (const auto &c : cases) {
            QString f = tp.path(QStringLiteral("sections.trv"));
            put(f, c.start);
            QString reason;
            QVERIFY2(ini.EscribirValoresIni(c.values, f, &reason), qPrintable(reason));
            QCOMPARE(bytesOf(f), QByteArray(c.expected));
        }
        QString f = tp.path(QStringLiteral("sections.trv"));
        QCOMPARE(read(QStringLiteral("Plantilla"), QStringLiteral("Archivo"), f), ProfileFiles::Vacio);
    }

    // A file the layer cannot read (UTF-16 cut inside a unit) is never written over, and the
    // refusal is said: to a caller that asks for the reason, and in the log to one that does not.
    void aWriteToAFileThatCannotBeReadIsReported()
    {
        const QString f = tp.paths().settingsFile;
        const QByteArray cut = utf16(QStringLiteral("[Fuentes]\r\nColor=1\r\n")) + 'x';
        put(f, cut);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("No se pudo escribir en .*Vireo.sys")));
        QString file;
        QVERIFY(!ini.EscribirValorIni(QStringLiteral("Fuentes"), QStringLiteral("Color"), QStringLiteral("2"),
                                      file));
        QString reason;
        QVERIFY(!ini.EscribirValoresIni(
            {{QStringLiteral("Fuentes"), QStringLiteral("Color"), QStringLiteral("2")}}, file, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(bytesOf(f), cut);
    }

    // A name the file cannot hold as given would read back as "Vacio" or plant a section of its
    // own: the write is refused whole and the file keeps its bytes.
    void namesThatWouldMakeOtherLinesAreRefused()
    {
        const QString f = tp.paths().settingsFile;
        const QByteArray old("[S]\r\nk=1\r\n");
        const QString ok = QStringLiteral("k");
        for (const QString &bad : {QStringLiteral("a=b"), QStringLiteral("[x"), QStringLiteral("x]"),
                                   QStringLiteral(" ;x"), QStringLiteral("a\nb"), QStringLiteral("a\r[T]")}) {
            put(f, old);
            QString reason, file;
            QVERIFY(!ini.EscribirValoresIni({{QStringLiteral("S"), ok, QStringLiteral("2")},
                                             {QStringLiteral("S"), bad, QStringLiteral("v")}},
                                            file, &reason));
            QVERIFY(!reason.isEmpty());
            write(bad, ok, QStringLiteral("v"));
            QCOMPARE(bytesOf(f), old);
            QCOMPARE(read(bad, ok), ProfileFiles::Vacio);
            QCOMPARE(read(QStringLiteral("S"), bad), ProfileFiles::Vacio);
        }
    }

    // A write keeps the file's owner and mode across the replace, and a file its user may not
    // write (read-only, even for root) is left as it is.
    void writesKeepOwnerAndModeAndSpareReadOnlyFiles()
    {
        const QString f = tp.paths().settingsFile;
        const QByteArray f8 = QFile::encodeName(f);
        put(f, "[S]\r\nk=1\r\n");
        QCOMPARE(chmod(f8.constData(), 0640), 0);
        const bool root = geteuid() == 0;
        if (root)
            QCOMPARE(chown(f8.constData(), 4321, 4322), 0);
        write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
        struct stat st
        {
        };
        QCOMPARE(stat(f8.constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0640u);
        if (root)
            QCOMPARE(std::make_pair(st.st_uid, st.st_gid), std::make_pair(uid_t(4321), gid_t(4322)));
        QCOMPARE(read(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("2"));

        QCOMPARE(chmod(f8.constData(), 0444), 0);
        QString reason, file;
        QVERIFY(!ini.EscribirValoresIni({{QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("3")}},
                                        file, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(bytesOf(f), QByteArray("[S]\r\nk=2\r\n"));
        QCOMPARE(stat(f8.constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0444u);
        chmod(f8.constData(), 0644);
    }
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profilefiles.moc"
