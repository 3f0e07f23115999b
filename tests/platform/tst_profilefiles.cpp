#include "ProfileFiles.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

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
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profilefiles.moc"
