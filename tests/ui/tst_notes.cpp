// The note kept with a job: the pop-up on the note image, the editor, "Borrar", and the note
// following the document through save, open and start-up.
#include "../app/FormHarness.h"
#include "DocumentCommands.h"
#include "NoteText.h"
#include "Notes.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "TestFiles.h"
#include "frmComen.h"
#include "frmIni.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>

namespace {

struct NoteWindow : FormHarness<>
{
    NoteWindow()
    {
        probe.settleStartUp();
        w.documentCommands().busyMilliseconds = 0;
    }
    JobDocument &docs() { return w.documents(); }
    QAction *action(const QString &name) { return w.findChild<QAction *>(name); }
    QLabel *imgFlag() { return w.findChild<QLabel *>(QStringLiteral("imgFlag")); }
    QMenu *mnuNotas() { return w.findChild<QMenu *>(QStringLiteral("mnuNotas")); }

    // Right-clicks the note image and returns the pop-up it shows.
    QMenu *popUp()
    {
        QTest::mouseClick(imgFlag(), Qt::RightButton);
        // A pop-up that never shows would make every check after it meaningless.
        if (!QTest::qWaitFor([this] { return mnuNotas()->isVisible(); }, 2000))
            qFatal("the notes pop-up never showed");
        return mnuNotas();
    }
    void choose(const QString &entry)
    {
        QMenu *menu = popUp();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action(entry)).center());
        QCoreApplication::processEvents();
    }

    // Chooses "Escribir/editar"; `whileOpen` runs once the modal editor shows. An editor left open
    // is closed without storing, so a failing check cannot hang the test.
    bool edit(const std::function<void(frmComen &)> &whileOpen)
    {
        bool opened = false;
        QTimer::singleShot(0, &w, [&] {
            auto *editor = qobject_cast<frmComen *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            opened = true;
            whileOpen(*editor);
            if (editor->isVisible())
                editor->done(0);
        });
        choose(QStringLiteral("mnuescribir"));
        return opened;
    }
    // Writes `text` in a fresh editor and closes it with the close box.
    void writeNote(const QString &text)
    {
        QVERIFY(edit([&](frmComen &editor) {
            editor.Text1->setPlainText(text);
            editor.close();
        }));
    }
    QString editorText()
    {
        QString text;
        edit([&](frmComen &editor) {
            text = editor.Text1->toPlainText();
            editor.close();
        });
        return text;
    }
    void saveAs(const QString &path)
    {
        dialogs.fileNames.enqueue(path);
        probe.setJobModified(true);
        action(QStringLiteral("mnuguardar"))->trigger();
    }
    void openFile(const QString &path)
    {
        dialogs.fileNames.enqueue(path);
        action(QStringLiteral("mnuabrir"))->trigger();
    }
};

} // namespace

class TestNotes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aNoteIsStoredWhenTheEditorClosesAndErasedOnlyByBorrar()
    {
        NoteWindow h;
        QVERIFY(h.open(0));
        QCOMPARE(h.imgFlag()->toolTip(), QStringLiteral("Dejar una nota para este documento"));
        QVERIFY(h.imgFlag()->isVisible());
        const QString file = h.tmp.path(QStringLiteral("rifa.trv"));
        h.saveAs(file);

        QMenu *menu = h.popUp();
        QCOMPARE(menu->title(), QStringLiteral("&Notas")); // the resource library's caption
        QVERIFY(!h.w.menuBar()->actions().contains(menu->menuAction()));
        QCOMPARE(menu->defaultAction(), h.action(QStringLiteral("mnuescribir")));
        QVERIFY(!h.action(QStringLiteral("mnuBorrar"))->isEnabled());
        const QPoint client = h.w.centralWidget()->mapToGlobal(QPoint());
        QCOMPARE(menu->pos() - client, QPoint(20 + 27, 20 + 5)); // 408 and 72 twips
        menu->close();

        // Typed and closed with the close box.
        QVERIFY(h.edit([&](frmComen &editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral("rifa.trv"));
            QTest::keyClicks(editor.Text1, QStringLiteral("Para la kermesse"));
            editor.close();
        }));
        QVERIFY(bytesOf(file).contains("[Comentario]\r\nTexto=Para la kermesse\r\n"));
        QCOMPARE(h.docs().NotaActual, QStringLiteral("Para la kermesse"));
        QVERIFY(!h.probe.jobModified());
        h.popUp()->close();
        QVERIFY(h.action(QStringLiteral("mnuBorrar"))->isEnabled());

        // Emptied and closed with Escape: the stored note stays.
        QVERIFY(h.edit([&](frmComen &editor) {
            QCOMPARE(editor.Text1->toPlainText(), QStringLiteral("Para la kermesse"));
            editor.Text1->selectAll();
            QTest::keyClick(editor.Text1, Qt::Key_Delete);
            QTest::keyClick(editor.Text1, Qt::Key_Escape);
            QVERIFY(!editor.isVisible());
        }));
        QVERIFY(bytesOf(file).contains("Texto=Para la kermesse\r\n"));

        h.dialogs.answers.enqueue(Dialogs::No);
        h.choose(QStringLiteral("mnuBorrar"));
        QVERIFY(bytesOf(file).contains("Texto=Para la kermesse\r\n"));
        h.dialogs.answers.enqueue(Dialogs::Yes);
        h.choose(QStringLiteral("mnuBorrar"));
        QCOMPARE(h.dialogs.messages.size(), 2);
        QCOMPARE(h.dialogs.messages[1].text, Notes::kBorrarPregunta);
        QCOMPARE(h.dialogs.messages[1].title, QStringLiteral("Tessarino"));
        QCOMPARE(h.dialogs.messages[1].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(h.dialogs.messages[1].buttons, Dialogs::Buttons::YesNo);
        QVERIFY(bytesOf(file).contains("[Comentario]\r\nTexto=\r\n"));
        QVERIFY(h.docs().NotaActual.isEmpty());
        QCOMPARE(h.editorText(), QString());
        h.popUp()->close();
        QVERIFY(!h.action(QStringLiteral("mnuBorrar"))->isEnabled());
    }

    void linesComeBackAndOldNotesReadUnchanged()
    {
        NoteWindow h;
        QVERIFY(h.open(0));
        const QString file = h.tmp.path(QStringLiteral("lineas.trv"));
        h.saveAs(file);
        QVERIFY(h.edit([&](frmComen &editor) {
            QTest::keyClicks(editor.Text1, QStringLiteral("Rifa del club"));
            QTest::keyClick(editor.Text1, Qt::Key_Return);
            QTest::keyClick(editor.Text1, Qt::Key_Return);
            QTest::keyClicks(editor.Text1, QStringLiteral("  a"));
            QTest::sendKeyEvent(QTest::Press, editor.Text1, Qt::Key_Ntilde, QStringLiteral("ñ"), {});
            QTest::sendKeyEvent(QTest::Release, editor.Text1, Qt::Key_Ntilde, QStringLiteral("ñ"), {});
            QTest::keyClicks(editor.Text1, QStringLiteral("o C:\\dir\\n"));
            QTest::keyClick(editor.Text1, Qt::Key_Return);
            QTest::keyClicks(editor.Text1, QStringLiteral("[Solapa]"));
            editor.close();
        }));
        const QString typed = QStringLiteral("Rifa del club\n\n  año C:\\dir\\n\n[Solapa]");
        // One line in the file, still windows-1252: the lines cannot plant a section of their own.
        QVERIFY(bytesOf(file).contains("Texto=Rifa del club\x0B\x0B  a\xF1o C:\\dir\\n\x0B[Solapa]\r\n"));

        h.action(QStringLiteral("mnuNueMismo"))->trigger();
        QVERIFY(h.docs().NotaActual.isEmpty());
        h.openFile(file);
        QCOMPARE(h.docs().NotaActual, typed);
        QCOMPARE(h.editorText(), typed);

        // Every kind of line break reaches the file as the one stored break.
        for (const QString breakText : {"\r\n", "\r", "\n", "\u2028", "\u2029"})
            QCOMPARE(NoteText::toStored(u'a' + breakText + u'b'), QStringLiteral("a\u000Bb"));

        // A one-line note of the old program, backslashes and all, reads back as it was, and
        // closing the editor over it leaves the file's bytes alone.
        const QString old = h.tmp.path(QStringLiteral("vieja.trv"));
        const QByteArray oldBytes =
            "[Solapa]\r\nSStab=0\r\n[Comentario]\r\nTexto=ver C:\\Trabajos\\rifa\\n1\r\n";
        put(old, oldBytes);
        h.openFile(old);
        QCOMPARE(h.docs().NotaActual, QStringLiteral("ver C:\\Trabajos\\rifa\\n1"));
        QCOMPARE(h.editorText(), QStringLiteral("ver C:\\Trabajos\\rifa\\n1"));
        QCOMPARE(bytesOf(old), oldBytes);

        // A long note comes back whole, lines and all.
        const QString longNote = QStringLiteral("línea\n").repeated(10000 / 6);
        h.writeNote(longNote);
        QCOMPARE(h.editorText(), longNote);
    }

    // A note longer than the old programs read back: opening the editor and leaving it by any
    // way without typing leaves the file's bytes as they were, and an edit keeps the whole note.
    void aLongNoteIsNeverCutByOpeningAndClosingTheEditor()
    {
        NoteWindow h;
        QVERIFY(h.open(0));
        const QString file = h.tmp.path(QStringLiteral("larga.trv"));
        const QString note = QStringLiteral("Rifa 1 del club.").repeated(30); // 480 characters
        const QByteArray bytes = "[Solapa]\r\nSStab=0\r\n[Comentario]\r\nTexto=" + note.toLatin1() + "\r\n";
        put(file, bytes);
        h.openFile(file);
        QCOMPARE(h.docs().NotaActual, note);
        const std::function<void(frmComen &)> leave[] = {
            [](frmComen &editor) { QTest::keyClick(editor.Text1, Qt::Key_Escape); },
            [](frmComen &editor) { editor.close(); },
            [](frmComen &editor) {
                QTest::keyClick(editor.Text1, Qt::Key_End, Qt::ControlModifier);
                QTest::keyClicks(editor.Text1, QStringLiteral("x"));
                QTest::keyClick(editor.Text1, Qt::Key_Backspace);
                editor.close();
            },
        };
        for (const auto &how : leave) {
            QVERIFY(h.edit(how));
            QCOMPARE(bytesOf(file), bytes);
        }

        QVERIFY(h.edit([](frmComen &editor) {
            QTest::keyClick(editor.Text1, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(editor.Text1, QStringLiteral("Fin."));
            QTest::keyClick(editor.Text1, Qt::Key_Escape);
        }));
        QCOMPARE(bytesOf(file),
                 "[Solapa]\r\nSStab=0\r\n[Comentario]\r\nTexto=" + note.toLatin1() + "Fin.\r\n");
        QCOMPARE(h.docs().NotaActual, note + QStringLiteral("Fin."));
    }

    void aNoteBeforeTheFirstSaveStaysWithTheProvisionalName()
    {
        NoteWindow h;
        QVERIFY(h.open(0));
        const QString provisional = h.tmp.paths().jobsFolder + QStringLiteral("Nuevo 1");
        QVERIFY(h.edit([&](frmComen &editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral("Nuevo 1"));
            editor.Text1->setPlainText(QStringLiteral("antes de guardar"));
            editor.close();
        }));
        QCOMPARE(bytesOf(provisional), QByteArray("[Comentario]\r\nTexto=antes de guardar\r\n"));

        const QString named = h.tmp.path(QStringLiteral("nombrado.trv"));
        h.saveAs(named);
        QVERIFY(QFileInfo::exists(named));
        QVERIFY(!bytesOf(named).contains("Comentario"));
        QCOMPARE(h.editorText(), QString());

        // The next start's first document is Nuevo 1 again, and finds that note.
        ScriptedDialogs dialogs;
        RecordingSurface printer;
        AppContext context{h.tmp.paths(), dialogs, printer};
        SingleInstance instance(h.tmp.path(QStringLiteral("otro lock")));
        StartUp startUp(context, instance, QString());
        frmIni splash;
        QVERIFY(startUp.run(&splash));
        QCOMPARE(startUp.mainWindow()->documents().NotaActual, QStringLiteral("antes de guardar"));
        QVERIFY(startUp.mainWindow()->findChild<QAction *>(QStringLiteral("mnuBorrar"))->isEnabled());
    }

    void aNoteThatCannotBeWrittenStaysInTheEditor()
    {
        NoteWindow h;
        QVERIFY(h.open(0));
        // The jobs folder cannot be made: a plain file stands in its place.
        QString folder = h.tmp.paths().jobsFolder;
        folder.chop(1);
        put(folder, "x");
        bool keptOpen = false;
        QVERIFY(h.edit([&](frmComen &editor) {
            QTest::keyClicks(editor.Text1, QStringLiteral("no se pierde"));
            editor.close();
            keptOpen = editor.isVisible() && editor.Text1->toPlainText() == QStringLiteral("no se pierde");
            // Emptied, it closes without storing anything.
            editor.Text1->clear();
            editor.close();
            QVERIFY(!editor.isVisible());
        }));
        QVERIFY(keptOpen);
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY(h.dialogs.messages[0].text.startsWith(
            QStringLiteral("No se pudo guardar la nota en el archivo ") + h.tmp.paths().jobsFolder +
            QStringLiteral("Nuevo 1")));
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QVERIFY(h.docs().NotaActual.isEmpty());
        QCOMPARE(bytesOf(folder), QByteArray("x"));
    }
};

QTEST_MAIN(TestNotes)
#include "tst_notes.moc"
