// The job document without a window: New, Open, Save and the questions over real job files, with
// the window's side recorded.
#include "JobDocument.h"
#include "ProfileFiles.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

const QByteArray kSameJob = "[Ultima Impresi\xF3n Solapa:0]\r\nPosX_0=500\r\nPosY_0=300\r\nCheck1_0=0\r\n"
                            "Desde=0050\r\nHasta=0100\r\n[Comentario]\r\nTexto=con nota\r\n"
                            "[Orientaci\xF3n]\r\nSentido=2\r\n[Solapa]\r\nSStab=0\r\n";

// The document over a stand-in window that keeps the job as plain values and records what the
// document asks of it.
struct Doc
{
    TestPaths tmp;
    ScriptedDialogs dialogs;
    RecordingSurface printer;
    ProfileFiles profiles{tmp.paths().settingsFile};
    bool modified = false;
    bool busy = false;
    int page = 0;
    SameNumberJob same;
    QStringList calls;
    QString caption;
    JobDocument doc{source(), window(), {profiles, dialogs, printer, tmp.paths().jobsFolder}, modified};

    Doc() { doc.PonerCAption(); }

    JobSource source()
    {
        JobSource s;
        s.sameNumberJob = [this] { return same; };
        s.distinctNumberJob = [] { return DistinctNumberJob(); };
        s.LeerCheck = [this](int p, const ProfileFiles &files, const QString &file) {
            calls << QStringLiteral("read %1").arg(p);
            page = p;
            if (p != 0)
                return;
            const JobFile::Page0Record r = JobFile::readPage0(files, file);
            same.desde = r.desde;
            same.hasta = r.hasta;
            same.posX[0] = r.positions[0].x;
            page = r.sstab.value_or(p);
        };
        s.page = [this] { return page; };
        s.setLandscape = [this](int p) { calls << QStringLiteral("landscape %1").arg(p); };
        return s;
    }
    JobDocument::Window window()
    {
        return {
            .resetJob = [this] { calls << QStringLiteral("reset"); },
            .restoreFont = [this] { calls << QStringLiteral("restoreFont"); },
            .setAvailablePage = [this](int p) { calls << QStringLiteral("page %1").arg(p); },
            .loadFont = [this](const QString &) { calls << QStringLiteral("loadFont"); },
            .font =
                [] {
                    return FontSettings::Stored{"0", "12", "Arial"};
                },
            .showName = [this](const QString &name) { caption = name; },
            .busy = [this] { return busy; },
            .busyStart = [this] { calls << QStringLiteral("busyStart"); },
            .busyEnd = [this] { calls << QStringLiteral("busyEnd"); },
        };
    }
    QString job(const QString &name) const { return tmp.path(name); }
    QString newFile(int n) const { return tmp.paths().jobsFolder + QStringLiteral("Nuevo %1").arg(n); }
    // The document as a snapshot, to tell whether a command left it alone.
    QStringList state() const
    {
        return {doc.ArchivoActual,
                doc.ArchivoGuardado,
                caption,
                QString::number(modified),
                QString::number(doc.DesdeLineaComandos),
                doc.NotaActual,
                same.desde};
    }
};

} // namespace

class TestJobDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newDocumentsAreCountedAndNamed()
    {
        Doc d;
        QCOMPARE(d.doc.ArchivoActual, d.newFile(1));
        QCOMPARE(d.caption, QStringLiteral("Nuevo 1"));
        QCOMPARE(d.doc.shownName(), QStringLiteral("Nuevo 1"));
        QCOMPARE(d.doc.creationText(), QStringLiteral("Fecha y hora de creación desconocido"));

        d.doc.NotaActual = QStringLiteral("vieja");
        d.printer.setPdfTemplate(PdfTemplate{});
        d.doc.ContadorNuevos = 32767;
        QSignalSpy note(&d.doc, &JobDocument::notaActualChanged);
        d.doc.New(1);
        QVERIFY(d.dialogs.messages.isEmpty()); // nothing changed: no question
        QCOMPARE(d.calls, (QStringList{"busyStart", "reset", "restoreFont", "page 1", "busyEnd"}));
        QCOMPARE(d.doc.ArchivoActual, d.newFile(32768));
        QCOMPARE(d.caption, QStringLiteral("Nuevo 32768"));
        QVERIFY(d.doc.NotaActual.isEmpty() && note.size() == 1);
        QVERIFY(!d.printer.pdfTemplate());
    }

    void namesArePathTails_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("old platform") << "C:\\Rifas\\rifa.trv"
                                      << "rifa.trv";
        QTest::newRow("this platform") << "/home/ana/rifa de mayo.trv"
                                       << "rifa de mayo.trv";
        QTest::newRow("both") << "/media/C:\\Rifas/x\\y.trv"
                              << "y.trv";
        QTest::newRow("bare name") << "rifa.trv"
                                   << "rifa.trv";
        QTest::newRow("folder") << "/home/ana/"
                                << "";
    }

    void namesArePathTails()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(JobDocument::Cortar(path), name);
    }

    // Every command that leaves the document asks first; only a save that happened or a No lets
    // it go on, and the close question tells apart closing, ending at once and staying.
    void theSaveQuestionGuardsEveryCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer"); // -1: unchanged job, no question
        QTest::addColumn<bool>("saveDialogGivesName");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<int>("closing");
        const int close = int(JobDocument::Closing::Close), stay = int(JobDocument::Closing::Stay);
        for (const char *command : {"new", "open", "recent", "close"}) {
            const QByteArray c(command);
            const QString name = QString::fromLatin1(c);
            QTest::newRow(c + " unchanged") << name << -1 << false << true << close;
            QTest::newRow(c + " yes") << name << int(Dialogs::Yes) << true << true << close;
            QTest::newRow(c + " yes, save cancelled") << name << int(Dialogs::Yes) << false << false << stay;
            QTest::newRow(c + " no") << name << int(Dialogs::No) << false << true
                                     << int(JobDocument::Closing::EndAtOnce);
            QTest::newRow(c + " cancel") << name << int(Dialogs::Cancel) << false << false << stay;
        }
    }

    void theSaveQuestionGuardsEveryCommand()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, saveDialogGivesName);
        QFETCH(bool, goesOn);
        QFETCH(int, closing);
        Doc d;
        const QString other = d.job(QStringLiteral("otro.trv"));
        put(other, kSameJob);
        const QString target = d.job(QStringLiteral("guardado.trv"));
        d.modified = answer >= 0;
        if (answer >= 0)
            d.dialogs.answers.enqueue(answer);
        if (answer == Dialogs::Yes)
            d.dialogs.fileNames.enqueue(saveDialogGivesName ? target : QString());
        if (command == "open")
            d.dialogs.fileNames.enqueue(other);
        const QStringList before = d.state();

        if (command == "new")
            d.doc.New(0);
        else if (command == "open")
            d.doc.mnuabrir_Click();
        else if (command == "recent")
            d.doc.openRecent(other);
        else
            QCOMPARE(int(d.doc.Form_QueryUnload()), closing);

        QCOMPARE(d.dialogs.messages.size(), answer >= 0 ? 1 : 0);
        if (answer >= 0)
            QCOMPARE(d.dialogs.messages[0].text,
                     QStringLiteral("Desea guardar los cambios en el archivo ") + d.newFile(1));
        QCOMPARE(QFileInfo::exists(target), answer == Dialogs::Yes && saveDialogGivesName);
        if (command == "close")
            return;
        if (!goesOn) {
            QCOMPARE(d.state(), before);
            QVERIFY(!d.calls.contains(QStringLiteral("reset")));
            return;
        }
        QVERIFY(!d.modified);
        QCOMPARE(d.doc.ArchivoActual, command == "new" ? d.newFile(2) : other);
        QCOMPARE(d.doc.ArchivoGuardado, command == "new" ? QString() : other);
    }

    // A file that is missing or cannot be a job leaves the document and the window as they were;
    // one without a page opens as a same-number job and says so.
    void openingAFile_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says"); // start of the one message, empty for none
        for (const char *way : {"dialog", "recent", "command line"}) {
            const QByteArray w(way);
            const QString name = QString::fromLatin1(w);
            QTest::newRow(w + ", a job") << name << "job"
                                         << "";
            QTest::newRow(w + ", a distinct-number job") << name << "distinct"
                                                         << "";
            QTest::newRow(w + ", no page") << name << "no page"
                                           << "El archivo ";
            QTest::newRow(w + ", a folder") << name << "folder"
                                            << "No se puede abrir el archivo ";
            QTest::newRow(w + ", not text") << name << "binary"
                                            << "No se puede abrir el archivo ";
            if (name != QStringLiteral("dialog")) // the open dialog only gives files that are there
                QTest::newRow(w + ", missing") << name << "missing"
                                               << "El archivo solicitado no se encuentra";
        }
    }

    void openingAFile()
    {
        QFETCH(QString, way);
        QFETCH(QString, kind);
        QFETCH(QString, says);
        Doc d;
        const QString file = d.job(QStringLiteral("rifa.trv"));
        if (kind == "job")
            put(file, kSameJob);
        else if (kind == "distinct")
            put(file, "[Ultima Impresi\xF3n Solapa:1]\r\nDesde_0=0001\r\n[Orientaci\xF3n]\r\nSentido=2\r\n"
                      "[Solapa]\r\nSStab=1\r\n");
        else if (kind == "no page")
            put(file, "[Ultima Impresi\xF3n Solapa:0]\r\nDesde=0007\r\n");
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(file));
        else if (kind == "binary")
            put(file, "[Solapa]\r\nSStab=0\r\n[Comentario]\r\nTexto=\x81\r\n");
        d.same.desde = QStringLiteral("0042");
        d.calls.clear();
        const QStringList before = d.state();

        if (way == "dialog") {
            d.dialogs.fileNames.enqueue(file);
            d.doc.mnuabrir_Click();
        } else if (way == "recent") {
            d.doc.openRecent(file);
        } else {
            d.doc.openFromCommandLine(QLatin1Char('"') + file + QLatin1Char('"'));
        }

        QCOMPARE(d.dialogs.messages.size(), says.isEmpty() ? 0 : 1);
        if (!says.isEmpty())
            QVERIFY2(d.dialogs.messages[0].text.startsWith(says), qPrintable(d.dialogs.messages[0].text));
        if (kind != "job" && kind != "distinct" && kind != "no page") {
            QCOMPARE(d.state(), before);
            QVERIFY(!d.calls.contains(QStringLiteral("reset")));
            return;
        }
        QCOMPARE(d.doc.ArchivoActual, file);
        QCOMPARE(d.caption, QStringLiteral("rifa.trv"));
        QCOMPARE(d.doc.DesdeLineaComandos, way == "command line");
        // A job from the command line saves where it came from, but was never saved here.
        QCOMPARE(d.doc.ArchivoGuardado, way == "command line" ? QString() : file);
        const int page = kind == "distinct" ? 1 : 0;
        const bool landscape = kind != "no page";
        QCOMPARE(d.same.desde, kind == "job" ? QStringLiteral("0050")
                               : page == 1   ? QStringLiteral("0042")
                                             : QStringLiteral("0007"));
        QCOMPARE(d.doc.NotaActual, kind == "job" ? QStringLiteral("con nota") : ProfileFiles::Vacio);
        QVERIFY(d.calls.contains(QStringLiteral("read %1").arg(page)));
        QVERIFY(d.calls.contains(QStringLiteral("page %1").arg(page)));
        // The stored orientation reaches the printer and the page's landscape box.
        QCOMPARE(d.calls.contains(QStringLiteral("landscape %1").arg(page)), landscape);
        QCOMPARE(d.printer.orientation(), landscape ? PrinterSurface::Landscape : PrinterSurface::Portrait);

        // It saves in place, without asking where.
        d.same.hasta = QStringLiteral("0060");
        d.modified = true;
        d.dialogs.clear();
        d.dialogs.fileRequests.clear();
        QVERIFY(d.doc.SaveTextControl());
        QVERIFY(d.dialogs.fileRequests.isEmpty() && d.dialogs.messages.isEmpty());
        QCOMPARE(JobFile::jobPage(d.profiles, file), std::optional<int>(page));
        QCOMPARE(bytesOf(file).contains("Hasta=0060\r\n"), page == 0);
    }

    // A save that cannot write says why and keeps the document's name, its flag and the file.
    void aFailedSaveKeepsTheOldName_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        for (const bool named : {false, true}) {
            const QByteArray n = named ? "named, " : "new, ";
            QTest::newRow(n + "range end not a number") << named << "number"
                                                        << "los campos Desde y Hasta deben ser números.";
            if (!named)
                QTest::newRow(n + "folder under a plain file") << named << "parent"
                                                               << "";
        }
    }

    void aFailedSaveKeepsTheOldName()
    {
        QFETCH(bool, named);
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        Doc d;
        const QString file = d.job(QStringLiteral("rifa.trv"));
        d.modified = true;
        if (named) {
            d.dialogs.fileNames.enqueue(file);
            QVERIFY(d.doc.SaveTextControl());
            d.modified = true;
        }
        const QByteArray bytes = bytesOf(file);
        QString target = d.job(QStringLiteral("nuevo.trv"));
        if (cause == "number")
            d.same.desde = QStringLiteral("abc");
        if (cause == "parent") {
            put(d.job(QStringLiteral("archivo")), "x");
            target = d.job(QStringLiteral("archivo/rifa.trv"));
        }
        if (!named)
            d.dialogs.fileNames.enqueue(target);
        const QStringList before = d.state();
        QSignalSpy saved(&d.doc, &JobDocument::saved);
        d.dialogs.clear();

        QVERIFY(!d.doc.SaveTextControl());
        QCOMPARE(d.dialogs.messages.size(), 1);
        const QString text = d.dialogs.messages[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("No se pudo guardar el trabajo en el archivo ") +
                                 QDir::toNativeSeparators(named ? file : target)),
                 qPrintable(text));
        QVERIFY(text.contains(reason));
        QCOMPARE(d.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(d.state(), before);
        QVERIFY(saved.isEmpty());
        QCOMPARE(bytesOf(file), bytes);
        QVERIFY(!QFileInfo::exists(target));
        // The close question then keeps the window open.
        d.dialogs.answers.enqueue(Dialogs::Yes);
        QCOMPARE(d.doc.Form_QueryUnload(), JobDocument::Closing::Stay);
    }

    void aSaveWritesTheJobAndTheDocumentTakesItsName()
    {
        Doc d;
        const QString file = d.job(QStringLiteral("rifa.trv"));
        d.same.desde = QStringLiteral("0001");
        d.same.hasta = QStringLiteral("0500");
        d.modified = true;
        d.dialogs.fileNames.enqueue(file);
        QSignalSpy saved(&d.doc, &JobDocument::saved);
        QVERIFY(d.doc.SaveTextControl());
        QCOMPARE(d.dialogs.fileRequests.size(), 1);
        QCOMPARE(d.dialogs.fileRequests[0].fileName, d.newFile(1));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0][0].toString(), file);
        QCOMPARE(d.doc.ArchivoGuardado, file);
        QCOMPARE(d.doc.shownName(), QStringLiteral("rifa.trv"));
        QVERIFY(!d.modified);
        const QByteArray bytes = bytesOf(file);
        QVERIFY(bytes.contains("Desde=0001\r\nHasta=0500\r\n"));
        QVERIFY(bytes.contains("[Fuentes]\r\nColor=0\r\nTama\xF1o=12\r\nIndice=Arial\r\n"));
        QVERIFY(d.doc.creationText().startsWith(QStringLiteral("Creado el: ") +
                                                JobFile::dateText(QDate::currentDate())));

        // Unchanged, a save writes nothing.
        put(file, "[Solapa]\r\nSStab=0\r\n");
        QVERIFY(d.doc.SaveTextControl());
        QCOMPARE(bytesOf(file), QByteArray("[Solapa]\r\nSStab=0\r\n"));
        QCOMPARE(saved.size(), 1);
    }

    // While the window still works on a command, no other one starts.
    void aBusyWindowTakesNoCommand()
    {
        Doc d;
        const QString file = d.job(QStringLiteral("rifa.trv"));
        put(file, kSameJob);
        d.modified = true;
        d.busy = true;
        d.dialogs.fileNames.enqueue(file);
        const QStringList before = d.state();
        d.doc.New(0);
        d.doc.mnuabrir_Click();
        d.doc.openRecent(file);
        QVERIFY(!d.doc.SaveTextControl());
        QCOMPARE(d.doc.Form_QueryUnload(), JobDocument::Closing::Stay);
        QVERIFY(d.dialogs.messages.isEmpty() && d.dialogs.fileRequests.isEmpty());
        QCOMPARE(d.state(), before);
    }
};

QTEST_MAIN(TestJobDocument)
#include "tst_jobdocument.moc"
