// The printer setup, the calibration window, the document and note commands and their messages
// in the language chosen in the Lenguaje menu, also when it changes with a window open.
#include "../app/FormHarness.h"
#include "DocumentCommands.h"
#include "InterfaceLanguage.h"
#include "Notes.h"
#include "ProfileFiles.h"
#include "SpanishTexts.h"
#include "Translations.h"
#include "frmCalibracion.h"
#include "frmImpresora.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Translations::Language;

namespace {

// The main window, whose Lenguaje menu switches every text, over two printers.
struct Window : FormHarness<>
{
    Window()
    {
        probe.settleStartUp();
        w.documentCommands().busyMilliseconds = 0;
        printer.setPrinters(
            {{QStringLiteral("Oficina"), QStringLiteral("Láser 1"), QStringLiteral("usb://1")},
             {QStringLiteral("Taller"), QStringLiteral("Matricial"), QStringLiteral("lpt1")}});
        printer.setCurrentPrinter(1);
        printer.setPaperSize(1); // Letter: a paper whose description has words
    }
    ~Window() { language(u"mnuEspañol"); }
    void language(const char16_t *entry)
    {
        w.findChild<QAction *>(QString::fromUtf16(entry))->trigger();
        QCoreApplication::processEvents();
    }
    std::unique_ptr<frmImpresora> setup()
    {
        auto dialog = std::make_unique<frmImpresora>(printer, dialogs, nullptr, &w);
        dialog->show();
        return dialog;
    }
    template <typename T = QLineEdit> static T *get(const QObject *o, const QString &name)
    {
        return o->findChild<T *>(name);
    }
    static void type(QWidget *box, const QString &keys)
    {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, keys);
    }
    static void apply(const QObject *o) { QTest::mouseClick(get<QPushButton>(o, "cmdSet"), Qt::LeftButton); }
};

// What the printer setup shows of the texts that change with the language.
struct SetupTexts
{
    QString title, orientation, quality, paper, driver;
    bool operator==(const SetupTexts &) const = default;
};

SetupTexts shownBy(const frmImpresora &d)
{
    return {d.windowTitle(), Window::get<QComboBox>(&d, "cboOrientation")->itemText(0),
            Window::get<QComboBox>(&d, "cboPrintQuality")->itemText(0),
            Window::get<QLabel>(&d, "Label2")->text(), Window::get<QLabel>(&d, "lblDriverName")->text()};
}

} // namespace

class TestUiEnglish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The setup follows the language while open, keeping what the user typed and what it shows
    // of the printer, and flags no box as changed for it.
    void printerSetupFollowsTheLanguageWhileOpen()
    {
        Window o;
        auto d = o.setup();
        const SetupTexts spanish{"Configurar Impresora", "Vertical", "Borrador", "Carta, 216 x 279 mm",
                                 "Matricial"};
        const SetupTexts english{"Printer Setup", "Portrait", "Draft", "Letter, 216 x 279 mm", "Matricial"};
        QCOMPARE(shownBy(*d), spanish);
        QLineEdit *copies = Window::get(d.get(), "txtCopies");
        Window::type(copies, "3");

        o.language(u"mnuIngles");
        QCOMPARE(SpanishTexts::shownIn(d.get()), QStringList());
        QCOMPARE(shownBy(*d), english);
        QCOMPARE(copies->text(), "3");
        QVERIFY(d->changed(copies));
        QVERIFY(!d->changed(Window::get<QComboBox>(d.get(), "cboOrientation")));
        // A code typed over the paper list stays, and its description follows the language.
        auto *paper = Window::get<QComboBox>(d.get(), "cboPaperSize");
        Window::type(paper->lineEdit(), "7");
        QCOMPARE(Window::get<QLabel>(d.get(), "Label2")->text(), "Executive, 184 x 254 mm");

        o.language(u"mnuEspañol");
        QCOMPARE(paper->currentText(), "7");
        QCOMPARE(Window::get<QLabel>(d.get(), "Label2")->text(), "Ejecutivo, 184 x 254 mm");
        QCOMPARE(d->windowTitle(), spanish.title);
        QCOMPARE(copies->text(), "3");
        o.language(u"mnuIngles");
        // Opened in English from the start, too.
        d.reset();
        QCOMPARE(SpanishTexts::shownIn(o.setup().get()), QStringList());
    }

    void calibrationWindowFollowsTheLanguageWhileOpen()
    {
        Window o;
        const ProfileFiles settings(o.tmp.paths().settingsFile);
        frmCalibracion d(QStringLiteral("Taller"), QSizeF(210, 297), settings, o.dialogs, &o.w);
        d.show();
        const QStringList measures{"10", "10", "200", "287"};
        for (int i = 0; i < 4; ++i)
            d.txtMedida[size_t(i)]->setText(measures[i]);
        const QString spanishResult = d.lblResultado->text();
        QVERIFY(SpanishTexts::isSpanish(spanishResult));

        o.language(u"mnuIngles");
        QCOMPARE(SpanishTexts::shownIn(&d), QStringList());
        QVERIFY(d.lblResultado->text() != spanishResult);
        d.txtMedida[0]->setText(QStringLiteral("diez"));
        d.accept();
        QCOMPARE(o.dialogs.messages.size(), 1);
        QVERIFY2(!SpanishTexts::isSpanish(o.dialogs.messages[0].text),
                 qPrintable(o.dialogs.messages[0].text));
        QVERIFY(!SpanishTexts::isSpanish(o.dialogs.messages[0].title));

        o.language(u"mnuEspañol");
        d.txtMedida[0]->setText(measures[0]);
        QCOMPARE(d.lblResultado->text(), spanishResult);
        QCOMPARE(d.windowTitle(), "Calibrar impresora");
    }

    // Each message of the setup, the document and the note commands, provoked as the tests of
    // those commands do, comes out in English.
    void messagesInEnglish_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<QString>("expected"); // the text, or its start when it names a path
        QTest::newRow("no printer installed") << 0 << "There are no printers installed";
        QTest::newRow("printer not current") << 1 << "First you must make this printer the current one";
        QTest::newRow("value refused") << 2 << "The zoom must be between 1 and 1000 percent.";
        QTest::newRow("sheets per job refused")
            << 3 << "The sheets per job must be 0 (everything in one job) or more.";
        QTest::newRow("job file gone") << 4 << "The requested file cannot be found";
        QTest::newRow("job file is a folder") << 5 << "The file ";
        QTest::newRow("job not saved") << 6 << "The job could not be saved in the file ";
        QTest::newRow("note: delete?") << 7 << "Are you sure you want to delete the note of this file?";
        QTest::newRow("note not deleted") << 8 << "The note could not be deleted from the file";
    }
    void messagesInEnglish()
    {
        QFETCH(int, what);
        QFETCH(QString, expected);
        Window o;
        o.language(u"mnuIngles");
        std::unique_ptr<frmImpresora> d;
        JobDocument &docs = o.w.documents();
        Notes *notes = o.w.findChild<Notes *>();
        switch (what) {
        case 0:
            o.printer.setPrinters({});
            d = o.setup();
            break;
        case 1:
            d = o.setup();
            Window::get<QComboBox>(d.get(), "cboPrinters")->setCurrentIndex(0);
            Window::apply(d.get());
            break;
        case 2:
        case 3:
            d = o.setup();
            Window::type(Window::get(d.get(), what == 2 ? "txtZoom" : "txtHojasPorTrabajo"),
                         what == 2 ? "5000" : "-1");
            Window::apply(d.get());
            QCOMPARE(o.dialogs.messages.value(0).title,
                     what == 2 ? "Property: Zoom" : "Property: Sheets per job");
            break;
        case 4:
            docs.AbrirArchivo(o.tmp.path(QStringLiteral("falta.trv")));
            break;
        case 5:
            docs.AbrirArchivo(o.tmp.path(QString()));
            QVERIFY(o.dialogs.messages.value(0).text.contains("it is a folder"));
            break;
        case 6:
            docs.ArchivoActual = QStringLiteral("/proc/tessarino/rifa.trv");
            docs.DesdeLineaComandos = true;
            o.probe.setJobModified(true);
            QVERIFY(!docs.SaveTextControl());
            QVERIFY(o.dialogs.messages.value(0).text.endsWith("\nThe file is left as it was."));
            break;
        case 7:
            o.dialogs.answers.enqueue(Dialogs::No);
            notes->mnuBorrar_Click();
            break;
        case 8:
            o.dialogs.answers.enqueue(Dialogs::Yes);
            docs.ArchivoActual.clear();
            notes->mnuBorrar_Click();
            QVERIFY(o.dialogs.messages.value(1).text.endsWith(": the document has no name."));
            break;
        }
        QVERIFY(!o.dialogs.messages.isEmpty());
        const ScriptedDialogs::Message &m = o.dialogs.messages.constLast();
        QVERIFY2(m.text.startsWith(expected), qPrintable(m.text));
        QVERIFY2(!SpanishTexts::isSpanish(m.text), qPrintable(m.text));
        QVERIFY(!SpanishTexts::isSpanish(m.title));
    }

    // The caption of a new document and the status line's file information follow the language.
    void documentTextsFollowTheLanguage()
    {
        Window o;
        QVERIFY(o.open(0));
        auto *status = o.w.findChild<QLabel *>(QStringLiteral("lblEstado"));
        o.w.documentCommands().lblinfo_MouseMove();
        QCOMPARE(status->text(), "Fecha y hora de creación desconocido");
        const QString spanish = o.w.windowTitle();
        QVERIFY(spanish.startsWith("Nuevo "));
        o.language(u"mnuIngles");
        QCOMPARE(o.w.windowTitle(), QString(spanish).replace("Nuevo ", "New "));
        QCOMPARE(status->text(), "Date and time of creation unknown");
        // The note editor of a new document names it in English too.
        QStringList editor;
        QTimer::singleShot(0, [&] {
            QWidget *shown = QApplication::activeModalWidget();
            if (!shown)
                return;
            editor << shown->windowTitle() << SpanishTexts::shownIn(shown);
            shown->close();
        });
        o.w.findChild<Notes *>()->mnuescribir_Click();
        QCOMPARE(editor, QStringList{QString(spanish).remove(" - Tessarino").replace("Nuevo ", "New ")});
        o.language(u"mnuEspañol");
        QCOMPARE(o.w.windowTitle(), spanish);
        QCOMPARE(status->text(), "Fecha y hora de creación desconocido");
    }

    // A language with a translation of the program's texts but no captions in the library opens
    // with the library's Spanish captions; one without a translation is refused as before.
    void aTranslatedLanguageNeedsNoCaptionsOfItsOwn()
    {
        Window o;
        const QString spanishTab = o.w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->tabText(0);
        o.language(u"mnuItaliano");
        QCOMPARE(o.dialogs.texts(), QStringList());
        QCOMPARE(Translations::current(), Italiano);
        QCOMPARE(o.context.setting(InterfaceLanguage::kSection, InterfaceLanguage::kKey), "Italiano");
        QVERIFY(o.w.findChild<QAction *>(QStringLiteral("mnuItaliano"))->isChecked());
        QCOMPARE(o.w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->tabText(0), spanishTab);
        QCOMPARE(o.setup()->windowTitle(), "Configura stampante"); // the test's own translation

        o.language(u"mnuFrances");
        QCOMPARE(o.dialogs.messages.size(), 2);
        QCOMPARE(o.dialogs.messages[0].text, InterfaceLanguage::kNotAvailable);
        QCOMPARE(Translations::current(), Italiano);
        QCOMPARE(o.context.setting(InterfaceLanguage::kSection, InterfaceLanguage::kKey), "Italiano");
        QVERIFY(!o.w.findChild<QAction *>(QStringLiteral("mnuFrances"))->isChecked());
    }
};

QTEST_MAIN(TestUiEnglish)
#include "tst_uienglish.moc"
