// The print shop's tools around a run: replacing damaged tickets (window and command line), the
// summary before a long run and the printable pile plan, read back from what was printed.
#include "DesignPdfs.h"
#include "FormHarness.h"
#include "PdfText.h"
#include "RunLog.h"
#include "TestPaths.h"
#include "frmPaginaPlantilla.h"
#include "frmRegistro.h"
#include "frmReponer.h"
#include "frmVistaPrevia.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <map>

namespace {

using Sheets = QList<QStringList>;

Sheets printed(const RecordingSurface &printer, std::size_t document)
{
    Sheets sheets;
    for (const auto &page : printer.documents().at(document).pages) {
        QStringList texts;
        for (const auto &text : page.texts)
            if (!text.text.isEmpty())
                texts << text.text;
        sheets << texts;
    }
    return sheets;
}

// Where each number of a document was drawn.
std::map<QString, QPointF> positions(const RecordingSurface &printer, std::size_t document)
{
    std::map<QString, QPointF> out;
    for (const auto &page : printer.documents().at(document).pages)
        for (const auto &text : page.texts)
            if (!text.text.isEmpty())
                out.emplace(text.text, text.positionTwips);
    return out;
}

// Two rows in piles of `from`..`to`, at most `depth` sheets a block, through the Herramientas dialog.
template <typename H> void pileJob(H &h, const QString &from, const QString &to, const QString &depth)
{
    QVERIFY(h.open(1));
    h.click(QStringLiteral("Check2_1"));
    for (int j = 0; j < 2; ++j) {
        h.type(QStringLiteral("posX_%1").arg(j), QString::number(1440 * (j + 1)));
        h.type(QStringLiteral("posY_%1").arg(j), QString::number(720 * (j + 1)));
    }
    auto *pilas = h.w.template findChild<QDialog *>("frmPilas");
    QTimer::singleShot(0, pilas, [&h, pilas, from, to, depth] {
        (void)QTest::qWaitForWindowActive(pilas);
        h.enter(h.check("chkPilas"));
        QTest::keyClick(h.check("chkPilas"), Qt::Key_Space);
        h.type("txtPilasDesde", from);
        h.type("txtPilasHasta", to);
        h.type("txtPilasProfundidad", depth);
        pilas->accept();
    });
    h.w.template findChild<QAction *>("mnuPilas")->trigger();
}

struct Result
{
    int status;
    QString err;
};

} // namespace

class TestShopTools : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    Result run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        env.remove("XDG_DATA_HOME");
        env.remove("XDG_CONFIG_HOME");
        env.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINO_EXE), arguments);
        if (!process.waitForFinished(60000))
            return {-1, "did not finish"};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private Q_SLOTS:
    // `--tickets`: the replacement pages hold exactly the tickets asked for, each where the whole
    // run put it; the log names them. A long run tells its summary on standard error and goes on;
    // its counts are those of the PDF.
    void commandLineReplacesTicketsAndSummarisesLongRuns()
    {
        QFile job(m_tmp.path("pilas.trv"));
        QVERIFY(job.open(QIODevice::WriteOnly));
        job.write("[Ultima Impresi\xf3n Solapa:1]\r\n"
                  "PosX_0=1440\r\nPosY_0=2000\r\nCheck2_0=0\r\n"
                  "PosX_1=7200\r\nPosY_1=8000\r\nCheck2_1=0\r\n"
                  "Check2_2=1\r\nCheck2_3=1\r\nsstab= 1\r\n"
                  "Pilas=1\r\nPilasDesde=1\r\nPilasHasta=0030\r\nPilasProfundidad=7\r\n"
                  "[Fuentes]\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n[Solapa]\r\nSStab=1\r\n");
        job.close();
        QVERIFY(QDir().mkpath(m_tmp.path("home/.config/Tessarino")));
        QFile settings(m_tmp.path("home/.config/Tessarino/Vireo.sys"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Impresora]\r\nResumenDesde=10\r\n");
        settings.close();

        Result r = run({"--print", job.fileName(), "--output", m_tmp.path("todo.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const PdfText whole = PdfText::read(m_tmp.path("todo.pdf"));
        QVERIFY2(whole.error.isEmpty(), qPrintable(whole.error));
        qsizetype words = 0;
        std::map<QString, std::pair<double, double>> where;
        for (const PdfText::Page &page : whole.pages)
            for (const PdfText::Word &w : page.words) {
                ++words;
                where[w.text] = {w.xMin, w.yMin};
            }
        for (const QString &line :
             {QStringLiteral("Hojas: %1").arg(whole.pages.size()), QStringLiteral("Boletos: %1").arg(words),
              QStringLiteral("Bloques: 3"), QStringLiteral("Del 0001 al 0030")})
            QVERIFY2(r.err.contains(line), qPrintable(line + " in:\n" + r.err));

        r = run({"--print", job.fileName(), "--tickets", "0004, 0013,27-28", "--output",
                 m_tmp.path("repuestos.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(!r.err.contains("Hojas:"), qPrintable(r.err)); // a short run asks nothing
        const PdfText again = PdfText::read(m_tmp.path("repuestos.pdf"));
        // 4 (row 1) and 13 (row 2) share a sheet; 13, 27 and 28 are all on row 2.
        QCOMPARE(again.pages.size(), 3);
        QCOMPARE(again.pages[0].texts(), QStringList({"0004", "0013"}));
        QCOMPARE(again.pages[1].texts(), QStringList{"0027"});
        QCOMPARE(again.pages[2].texts(), QStringList{"0028"});
        for (const PdfText::Page &page : again.pages)
            for (const PdfText::Word &w : page.words) {
                QVERIFY2(qAbs(w.xMin - where.at(w.text).first) < 0.5 &&
                             qAbs(w.yMin - where.at(w.text).second) < 0.5,
                         qPrintable(w.text));
            }
        const auto runs = RunLog(m_tmp.path("home/.local/share/Tessarino")).read().runs;
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(runs[1].boletos, QStringLiteral("0004,0013,27-28"));
        QCOMPARE(runs[1].hojas, 3);
        QVERIFY(runs[0].boletos.isEmpty());

        r = run({"--print", job.fileName(), "--tickets", "31", "--output", m_tmp.path("no.pdf")});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("31"), qPrintable(r.err));
        QVERIFY(!QFile::exists(m_tmp.path("no.pdf")));
    }

    // A job file that asks for separator sheets prints one before each block, named after the
    // file; the same file without the key prints only the numbered sheets.
    void jobFileSeparators()
    {
        const QByteArray piles = "[Ultima Impresi\xf3n Solapa:1]\r\n"
                                 "PosX_0=1440\r\nPosY_0=2000\r\nCheck2_0=0\r\nCheck2_1=1\r\n"
                                 "Check2_2=1\r\nCheck2_3=1\r\nsstab= 1\r\n"
                                 "Pilas=1\r\nPilasDesde=1\r\nPilasHasta=5\r\nPilasProfundidad=2\r\n";
        for (const bool separators : {false, true}) {
            QFile job(m_tmp.path(separators ? "con.trv" : "sin.trv"));
            QVERIFY(job.open(QIODevice::WriteOnly));
            job.write(piles + (separators ? "Separadores=1\r\n" : "") +
                      "[Fuentes]\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n[Solapa]\r\nSStab=1\r\n");
            job.close();
            const QString out = m_tmp.path(separators ? "con.pdf" : "sin.pdf");
            const Result r = run({"--print", job.fileName(), "--output", out});
            QVERIFY2(r.status == 0, qPrintable(r.err));
            QStringList pages;
            for (const PdfText::Page &page : PdfText::read(out).pages)
                pages << page.texts().join(u' ');
            if (!separators) {
                QCOMPARE(pages, QStringList({"1", "2", "3", "4", "5"}));
                continue;
            }
            QCOMPARE(pages.size(), 5 + 3);
            QCOMPARE(pages[0], QStringLiteral("con.trv Bloque 1 de 3 Pila 1: 1 a 2"));
            QCOMPARE(pages.mid(1, 3), QStringList({"1", "2", "con.trv Bloque 2 de 3 Pila 1: 3 a 4"}));
            QCOMPARE(pages[6], QStringLiteral("con.trv Bloque 3 de 3 Pila 1: 5 a 5"));
        }
    }

    // The template page chooser shows the page chosen: page 1 carries a filled black frame, page 2
    // only a line of text.
    void templatePageChooserShowsThePage()
    {
        const QString design = DesignPdfs::write(m_tmp.path("diseno.pdf"));
        frmPaginaPlantilla ask("diseno.pdf", 2, 1, nullptr, design);
        const auto ink = [&ask] {
            const QImage picture =
                ask.imgPagina->pixmap().toImage().convertToFormat(QImage::Format_Grayscale8);
            qint64 dark = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
            return picture.isNull() ? qint64(-1) : dark;
        };
        const qint64 first = ink();
        ask.txtPagina->setValue(2);
        const qint64 second = ink();
        QVERIFY2(first > 0 && second >= 0 && first > 2 * second,
                 qPrintable(QStringLiteral("%1 %2").arg(first).arg(second)));
        // Without the file's path the chooser shows the number alone, as before.
        frmPaginaPlantilla plain("diseno.pdf", 2, 1, nullptr);
        QVERIFY(plain.imgPagina->isHidden());
    }

    // The preview of a pile run: the keys of a document viewer, the block each sheet belongs to
    // with its first sheet marked, the page fitted to the window, and Print.
    void previewKeysBlocksAndPrint()
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
        QVERIFY(preview.lblBloque->text().contains("1 de 4"));
        const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            preview.imgHoja->setFocus();
            QTest::keyClick(&preview, k, m);
        };
        key(Qt::Key_PageDown);
        QCOMPARE(preview.sheet(), 1);
        QVERIFY2(preview.lblBloque->text().startsWith("Bloque 1 de 4"),
                 qPrintable(preview.lblBloque->text()));
        key(Qt::Key_PageDown);
        key(Qt::Key_PageDown);
        QCOMPARE(preview.sheet(), 3);
        QVERIFY2(preview.lblBloque->text().contains("Empieza el bloque 2 de 4"),
                 qPrintable(preview.lblBloque->text()));
        key(Qt::Key_End);
        QCOMPARE(preview.sheet(), 9);
        key(Qt::Key_Home);
        QCOMPARE(preview.sheet(), 0);
        key(Qt::Key_PageUp);
        QCOMPARE(preview.sheet(), 0);
        key(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(preview.zoomPercent(), 125);
        key(Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(preview.zoomPercent(), 100);
        preview.setZoom(frmVistaPrevia::kFitPage);
        const QSize shown = preview.imgHoja->size();
        const QSize room = preview.findChild<QScrollArea *>()->viewport()->size();
        QVERIFY2(shown.width() <= room.width() && shown.height() <= room.height() &&
                     (shown.width() > room.width() * 0.8 || shown.height() > room.height() * 0.8),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(room.width())
                                .arg(room.height())));
        preview.setZoom(frmVistaPrevia::kFitWidth);
        QVERIFY(qAbs(preview.imgHoja->width() - room.width()) < room.width() * 0.1);

        QVERIFY(preview.cmdImprimirVista->isHidden());
        bool printed = false;
        preview.setPrint([&printed] { printed = true; });
        QVERIFY(preview.cmdImprimirVista->isVisible());
        QTest::mouseClick(preview.cmdImprimirVista, Qt::LeftButton);
        QVERIFY(printed);
        QVERIFY(!preview.isVisible());
    }

    // The window asks before a long run: the answer's default goes on, Cancel prints nothing and
    // logs nothing. The question's counts are the run's.
    void windowAsksBeforeALongRun()
    {
        FormHarness h;
        QVERIFY(h.open(0));
        h.type("txtDesde", "001");
        h.type("txtHasta", "501");
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");
        h.type("txtJuegos", "2");
        h.dialogs.answers.enqueue(Dialogs::Cancel);
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QVERIFY2(h.dialogs.messages.size() == 1, qPrintable(h.dialogs.texts().join("\n---\n")));
        const QString question = h.dialogs.messages[0].text;
        for (const char *line : {"Hojas: 1002", "Boletos: 501", "Del 001 al 501", "Papel: "})
            QVERIFY2(question.contains(line), qPrintable(question));
        QCOMPARE(h.dialogs.messages[0].buttons, Dialogs::Buttons::OkCancel);
        QVERIFY(h.printer.documents().empty());
        QVERIFY(RunLog(h.tmp.paths().runLogFolder).read().runs.empty());

        h.dialogs.clear();
        h.dialogs.answers.enqueue(Dialogs::Ok);
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(qint64(h.printer.documents().at(0).pages.size()), 1002);

        // 250 sheets: below the threshold, no question.
        h.dialogs.clear();
        h.type("txtJuegos", "1");
        h.type("txtHasta", "250");
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QCOMPARE(h.dialogs.texts(), QStringList{});
    }

    // "Reponer boletos" of a logged pile run: the tickets go back to their places, several on a
    // sheet, and the log shows the replacement under its run.
    void windowReplacesTicketsOfALoggedRun()
    {
        FormHarness h;
        pileJob(h, "01", "20", "3");
        h.click(h.w.findChild<QPushButton *>("Command6"));
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join("\n---\n")));
        const auto original = positions(h.printer, 0);
        QCOMPARE(original.size(), std::size_t(20));

        QTimer::singleShot(0, &h.w, [&h] {
            auto *dialog = static_cast<frmReponer *>(h.w.findChild<QDialog *>("frmReponer"));
            QVERIFY(dialog);
            (void)QTest::qWaitForWindowActive(dialog);
            QCOMPARE(dialog->cboImpresion->count(), 2); // the open job, then the run
            dialog->cboImpresion->setCurrentIndex(1);
            h.type(dialog->txtBoletos, "2,4,5,19");
            QTest::mouseClick(dialog->findChild<QPushButton *>("cmdReponer"), Qt::LeftButton);
        });
        h.w.findChild<QAction *>("mnuReponer")->trigger();
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));
        QCOMPARE(h.printer.documents().size(), std::size_t(2));
        // Row 1: 2 (sheet 2) and 19 (sheet 10); row 2: 4 (sheet 1) and 5 (sheet 2).
        QCOMPARE(printed(h.printer, 1), (Sheets{{"02", "04"}, {"19", "05"}}));
        for (const auto &[number, at] : positions(h.printer, 1))
            QCOMPARE(at, original.at(number));

        const auto runs = RunLog(h.tmp.paths().runLogFolder).read().runs;
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(runs[1].boletos, QStringLiteral("2,4,5,19"));
        QCOMPARE(runs[1].origen, runs[0].id);
        QCOMPARE(runs[1].estado, RunLog::kCompleta);

        // The log window shows the replacement under its run, and its filters apply to both.
        const RunLog log(h.tmp.paths().runLogFolder);
        frmRegistro window(log, h.dialogs, nullptr);
        QAbstractItemModel *model = window.grdRegistro->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(1, 3).data().toString().trimmed(), QStringLiteral("↳ boletos 2,4,5,19"));
        window.cboFiltroEstado->setCurrentIndex(window.cboFiltroEstado->findData(RunLog::kFallida));
        QCOMPARE(model->rowCount(), 0);
        window.cboFiltroEstado->setCurrentIndex(0);
        window.txtFiltroDesde->setText(QDate::currentDate().addDays(1).toString(Qt::ISODate));
        QCOMPARE(model->rowCount(), 0);
        window.txtFiltroDesde->setText(QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(model->rowCount(), 2);
    }

    // The plan saved as PDF names every block's sheets and every pile's ends, which are the
    // numbers the run prints there.
    void pilePlanMatchesTheRun()
    {
        FormHarness h;
        pileJob(h, "01", "20", "3");
        h.type("txtJuegos2", "2");
        h.dialogs.answers.enqueue(1); // "Guardar como PDF"
        h.dialogs.fileNames.enqueue(h.tmp.path("plan.pdf"));
        h.w.findChild<QAction *>("mnuPlanPilas")->trigger();
        QCOMPARE(h.dialogs.choices.size(), 1);
        const PdfText plan = PdfText::read(h.tmp.path("plan.pdf"));
        QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
        QCOMPARE(plan.pages.size(), 1);
        const QString text = plan.pages[0].texts().join(u' ');

        h.click(h.w.findChild<QPushButton *>("Command6"));
        const Sheets sheets = printed(h.printer, 0);
        QCOMPARE(sheets.size(), 2 * 10);
        // Blocks of 3 sheets (6 with the sets); a pile's ends are its row on the block's first and
        // last sheet.
        for (int b = 0; b * 3 < 10; ++b) {
            const int first = b * 6, last = qMin(b * 6 + 5, sheets.size() - 1);
            QVERIFY2(text.contains(
                         QStringLiteral("Bloque %1: hojas %2 a %3").arg(b + 1).arg(first + 1).arg(last + 1)),
                     qPrintable(text));
            for (int r = 0; r < sheets[first].size(); ++r) {
                QVERIFY2(
                    text.contains(
                        QStringLiteral("Pila %1: %2 a %3").arg(r + 1).arg(sheets[first][r], sheets[last][r])),
                    qPrintable(QStringLiteral("block %1 pile %2 in %3").arg(b + 1).arg(r + 1).arg(text)));
            }
        }
    }
};

QTEST_MAIN(TestShopTools)
#include "tst_shoptools.moc"
