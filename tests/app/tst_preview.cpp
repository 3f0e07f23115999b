// The print preview: opened from the File menu, it shows each sheet as the printer prints it.
#include "FormHarness.h"
#include "PdfText.h"
#include "PreviewHarness.h"
#include "QtPrinterSurface.h"
#include "frmVistaPrevia.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

// The box around every inked pixel.
QRect inkBox(const QImage &image)
{
    QRect box;
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *line = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x)
            if (line[x] < 160)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheNumbersWhereThePdfHasThem()
    {
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        QVERIFY(h.open(0));
        h.type("txtDesde", "0008");
        h.type("txtHasta", "0010");
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");
        h.click("Check1_1");
        h.type("txtPosX_1", "7000");
        h.type("txtPosY_1", "12000");
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));
        const QImage printed = PdfText::renderFirstPage(h.printer.lastPdfFile(), h.tmp.path("printed"));
        QVERIFY(!printed.isNull());

        QImage shown;
        QVERIFY(withPreview(h, [&](frmVistaPrevia &preview) { shown = preview.render(0, 72); }));
        QCOMPARE(shown.size(), printed.size());
        const QRect a = inkBox(shown), b = inkBox(printed);
        QVERIFY(!b.isEmpty());
        const auto near = [](int p, int q) { return qAbs(p - q) <= 2; };
        QVERIFY2(near(a.left(), b.left()) && near(a.top(), b.top()) && near(a.right(), b.right()) &&
                     near(a.bottom(), b.bottom()),
                 qPrintable(QStringLiteral("preview %1,%2 %3x%4, pdf %5,%6 %7x%8")
                                .arg(a.x())
                                .arg(a.y())
                                .arg(a.width())
                                .arg(a.height())
                                .arg(b.x())
                                .arg(b.y())
                                .arg(b.width())
                                .arg(b.height())));
    }

    void aMillionSheetsNavigateToTheLast()
    {
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        QVERIFY(h.open(0));
        h.type("txtDesde", "000000");
        h.type("txtHasta", "999999");
        QString total, last, typed;
        QVERIFY(withPreview(h, [&](frmVistaPrevia &preview) {
            total = preview.lblTotal->text();
            QTest::mouseClick(preview.cmdUltima, Qt::LeftButton);
            last = preview.txtHoja->text();
            preview.txtHoja->setText("250001");
            QTest::keyClick(preview.txtHoja, Qt::Key_Return);
            typed = QString::number(preview.sheet());
        }));
        QCOMPARE(total, QStringLiteral("de 1000000"));
        QCOMPARE(last, QStringLiteral("1000000"));
        QCOMPARE(typed, QStringLiteral("250000"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void refusesWhatTheRunRefuses()
    {
        FormHarness<QtPrinterSurface> h;
        QVERIFY(h.open(0));
        h.type("txtDesde", "00");
        h.type("txtHasta", "100");
        QVERIFY(!withPreview(h, [](frmVistaPrevia &) {}));
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY(h.dialogs.messages[0].text.startsWith("El campo (desde) debe tener"));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
