// The recent files at the end of the File menu: what a save adds, clearing, the list after a
// restart, odd settings files, and opening an entry.
#include "../app/FormHarness.h"
#include "DocumentCommands.h"
#include "RecentFiles.h"
#include "TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

struct Recent : FormHarness<>
{
    Recent() { quiet(); }
    explicit Recent(const std::function<void(const AppContext &)> &prepare) : FormHarness<>(prepare)
    {
        quiet();
    }
    void quiet()
    {
        probe.settleStartUp();
        w.documentCommands().busyMilliseconds = 0;
    }
    QAction *action(const QString &name) { return w.findChild<QAction *>(name); }
    QString job(const QString &name) const { return tmp.path(name); }

    // A new document saved under `path`.
    void saveNew(const QString &path)
    {
        probe.setJobModified(false);
        action(QStringLiteral("mnuNueMismo"))->trigger();
        dialogs.fileNames.enqueue(path);
        action(QStringLiteral("mnuguardar"))->trigger();
    }
    // The document open now, changed and saved in place.
    void saveAgain()
    {
        probe.setJobModified(true);
        action(QStringLiteral("mnuguardar"))->trigger();
    }
    void setList(const QStringList &paths) const
    {
        for (int i = 0; i < paths.size(); ++i)
            context.setSetting(RecentFiles::kSeccion, QString::number(i + 1), paths[i]);
        context.setSetting(RecentFiles::kSeccionCantidad, RecentFiles::kCantidad,
                           QString::number(paths.size()));
    }
    QStringList keys() const
    {
        QStringList values;
        for (int i = 1; i <= 5; ++i)
            values << context.setting(RecentFiles::kSeccion, QString::number(i));
        return values;
    }
    QString cantidad() const
    {
        return context.setting(RecentFiles::kSeccionCantidad, RecentFiles::kCantidad);
    }
};

// What the File menu shows below "Salir", in order.
QStringList entries(const frmPrincipal &w)
{
    const QList<QAction *> all = w.findChild<QMenu *>(QStringLiteral("mnuarchivo"))->actions();
    QStringList shown;
    for (qsizetype i = all.indexOf(w.findChild<QAction *>(QStringLiteral("mnuRecentFile_0"))) + 1;
         i < all.size(); ++i)
        if (all[i]->isVisible())
            shown << all[i]->text().replace(QLatin1String("&&"), QLatin1String("&")); // as drawn
    return shown;
}

// The paths the visible entries stand for, in order.
QStringList listedPaths(const frmPrincipal &w)
{
    QStringList paths;
    for (int i = 1; i <= RecentFiles::kMax; ++i)
        if (const auto *entry = w.findChild<QAction *>(QStringLiteral("mnuRecentFile_%1").arg(i)))
            if (entry->isVisible())
                paths << entry->data().toString();
    return paths;
}

QStringList captions(const QStringList &paths, const QList<int> &numbers = {})
{
    QStringList out;
    for (int i = 0; i < paths.size(); ++i)
        out << QString::number(numbers.isEmpty() ? i + 1 : numbers[i]) + u'-' + paths[i];
    return out;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savesFillTheListAndAFullListTurns()
    {
        Recent h;
        QVERIFY(h.open(0));
        QVERIFY(entries(h.w).isEmpty());
        const QString a = h.job(QStringLiteral("a.trv"));
        h.saveNew(a);
        QCOMPARE(entries(h.w), captions({a}));
        QCOMPARE(h.cantidad(), QStringLiteral("1"));
        QCOMPARE(h.keys()[0], a);
        // Below "Salir" and the separator.
        const QList<QAction *> file = h.w.findChild<QMenu *>(QStringLiteral("mnuarchivo"))->actions();
        QCOMPARE(file.indexOf(h.action(QStringLiteral("mnusalir"))) + 3,
                 file.indexOf(h.action("mnuRecentFile_1")));

        // Saving a listed document while there is room keeps every entry where it is.
        const QString b = h.job(QStringLiteral("b & c.trv")), c = h.job(QStringLiteral("c.trv"));
        h.saveNew(b);
        h.saveNew(c);
        h.dialogs.fileNames.enqueue(b);
        h.action(QStringLiteral("mnuabrir"))->trigger();
        h.saveAgain();
        QCOMPARE(entries(h.w), captions({a, b, c}));
        QCOMPARE(h.cantidad(), QStringLiteral("3"));

        const QString d = h.job(QStringLiteral("d.trv")), e = h.job(QStringLiteral("e.trv")),
                      f = h.job(QStringLiteral("f.trv"));
        h.saveNew(d);
        h.saveNew(e);
        h.saveNew(f); // a sixth: first, the others down, the fifth gone
        QCOMPARE(entries(h.w), captions({f, a, b, c, d}));
        QCOMPARE(h.keys(), (QStringList{f, a, b, c, d}));
        QCOMPARE(h.cantidad(), QStringLiteral("5"));

        // The third of a full list, saved: first, and fourth as well.
        h.action(QStringLiteral("mnuRecentFile_3"))->trigger();
        QCOMPARE(h.w.windowTitle(), QStringLiteral("b & c.trv - Tessarino"));
        h.saveAgain();
        QCOMPARE(entries(h.w), captions({b, f, a, b, c}));
        QCOMPARE(h.keys(), (QStringList{b, f, a, b, c}));

        // A restart builds the same menu from the settings file alone.
        frmPrincipal again(h.context);
        QCOMPARE(entries(again), captions({b, f, a, b, c}));

        h.action(QStringLiteral("mnulimpiarrecientes"))->trigger();
        QVERIFY(entries(h.w).isEmpty());
        QCOMPARE(h.keys(), QStringList(5, QString()));
        QCOMPARE(h.cantidad(), QStringLiteral("0"));
        h.saveNew(e);
        QCOMPARE(entries(h.w), captions({e}));
        QCOMPARE(h.cantidad(), QStringLiteral("1"));
    }

    void anOddSettingsFileBuildsWhatItCanAndLosesNothing_data()
    {
        QTest::addColumn<QString>("cantidad");
        QTest::newRow("abc") << "abc";
        QTest::newRow("-3") << "-3";
        QTest::newRow("99") << "99";
        QTest::newRow("missing") << "Vacio";
    }

    void anOddSettingsFileBuildsWhatItCanAndLosesNothing()
    {
        QFETCH(QString, cantidad);
        const QString longPath = QStringLiteral("/tmp/") + QString(295, u'x');
        const QString greek = QStringLiteral("/home/ana/Τρία/билеты.trv");
        const QString gone = QStringLiteral("/no/existe/rifa.trv");
        Recent h([&](const AppContext &c) {
            c.setSetting(RecentFiles::kSeccion, "1", longPath);
            c.setSetting(RecentFiles::kSeccion, "2", QString());
            c.setSetting(RecentFiles::kSeccion, "3", greek);
            c.setSetting(RecentFiles::kSeccion, "5", gone);
            if (cantidad != "Vacio")
                c.setSetting(RecentFiles::kSeccionCantidad, RecentFiles::kCantidad, cantidad);
        });
        QVERIFY(h.open(0));
        const QStringList listed{longPath.left(254), greek, gone};
        QCOMPARE(listedPaths(h.w), listed);
        QCOMPARE(entries(h.w).mid(1), captions({greek, gone}, {3, 5})); // gaps stay gaps

        // Additions fill the gaps; a listed document is never overwritten.
        const QString a = h.job(QStringLiteral("a.trv")), b = h.job(QStringLiteral("b.trv"));
        h.saveNew(a);
        h.saveNew(b);
        QCOMPARE(h.keys(), (QStringList{longPath.left(254), a, greek, b, gone}));
        QCOMPARE(h.cantidad(), QStringLiteral("5"));
        QCOMPARE(listedPaths(h.w), (QStringList{longPath.left(254), a, greek, b, gone}));

        // An entry whose file has gone says so and leaves the window and the list as they were.
        h.box(QStringLiteral("txtDesde"))->setText(QStringLiteral("0042"));
        h.probe.setJobModified(false);
        h.dialogs.clear();
        const QString title = h.w.windowTitle();
        h.action(QStringLiteral("mnuRecentFile_5"))->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{JobDocument::kNotFound});
        QCOMPARE(h.w.windowTitle(), title);
        QCOMPARE(h.w.documents().ArchivoActual, b);
        QCOMPARE(h.box(QStringLiteral("txtDesde"))->text(), QStringLiteral("0042"));
        QCOMPARE(entries(h.w).size(), 5);
    }

    // A long path keeps the menu narrow: its middle goes, the folder's start and the file name
    // stay, and the status help and tool tip hold it whole.
    void aLongPathLosesItsMiddleInTheMenuOnly()
    {
        const QString longPath = QStringLiteral("/home/ana/Documentos/") + QString(210, u'c') +
                                 QStringLiteral("/rifa & sorteo.trv");
        const QString shortPath = QStringLiteral("/home/ana/rifa.trv");
        Recent h([&](const AppContext &c) {
            c.setSetting(RecentFiles::kSeccion, "1", longPath);
            c.setSetting(RecentFiles::kSeccion, "2", shortPath);
        });
        QVERIFY(h.open(0));
        const QString stored = longPath; // 249 characters: kept whole in the settings file
        auto *menu = h.w.findChild<QMenu *>(QStringLiteral("mnuarchivo"));
        QAction *entry = h.action(QStringLiteral("mnuRecentFile_1"));
        const QString caption = entries(h.w)[0];
        QVERIFY2(caption.startsWith(QStringLiteral("1-/home/ana/Docu")) && caption.contains(QChar(0x2026)) &&
                     caption.endsWith(QStringLiteral("/rifa & sorteo.trv")),
                 qPrintable(caption));
        QVERIFY(caption.size() < 100);
        QCOMPARE(entries(h.w)[1], QStringLiteral("2-") + shortPath); // a short one stays whole
        QCOMPARE(entry->data().toString(), stored);
        QCOMPARE(entry->statusTip(), stored);
        QCOMPARE(entry->toolTip(), stored);
        QVERIFY(menu->toolTipsVisible());
        // No wider than the menu with a path of an ordinary length, give or take (its Spanish
        // shortcut names, "Mayúsculas+Ctrl+…", take room of their own).
        const QFontMetrics metrics(menu->font());
        QVERIFY2(menu->sizeHint().width() < 100 * metrics.averageCharWidth(),
                 qPrintable(QString::number(menu->sizeHint().width())));

        // Hovering the entry puts its path in the status line, as much as the line holds.
        auto *lblEstado = h.w.findChild<QLabel *>(QStringLiteral("lblEstado"));
        entry->showStatusText(h.w.menuBar());
        QVERIFY2(lblEstado->text().startsWith(QStringLiteral(" /home/ana/Docu")) &&
                     lblEstado->text().endsWith(QStringLiteral("/rifa & sorteo.trv")),
                 qPrintable(lblEstado->text()));
        QVERIFY(lblEstado->fontMetrics().horizontalAdvance(lblEstado->text()) <=
                lblEstado->contentsRect().width());
        h.action(QStringLiteral("mnuRecentFile_2"))->showStatusText(h.w.menuBar());
        QCOMPARE(lblEstado->text(), QStringLiteral(" ") + shortPath);

        // Opening it opens the whole path.
        h.dialogs.clear();
        entry->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{JobDocument::kNotFound});
    }

    void openingAnEntryAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(Dialogs::Yes);
        QTest::newRow("no") << int(Dialogs::No);
        QTest::newRow("cancel") << int(Dialogs::Cancel);
    }

    void openingAnEntryAsksAboutUnsavedChanges()
    {
        QFETCH(int, answer);
        QString listed;
        Recent h([&](const AppContext &c) {
            listed = QDir(c.paths.programFolder).filePath(QStringLiteral("listado.trv"));
            put(listed, "[Ultima Impresi\xF3n Solapa:0]\r\nDesde=0070\r\n[Solapa]\r\nSStab=0\r\n"
                        "[Comentario]\r\nTexto=con nota\r\n");
            c.setSetting(RecentFiles::kSeccion, QStringLiteral("1"), listed);
        });
        h.box(QStringLiteral("txtDesde"))->setText(QStringLiteral("0042"));
        QVERIFY(h.probe.jobModified());

        const QString saved = h.job(QStringLiteral("guardado.trv"));
        h.dialogs.answers.enqueue(answer);
        h.dialogs.fileNames.enqueue(saved);
        h.action(QStringLiteral("mnuRecentFile_1"))->trigger();

        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text, QStringLiteral("Desea guardar los cambios en el archivo ") +
                                                 h.tmp.paths().jobsFolder + QStringLiteral("Nuevo 1"));
        QCOMPARE(QFileInfo::exists(saved), answer == Dialogs::Yes);
        if (answer == Dialogs::Cancel) {
            QCOMPARE(h.box(QStringLiteral("txtDesde"))->text(), QStringLiteral("0042"));
            QVERIFY(h.probe.jobModified());
            return;
        }
        QCOMPARE(h.box(QStringLiteral("txtDesde"))->text(), QStringLiteral("0070"));
        QCOMPARE(h.w.windowTitle(), QStringLiteral("listado.trv - Tessarino"));
        QCOMPARE(h.w.documents().ArchivoGuardado, listed);
        QVERIFY(!h.probe.jobModified());
        QCOMPARE(h.w.documents().NotaActual, QStringLiteral("con nota"));
        QVERIFY(h.action(QStringLiteral("mnuBorrar"))->isEnabled());
        // The save on Yes listed the saved document after the one opened.
        QCOMPARE(entries(h.w), answer == Dialogs::Yes ? captions({listed, saved}) : captions({listed}));
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
