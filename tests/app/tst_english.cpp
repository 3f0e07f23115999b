// The window layer in English: the main window switched through its Lenguaje menu, its status
// help, every window it opens and the messages of its commands; and a switch of language while
// other windows are open.
#include "DesignPdfs.h"
#include "FormHarness.h"
#include "RunSummary.h"
#include "SingleInstance.h"
#include "SpanishTexts.h"
#include "StartUp.h"
#include "Translations.h"
#include "frmAbout.h"
#include "frmIni.h"
#include "frmProgreso.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <map>
#include <stdexcept>

using namespace Translations::Language;

namespace {

QAction *entry(const QWidget &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromUtf8(name));
}

// As the user does it: the entry of the Lenguaje menu.
void choose(const frmPrincipal &window, const char *language)
{
    entry(window, language)->trigger();
}

// The Spanish `window` shows: its texts, and its shortcuts as the menus name them
// ("Mayúsculas+F1").
QStringList spanishIn(const QWidget *window)
{
    QStringList found = SpanishTexts::shownIn(window);
    for (const QAction *a : window->findChildren<QAction *>()) {
        const QString shown = a->shortcut().toString(QKeySequence::NativeText);
        if (shown != a->shortcut().toString(QKeySequence::PortableText))
            found << shown;
    }
    return found;
}

// The Spanish of the first modal window `open` brings up, which is then closed; `seen` names it.
QStringList spanishInModal(const std::function<void()> &open, QString *seen)
{
    QStringList found;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll.stop();
        *seen = modal->objectName();
        found = spanishIn(modal);
        modal->close();
    });
    poll.start();
    open();
    return found;
}

// The status line's text with the pointer on `control` (Qt drops a move to where the pointer
// already is: it comes from one pixel aside).
QString hover(QWidget *control)
{
    const QPoint at = control->rect().center();
    QTest::mouseMove(control, at + QPoint(1, 0));
    QTest::mouseMove(control, at);
    QCoreApplication::processEvents();
    return control->window()->findChild<QLabel *>(QStringLiteral("lblEstado"))->text();
}

template <typename H> void askNothingBeforeLongRuns(H &h)
{
    QString settings;
    QVERIFY(h.context.profiles.EscribirValoresIni({{LongRuns::kSection, LongRuns::kKey, "0"}}, settings,
                                                  nullptr));
}

// The help the status line shows for every control of the page under the pointer, in both widths
// of the window, that is Spanish.
QStringList spanishHelp(FormHarness<> &h)
{
    QStringList found;
    for (int page : {0, 1}) {
        h.w.setAvailablePage(page);
        for (int width = 0; width < 2; ++width) {
            QTest::mouseClick(h.w.findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
            for (QWidget *control : h.w.findChildren<QWidget *>()) {
                if (!control->isVisible() || control->objectName().isEmpty() ||
                    control->objectName().startsWith(u"qt_"))
                    continue;
                if (const QString help = hover(control); SpanishTexts::isSpanish(help))
                    found << control->objectName() + QStringLiteral(": ") + help;
            }
        }
    }
    found.removeDuplicates();
    return found;
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Translations::use(Espanol);
        frmProgreso::showAfterMs = 500;
    }

    // Menus, every entry's caption, tip and shortcut, tabs, labels, buttons, tool tips and the
    // status help of every control; the job's values stay as typed.
    void theMainWindowSpeaksEnglish()
    {
        FormHarness<> h;
        QVERIFY(h.open(0));
        QVERIFY(!spanishIn(&h.w).isEmpty()); // the walk sees the window's texts at all
        const QStringList boxes{"txtDesde", "txtHasta", "txtPosX_0", "txtJuegos", "txtTamaño", "txtPosY_0"};
        for (const QString &box : boxes)
            h.paste(box, QStringLiteral("27"));
        choose(h.w, "mnuIngles");
        QCOMPARE(Translations::current(), Ingles);
        QCOMPARE(spanishIn(&h.w), QStringList());
        for (const QString &box : boxes) // the job's values are no texts of the form
            QCOMPARE(h.box(box)->text(), QStringLiteral("27"));
        for (QAction *menu : h.w.findChild<QMenuBar *>()->actions()) {
            if (!menu->menu())
                continue;
            menu->menu()->popup(h.w.geometry().center());
            QCoreApplication::processEvents();
            QCOMPARE(spanishIn(menu->menu()), QStringList());
            menu->menu()->hide();
        }
        QCOMPARE(entry(h.w, "mnuVistaPrevia")->text(), QStringLiteral("Pre&view"));
        QVERIFY(!SpanishTexts::isSpanish(frmAbout::credits())); // drawn, not a label
        QCOMPARE(entry(h.w, "mnuEspañol")->shortcut().toString(QKeySequence::NativeText),
                 QStringLiteral("Shift+F1"));

        h.type("txtTamaño", "30"); // the sample's help offers the full view
        QCOMPARE(spanishHelp(h), QStringList());
        // The help showing follows a switch, there and back.
        h.w.setAvailablePage(0);
        QCOMPARE(hover(h.box(QStringLiteral("txtDesde"))),
                 QStringLiteral(" Enter the first number to print here."));
        auto *status = h.w.findChild<QLabel *>(QStringLiteral("lblEstado"));
        choose(h.w, "mnuEspañol");
        QCOMPARE(status->text(), QStringLiteral(" Ingrese aquí el numero inicial a imprimir."));
        choose(h.w, "mnuIngles");
        QCOMPARE(status->text(), QStringLiteral(" Enter the first number to print here."));
        h.w.showPrintedFile(h.tmp.path(QStringLiteral("tickets.pdf")));
        QCOMPARE(status->text(), QStringLiteral(" PDF saved: tickets.pdf"));
        choose(h.w, "mnuEspañol");
        QCOMPARE(status->text(), QStringLiteral(" PDF guardado: tickets.pdf"));
    }

    void everyWindowItOpensSpeaksEnglish_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name :
             {"frmFormatos", "frmAbout", "frmReponer", "frmReimprimir", "frmPaginaPlantilla", "frmVisor"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void everyWindowItOpensSpeaksEnglish()
    {
        QFETCH(QString, window);
        FormHarness<> h;
        QVERIFY(h.open(0));
        choose(h.w, "mnuIngles");
        const std::map<QString, std::function<void()>> open{
            {"frmFormatos", [&] { entry(h.w, "mnuFormatos")->trigger(); }},
            {"frmAbout", [&] { entry(h.w, "mnuAcerca")->trigger(); }},
            {"frmReponer", [&] { entry(h.w, "mnuReponer")->trigger(); }},
            {"frmReimprimir",
             [&] {
                 entry(h.w, "archImprimir")->trigger(); // a run to reprint
                 entry(h.w, "mnuReimprimir")->trigger();
             }},
            {"frmPaginaPlantilla",
             [&] {
                 h.dialogs.fileNames.enqueue(DesignPdfs::write(h.tmp.path(QStringLiteral("design.pdf"))));
                 entry(h.w, "mnuPlantilla")->trigger();
             }},
            {"frmVisor",
             [&] {
                 h.type("txtTamaño", "30");
                 QTest::mouseDClick(h.w.findChild<QLabel *>(QStringLiteral("Label6")), Qt::LeftButton);
             }},
        };
        QString seen;
        const QStringList spanish = spanishInModal(open.at(window), &seen);
        QCOMPARE(seen, window);
        QCOMPARE(spanish, QStringList());
        for (const auto &message : std::as_const(h.dialogs.messages))
            QVERIFY2(!SpanishTexts::isSpanish(message.text), qPrintable(message.text));
    }

    // What the window's commands say: runs refused for their values, the question before closing,
    // the about box's, and the start-up's own messages.
    void theMessagesOfItsCommandsSpeakEnglish()
    {
        FormHarness<> h;
        QVERIFY(h.open(0));
        choose(h.w, "mnuIngles");
        h.paste(QStringLiteral("txtDesde"), QStringLiteral("abcd"));
        h.click(h.w.findChild<QPushButton *>(QStringLiteral("cmdImprimir")));
        h.type(QStringLiteral("txtDesde"), QStringLiteral("0001"));
        h.click(QStringLiteral("Check1_0")); // every position off
        h.click(h.w.findChild<QPushButton *>(QStringLiteral("cmdImprimir")));
        h.dialogs.answers.enqueue(Dialogs::Cancel);
        h.probe.setJobModified(true);
        QVERIFY(!h.w.close());
        frmAbout about(h.context, &h.w);
        about.setToolSearchPath({h.tmp.path(QStringLiteral("no-tools"))});
        about.StartSysInfo();
        QCOMPARE(h.dialogs.messages.size(), 4);
        QCOMPARE(h.dialogs.messages.last().text, frmAbout::noSysInfo());

        SingleInstance first(h.tmp.paths().lockFolder), second(h.tmp.paths().lockFolder);
        QVERIFY(first.tryAcquire());
        frmIni splash;
        QVERIFY(!StartUp(h.context, second, QString()).run(&splash));
        SingleInstance free(h.tmp.path(QStringLiteral("other-lock")));
        QVERIFY(!StartUp(h.context, free, QString(), [](AppContext &) -> std::unique_ptr<frmPrincipal> {
                     throw std::runtime_error("no window");
                 }).run(&splash));
        QCOMPARE(h.dialogs.messages.size(), 6);
        QCOMPARE(h.dialogs.messages[4].text, QStringLiteral("A copy of this program is already running"));
        for (const auto &message : std::as_const(h.dialogs.messages))
            QVERIFY2(!SpanishTexts::isSpanish(message.text), qPrintable(message.text));
    }

    // English -> Spanish -> English while a run's progress window is open beside the main window:
    // both switch at once, the progress of the run included.
    void switchingWithWindowsOpenRetranslatesThem()
    {
        FormHarness<> h;
        QVERIFY(h.open(0));
        askNothingBeforeLongRuns(h);
        h.type("txtDesde", "0000");
        h.type("txtHasta", "9999"); // long enough to be caught: it stops at the first sheet
        frmProgreso::showAfterMs = 0;

        struct Seen
        {
            QString cancel, sheet, preview;
            QStringList spanish;
        };
        QList<Seen> seen;
        QTimer watch;
        watch.setInterval(0); // at every turn the run gives the windows
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = h.w.findChild<frmProgreso *>();
            if (!progress || !progress->isVisible() || progress->lblHoja->text().isEmpty() ||
                !progress->cmdCancelar->isEnabled() || !watch.isActive())
                return;
            watch.stop();
            for (const char *language : {"mnuIngles", "mnuEspañol", "mnuIngles"}) {
                choose(h.w, language);
                seen.append({progress->cmdCancelar->text(), progress->lblHoja->text(),
                             entry(h.w, "mnuVistaPrevia")->text(), spanishIn(progress) + spanishIn(&h.w)});
            }
            progress->stop();
        });
        watch.start();
        entry(h.w, "archImprimir")->trigger();
        watch.stop();

        QVERIFY2(seen.size() == 3, qPrintable(h.dialogs.texts().join(u'|')));
        for (int i : {0, 2}) {
            QCOMPARE(seen[i].cancel, QStringLiteral("Cancel"));
            QVERIFY2(seen[i].sheet.startsWith(QStringLiteral("Printing sheet ")), qPrintable(seen[i].sheet));
            QCOMPARE(seen[i].preview, QStringLiteral("Pre&view"));
            QCOMPARE(seen[i].spanish, QStringList());
        }
        QCOMPARE(seen[1].cancel, QStringLiteral("Cancelar"));
        QVERIFY2(seen[1].sheet.startsWith(QStringLiteral("Imprimiendo hoja ")), qPrintable(seen[1].sheet));
        QCOMPARE(seen[1].preview, QStringLiteral("&Vista previa"));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
