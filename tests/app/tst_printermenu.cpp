// The printer entries of the main window: calibration prints and the printer setup dialog.
#include "FormHarness.h"
#include "TestPrints.h"
#include "frmImpresora.h"

#include <QAction>
#include <QComboBox>
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
        QCOMPARE(h.dialogs.texts().last(), TestPrints::kRectangleNotice);
        const auto &lines = h.printer.documents().back().pages.back().lines;
        QCOMPARE(lines.size(), size_t(4));
        QCOMPARE(lines[1].to, QPointF(2500, 2500));

        entry(h, "impCuadricula")->trigger();
        QCOMPARE(h.dialogs.texts().last(), TestPrints::kGridNotice);
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
};

QTEST_MAIN(TestPrinterMenu)
#include "tst_printermenu.moc"
