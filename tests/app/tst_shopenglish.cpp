// The preview, the pile window, the log window and the summary's threshold in English: no Spanish
// text shows, and switching language while they are open retranslates them.
#include "CalibrationSettings.h"
#include "DatePicker.h"
#include "FormHarness.h"
#include "RunLog.h"
#include "SpanishTexts.h"
#include "Translations.h"
#include "frmRegistro.h"
#include "frmResumen.h"
#include "frmVistaPrevia.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

using namespace Translations::Language;

namespace {

// What a view's model shows, headers included: SpanishTexts looks at widgets, not at models.
QStringList modelTexts(const QTableView *view)
{
    QStringList texts;
    const QAbstractItemModel *model = view->model();
    for (int c = 0; c < model->columnCount(); ++c) {
        texts << model->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, c).data().toString()
                  << model->index(r, c).data(Qt::ToolTipRole).toString();
    }
    return texts;
}

QStringList spanishIn(const QStringList &texts)
{
    QStringList found;
    for (const QString &text : texts)
        if (SpanishTexts::isSpanish(text))
            found << text;
    return found;
}

// A log with a run in every state, and a replacement and a continuation under the first.
void fillLog(const RunLog &log)
{
    QString reason;
    QString first;
    const QString states[] = {RunLog::kCompleta,     RunLog::kCancelada,    RunLog::kFallida,
                              RunLog::kInterrumpida, RunLog::kSinConfirmar, RunLog::kEnCurso};
    for (const QString &state : states) {
        RunLog::Run run;
        run.id = RunLog::newId();
        first = first.isEmpty() ? run.id : first;
        run.trabajo = QStringLiteral("rifa.trv");
        run.impresora = QStringLiteral("Oficina");
        run.inicio = QDateTime::currentDateTime();
        run.estado = state;
        run.hojas = 10;
        QVERIFY2(log.append(run, &reason), qPrintable(reason));
    }
    for (int follower = 0; follower < 2; ++follower) {
        RunLog::Run run;
        run.id = RunLog::newId();
        run.origen = first;
        run.trabajo = QStringLiteral("rifa.trv");
        run.inicio = QDateTime::currentDateTime();
        run.estado = RunLog::kCompleta;
        run.hojaInicial = 3;
        run.hojas = 2;
        run.boletos = follower == 0 ? QStringLiteral("0004,0007") : QString();
        QVERIFY2(log.append(run, &reason), qPrintable(reason));
    }
}

// The Lenguaje menu's entry, as a user switches.
void choose(QWidget &window, const char16_t *entry)
{
    window.findChild<QAction *>(QString::fromUtf16(entry))->trigger();
}

} // namespace

class TestShopEnglish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Translations::use(Espanol); }

    // Every window of the group in English, opened as a user opens them from the main window.
    void theWindowsShowNoSpanish()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        choose(h.w, u"mnuIngles");
        QCOMPARE(Translations::current(), Ingles);
        h.click(QStringLiteral("Check2_1"));
        const QString printer = h.printer.printers().at(h.printer.currentPrinterIndex()).deviceName;
        QString reason;
        PrinterCalibration measured;
        measured.offsetX = 2;
        QVERIFY2(CalibrationSettings::write(h.context.profiles, printer, measured, &reason),
                 qPrintable(reason));

        QStringList found;
        const auto look = [&found](const QString &where, const QStringList &spanish) {
            for (const QString &text : spanish)
                found << where + ": " + text;
        };
        // The pile window with separators on; its plan reaches the page's line.
        auto *pilas = h.w.findChild<QDialog *>("frmPilas");
        QTimer::singleShot(0, pilas, [&] {
            (void)QTest::qWaitForWindowActive(pilas);
            QTest::keyClick(h.check("chkPilas"), Qt::Key_Space);
            h.type("txtPilasDesde", "01");
            h.type("txtPilasHasta", "20");
            h.type("txtPilasProfundidad", "3");
            QTest::keyClick(h.check("chkSeparadores"), Qt::Key_Space);
            look("piles", SpanishTexts::shownIn(pilas));
            QVERIFY(pilas->findChild<QLabel *>("lblPlan")->text().contains("separator"));
            pilas->accept();
        });
        h.w.findChild<QAction *>("mnuPilas")->trigger();

        // The preview of that pile run, with the printer's view on.
        QTimer::singleShot(0, &h.w, [&] {
            auto *preview = h.w.findChild<frmVistaPrevia *>();
            QVERIFY(preview);
            QVERIFY(preview->chkCalibrada->isEnabled());
            preview->chkCalibrada->setChecked(true);
            preview->showSheet(3); // a block starts
            look("preview", SpanishTexts::shownIn(preview));
            preview->close();
        });
        h.w.findChild<QAction *>("mnuVistaPrevia")->trigger();

        // The threshold, on its own words and on the special value.
        QTimer::singleShot(0, &h.w, [&] {
            auto *dialog = h.w.findChild<frmResumen *>();
            QVERIFY(dialog);
            look("threshold", SpanishTexts::shownIn(dialog));
            QSpinBox *box = dialog->txtResumenDesde;
            look("threshold box", spanishIn({box->suffix(), box->specialValueText()}));
            dialog->reject();
        });
        h.w.findChild<QAction *>("impResumen")->trigger();
        look("menu", spanishIn({h.w.findChild<QAction *>("impResumen")->text()}));

        // The log window, its states, follower rows and calendar.
        fillLog(RunLog(h.tmp.paths().runLogFolder));
        const RunLog log(h.tmp.paths().runLogFolder);
        frmRegistro window(log, h.dialogs, nullptr);
        window.show();
        QCOMPARE(window.grdRegistro->model()->rowCount(), 8);
        window.txtFiltroHasta->setText("not a day");
        QTest::mouseClick(window.cmdFechaDesde, Qt::LeftButton);
        QVERIFY(window.cmdFechaDesde->calendar());
        look("log", SpanishTexts::shownIn(&window));
        look("log rows", spanishIn(modelTexts(window.grdRegistro)));
        window.cmdFechaDesde->calendar()->close();
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));
        choose(h.w, u"mnuEspañol");
    }

    // Open windows follow a change of language both ways, texts made from their state included.
    void openWindowsFollowTheLanguage()
    {
        FormHarness h;
        QVERIFY(h.open(0));
        h.type("txtDesde", "001");
        h.type("txtHasta", "020");
        fillLog(RunLog(h.tmp.paths().runLogFolder));
        const RunLog log(h.tmp.paths().runLogFolder);
        frmRegistro window(log, h.dialogs, nullptr);
        frmResumen threshold(h.context.profiles, h.dialogs, nullptr);
        QStringList spanish, english, back;
        const auto texts = [&](frmVistaPrevia &preview) {
            return QStringList{preview.windowTitle(),
                               preview.lblTotal->text(),
                               preview.chkCalibrada->toolTip(),
                               preview.cboZoom->itemText(preview.cboZoom->count() - 1),
                               window.cboFiltroEstado->itemText(0),
                               window.cboFiltroEstado->itemText(window.cboFiltroEstado->count() - 1),
                               window.grdRegistro->model()->index(0, 1).data().toString(),
                               window.cmdFechaDesde->toolTip(),
                               threshold.windowTitle(),
                               threshold.txtResumenDesde->suffix()};
        };
        QTimer::singleShot(0, &h.w, [&] {
            auto *preview = h.w.findChild<frmVistaPrevia *>();
            QVERIFY(preview);
            spanish = texts(*preview);
            choose(h.w, u"mnuIngles");
            english = texts(*preview);
            choose(h.w, u"mnuEspañol");
            back = texts(*preview);
            preview->close();
        });
        h.w.findChild<QAction *>("mnuVistaPrevia")->trigger();
        QCOMPARE(spanish, (QStringList{"Vista previa", "de 20",
                                       spanish.value(2), // names the printer
                                       "Ancho de página", "Todos", "en curso", "sin terminar",
                                       "Elegir el día en un calendario", "Resumen antes de tiradas largas",
                                       " hojas"}));
        QVERIFY(spanish.value(2).contains("no está calibrada"));
        QCOMPARE(back, spanish);
        QCOMPARE(english.size(), spanish.size());
        for (int i = 0; i < english.size(); ++i) {
            QVERIFY2(english[i] != spanish[i] && !SpanishTexts::isSpanish(english[i]),
                     qPrintable(english[i]));
        }
    }
};

QTEST_MAIN(TestShopEnglish)
#include "tst_shopenglish.moc"
