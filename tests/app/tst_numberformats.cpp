// The number format window of the Herramientas menu, driven as a user would: what is chosen there
// prints as a code that reads back, and the last-print memory brings it back.
#include "CodeReader.h"
#include "FormHarness.h"
#include "QtPrinterSurface.h"
#include "frmFormatos.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

class TestNumberFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aCodeChosenInTheWindowPrintsAndIsRemembered()
    {
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        QVERIFY(h.open(0));
        h.type("txtDesde", "0041");
        h.type("txtHasta", "0042");
        h.type("txtPosX_0", "720");
        h.type("txtPosY_0", "720");
        auto *window = h.w.findChild<QDialog *>("frmFormatos");
        auto *format = window->findChild<QComboBox *>("cboFormatoMismo0");
        QVERIFY(!h.enabled("txtCodigoMismo0"));
        QTimer::singleShot(0, window, [&] {
            (void)QTest::qWaitForWindowActive(window);
            h.enter(format);
            QTest::keyClick(format, Qt::Key_Down); // Texto, then QR
            h.type("txtPrefijoMismo0", "RIFA26-");
            h.type("txtSufijoMismo0", "-A");
            h.type("txtCodigoMismo0", "20");
            window->accept();
        });
        h.w.findChild<QAction *>("mnuFormatos")->trigger();
        QCOMPARE(format->currentText(), "QR");
        QVERIFY(h.enabled("txtCodigoMismo0"));
        QVERIFY(!h.enabled("txtCodigoMismo1"));

        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QVERIFY2(h.dialogs.texts().isEmpty(), qPrintable(h.dialogs.texts().join(u'\n')));
        const CodeReader read = CodeReader::read(h.printer.lastPdfFile(), h.tmp.path("codes"), {150, 150});
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages.size(), 2);
        QCOMPARE(read.pages[0].size(), 1);
        QCOMPARE(read.pages[0][0].text, "RIFA26-0041-A");
        QCOMPARE(read.pages[1][0].text, "RIFA26-0042-A");

        // A new job starts with plain numbers; the last print brings the code back.
        h.dialogs.answers.enqueue(Dialogs::Yes);
        h.w.findChild<QAction *>("mnuLimpiarTodo")->trigger();
        QCOMPARE(format->currentIndex(), 0);
        QCOMPARE(h.box("txtPrefijoMismo0")->text(), "");
        h.w.findChild<QAction *>("mnudistinto")->trigger(); // its caption names the same-number page
        QCOMPARE(format->currentText(), "QR");
        QCOMPARE(h.box("txtPrefijoMismo0")->text(), "RIFA26-");
        QCOMPARE(h.box("txtSufijoMismo0")->text(), "-A");
        QCOMPARE(h.box("txtCodigoMismo0")->text(), "20");

        // Texts longer than the boxes take typed come back whole, so a save cannot cut them.
        const QString longer = QString(70, u'x');
        QString settings;
        QVERIFY(h.context.profiles.EscribirValoresIni({{"Ultima Impresión Solapa:0", "Sufijo_0", longer}},
                                                      settings, nullptr));
        h.w.findChild<QAction *>("mnudistinto")->trigger();
        QCOMPARE(h.box("txtSufijoMismo0")->text(), longer);
    }

    // The window shows each code's size for the job's first number, and warns, naming the place,
    // when the code would leave the printable area (A4 on the PDF printer: 11906 twips across).
    void theWindowShowsEachCodesSizeAndWarnsOffTheSheet()
    {
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        QVERIFY(h.open(0));
        h.type("txtDesde", "0001");
        h.type("txtHasta", "0009");
        h.type("txtPosX_0", "10500");
        h.type("txtPosY_0", "720");
        auto *window = h.w.findChild<frmFormatos *>();
        QLabel *size = window->findChild<QLabel *>("lblMedidaMismo0");
        QLabel *warnings = window->findChild<QLabel *>("lblAvisos");
        QTimer::singleShot(0, window, [&] {
            (void)QTest::qWaitForWindowActive(window);
            window->findChild<QComboBox *>("cboFormatoMismo0")
                ->setCurrentIndex(int(NumberLook::Format::Code128));
            h.type("txtCodigoMismo0", "10");
            h.type("txtModuloMismo0", "0.5");
            window->accept();
        });
        h.w.findChild<QAction *>("mnuFormatos")->trigger();
        // Modules of 0.5 mm, bars 10 mm high.
        const QRegularExpression measured(QStringLiteral("^[1-9][0-9]\\.[05] × 10\\.0 mm$"));
        QVERIFY2(measured.match(size->text().remove(QStringLiteral("⚠ "))).hasMatch(),
                 qPrintable(size->text()));
        QVERIFY2(warnings->text().contains(QStringLiteral("Mismo número, posición 1")) &&
                     warnings->text().contains(QStringLiteral("por la derecha")),
                 qPrintable(warnings->text()));
        QVERIFY(!window->findChild<QComboBox *>("cboCorreccionMismo0")->isEnabled());
        QVERIFY(h.enabled("txtModuloMismo0"));

        h.type("txtPosX_0", "720");
        window->refresh();
        QVERIFY2(measured.match(size->text()).hasMatch(), qPrintable(size->text()));
        QCOMPARE(warnings->text(), QString());
    }
};

QTEST_MAIN(TestNumberFormats)
#include "tst_numberformats.moc"
