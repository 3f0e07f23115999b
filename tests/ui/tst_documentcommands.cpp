// The job document as the user meets it: New, Open, Save, the questions, the caption, the
// last-print memory and the job named on the command line.
#include "../app/FormHarness.h"
#include "DocumentCommands.h"
#include "FontSettings.h"
#include "JobFile.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "TestFiles.h"
#include "frmIni.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A job written on the old platform: windows-1252, CRLF, keys in any case, a section of its own,
// both page records, a note with backslashes, positions 2 to 5 without keys.
const QByteArray kOldJob =
    "[Herramientas del usuario]\r\nClave=valor\r\n"
    "[Ultima Impresi\xF3n Solapa:0]\r\n"
    "POSX_0=1440\r\nPOSY_0=720\r\nCHECK1_0=0\r\nposx_1=2880\r\nposy_1=720\r\ncheck1_1=0\r\n"
    "DESDE=0050\r\nHASTA=0100\r\nCANTIDAD=50\r\nSSTAB= 0\r\n"
    "[Ultima Impresi\xF3n Solapa:1]\r\nDesde_0=0001\r\nHasta_0=0009\r\n"
    "[FUENTES]\r\nColor=255\r\nTama\xF1o=14\r\nIndice=DejaVu Sans\r\n"
    "[Comentario]\r\nTexto=C:\\Rifas\\2024\\nota.txt\r\n"
    "[Orientaci\xF3n]\r\nSentido=1\r\n"
    "[SOLAPA]\r\nSSTAB=0\r\n";

struct Docs : FormHarness<>
{
    Docs()
    {
        // Loading fires change events until the start-up timer clears the flag a second later;
        // the tests decide when the job is modified.
        probe.settleStartUp();
        w.documentCommands().busyMilliseconds = 0;
    }
    JobDocument &docs() { return w.documents(); }
    QString job(const QString &name) const { return tmp.path(name); }
    QString text(const QString &box) const { return this->box(box)->text(); }
    bool on(const QString &disableBox) const { return !check(disableBox)->isChecked(); }
    int page() const { return w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(); }
    bool tabEnabled(int i) const
    {
        return w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->isTabEnabled(i);
    }

    // A same-number job: 0001 to 0500, positions 0 and 1 on.
    void fillPage0()
    {
        type(QStringLiteral("txtDesde"), QStringLiteral("0001"));
        type(QStringLiteral("txtHasta"), QStringLiteral("0500"));
        if (!on(QStringLiteral("Check1_0")))
            click(QStringLiteral("Check1_0"));
        type(QStringLiteral("txtPosX_0"), QStringLiteral("500"));
        type(QStringLiteral("txtPosY_0"), QStringLiteral("300"));
        click(QStringLiteral("Check1_1"));
        type(QStringLiteral("txtPosX_1"), QStringLiteral("900"));
        type(QStringLiteral("txtPosY_1"), QStringLiteral("300"));
    }
    void fillPage1()
    {
        menu(QStringLiteral("mnuNueDistinto"))->trigger();
        const QStringList starts{"0001", "0101", "0201", "0301"};
        for (int i = 0; i < 3; ++i) {
            if (!on(QStringLiteral("Check2_%1").arg(i)))
                click(QStringLiteral("Check2_%1").arg(i));
            box(QStringLiteral("desde_%1").arg(i))->setText(starts[i]);
            box(QStringLiteral("hasta_%1").arg(i))
                ->setText(QString::number(starts[i].toInt() + 99).rightJustified(4, u'0'));
            box(QStringLiteral("posX_%1").arg(i))->setText(QString::number(1000 + i));
            box(QStringLiteral("posY_%1").arg(i))->setText(QString::number(2000 + i));
        }
        click(QStringLiteral("Check2_2")); // row 2 off again, its texts kept
    }
};

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theFirstDocumentIsNuevo1AndEachNewCountsOn()
    {
        Docs h;
        QCOMPARE(h.w.windowTitle(), QStringLiteral("Nuevo 1 - Tessarino"));
        QCOMPARE(h.docs().ArchivoActual, h.tmp.paths().jobsFolder + QStringLiteral("Nuevo 1"));

        QVERIFY(h.open(0));
        h.type(QStringLiteral("txtDesde"), QStringLiteral("0042"));
        h.dialogs.answers.enqueue(Dialogs::No);
        h.menu(QStringLiteral("mnuNueMismo"))->trigger();
        QCOMPARE(h.w.windowTitle(), QStringLiteral("Nuevo 2 - Tessarino"));
        QCOMPARE(h.text(QStringLiteral("txtDesde")), QStringLiteral("0000"));
        QVERIFY(!h.probe.jobModified());

        // The counter goes on past the 16 bits the old one had.
        h.docs().ContadorNuevos = 32767;
        h.menu(QStringLiteral("mnuNueDistinto"))->trigger();
        QCOMPARE(h.w.windowTitle(), QStringLiteral("Nuevo 32768 - Tessarino"));
        QVERIFY(h.tabEnabled(1) && !h.tabEnabled(0));
        QCOMPARE(h.page(), 1);
    }

    void bothPagesComeBackThroughSaveAndOpen()
    {
        Docs h;
        QVERIFY(h.open(0));
        h.fillPage0();
        const QString same = h.job(QStringLiteral("mismo.trv"));
        h.saveAs(same);
        QCOMPARE(h.dialogs.fileRequests.size(), 1);
        const Dialogs::FileRequest save = h.dialogs.fileRequests[0];
        QCOMPARE(save.title, QStringLiteral("Seleccione el archivo destino "));
        QCOMPARE(save.filter, QStringLiteral("Archivos de tessarino (Trv)|*.trv"));
        QCOMPARE(save.defaultExtension, QStringLiteral("Trv"));
        QCOMPARE(save.fileName, h.tmp.paths().jobsFolder + QStringLiteral("Nuevo 1"));
        QVERIFY(save.confirmOverwrite);
        QVERIFY(QFileInfo(save.folder).isDir()); // the jobs folder is made when first needed
        QVERIFY(!h.probe.jobModified());
        QCOMPARE(h.docs().ArchivoGuardado, same);

        h.fillPage1();
        const QString distinct = h.job(QStringLiteral("distinto.trv"));
        h.saveAs(distinct);

        h.openFile(same);
        QCOMPARE(h.w.windowTitle(), QStringLiteral("mismo.trv - Tessarino"));
        QCOMPARE(h.page(), 0);
        QVERIFY(h.tabEnabled(0) && !h.tabEnabled(1));
        QCOMPARE(h.text("txtDesde"), QStringLiteral("0001"));
        QCOMPARE(h.text("txtHasta"), QStringLiteral("0500"));
        QCOMPARE(h.text("txtPosX_1"), QStringLiteral("900"));
        QCOMPARE(h.text("txtPosY_0"), QStringLiteral("300"));
        QVERIFY(h.on("Check1_0") && h.on("Check1_1") && !h.on("Check1_2") && !h.on("Check1_5"));
        QVERIFY(!h.probe.jobModified());

        h.openFile(distinct);
        QCOMPARE(h.page(), 1);
        QVERIFY(h.tabEnabled(1) && !h.tabEnabled(0));
        QCOMPARE(h.text("desde_1"), QStringLiteral("0101"));
        QCOMPARE(h.text("hasta_0"), QStringLiteral("0100"));
        QCOMPARE(h.text("posY_2"), QStringLiteral("2002")); // an off row keeps its texts
        QVERIFY(h.on("Check2_0") && h.on("Check2_1") && !h.on("Check2_2") && !h.on("Check2_3"));

        // A named document saves in place, without a dialog; unchanged, it writes nothing.
        const QByteArray before = bytesOf(distinct);
        h.menu(QStringLiteral("mnuguardar"))->trigger();
        QCOMPARE(bytesOf(distinct), before);
        h.box("posX_0")->setText(QStringLiteral("1234"));
        h.menu(QStringLiteral("mnuguardar"))->trigger();
        QCOMPARE(h.dialogs.fileRequests.size(), 4); // two saves, two opens
        QVERIFY(bytesOf(distinct).contains("PosX_0=1234\r\n"));
    }

    void missingKeysReadAsThePagesOwnDefaults()
    {
        Docs h;
        QVERIFY(h.open(0));
        // Page 0 without a record: the range comes back as 0000 to 0001, every position off.
        const QString noRecord = h.job(QStringLiteral("sinregistro.trv"));
        put(noRecord, "[Solapa]\r\nSStab=0\r\n");
        h.fillPage0();
        h.dialogs.answers.enqueue(Dialogs::No);
        h.openFile(noRecord);
        h.dialogs.clear();
        QCOMPARE(h.text("txtDesde"), QStringLiteral("0000"));
        QCOMPARE(h.text("txtHasta"), QStringLiteral("0001"));
        for (int i = 0; i < 6; ++i) {
            QVERIFY(!h.on(QStringLiteral("Check1_%1").arg(i)));
            QCOMPARE(h.text(QStringLiteral("txtPosX_%1").arg(i)), QStringLiteral("0"));
        }

        // A missing X alone leaves the position on; page 1's missing ends are 0000 on both sides.
        const QString partial = h.job(QStringLiteral("parcial.trv"));
        put(partial, "[Ultima Impresi\xF3n Solapa:0]\r\nPosY_0=77\r\nCheck1_0=0\r\n"
                     "[Ultima Impresi\xF3n Solapa:1]\r\nPosX_0=5\r\n[Solapa]\r\nSStab=0\r\n");
        h.openFile(partial);
        QVERIFY(h.on("Check1_0"));
        QCOMPARE(h.text("txtPosX_0"), QStringLiteral("0"));
        QCOMPARE(h.text("txtPosY_0"), QStringLiteral("77"));
        put(partial, "[Ultima Impresi\xF3n Solapa:1]\r\nPosX_0=5\r\n[Solapa]\r\nSStab=1\r\n");
        h.openFile(partial);
        QCOMPARE(h.text("desde_0"), QStringLiteral("0000"));
        QCOMPARE(h.text("hasta_0"), QStringLiteral("0000"));
        QCOMPARE(h.text("posX_0"), QStringLiteral("5"));
        QCOMPARE(h.text("posY_0"), QStringLiteral("0"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void aJobFromTheOldProgramOpensAndKeepsWhatItDoesNotKnow()
    {
        Docs h;
        QVERIFY(h.open(0));
        const QString old = h.job(QStringLiteral("rifa vieja.trv"));
        put(old, kOldJob);
        h.openFile(old);
        QCOMPARE(h.w.windowTitle(), QStringLiteral("rifa vieja.trv - Tessarino"));
        QCOMPARE(h.text("txtDesde"), QStringLiteral("0050"));
        QCOMPARE(h.text("txtPosX_0"), QStringLiteral("1440"));
        QCOMPARE(h.text("txtPosX_1"), QStringLiteral("2880"));
        QVERIFY(h.on("Check1_1") && !h.on("Check1_2"));
        QCOMPARE(h.w.fontColor(), 255);
        QCOMPARE(h.box(QStringLiteral("txtTamaño"))->text(), QStringLiteral("14"));
        QCOMPARE(h.w.fontChoice().name, QStringLiteral("DejaVu Sans"));
        QVERIFY(h.dialogs.messages.isEmpty());
        QCOMPARE(h.docs().NotaActual, QStringLiteral("C:\\Rifas\\2024\\nota.txt"));

        h.type(QStringLiteral("txtHasta"), QStringLiteral("0200"));
        h.menu(QStringLiteral("mnuguardar"))->trigger();
        const QByteArray saved = bytesOf(old);
        QVERIFY(
            saved.startsWith("[Herramientas del usuario]\r\nClave=valor\r\n[Ultima Impresi\xF3n Solapa:0]\r\n"
                             "POSX_0=1440\r\n"));
        QVERIFY(saved.contains("HASTA=0200\r\n"));
        QVERIFY(
            saved.contains("[Ultima Impresi\xF3n Solapa:1]\r\nDesde_0=0001\r\nHasta_0=0009\r\n[FUENTES]"));
        QVERIFY(saved.contains("Texto=C:\\Rifas\\2024\\nota.txt\r\n"));
    }

    void savingTheOtherPageIntoAFileKeepsBothRecords()
    {
        Docs h;
        QVERIFY(h.open(0));
        const QString file = h.job(QStringLiteral("ambos.trv"));
        h.fillPage0();
        h.saveAs(file);
        h.fillPage1();
        h.saveAs(file);
        const QByteArray bytes = bytesOf(file);
        QVERIFY(bytes.contains("[Ultima Impresi\xF3n Solapa:0]\r\nPosX_0=500\r\n"));
        QVERIFY(bytes.contains("[Ultima Impresi\xF3n Solapa:1]\r\nDesde_0=0001\r\n"));
        QVERIFY(bytes.contains("[Solapa]\r\nSStab=1\r\n"));

        h.menu(QStringLiteral("mnuNueMismo"))->trigger();
        h.openFile(file);
        QCOMPARE(h.page(), 1);
        QVERIFY(h.tabEnabled(1) && !h.tabEnabled(0));
        QCOMPARE(h.text("desde_1"), QStringLiteral("0101"));
    }

    void theSaveQuestionGuardsEveryCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cancelTheSaveDialog");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        for (const QString command : {"new", "open", "close"}) {
            const QByteArray c = command.toLatin1();
            QTest::newRow(c + " yes") << command << int(Dialogs::Yes) << false << true << true;
            QTest::newRow(c + " no") << command << int(Dialogs::No) << false << true << false;
            QTest::newRow(c + " cancel") << command << int(Dialogs::Cancel) << false << false << false;
            QTest::newRow(c + " yes, then cancel the save")
                << command << int(Dialogs::Yes) << true << false << false;
        }
    }

    void theSaveQuestionGuardsEveryCommand()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, cancelTheSaveDialog);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);

        Docs h;
        QVERIFY(h.open(0));
        const QString other = h.job(QStringLiteral("otro.trv"));
        put(other, "[Solapa]\r\nSStab=0\r\n");
        h.type(QStringLiteral("txtDesde"), QStringLiteral("0042"));
        QSignalSpy ended(&h.w, &frmPrincipal::endedAtOnce);
        QSignalSpy unloaded(&h.w, &frmPrincipal::unloaded);

        h.dialogs.answers.enqueue(answer);
        const QString target = h.job(QStringLiteral("guardado.trv"));
        if (answer == Dialogs::Yes)
            h.dialogs.fileNames.enqueue(cancelTheSaveDialog ? QString() : target);
        if (command == "new")
            h.menu(QStringLiteral("mnuNueMismo"))->trigger();
        else if (command == "open")
            h.openFile(other);
        else
            h.w.close();

        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text, QStringLiteral("Desea guardar los cambios en el archivo ") +
                                                 h.tmp.paths().jobsFolder + QStringLiteral("Nuevo 1"));
        QCOMPARE(h.dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);
        QCOMPARE(QFileInfo::exists(target), saved);
        const bool jobKept = h.text("txtDesde") == QStringLiteral("0042");
        if (command == "close") {
            QCOMPARE(h.w.isVisible(), !goesOn);
            // No ends the program at once, without the unload that writes the font settings.
            QCOMPARE(ended.size(), answer == Dialogs::No ? 1 : 0);
            QCOMPARE(unloaded.size(), answer == Dialogs::Yes && saved ? 1 : 0);
            QCOMPARE(QFileInfo::exists(h.tmp.paths().settingsFile) &&
                         h.context.setting("Fuentes", "Color") != "Vacio",
                     unloaded.size() == 1);
        } else {
            QCOMPARE(!jobKept, goesOn);
        }
        if (!goesOn)
            QVERIFY(h.probe.jobModified());
    }

    void aFailedSaveSaysSoAndLosesNothing_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("range end not a number") << "number";
        QTest::newRow("file size limit") << "fsize";
        QTest::newRow("folder under a plain file") << "parent";
        // A writable file in a read-only folder is written in place (tst_writeinplace): the save
        // fails only when neither takes the write.
        QTest::newRow("read-only folder and file") << "readonly";
    }

    void aFailedSaveSaysSoAndLosesNothing()
    {
        QFETCH(QString, cause);
        if (cause == "readonly" && geteuid() == 0)
            QSKIP("a read-only folder does not stop root");
        Docs h;
        QVERIFY(h.open(0));
        h.fillPage0();
        QString file = h.job(QStringLiteral("trabajo.trv"));
        if (cause == "parent") {
            put(h.job(QStringLiteral("plano")), "x");
            file = h.job(QStringLiteral("plano/trabajo.trv"));
        } else {
            QVERIFY(QDir().mkpath(h.job(QStringLiteral("carpeta"))));
            file = h.job(QStringLiteral("carpeta/trabajo.trv"));
            h.saveAs(file);
            QCOMPARE(h.docs().ArchivoGuardado, file);
        }
        const QByteArray before = bytesOf(file);
        const QString nameBefore = h.docs().ArchivoActual;
        h.dialogs.clear();

        h.box("txtHasta")->setFocus();
        QTest::keyClick(h.box("txtHasta"), Qt::Key_Home);
        QTest::keyClick(h.box("txtHasta"), Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(h.box("txtHasta"), Qt::Key_Delete); // an empty end is no number
        if (cause != "number")
            h.type(QStringLiteral("txtHasta"), QStringLiteral("0999"));
        if (cause == "readonly") {
            QFile::setPermissions(file, QFile::ReadOwner);
            QFile::setPermissions(h.job(QStringLiteral("carpeta")), QFile::ReadOwner | QFile::ExeOwner);
        }

        rlimit saved{};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        if (cause == "fsize") {
            rlimit tight = saved;
            tight.rlim_cur = 64;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        }
        if (cause == "parent")
            h.saveAs(file);
        else
            h.menu(QStringLiteral("mnuguardar"))->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(h.job(QStringLiteral("carpeta")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (cause == "readonly")
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);

        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY(h.dialogs.messages[0].text.startsWith(
            QStringLiteral("No se pudo guardar el trabajo en el archivo ") + file));
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(bytesOf(file), before);
        QVERIFY(h.probe.jobModified());
        QCOMPARE(h.docs().ArchivoActual, nameBefore);
    }

    void aFileThatIsNoJobIsRefusedOrOpensWithoutHarm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("opens");
        QTest::newRow("binary") << QByteArray("\x7F"
                                              "ELF\x02\x01\x01\x00\x00\xFF\xFE[",
                                              13)
                                << "file" << false;
        QTest::newRow("empty") << QByteArray() << "file" << false;
        QTest::newRow("NUL bytes in a job")
            << QByteArray("[Solapa]\r\nSStab=0\r\n\0\0", 21) << "file" << false;
        QTest::newRow("no line break") << QByteArray(4096, 'x') << "file" << false;
        QTest::newRow("one section, no line break") << QByteArray("[Solapa]") << "file" << true;
        QTest::newRow("50 MB") << QByteArray() << "huge" << false;
        QTest::newRow("folder named x.trv") << QByteArray() << "folder" << false;
        QTest::newRow("no read permission") << QByteArray("[Solapa]\r\nSStab=0\r\n") << "unreadable" << false;
        QTest::newRow("SStab missing")
            << QByteArray("[Ultima Impresi\xF3n Solapa:0]\r\nDesde=0007\r\n") << "file" << true;
        QTest::newRow("SStab abc") << QByteArray("[Solapa]\r\nSStab=abc\r\n") << "file" << true;
        // UTF-16: little-endian whole code units open; a cut one or big-endian could not be saved.
        const auto utf16 = [](const char *text, bool bigEndian) {
            QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
            for (const char *c = text; *c; ++c)
                out += bigEndian ? QByteArray(1, '\0') + *c : QByteArray(1, *c) + '\0';
            return out;
        };
        QTest::newRow("UTF-16 LE, SStab abc") << utf16("[Solapa]\r\nSStab=abc\r\n", false) << "file" << true;
        QTest::newRow("UTF-16 LE cut short")
            << utf16("[Solapa]\r\nSStab=0\r\n", false).chopped(1) << "file" << false;
        QTest::newRow("UTF-16 BE") << utf16("[Solapa]\r\nSStab=0\r\n", true) << "file" << false;
    }

    void aFileThatIsNoJobIsRefusedOrOpensWithoutHarm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kind);
        QFETCH(bool, opens);
        if (kind == "unreadable" && geteuid() == 0)
            QSKIP("root reads every file");
        Docs h;
        QVERIFY(h.open(0));
        const QString file = h.job(QStringLiteral("x.trv"));
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(file));
        } else if (kind == "huge") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray block = QByteArray("[Solapa]\r\nSStab=0\r\n").repeated(1024 * 1024 / 19);
            for (int i = 0; i < 50; ++i)
                f.write(block);
        } else {
            put(file, bytes);
            if (kind == "unreadable")
                QFile::setPermissions(file, QFile::WriteOwner);
        }
        const QByteArray before = bytesOf(file);
        h.type(QStringLiteral("txtDesde"), QStringLiteral("0042"));
        h.probe.setJobModified(false);

        h.openFile(file);
        QCOMPARE(h.dialogs.messages.size(), 1);
        if (opens) {
            QCOMPARE(h.docs().ArchivoGuardado, file);
            QCOMPARE(h.page(), 0);
            QVERIFY(
                h.dialogs.messages[0].text.contains(QStringLiteral("se abre como trabajo de mismo número")));
        } else {
            QVERIFY(h.dialogs.messages[0].text.startsWith(QStringLiteral("No se puede abrir el archivo ") +
                                                          file));
            // The window is as it was, and the document did not take the file's name.
            QCOMPARE(h.text("txtDesde"), QStringLiteral("0042"));
            QCOMPARE(h.w.windowTitle(), QStringLiteral("Nuevo 1 - Tessarino"));
            h.type(QStringLiteral("txtDesde"), QStringLiteral("0043"));
            h.dialogs.fileNames.enqueue(h.job(QStringLiteral("otro.trv")));
            h.menu(QStringLiteral("mnuguardar"))->trigger();
            QVERIFY(QFileInfo::exists(h.job(QStringLiteral("otro.trv"))));
        }
        if (kind != "folder")
            QCOMPARE(bytesOf(file), before);
    }

    // A job saved as UTF-8 by a Linux editor or script (no mark, LF) opens whole and is saved
    // back as UTF-8, one record per page; a file in neither encoding is refused naming the line.
    void aUtf8JobOpensAndIsSavedAsUtf8()
    {
        Docs h;
        QVERIFY(h.open(0));
        const QString file = h.job(QStringLiteral("rifa utf8.trv"));
        put(file, "[Ultima Impresi\xC3\xB3n Solapa:0]\nPosX_0=100\nPosY_0=200\nCheck1_0=0\nDesde=0007\n"
                  "Hasta=0009\n[Comentario]\nTexto=A\xC3\xB1o nuevo\n[Solapa]\nSStab=0\n");
        h.openFile(file);
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join(u'\n')));
        QCOMPARE(h.text("txtDesde"), QStringLiteral("0007"));
        QCOMPARE(h.text("txtPosX_0"), QStringLiteral("100"));
        QCOMPARE(h.docs().NotaActual, QStringLiteral("Año nuevo"));

        h.type(QStringLiteral("txtHasta"), QStringLiteral("0010"));
        h.menu(QStringLiteral("mnuguardar"))->trigger();
        const QByteArray saved = bytesOf(file);
        QVERIFY(saved.startsWith("[Ultima Impresi\xC3\xB3n Solapa:0]\nPosX_0=100\r\n"));
        QCOMPARE(saved.count("Solapa:0]"), 1);
        QVERIFY(saved.contains("Hasta=0010\r\n"));
        QVERIFY(saved.contains("Texto=A\xC3\xB1o nuevo\n"));
        QVERIFY(!saved.contains('\xF3'));
        h.menu(QStringLiteral("mnuNueMismo"))->trigger();
        h.openFile(file);
        QCOMPARE(h.text("txtHasta"), QStringLiteral("0010"));

        const struct
        {
            QByteArray bytes;
            QString says;
        } refused[] = {
            // What a save of the old version left: the UTF-8 record, then a windows-1252 one.
            {"[Ultima Impresi\xC3\xB3n Solapa:0]\r\nDesde=0007\r\n[Ultima Impresi\xF3n Solapa:0]\r\n"
             "Desde=0000\r\n",
             QStringLiteral("línea 3: mezcla dos codificaciones")},
            {"[Solapa]\r\nSStab=0\r\n[Comentario]\r\nTexto=\x81\r\n",
             QStringLiteral("línea 4: no es texto UTF-8 ni windows-1252")},
            {"\xEF\xBB\xBF[Solapa]\r\nSStab=0\r\nTexto=A\xF1o\r\n",
             QStringLiteral("línea 3: no es texto UTF-8 ni windows-1252")},
        };
        for (const auto &c : refused) {
            const QString bad = h.job(QStringLiteral("mezcla.trv"));
            put(bad, c.bytes);
            h.dialogs.clear();
            h.openFile(bad);
            QCOMPARE(h.dialogs.messages.size(), 1);
            QVERIFY2(h.dialogs.messages[0].text.contains(c.says), qPrintable(h.dialogs.messages[0].text));
            QCOMPARE(h.docs().ArchivoActual, file);
            QCOMPARE(bytesOf(bad), c.bytes);
        }
    }

    // A FIFO named as a job would wait for a writer for ever: every way in refuses it at once.
    void aFifoIsRefusedByEveryWayIn()
    {
        Docs h;
        QVERIFY(h.open(0));
        const QString fifo = h.job(QStringLiteral("tuberia.trv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        ::alarm(30); // a hang ends the test instead of the suite waiting
        const QString expected =
            QStringLiteral("No se puede abrir el archivo %1: no se puede leer (no es un archivo normal")
                .arg(fifo);
        const std::function<void()> ways[] = {
            [&] { h.openFile(fifo); },
            [&] { h.docs().openRecent(fifo); },
            [&] { h.docs().openFromCommandLine(fifo); },
        };
        for (const auto &way : ways) {
            h.dialogs.clear();
            way();
            QCOMPARE(h.dialogs.messages.size(), 1);
            QVERIFY2(h.dialogs.messages[0].text.startsWith(expected), qPrintable(h.dialogs.messages[0].text));
            QCOMPARE(h.w.windowTitle(), QStringLiteral("Nuevo 1 - Tessarino"));
        }
        QVERIFY(!JobFile::refusal(fifo).isEmpty()); // what the command line asks
        ::alarm(0);
    }

    // The reason a file cannot be used follows the interface's language.
    void theReasonFollowsTheEnglishInterface()
    {
        Docs h;
        QVERIFY(h.open(0));
        const QString folder = h.job(QStringLiteral("carpeta.trv"));
        QVERIFY(QDir().mkpath(folder));
        h.menu(QStringLiteral("mnuIngles"))->trigger();
        h.dialogs.clear();
        h.openFile(folder);
        h.menu(QString::fromUtf16(u"mnuEspañol"))->trigger();
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(h.dialogs.messages[0].text.endsWith(QStringLiteral("(it is a folder).")),
                 qPrintable(h.dialogs.messages[0].text));
        h.dialogs.clear();
        h.openFile(folder);
        QVERIFY(h.dialogs.messages[0].text.endsWith(QStringLiteral("(es una carpeta).")));
    }

    void theInfoLabelShowsWhenTheDocumentWasSaved()
    {
        Docs h;
        QVERIFY(h.open(0));
        auto *lblinfo = h.w.findChild<QLabel *>(QStringLiteral("lblinfo"));
        auto *lblEstado = h.w.findChild<QLabel *>(QStringLiteral("lblEstado"));
        QCOMPARE(lblinfo->toolTip(),
                 QStringLiteral("Vea la fecha y hora de creación del archivo en la barra de estado"));
        QTest::mouseMove(lblinfo, QPoint(5, 5));
        QTRY_COMPARE(lblEstado->text(), QStringLiteral("Fecha y hora de creación desconocido"));

        h.fillPage0();
        const QString file = h.job(QStringLiteral("fecha.trv"));
        h.saveAs(file);
        QTest::mouseMove(lblinfo, QPoint(8, 6));
        QString fecha = JobFile::dateText(QDate::currentDate());
        QTRY_VERIFY(
            lblEstado->text().startsWith(QStringLiteral("Creado el: ") + fecha + QStringLiteral(" a las: ")));
    }

    void theBusyBarCoversTheStatusAndHoldsOffOtherCommands()
    {
        Docs h;
        QVERIFY(h.open(0));
        h.w.documentCommands().busyMilliseconds = 300;
        auto *bar = h.w.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
        bool barSeen = false;
        QTimer during;
        during.setInterval(20);
        connect(&during, &QTimer::timeout, &h.w, [&] {
            if (!bar->isVisible())
                return;
            barSeen =
                bar->geometry().intersects(h.w.findChild<QLabel *>(QStringLiteral("lblEstado"))->geometry());
            // A second command while the first one animates is not taken.
            h.dialogs.fileNames.enqueue(h.job(QStringLiteral("en medio.trv")));
            h.menu(QStringLiteral("mnuabrir"))->trigger();
            h.menu(QStringLiteral("mnuNueDistinto"))->trigger();
        });
        during.start();
        h.menu(QStringLiteral("mnuNueMismo"))->trigger();
        during.stop();
        QVERIFY(barSeen);
        QVERIFY(!bar->isVisible());
        QCOMPARE(h.w.windowTitle(), QStringLiteral("Nuevo 2 - Tessarino"));
        QVERIFY(h.dialogs.fileRequests.isEmpty());
    }

    void theLastPrintOfEachPageComesBack()
    {
        Docs h;
        QVERIFY(h.open(0));
        QCOMPARE(h.menu(QStringLiteral("mnudistinto"))->text(),
                 QStringLiteral("&Última impresión mismo número"));
        QCOMPARE(h.menu(QStringLiteral("mnuultimaMismo"))->text(),
                 QStringLiteral("Ú&ltima impresión distinto número"));
        h.fillPage1();
        h.box("hasta_0")->setText(QStringLiteral("0003"));
        h.w.findChild<QPushButton *>("Command6")->click();
        QVERIFY(h.dialogs.messages.isEmpty());
        QString settings = h.tmp.paths().settingsFile;
        const QString distinctRecord = JobFile::recordSection(1);
        auto recorded = [&] {
            QStringList values;
            for (const QString key : {"Desde_0", "Hasta_0", "PosX_1", "Check2_2", "Cantidad"}) {
                QString f = settings;
                values << h.context.profiles.LeerValorIni(distinctRecord, key, f);
            }
            return values;
        };
        const QStringList distinctBefore = recorded();
        QCOMPARE(distinctBefore, (QStringList{"0001", "0003", "1001", "1", "2"}));

        h.probe.setJobModified(false);
        h.menu(QStringLiteral("mnuNueMismo"))->trigger();
        h.fillPage0();
        h.box("txtHasta")->setText(QStringLiteral("0003"));
        h.w.findChild<QPushButton *>("cmdImprimir")->click();
        QVERIFY(h.dialogs.messages.isEmpty());
        QCOMPARE(recorded(), distinctBefore); // a same-number print leaves the other record alone

        // Change every box, then bring the print back.
        for (const QString name :
             {"txtDesde", "txtHasta", "txtPosX_0", "txtPosY_0", "txtPosX_1", "txtPosY_1"})
            h.box(name)->setText(QStringLiteral("7777"));
        for (int i = 2; i < 6; ++i)
            h.check(QStringLiteral("Check1_%1").arg(i))->setChecked(false);
        h.probe.setJobModified(false);
        h.menu(QStringLiteral("mnudistinto"))->trigger();
        QCOMPARE(h.text("txtDesde"), QStringLiteral("0001"));
        QCOMPARE(h.text("txtHasta"), QStringLiteral("0003"));
        QCOMPARE(h.text("txtPosX_1"), QStringLiteral("900"));
        QCOMPARE(h.text("txtPosY_0"), QStringLiteral("300"));
        QVERIFY(h.on("Check1_1") && !h.on("Check1_2") && !h.on("Check1_5"));
        QVERIFY(h.probe.jobModified());
        QCOMPARE(h.w.windowTitle(), QStringLiteral("Nuevo 3 - Tessarino")); // the document keeps its name

        h.menu(QStringLiteral("mnuultimaMismo"))->trigger();
        QCOMPARE(h.page(), 1);
        QCOMPARE(h.text("hasta_0"), QStringLiteral("0003"));
        QVERIFY(!h.on("Check2_2") && h.on("Check2_1"));
    }

    void theJobNamedOnTheCommandLineOpensAtStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("relative");
        QTest::newRow("existing") << "rifa.trv" << true << false;
        QTest::newRow("with blanks") << "rifa de fin de año.trv" << true << false;
        QTest::newRow("relative") << "rifa.trv" << true << true;
        QTest::newRow("missing") << "no está.trv" << false << false;
    }

    void theJobNamedOnTheCommandLineOpensAtStart()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QFETCH(bool, relative);
        TestPaths tmp;
        ScriptedDialogs dialogs;
        RecordingSurface printer;
        AppContext context{tmp.paths(), dialogs, printer};
        const QString path = tmp.path(QStringLiteral("trabajos/") + name);
        QVERIFY(QDir().mkpath(tmp.path(QStringLiteral("trabajos"))));
        if (exists)
            put(path, kOldJob);
        const QString before = QDir::currentPath();
        QDir::setCurrent(tmp.path(QStringLiteral("trabajos")));
        SingleInstance instance(tmp.paths().lockFolder);
        StartUp startUp(context, instance, relative ? name : path);
        frmIni splash;
        const bool started = startUp.run(&splash);
        QDir::setCurrent(before);
        QVERIFY(started);
        frmPrincipal &w = *startUp.mainWindow();
        JobDocument &docs = w.documents();
        w.documentCommands().busyMilliseconds = 0;
        if (!exists) {
            QCOMPARE(dialogs.texts(), QStringList{JobDocument::kNotFound});
            QCOMPARE(w.windowTitle(), QStringLiteral("Nuevo 1 - Tessarino"));
            QVERIFY(!docs.DesdeLineaComandos);
            // Save asks where to put the job, and the settings file never receives it.
            dialogs.fileNames.enqueue(QString());
            WindowProbe(w).setJobModified(true);
            w.findChild<QAction *>(QStringLiteral("mnuguardar"))->trigger();
            QCOMPARE(dialogs.fileRequests.size(), 1);
            QVERIFY(!bytesOf(tmp.paths().settingsFile).contains("Ultima"));
            return;
        }
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(w.windowTitle(), name + QStringLiteral(" - Tessarino"));
        QCOMPARE(docs.ArchivoActual, path);
        QVERIFY(docs.DesdeLineaComandos);
        QVERIFY(docs.ArchivoGuardado.isEmpty());
        QCOMPARE(docs.NotaActual, QStringLiteral("C:\\Rifas\\2024\\nota.txt"));
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("txtDesde"))->text(), QStringLiteral("0050"));

        // The first Save writes in place.
        w.findChild<QLineEdit *>(QStringLiteral("txtHasta"))->setText(QStringLiteral("0060"));
        WindowProbe(w).setJobModified(true);
        w.findChild<QAction *>(QStringLiteral("mnuguardar"))->trigger();
        QVERIFY(dialogs.fileRequests.isEmpty());
        QVERIFY(bytesOf(path).contains("HASTA=0060\r\n"));
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
