// The printer setup dialog over a recording printer, driven as a user would.
#include "ProfileFiles.h"
#include "QtPrinterSurface.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"
#include "SetupDialogShows.h"
#include "SheetsPerJob.h"
#include "TestPaths.h"
#include "frmImpresora.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Dialog
{
    RecordingSurface printer;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmImpresora> w;

    explicit Dialog(const std::function<void(RecordingSurface &)> &prepare = {},
                    const ProfileFiles *settings = nullptr)
    {
        printer.setPrinters(
            {{QStringLiteral("Oficina"), QStringLiteral("Láser 1"), QStringLiteral("usb://1")},
             {QStringLiteral("Taller"), QStringLiteral("Matricial"), QStringLiteral("lpt1")}});
        if (prepare)
            prepare(printer);
        w = std::make_unique<frmImpresora>(printer, dialogs, settings);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qFatal("the printer setup window never showed");
    }
    template <typename T = QLineEdit> T *get(const QString &name) const { return w->findChild<T *>(name); }
    QComboBox *list(const QString &name) const { return get<QComboBox>(name); }
    void type(QWidget *target, const QString &keys)
    {
        target->setFocus(Qt::TabFocusReason);
        QWidget *editor =
            qobject_cast<QComboBox *>(target) ? qobject_cast<QComboBox *>(target)->lineEdit() : target;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (keys.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        else
            QTest::keyClicks(editor, keys);
    }
    void choose(const QString &listName, const QString &text)
    {
        list(listName)->setCurrentIndex(list(listName)->findText(text));
    }
    void apply() { QTest::mouseClick(get<QPushButton>(QStringLiteral("cmdSet")), Qt::LeftButton); }
};

} // namespace

class TestFrmImpresora : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sheetsPerJobComeFromTheSettingsFileAndApplyToEveryQueue()
    {
        TestPaths tmp;
        const ProfileFiles settings(tmp.paths().settingsFile);
        const QString box = QStringLiteral("txtHojasPorTrabajo");
        {
            Dialog d([](RecordingSurface &p) { p.setCurrentPrinter(1); }, &settings);
            QCOMPARE(d.get(box)->text(), QString::number(SheetsPerJob::kDefault)); // a file without the key
            d.type(d.get(box), QStringLiteral("-3"));
            d.apply();
            QCOMPARE(d.dialogs.messages.size(), 1);
            QCOMPARE(d.dialogs.messages[0].title, QStringLiteral("Propiedad: Hojas por trabajo"));
            QCOMPARE(d.printer.sheetsPerJob(), -1);
            // Not a property of one printer: kept with another printer selected, not yet current.
            d.dialogs.clear();
            d.choose(QStringLiteral("cboPrinters"), QStringLiteral("Oficina"));
            d.type(d.get(box), QStringLiteral("250"));
            d.apply();
            QCOMPARE(d.dialogs.texts(), QStringList{frmImpresora::kMakeCurrentFirst});
            QCOMPARE(d.printer.sheetsPerJob(), 250);
        }
        QCOMPARE(SheetsPerJob::read(settings), 250);
        Dialog again({}, &settings);
        QCOMPARE(again.get(box)->text(), QStringLiteral("250"));
    }

    void opensOnTheCurrentPrinterAndAnImmediateApplyChangesNothing()
    {
        Dialog d([](RecordingSurface &p) { p.setCurrentPrinter(1); });
        QCOMPARE(d.w->windowTitle(), QStringLiteral("Configurar Impresora"));
        QCOMPARE(d.list(QStringLiteral("cboPrinters"))->currentText(), QStringLiteral("Taller"));
        QCOMPARE(d.get<QLabel>(QStringLiteral("lblDriverName"))->text(), QStringLiteral("Matricial"));
        QCOMPARE(d.get<QLabel>(QStringLiteral("lblPort"))->text(), QStringLiteral("lpt1"));
        QCOMPARE(d.get(QStringLiteral("txtWidth"))->text(), QStringLiteral("11906"));
        QCOMPARE(d.get(QStringLiteral("txtScaleHeight"))->text(), QStringLiteral("16838"));
        QCOMPARE(d.list(QStringLiteral("cboPaperSize"))->currentText(), QStringLiteral("A4"));
        QCOMPARE(d.get<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("A4, 210 x 297 mm"));
        QCOMPARE(d.list(QStringLiteral("cboPaperSize"))->count(), 42);
        QCOMPARE(d.list(QStringLiteral("cboPrintQuality"))->itemData(3).toInt(), -4);
        d.apply();
        QVERIFY(d.printer.assignments.isEmpty());
        QVERIFY(d.dialogs.messages.isEmpty());
    }

    void appliesOnlyWhatChangedAndSkipsOrRefusesBadInput_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("assigned");
        QTest::addColumn<QString>("title"); // of the one failure message, or empty
        QTest::addColumn<QString>("text");
        const QStringList none;
        QTest::newRow("orientation only") << "cboOrientation"
                                          << "Horizontal" << QStringList{"Orientation=2"} << ""
                                          << "";
        QTest::newRow("copies 2") << "txtCopies"
                                  << "2" << QStringList{"Copies=2"} << ""
                                  << "";
        for (const char *skipped : {"0", "-3", "abc", ""})
            QTest::newRow(qPrintable(QStringLiteral("copies '%1' skipped").arg(QLatin1String(skipped))))
                << "txtCopies" << skipped << none << ""
                << "";
        QTest::newRow("copies 1e30") << "txtCopies"
                                     << "1e30" << none << "Propiedad: Copias"
                                     << "Desbordamiento";
        QTest::newRow("zoom 50") << "txtZoom"
                                 << "50" << QStringList{"Zoom=50"} << ""
                                 << "";
        for (const char *skipped : {"0", "0.4", "abc"})
            QTest::newRow(qPrintable(QStringLiteral("zoom '%1' skipped").arg(QLatin1String(skipped))))
                << "txtZoom" << skipped << none << ""
                << "";
        QTest::newRow("zoom -5") << "txtZoom"
                                 << "-5" << none << "Propiedad: Zoom"
                                 << "El zoom debe estar entre 1 y 1000 por ciento.";
        QTest::newRow("width letters") << "txtWidth"
                                       << "abc" << none << "Propiedad: Anchura"
                                       << "No coinciden los tipos";
        QTest::newRow("width empty") << "txtWidth"
                                     << "" << none << "Propiedad: Anchura"
                                     << "No coinciden los tipos";
        QTest::newRow("width 40 digits") << "txtWidth" << QString(40, u'9') << none << "Propiedad: Anchura"
                                         << "Desbordamiento";
        QTest::newRow("height negative") << "txtHeight"
                                         << "-100" << none << "Propiedad: Altura"
                                         << "La altura del papel debe estar entre 288 y 288000 twips.";
        QTest::newRow("scale width 0") << "txtScaleWidth"
                                       << "0" << none << "Propiedad: Anchura de escala"
                                       << "La anchura de escala debe ser mayor que 0.";
        QTest::newRow("scale top 1e30")
            << "txtScaleTop"
            << "1e30" << none << "Propiedad: Margen superior"
            << "El margen superior está fuera del rango admitido (hasta 1000000000).";
        QTest::newRow("quality typed 300") << "cboPrintQuality"
                                           << "300" << QStringList{"PrintQuality=300"} << ""
                                           << "";
        QTest::newRow("quality letters") << "cboPrintQuality"
                                         << "alta" << none << "Propiedad: Calidad"
                                         << "No coinciden los tipos";
        QTest::newRow("paper abc") << "cboPaperSize"
                                   << "abc" << none << "Propiedad: Tamaño del papel"
                                   << "No coinciden los tipos";
        QTest::newRow("paper 99999") << "cboPaperSize"
                                     << "99999" << none << "Propiedad: Tamaño del papel"
                                     << "Desbordamiento";
        QTest::newRow("paper typed 11") << "cboPaperSize"
                                        << "11" << QStringList{"PaperSize=11"} << ""
                                        << "";
    }

    void appliesOnlyWhatChangedAndSkipsOrRefusesBadInput()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QStringList, assigned);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Dialog d;
        const PrinterSettings before = d.printer.currentSettings();
        QWidget *target = d.w->findChild<QWidget *>(control);
        if (auto *list = qobject_cast<QComboBox *>(target); list && list->findText(typed) >= 0)
            d.choose(control, typed);
        else
            d.type(target, typed);
        d.apply();
        QCOMPARE(d.printer.assignments, assigned);
        if (title.isEmpty()) {
            QVERIFY2(d.dialogs.messages.isEmpty(), qPrintable(d.dialogs.texts().join(u'\n')));
        } else {
            QCOMPARE(d.dialogs.messages.size(), 1);
            QCOMPARE(d.dialogs.messages[0].title, title);
            QCOMPARE(d.dialogs.messages[0].text, text);
            QCOMPARE(d.dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
            // The printer keeps its last good settings.
            const PrinterSettings after = d.printer.currentSettings();
            QCOMPARE(after.scaleWidth, before.scaleWidth);
            QCOMPARE(after.scaleTop, before.scaleTop);
            QCOMPARE(after.width, before.width);
            QCOMPARE(after.paperSize, before.paperSize);
        }
    }

    void aRefusedSettingNamesItselfAndTheRestApply()
    {
        Dialog d([](RecordingSurface &p) { p.refuse(QStringLiteral("ColorMode")); });
        d.choose(QStringLiteral("cboColorMode"), QStringLiteral("Monocromo"));
        d.type(d.get(QStringLiteral("txtCopies")), QStringLiteral("3"));
        d.type(d.get(QStringLiteral("txtScaleWidth")), QStringLiteral("100"));
        d.apply();
        QCOMPARE(d.dialogs.messages.size(), 1);
        QCOMPARE(d.dialogs.messages[0].title, QStringLiteral("Propiedad: Modo color"));
        QCOMPARE(d.printer.colorMode(), int16_t(PrinterSurface::ColorColor));
        QCOMPARE(d.printer.assignments, QStringList{QStringLiteral("Copies=3")});
        QCOMPARE(d.printer.scaleWidth(), 100.f);
        // The fields show what the printer took, and nothing counts as changed any more.
        QCOMPARE(d.list(QStringLiteral("cboColorMode"))->currentText(), QStringLiteral("Color"));
        QVERIFY(!d.w->changed(d.get(QStringLiteral("txtCopies"))));
    }

    void aDriverPaperCodeOutsideTheListIsShownAndKept()
    {
        Dialog d([](RecordingSurface &p) { p.setDriverPaperCode(70); });
        QCOMPARE(d.list(QStringLiteral("cboPaperSize"))->currentIndex(), -1);
        QCOMPARE(d.list(QStringLiteral("cboPaperSize"))->currentText(), QStringLiteral("70"));
        QCOMPARE(d.get<QLabel>(QStringLiteral("Label2"))->text(), QString());
        d.choose(QStringLiteral("cboOrientation"), QStringLiteral("Horizontal"));
        d.apply();
        QCOMPARE(d.printer.paperSize(), int16_t(70));
        QCOMPARE(d.printer.assignments, QStringList{QStringLiteral("Orientation=2")});
    }

    void paperDescriptionsFollowTheCodeNotThePosition()
    {
        Dialog d;
        d.choose(QStringLiteral("cboPaperSize"), QStringLiteral("EnvC5"));
        QCOMPARE(d.get<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("Sobre C5, 162 x 229 mm"));
        QCOMPARE(d.list(QStringLiteral("cboPaperSize"))->currentData().toInt(), 28);
        QCOMPARE(frmImpresora::paperDescription(2), QStringLiteral("Carta pequeña, 216 x 279 mm "));
        QCOMPARE(frmImpresora::paperDescription(256), QStringLiteral("Definido por el usuario"));
        QCOMPARE(frmImpresora::paperDescription(42), QString());
    }

    void applyNeedsTheChosenPrinterToBeCurrent()
    {
        Dialog d;
        d.choose(QStringLiteral("cboPrinters"), QStringLiteral("Taller"));
        d.choose(QStringLiteral("cboOrientation"), QStringLiteral("Horizontal"));
        d.apply();
        QCOMPARE(d.dialogs.texts(), QStringList{frmImpresora::kMakeCurrentFirst});
        QVERIFY(d.printer.assignments.isEmpty());

        QTest::mouseClick(d.get<QPushButton>(QStringLiteral("cmdMakeCurrent")), Qt::LeftButton);
        QCOMPARE(d.printer.currentPrinterIndex(), 1);
        d.choose(QStringLiteral("cboOrientation"), QStringLiteral("Horizontal"));
        d.apply();
        QCOMPARE(d.printer.assignments, QStringList{QStringLiteral("Orientation=2")});
        QCOMPARE(d.get(QStringLiteral("txtWidth"))->text(), QStringLiteral("16838"));
    }

    void enteringABoxSelectsItsText()
    {
        Dialog d;
        QLineEdit *zoom = d.get(QStringLiteral("txtZoom"));
        zoom->setFocus(Qt::MouseFocusReason);
        QTest::qWait(10);
        QCOMPARE(zoom->selectedText(), QStringLiteral("100"));
    }

    // Typed or chosen, refused or taken without a word: the description is the paper in force.
    void thePaperDescriptionIsThePaperInForceAfterApply_data()
    {
        QTest::addColumn<bool>("pdfPrinter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("refused A5 typed as its code") << false << "11"
                                                      << "";
        QTest::newRow("refused A5 chosen") << false << ""
                                           << "A5";
        QTest::newRow("user size on a printer that keeps its sheet") << true << "256"
                                                                     << "";
    }

    void thePaperDescriptionIsThePaperInForceAfterApply()
    {
        QFETCH(bool, pdfPrinter);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        TestPaths tmp;
        QtPrinterSurface pdf(tmp.paths().pdfOutputFolder);
        pdf.setCurrentPrinter(pdf.pdfPrinterIndex());
        RecordingSurface recording;
        recording.refuse(QStringLiteral("PaperSize"));
        PrinterSurface &printer = pdfPrinter ? static_cast<PrinterSurface &>(pdf) : recording;
        ScriptedDialogs dialogs;
        frmImpresora w(printer, dialogs);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *paper = w.findChild<QComboBox *>(QStringLiteral("cboPaperSize"));
        if (chosen.isEmpty()) {
            paper->setFocus();
            QTest::keyClick(paper->lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(paper->lineEdit(), typed);
        } else {
            paper->setCurrentIndex(paper->findText(chosen));
        }
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 frmImpresora::paperDescription(chosen.isEmpty() ? typed.toInt() : 11));
        w.cmdSet_Click();
        QCOMPARE(printer.paperSize(), int16_t(9));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("A4, 210 x 297 mm"));
        QCOMPARE(setupDialogMismatches(w, printer), QString());
    }

    // Landscape, a user scale and device values on one printer; another made current shows and
    // holds its own values, in the orientation kept.
    void aPrinterMadeCurrentHoldsWhatTheDialogShowsForIt()
    {
        Dialog d;
        d.choose(QStringLiteral("cboOrientation"), QStringLiteral("Horizontal"));
        d.type(d.get(QStringLiteral("txtScaleWidth")), QStringLiteral("100"));
        d.type(d.get(QStringLiteral("txtCopies")), QStringLiteral("3"));
        d.choose(QStringLiteral("cboPaperSize"), QStringLiteral("A5"));
        d.apply();
        QVERIFY(d.dialogs.messages.isEmpty());
        QCOMPARE(d.printer.scaleWidth(), 100.f);

        d.choose(QStringLiteral("cboPrinters"), QStringLiteral("Taller"));
        QCOMPARE(d.list(QStringLiteral("cboOrientation"))->currentText(), QStringLiteral("Horizontal"));
        QCOMPARE(d.get(QStringLiteral("txtScaleWidth"))->text(), QStringLiteral("16838"));
        QTest::mouseClick(d.get<QPushButton>(QStringLiteral("cmdMakeCurrent")), Qt::LeftButton);
        QCOMPARE(d.printer.currentPrinterIndex(), 1);
        QCOMPARE(setupDialogMismatches(*d.w, d.printer), QString());
        // What it showed before it was made current is what holds.
        QCOMPARE(d.get(QStringLiteral("txtScaleWidth"))->text(), QStringLiteral("16838"));
        QCOMPARE(d.printer.copies(), int16_t(1));
    }

    void theListIsReadAgainAndKeepsWhatWasTypedForAPrinterStillThere()
    {
        Dialog d;
        d.choose(QStringLiteral("cboPrinters"), QStringLiteral("Taller"));
        d.type(d.get(QStringLiteral("txtCopies")), QStringLiteral("4"));
        const PrinterInfo almacen{QStringLiteral("Almacén"), QStringLiteral("Térmica"),
                                  QStringLiteral("usb://2")};
        d.printer.setPrinters({d.printer.printers()[0], almacen, d.printer.printers()[1]});
        auto *refresh = d.get<QPushButton>(QStringLiteral("cmdRefresh"));
        QCOMPARE(refresh->text(), QStringLiteral("Actualiza&r lista"));
        QTest::mouseClick(refresh, Qt::LeftButton);
        auto *printers = d.list(QStringLiteral("cboPrinters"));
        QCOMPARE(printers->count(), 3);
        QCOMPARE(printers->itemText(1), QStringLiteral("Almacén"));
        QCOMPARE(printers->currentText(), QStringLiteral("Taller"));
        QCOMPARE(d.get(QStringLiteral("txtCopies"))->text(), QStringLiteral("4"));
        QVERIFY(d.w->changed(d.get(QStringLiteral("txtCopies"))));

        // The printer shown went: the current one is shown, with its values.
        d.printer.setPrinters({d.printer.printers()[0], almacen});
        QTest::mouseClick(refresh, Qt::LeftButton);
        QCOMPARE(printers->count(), 2);
        QCOMPARE(setupDialogMismatches(*d.w, d.printer), QString());
        QVERIFY(d.dialogs.messages.isEmpty());
    }

    // A collection that cannot be read says why, at opening and on Apply, and nothing is applied.
    void aCollectionThatFailsSaysWhy()
    {
        const QString failure = QStringLiteral("El sistema de impresión no responde.");
        Dialog broken([&](RecordingSurface &p) { p.setPrintersFailure(failure); });
        QCOMPARE(broken.dialogs.texts(), QStringList{failure});

        Dialog d;
        d.type(d.get(QStringLiteral("txtCopies")), QStringLiteral("2"));
        d.printer.setPrintersFailure(failure);
        d.apply();
        QCOMPARE(d.dialogs.texts(), QStringList{failure});
        QVERIFY(d.printer.assignments.isEmpty());
    }

    void withoutPrintersItSaysSo()
    {
        Dialog d([](RecordingSurface &p) { p.setAvailable(false); });
        QCOMPARE(d.dialogs.texts(), QStringList{QStringLiteral("No existen impresoras instaladas")});
        QCOMPARE(d.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(d.list(QStringLiteral("cboPrinters"))->count(), 0);
    }
};

QTEST_MAIN(TestFrmImpresora)
#include "tst_frmimpresora.moc"
