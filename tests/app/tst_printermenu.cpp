// The printer entries of the main window: calibration prints and the printer setup dialog.
#include "FormHarness.h"
#include "TestPrints.h"
#include "frmImpresora.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

class TestPrinterMenu : public QObject
{
    Q_OBJECT

    static QAction *entry(FormHarness<> &h, const char *name)
    {
        return h.w.findChild<QAction *>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void theRectangleEntryDrawsAtPositionZero()
    {
        FormHarness<> h;
        QVERIFY(h.open(0));
        for (const char *name : {"impCuadricula", "impRectangulo", "impConfigurar"})
            QVERIFY2(entry(h, name)->isEnabled(), name);
        h.type(QStringLiteral("txtPosX_0"), QStringLiteral("1000"));
        h.type(QStringLiteral("txtPosY_0"), QStringLiteral("2000"));
        entry(h, "impRectangulo")->trigger();
        QCOMPARE(h.dialogs.texts().last(), TestPrints::rectangleNotice());
        const auto &lines = h.printer.documents().back().pages.back().lines;
        QCOMPARE(lines.size(), size_t(4));
        QCOMPARE(lines[1].to, QPointF(2500, 2500));

        entry(h, "impCuadricula")->trigger();
        QCOMPARE(h.dialogs.texts().last(), TestPrints::gridNotice());
        QCOMPARE(h.printer.documents().size(), size_t(2));
    }

    void setupWithoutPrintersSaysSoAndOpensNothing()
    {
        FormHarness<> h;
        QVERIFY(h.open(0));
        h.printer.setAvailable(false);
        entry(h, "impConfigurar")->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{frmImpresora::kNoPrinters});
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void setupThatCannotReadThePrintersSaysWhy()
    {
        FormHarness<> h;
        QVERIFY(h.open(0));
        h.printer.setPrintersFailure(QStringLiteral("El sistema de impresión no responde."));
        entry(h, "impConfigurar")->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{QStringLiteral("El sistema de impresión no responde.")});
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aPrinterMadeCurrentInTheDialogStaysCurrentAfterItCloses()
    {
        FormHarness<> h;
        h.printer.setPrinters({{QStringLiteral("Oficina"), {}, {}}, {QStringLiteral("Taller"), {}, {}}});
        QVERIFY(h.open(0));
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            title = dialog->windowTitle();
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("cboPrinters"));
            printers->setCurrentIndex(1);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdMakeCurrent")),
                              Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        });
        entry(h, "impConfigurar")->trigger();
        QCOMPARE(title, QStringLiteral("Configurar Impresora"));
        QCOMPARE(h.printer.currentPrinterIndex(), 1);
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    // Calibrar: the sheet prints, a slip is named and the earlier calibration stays, the
    // measurements replace it; Quitar calibración takes them out.
    void calibrationFromTheMenuIsStoredAndRemoved()
    {
        const QString section = QStringLiteral("Calibración Grabadora");
        FormHarness<> h([&](const AppContext &c) {
            c.setSetting(section, QStringLiteral("DesplazamientoX"), QStringLiteral("1"));
        });
        QVERIFY(h.open(0));
        QString result;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            const QStringList typed{QStringLiteral("22,42"), QStringLiteral("18.28"), QStringLiteral("19.74"),
                                    QStringLiteral("276,308")};
            const char *boxes[] = {"txtIzquierdaX", "txtIzquierdaY", "txtDerechaX", "txtDerechaY"};
            for (int i = 0; i < 4; ++i)
                h.type(dialog->findChild<QLineEdit *>(QString::fromLatin1(boxes[i])), typed[i]);
            QPushButton *aceptar = nullptr;
            for (auto *button : dialog->findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("Aceptar"))
                    aceptar = button;
            h.click(aceptar); // 19.74: a slip of the far cross
            QVERIFY(dialog->isVisible());
            QCOMPARE(h.context.setting(section, QStringLiteral("DesplazamientoX")), QStringLiteral("1"));
            QCOMPARE(h.context.setting(section, QStringLiteral("EscalaX")), ProfileFiles::Vacio);
            auto *far = dialog->findChild<QLineEdit *>(QStringLiteral("txtDerechaX"));
            QVERIFY(far->hasFocus());
            h.type(far, QStringLiteral("191.74"));
            result = dialog->findChild<QLabel *>(QStringLiteral("lblResultado"))->text();
            h.click(aceptar);
        });
        entry(h, "impCalibrar")->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(h.printer.documents().size(), size_t(1)); // the calibration sheet
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(h.dialogs.texts()[0].contains(
                     QStringLiteral("\"cruz inferior derecha, desde el borde izquierdo\"")),
                 qPrintable(h.dialogs.texts()[0]));
        QCOMPARE(result, QStringLiteral("Desplazamiento: 2,50 mm horizontal, -1,80 mm vertical. "
                                        "Escala: 0,9960 horizontal, 1,0040 vertical."));
        QCOMPARE(h.context.setting(section, QStringLiteral("DesplazamientoX")), QStringLiteral("2.5"));
        QCOMPARE(h.context.setting(section, QStringLiteral("DesplazamientoY")), QStringLiteral("-1.8"));

        // Removing asks first, and any answer but "Quitar" keeps the measurements.
        h.dialogs.clear();
        entry(h, "impQuitarCalibracion")->trigger(); // the stand-in's answer is the harmless one
        QCOMPARE(h.dialogs.choices.last(), (QStringList{"Quitar", "Cancelar"}));
        QCOMPARE(h.dialogs.texts(), QStringList{"¿Quitar la calibración de la impresora \"Grabadora\"? Las "
                                                "medidas que se tomaron se perderán."});
        QCOMPARE(h.context.setting(section, QStringLiteral("DesplazamientoX")), QStringLiteral("2.5"));
        h.dialogs.answers.enqueue(0);
        entry(h, "impQuitarCalibracion")->trigger();
        QCOMPARE(h.dialogs.texts().last(),
                 QStringLiteral("La impresora \"Grabadora\" ya no tiene calibración."));
        QCOMPARE(h.context.setting(section, QStringLiteral("DesplazamientoX")), ProfileFiles::Vacio);
        // Nothing left to lose: no question.
        h.dialogs.clear();
        entry(h, "impQuitarCalibracion")->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{"La impresora \"Grabadora\" no tenía calibración."});
    }
};

QTEST_MAIN(TestPrinterMenu)
#include "tst_printermenu.moc"
