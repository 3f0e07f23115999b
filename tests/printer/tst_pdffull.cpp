// The built-in PDF printer on a full disk. A file-size limit on this process stands in for the
// disk: writes past it fail (EFBIG) exactly where writes to a full disk fail (ENOSPC).
#include "FileSizeLimit.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "SameNumberRun.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QDir>
#include <QTest>

namespace {

// Six positions a sheet, numbered from 00000.
SameNumberJob job(int sheets)
{
    SameNumberJob j;
    j.desde = QStringLiteral("00000");
    j.hasta = QString::number(sheets - 1).rightJustified(5, u'0');
    for (int i = 0; i < SameNumberJob::kPositions; ++i) {
        j.off[i] = false;
        j.posX[i] = QString::number(500 + (i % 3) * 3500);
        j.posY[i] = QString::number(1000 + (i / 3) * 6000);
    }
    return j;
}

const FontChoice kFont{QStringLiteral("DejaVu Sans"), QStringLiteral("14"), 0};

} // namespace

class TestPdfFull : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    QStringList pdfFiles() const
    {
        return QDir(m_tmp.paths().pdfOutputFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

private Q_SLOTS:
    // A small run fails when the document is ended, a large one at the first sheet that cannot
    // be written; either way no file is left and the next run starts a document of its own.
    void aFailedFileIsReportedRemovedAndNotContinued_data()
    {
        QTest::addColumn<int>("sheets");
        QTest::addColumn<int>("limit");
        QTest::newRow("small run") << 2 << 4096;
        QTest::newRow("large run") << 5000 << 64 * 1024;
    }
    void aFailedFileIsReportedRemovedAndNotContinued()
    {
        QFETCH(int, sheets);
        QFETCH(int, limit);
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        QStringList finished;
        printer.setDocumentFinishedHandler([&finished](const QString &pdf) { finished << pdf; });
        ScriptedDialogs dialogs;
        {
            FileSizeLimit full(limit);
            QVERIFY(full.active());
            QCOMPARE(runSameNumber(job(sheets), kFont, printer, dialogs), RunOutcome::Failed);
        }
        QCOMPARE(dialogs.messages.size(), 1);
        const QString message = dialogs.messages[0].text;
        const QString file = QDir(m_tmp.paths().pdfOutputFolder).filePath(QStringLiteral("Tessarino "));
        QVERIFY2(message.startsWith("No se pudo guardar el archivo PDF \"" + file), qPrintable(message));
        QVERIFY2(message.contains("el archivo supera el tamaño máximo permitido"), qPrintable(message));
        QVERIFY2(message.endsWith("El archivo incompleto se ha borrado."), qPrintable(message));
        QCOMPARE(pdfFiles(), QStringList{});
        QCOMPARE(finished, QStringList{});
        QVERIFY(!printer.documentOpen());

        // With room again the next run prints a complete document of its own.
        dialogs.clear();
        QCOMPARE(runSameNumber(job(2), kFont, printer, dialogs), RunOutcome::Printed);
        QCOMPARE(dialogs.texts(), QStringList{});
        QCOMPARE(finished.size(), 1);
        QCOMPARE(pdfFiles().size(), 1);
        const PdfText pdf = PdfText::read(finished[0]);
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 2);
        QCOMPARE(pdf.pages[1].texts(), QStringList(6, QStringLiteral("00001")));
        QFile::remove(finished[0]);
    }
};

QTEST_MAIN(TestPdfFull)
#include "tst_pdffull.moc"
