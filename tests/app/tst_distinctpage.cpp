#include "FormHarness.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RunMessages.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

using Sheets = QList<QStringList>;

class TestDistinctPage : public QObject
{
    Q_OBJECT

    // Switches rows 1..rows-1 on from the top and types each row's start.
    template <typename H> static void fillRows(H &h, const QStringList &starts, const QString &lastOfFirstRow)
    {
        for (int j = 1; j < starts.size(); ++j)
            h.click(QStringLiteral("Check2_%1").arg(j));
        for (int j = 0; j < starts.size(); ++j) {
            h.type(QStringLiteral("desde_%1").arg(j), starts[j]);
            h.type(QStringLiteral("posX_%1").arg(j), QString::number(1440 * (j + 1)));
            h.type(QStringLiteral("posY_%1").arg(j), QString::number(720 * (j + 1)));
        }
        h.type(QStringLiteral("hasta_0"), lastOfFirstRow);
    }

    static Sheets printed(const RecordingSurface &printer)
    {
        Sheets sheets;
        for (const auto &document : printer.documents())
            for (const auto &page : document.pages) {
                QStringList texts;
                for (const auto &text : page.texts)
                    texts << text.text;
                sheets << texts;
            }
        return sheets;
    }

    static void paste(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

private Q_SLOTS:
    void rowsAdvanceTogether_data()
    {
        QTest::addColumn<QStringList>("starts");
        QTest::addColumn<QString>("lastOfFirstRow");
        QTest::addColumn<Sheets>("sheets");
        QTest::newRow("rows of different widths")
            << QStringList{"0001", "00500"} << "0003"
            << Sheets{{"0001", "00500"}, {"0002", "00501"}, {"0003", "00502"}};
        QTest::newRow("first row counts down")
            << QStringList{"0010", "0500"} << "0008"
            << Sheets{{"0010", "0500"}, {"0009", "0499"}, {"0008", "0498"}};
        QTest::newRow("one character beside four")
            << QStringList{"0001", "7"} << "0004"
            << Sheets{{"0001", "7"}, {"0002", "8"}, {"0003", "9"}, {"0004", "10"}};
        QTest::newRow("six characters above 32767")
            << QStringList{"0001", "0500", "040000"} << "0002"
            << Sheets{{"0001", "0500", "040000"}, {"0002", "0501", "040001"}};
    }
    void rowsAdvanceTogether()
    {
        QFETCH(QStringList, starts);
        QFETCH(QString, lastOfFirstRow);
        QFETCH(Sheets, sheets);
        FormHarness h;
        QVERIFY(h.open(1));
        fillRows(h, starts, lastOfFirstRow);
        h.box("hasta_1")->setText("9999"); // ends beyond the first row are never read
        h.click(h.w.findChild<QPushButton *>("Command6"));

        QCOMPARE(h.dialogs.texts(), QStringList{});
        QCOMPARE(printed(h.printer), sheets);
        QCOMPARE(h.printer.documents().size(), 1u);
        QVERIFY(h.printer.documents()[0].ended);
        const auto &row1 = h.printer.documents()[0].pages[0].texts[1];
        QCOMPARE(row1.positionTwips, QPointF(2880, 1440));
        QCOMPARE(h.probe.firstRowSpan(), lastOfFirstRow.toDouble() - starts[0].toDouble());
    }

    // Piles from the Herramientas dialog: the rows show the first block, the run prints the plan
    // and the last print keeps it.
    void pilesFromTheToolsMenu()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        fillRows(h, {"0001", "0001"}, "0001");
        auto *pilas = h.w.findChild<QDialog *>("frmPilas");
        QTimer::singleShot(0, pilas, [&] {
            (void)QTest::qWaitForWindowActive(pilas);
            h.enter(h.check("chkPilas"));
            QTest::keyClick(h.check("chkPilas"), Qt::Key_Space);
            h.type("txtPilasDesde", "1");
            h.type("txtPilasHasta", "10");
            h.type("txtPilasProfundidad", "2");
            pilas->accept();
        });
        h.w.findChild<QAction *>("mnuPilas")->trigger();

        QCOMPARE((QStringList{h.box("desde_0")->text(), h.box("hasta_0")->text(), h.box("desde_1")->text(),
                              h.box("hasta_1")->text()}),
                 (QStringList{"01", "02", "03", "04"}));
        QVERIFY(h.box("desde_1")->isReadOnly());
        QVERIFY(h.w.findChild<QLabel *>("lblPilas")
                    ->toolTip()
                    .startsWith("3 bloques de 2 hojas (el último de 1)"));
        h.click(h.w.findChild<QPushButton *>("Command6"));
        QCOMPARE(h.dialogs.texts(), QStringList{});
        QCOMPARE(printed(h.printer),
                 (Sheets{{"01", "03"}, {"02", "04"}, {"05", "07"}, {"06", "08"}, {"09", "10"}}));
        QString settings;
        QCOMPARE(h.context.profiles.LeerValorIni("Ultima Impresión Solapa:1", "PilasHasta", settings), "10");

        QTimer::singleShot(0, pilas, [&] {
            (void)QTest::qWaitForWindowActive(pilas);
            h.enter(h.check("chkPilas"));
            QTest::keyClick(h.check("chkPilas"), Qt::Key_Space);
            pilas->accept();
        });
        h.w.findChild<QAction *>("mnuPilas")->trigger();
        QVERIFY(!h.box("desde_1")->isReadOnly());
        QVERIFY(h.w.findChild<QLabel *>("lblPilas")->isHidden());
    }

    void digitsMessageComesFirst()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        h.click("Check2_0"); // every row off
        h.type("desde_0", "7");
        h.type("hasta_0", "0005");
        h.click(h.w.findChild<QPushButton *>("Command6"));
        QCOMPARE(h.dialogs.texts(), QStringList{RunMessages::digits()});
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Information);
        QCOMPARE(h.probe.firstRowSpan(), -2.0); // set before any check
        QCOMPARE(QApplication::focusWidget(), h.box("hasta_0"));
        QCOMPARE(h.box("hasta_0")->selectedText(), "0005");

        h.type("desde_0", "0007");
        h.dialogs.clear();
        h.click(h.w.findChild<QPushButton *>("Command6"));
        QCOMPARE(h.dialogs.texts(), QStringList{RunMessages::allOff()});
        QVERIFY(h.printer.documents().empty());
    }

    // Pasting can still put anything into a number box: the run answers with the error's own
    // description and prints nothing rather than part of a sheet.
    void pastedTextStopsTheRun_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: the job prints
        QTest::addColumn<double>("span");
        QTest::newRow("letters in row 1") << "desde_1"
                                          << "12a4"
                                          << "No coinciden los tipos" << 2.0;
        QTest::newRow("letters in row 0") << "desde_0"
                                          << "00x1"
                                          << "No coinciden los tipos" << 42.0;
        QTest::newRow("empty font size") << "txtTamaño"
                                         << ""
                                         << "No coinciden los tipos" << 2.0;
        QTest::newRow("beyond exact numbers") << "desde_1"
                                              << "99999999999999999999"
                                              << "El número 99999999999999999999 es demasiado grande para "
                                                 "imprimirse con exactitud. El mayor número admitido es "
                                                 "9007199254740992."
                                              << 2.0;
        // 9007199254740991 + 2 rounds to 9007199254740992 in a double: two sheets would share it.
        QTest::newRow("last number beyond exact") << "desde_1"
                                                  << "9007199254740991"
                                                  << "El número 9007199254740993 es demasiado grande para "
                                                     "imprimirse con exactitud. El mayor número admitido es "
                                                     "9007199254740992."
                                                  << 2.0;
        QTest::newRow("row that is off") << "desde_2"
                                         << "abc"
                                         << "" << 2.0;
        QTest::newRow("end of row 1") << "hasta_1"
                                      << "x"
                                      << "" << 2.0;
    }
    void pastedTextStopsTheRun()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(double, span);
        FormHarness h;
        QVERIFY(h.open(1));
        fillRows(h, {"0001", "0500"}, "0003");
        if (h.box(box)->isEnabled())
            paste(h.box(box), text);
        else
            h.box(box)->setText(text); // as a job file would leave it
        QCOMPARE(h.box(box)->text(), text);
        h.probe.setFirstRowSpan(42);
        h.click(h.w.findChild<QPushButton *>("Command6"));

        QCOMPARE(h.probe.firstRowSpan(), span);
        if (message.isEmpty()) {
            QCOMPARE(h.dialogs.texts(), QStringList{});
            QCOMPARE(printed(h.printer).size(), 3);
        } else {
            QCOMPARE(h.dialogs.texts(), QStringList{message});
            QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::None);
            QVERIFY(h.printer.documents().empty());
        }
    }

    void printsThroughThePdfPrinterInTheChosenFont()
    {
        const QString font = QStringLiteral("DejaVu Serif");
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        QVERIFY(h.open(1));
        auto *fonts = h.w.findChild<QComboBox *>("cboFuentes");
        if (fonts->findText(font) < 0)
            QSKIP("DejaVu Serif is not installed");
        fonts->setCurrentIndex(fonts->findText(font));
        h.type("txtTamaño", "20");
        h.dialogs.colors.enqueue(255); // red
        QTest::mouseDClick(h.w.findChild<QLabel *>("PicColor"), Qt::LeftButton);
        fillRows(h, {"0001", "00500"}, "0002");
        h.click(h.w.findChild<QPushButton *>("Command6"));
        QCOMPARE(h.dialogs.texts(), QStringList{});

        const QString file = h.printer.lastPdfFile();
        const PdfText pdf = PdfText::read(file);
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 2);
        const Sheets expected{{"0001", "00500"}, {"0002", "00501"}};
        for (int p = 0; p < 2; ++p) {
            QCOMPARE(pdf.pages[p].texts(), expected[p]);
            // Row j sits at (1440, 720) * (j + 1) twips, that is (72, 36) * (j + 1) points; the
            // glyph box starts a little below the top of the line.
            const PdfText::Word &row0 = pdf.pages[p].words[0], &row1 = pdf.pages[p].words[1];
            QVERIFY2(qAbs(row0.xMin - 72) < 2, qPrintable(QString::number(row0.xMin)));
            QVERIFY2(row0.yMin > 35 && row0.yMin < 36 + 20, qPrintable(QString::number(row0.yMin)));
            QVERIFY(qAbs(row1.xMin - row0.xMin - 72) < 0.5);
            QVERIFY(qAbs(row1.yMin - row0.yMin - 36) < 0.5);
            // A 20-point font: every row's box is about 1.16 em high.
            for (const PdfText::Word &w : pdf.pages[p].words)
                QVERIFY2(qAbs((w.yMax - w.yMin) - 20 * 1.16) < 3,
                         qPrintable(QString::number(w.yMax - w.yMin)));
        }

        QProcess fontsUsed;
        fontsUsed.start("pdffonts", {file});
        QVERIFY(fontsUsed.waitForFinished());
        QVERIFY2(fontsUsed.readAllStandardOutput().contains("DejaVuSerif"), "DejaVu Serif not embedded");

        // Rendered at 72 dpi, one pixel is one point: both rows are red and nothing else.
        const QImage image = PdfText::renderFirstPage(file, h.tmp.path("render"));
        QVERIFY(!image.isNull());
        for (const PdfText::Word &w : pdf.pages[0].words) {
            const PdfText::Ink ink = PdfText::inkIn(image, w);
            QVERIFY2(ink.red > 20, qPrintable(QString::number(ink.red)));
            QCOMPARE(ink.other, 0);
        }
    }
};

QTEST_MAIN(TestDistinctPage)
#include "tst_distinctpage.moc"
