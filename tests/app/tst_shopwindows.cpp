// The print shop's windows around a run: the preview's printer view and block marks, the pile
// window's separator sheets, the log window's calendar and the setting of the summary's threshold.
#include "CalibrationSettings.h"
#include "DatePicker.h"
#include "FormHarness.h"
#include "PreviewHarness.h"
#include "QtPrinterSurface.h"
#include "RunLog.h"
#include "RunSummary.h"
#include "frmRegistro.h"
#include "frmResumen.h"
#include "frmVistaPrevia.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

namespace {

// The box around the inked pixels of `image` inside `within` (all of it when empty).
QRect inkBox(const QImage &image, QRect within = {})
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    within = within.isEmpty() ? gray.rect() : within & gray.rect();
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (gray.constScanLine(y)[x] < 160)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Pixels of the block band's orange in `area` of `image`.
int orange(const QImage &image, QRect area)
{
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() > 120 && c.green() < 220 && c.blue() < 130 ? 1 : 0;
        }
    return n;
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The preview opened from the File menu.
bool withMenuPreview(FormHarness<QtPrinterSurface> &h, const std::function<void(frmVistaPrevia &)> &inside)
{
    return withPreview(h, inside, [&] { h.w.findChild<QAction *>("mnuVistaPrevia")->trigger(); });
}

// Runs `inside` on the dialog `name` once `open` has opened it.
template <typename D>
void whileOpen(QWidget &owner, const char *name, const std::function<void(D &)> &inside,
               const std::function<void()> &open)
{
    QTimer::singleShot(0, &owner, [&owner, name, inside] {
        auto *dialog = owner.findChild<D *>(QLatin1String(name));
        QVERIFY(dialog);
        (void)QTest::qWaitForWindowActive(dialog);
        inside(*dialog);
    });
    open();
}

} // namespace

class TestShopWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // With the printer's view on, each sheet shows what the chosen printer puts on paper: the
    // page is drawn as the run sends it (through the stored correction), cut where the printer
    // cannot reach and moved as the printer moves it. So the numbers sit where the job places
    // them, and what the correction pushes off the printable area is missing.
    void theCalibratedViewShowsWhatLandsOnPaper_data()
    {
        QTest::addColumn<double>("offsetX");
        QTest::addColumn<double>("offsetY");
        QTest::addColumn<double>("scaleX");
        QTest::addColumn<double>("scaleY");
        QTest::newRow("shifted right") << 6.0 << 0.0 << 1.0 << 1.0;
        QTest::newRow("shifted and stretched") << 5.0 << 3.0 << 1.02 << 0.98;
        QTest::newRow("shifted up, shrunk") << 8.0 << -4.0 << 0.97 << 1.03;
    }
    void theCalibratedViewShowsWhatLandsOnPaper()
    {
        QFETCH(double, offsetX);
        QFETCH(double, offsetY);
        QFETCH(double, scaleX);
        QFETCH(double, scaleY);
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        const QString printer = h.printer.printers().at(h.printer.pdfPrinterIndex()).deviceName;
        QVERIFY(h.open(0));
        h.type("txtDesde", "0001");
        h.type("txtHasta", "0003");
        h.type("txtPosX_0", "0"); // at the printable area's left edge
        h.type("txtPosY_0", "3000");
        h.click("Check1_1");
        h.type("txtPosX_1", "5000");
        h.type("txtPosY_1", "9000");

        bool enabled = true;
        QVERIFY(withMenuPreview(
            h, [&](frmVistaPrevia &preview) { enabled = preview.chkCalibrada->isEnabled(); }));
        QVERIFY2(!enabled, "no calibration stored, nothing to show");

        PrinterCalibration measured;
        measured.offsetX = offsetX;
        measured.offsetY = offsetY;
        measured.scaleX = scaleX;
        measured.scaleY = scaleY;
        QString reason;
        QVERIFY2(CalibrationSettings::write(h.context.profiles, printer, measured, &reason),
                 qPrintable(reason));
        constexpr double dpi = 144;
        const double pixelsPerTwip = dpi / 1440;
        QImage plain, landed, unticked;
        QVERIFY(withMenuPreview(h, [&](frmVistaPrevia &preview) {
            enabled = preview.chkCalibrada->isEnabled();
            plain = preview.render(0, dpi);
            preview.chkCalibrada->setChecked(true);
            landed = preview.render(0, dpi);
            preview.chkCalibrada->setChecked(false);
            unticked = preview.render(0, dpi);
        }));
        QVERIFY(enabled);
        QCOMPARE(unticked, plain);
        // Away from the outline of what the printer reaches, which the printer's view draws.
        const auto area = [pixelsPerTwip](int left, int top, int right, int bottom) {
            return QRect(QPoint(int(left * pixelsPerTwip), int(top * pixelsPerTwip)),
                         QPoint(int(right * pixelsPerTwip), int(bottom * pixelsPerTwip)));
        };
        const QRect rightHalf = area(2500, 6000, 10000, 12000);
        const QRect leftEdge = area(0, 1500, 2500, 5000);

        // The number in the middle lands where the job puts it.
        const QRect a = inkBox(plain, rightHalf), b = inkBox(landed, rightHalf);
        QVERIFY(!a.isEmpty());
        const auto near = [](const QRect &p, const QRect &q) {
            return qAbs(p.left() - q.left()) <= 2 && qAbs(p.top() - q.top()) <= 2 &&
                   qAbs(p.right() - q.right()) <= 2 && qAbs(p.bottom() - q.bottom()) <= 2;
        };
        QVERIFY2(near(a, b), qPrintable(describe(a) + " / " + describe(b)));

        // The one at the edge was sent left of what the printer reaches: its first millimetres
        // never reach the paper.
        const QRect edge = inkBox(plain, leftEdge);
        QVERIFY(!edge.isEmpty());
        const QRectF printable = h.printer.printableAreaTwips();
        const int reach = int((printable.left() * pixelsPerTwip) * scaleX + offsetX / 25.4 * dpi);
        const QRect lost(edge.left(), edge.top(), reach - 3 - edge.left(), edge.height());
        QVERIFY2(lost.width() > 10, qPrintable(describe(lost)));
        QVERIFY(!inkBox(plain, lost).isEmpty());
        QVERIFY2(inkBox(landed, lost).isEmpty(), qPrintable(describe(inkBox(landed, lost))));
        QVERIFY(!inkBox(landed, edge).isEmpty()); // its right part does
    }

    // The first sheet of every block of a pile run carries a band naming the block, on screen
    // only: the sheet as printed has none.
    void blocksAreMarkedOnTheirFirstSheet()
    {
        DistinctNumberJob job;
        job.piles = {true, "01", "20", "3"};
        job.off = {false, false, true, true};
        job.posX = {"1440", "1440"};
        job.posY = {"1440", "8000"};
        ScriptedDialogs dialogs;
        RecordingSurface printer;
        frmVistaPrevia preview(distinctNumberSheets(job, {"DejaVu Sans", "12", 0}, dialogs), printer,
                               nullptr);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QStringList marked;
        for (qint64 sheet = 0; sheet < 10; ++sheet) {
            preview.showSheet(sheet);
            const QImage shown = preview.imgHoja->pixmap().toImage();
            const QRect top(0, 0, shown.width(), shown.height() / 40);
            if (orange(shown, top) > top.width() * top.height() / 2)
                marked << QString::number(sheet + 1);
            QCOMPARE(orange(preview.render(sheet, 48), QRect(0, 0, 10000, 10000)), 0);
        }
        QCOMPARE(marked, (QStringList{"1", "4", "7", "10"})); // blocks of 3 sheets
    }

    // The pile window counts the separator sheets in its plan while they are on.
    void thePileTextCountsSeparators_data()
    {
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("separators");
        QTest::newRow("four blocks") << "3"
                                     << "más 4 hojas separadoras, una antes de cada bloque";
        QTest::newRow("one block") << "0"
                                   << "más una hoja separadora antes del bloque";
    }
    void thePileTextCountsSeparators()
    {
        QFETCH(QString, depth);
        QFETCH(QString, separators);
        FormHarness h;
        QVERIFY(h.open(1));
        h.click(QStringLiteral("Check2_1"));
        QString off, on, tip, offAgain;
        whileOpen<QDialog>(
            h.w, "frmPilas",
            [&](QDialog &pilas) {
                QTest::keyClick(h.check("chkPilas"), Qt::Key_Space);
                h.type("txtPilasDesde", "01");
                h.type("txtPilasHasta", "20");
                h.type("txtPilasProfundidad", depth);
                auto *plan = pilas.findChild<QLabel *>("lblPlan");
                off = plan->text();
                QTest::keyClick(h.check("chkSeparadores"), Qt::Key_Space);
                on = plan->text();
                tip = h.w.findChild<QLabel *>("lblPilas")->toolTip();
                QTest::keyClick(h.check("chkSeparadores"), Qt::Key_Space);
                offAgain = plan->text();
                pilas.accept();
            },
            [&] { h.w.findChild<QAction *>("mnuPilas")->trigger(); });
        QVERIFY2(!off.contains("separadora"), qPrintable(off));
        QCOMPARE(on, off + "; " + separators);
        QCOMPARE(tip, on);
        QCOMPARE(offAgain, off);
    }

    // The log's days are picked from a calendar or typed; a typed text that is no day is marked
    // and filters nothing out.
    void theLogsDaysComeFromACalendar()
    {
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        QString reason;
        for (const char *day : {"2026-11-28T10:00:00", "2026-12-02T10:00:00", "2026-12-05T10:00:00"}) {
            RunLog::Run run;
            run.id = RunLog::newId();
            run.trabajo = QStringLiteral("rifa.trv");
            run.impresora = QStringLiteral("Oficina");
            run.inicio = QDateTime::fromString(QLatin1String(day), Qt::ISODate);
            run.estado = RunLog::kCompleta;
            QVERIFY2(log.append(run, &reason), qPrintable(reason));
        }
        ScriptedDialogs dialogs;
        frmRegistro window(log, dialogs, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QAbstractItemModel *model = window.grdRegistro->model();
        QCOMPARE(model->rowCount(), 3);

        const auto pick = [&](DatePicker *button, QDate day) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCalendarWidget *calendar = button->calendar();
            QVERIFY(calendar && calendar->isVisible());
            calendar->setSelectedDate(day);
            QTest::keyClick(calendar->findChild<QTableView *>(), Qt::Key_Return);
            QVERIFY(!button->calendar());
        };
        pick(window.cmdFechaDesde, QDate(2026, 12, 1));
        QCOMPARE(window.txtFiltroDesde->text(), QStringLiteral("2026-12-01"));
        QCOMPARE(model->rowCount(), 2);
        pick(window.cmdFechaHasta, QDate(2026, 12, 4));
        QCOMPARE(window.txtFiltroHasta->text(), QStringLiteral("2026-12-04"));
        QCOMPARE(model->rowCount(), 1);
        // The calendar opens at the day typed.
        window.txtFiltroDesde->setText(QStringLiteral("2026-11-20"));
        QTest::mouseClick(window.cmdFechaDesde, Qt::LeftButton);
        QCOMPARE(window.cmdFechaDesde->calendar()->selectedDate(), QDate(2026, 11, 20));
        window.cmdFechaDesde->calendar()->close();
        QCOMPARE(model->rowCount(), 2);

        window.txtFiltroHasta->setText(QStringLiteral("2026-13-40"));
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(window.txtFiltroHasta->toolTip().contains("2026-13-40"));
        window.txtFiltroHasta->clear();
        QVERIFY(window.txtFiltroHasta->toolTip().isEmpty());
    }

    // Impresora > "Resumen antes de tiradas largas..." keeps the threshold in the settings file;
    // the window's next run follows it, 0 included.
    void theSummarysThresholdIsSetInTheWindow()
    {
        FormHarness h;
        QVERIFY(h.open(0));
        h.type("txtDesde", "001");
        h.type("txtHasta", "150");
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");
        QAction *entry = h.w.findChild<QAction *>("impResumen");
        QVERIFY(entry && h.w.findChild<QMenu *>("mnuImpresora")->actions().contains(entry));
        const auto setTo = [&](const QString &typed, int *shown) {
            whileOpen<frmResumen>(
                h.w, "frmResumen",
                [&](frmResumen &dialog) {
                    *shown = dialog.txtResumenDesde->value();
                    dialog.txtResumenDesde->setFocus();
                    dialog.txtResumenDesde->selectAll();
                    QTest::keyClicks(dialog.txtResumenDesde, typed);
                    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                                      Qt::LeftButton);
                },
                [&] { entry->trigger(); });
        };
        int shown = -1;
        setTo("100", &shown);
        QCOMPARE(shown, int(LongRuns::kDefault));
        QString file;
        QCOMPARE(h.context.profiles.LeerValorIni(LongRuns::kSection, LongRuns::kKey, file),
                 QStringLiteral("100"));

        h.dialogs.answers.enqueue(Dialogs::Cancel);
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY(h.dialogs.messages[0].text.contains("Hojas: 150"));
        QVERIFY(h.printer.documents().empty());

        setTo("0", &shown);
        QCOMPARE(shown, 100);
        QCOMPARE(LongRuns::read(h.context.profiles), 0);
        h.dialogs.clear();
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QCOMPARE(h.dialogs.texts(), QStringList{});
        QCOMPARE(qint64(h.printer.documents().at(0).pages.size()), 150);
    }
};

QTEST_MAIN(TestShopWindows)
#include "tst_shopwindows.moc"
