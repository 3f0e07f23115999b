// Cut-and-stack piles: the plan checked by printing and cutting every run, and the run itself.
#include "DistinctNumberRun.h"
#include "PilePlan.h"
#include "RecordingSurface.h"
#include "RunMessages.h"
#include "ScriptedDialogs.h"

#include <QTest>

namespace {

const FontChoice kFont{QStringLiteral("DejaVu Sans"), QStringLiteral("12"), 0};

// Prints the plan sheet by sheet, cuts the stack into blocks of `depth` sheets and each block
// into one pile per row, and checks what a print shop would find; empty when all is well.
QString cutAndCheck(qint64 n, int k, qint64 depth)
{
    const PilePlan plan(n, k, depth);
    const qint64 sheets = plan.sheets();
    if (sheets != (n + k - 1) / k)
        return QStringLiteral("%1 sheets").arg(sheets);
    const qint64 cut = depth == 0 ? sheets : depth;
    qint64 expected = 0; // piles in row order, then blocks in order, read a..b
    for (qint64 blockStart = 0; blockStart < sheets; blockStart += cut) {
        const bool lastBlock = blockStart + cut >= sheets;
        for (int row = 0; row < k; ++row) {
            bool blankSeen = false;
            for (qint64 s = blockStart; s < qMin(blockStart + cut, sheets); ++s) {
                const auto offset = plan.offsetAt(s, row);
                if (!offset) {
                    if (!lastBlock)
                        return QStringLiteral("blank in block at sheet %1").arg(s);
                    blankSeen = true;
                    continue;
                }
                if (blankSeen || *offset != expected)
                    return QStringLiteral("sheet %1 row %2 carries %3, expected %4")
                        .arg(s)
                        .arg(row)
                        .arg(*offset)
                        .arg(expected);
                ++expected;
            }
        }
    }
    if (expected != n)
        return QStringLiteral("%1 numbers printed").arg(expected);
    if (plan.blanks() != sheets * k - n)
        return QStringLiteral("%1 blanks reported").arg(plan.blanks());
    return QString();
}

DistinctNumberJob pileJob(const QString &desde, const QString &hasta, const QString &depth, int rows)
{
    DistinctNumberJob job;
    job.piles = {true, desde, hasta, depth};
    for (int j = 0; j < DistinctNumberJob::kRows; ++j) {
        job.off[j] = j >= rows;
        job.posX[j] = QString::number(1000 * (j + 1));
        job.posY[j] = QStringLiteral("500");
        // The rows' own numbers must not matter.
        job.desde[j] = QStringLiteral("77");
        job.hasta[j] = QStringLiteral("7");
    }
    return job;
}

QList<QStringList> sheetsOf(const RecordingSurface &printer)
{
    QList<QStringList> sheets;
    for (const auto &page : printer.documents().at(0).pages) {
        QStringList texts;
        for (const auto &t : page.texts)
            if (!t.text.isEmpty())
                texts << t.text;
        sheets << texts;
    }
    return sheets;
}

} // namespace

class TestPiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRunCutsIntoOrderedPiles()
    {
        for (qint64 depth : {0, 1, 7, 500})
            for (int k = 1; k <= 4; ++k)
                for (qint64 n = 1; n <= 3000; ++n)
                    if (const QString fault = cutAndCheck(n, k, depth); !fault.isEmpty())
                        QFAIL(qPrintable(
                            QStringLiteral("N=%1 K=%2 depth=%3: %4").arg(n).arg(k).arg(depth).arg(fault)));
    }

    void planInWords()
    {
        const auto four = [](qint64 o) { return QStringLiteral("%1").arg(o + 1, 4, 10, QChar(u'0')); };
        QCOMPARE(describePiles(PilePlan(6000, 4, 500), four),
                 QStringLiteral("3 bloques de 500 hojas; pila 1: 0001–0500, pila 2: 0501–1000, pila 3: "
                                "1001–1500, pila 4: 1501–2000 …"));
        QCOMPARE(describePiles(PilePlan(10, 3, 0), four),
                 QStringLiteral("1 bloque de 4 hojas; pila 1: 0001–0004, pila 2: 0005–0008, pila 3: "
                                "0009–0010; 2 lugares en blanco al final"));
    }

    // 1..10 on three rows, at most 2 sheets per block, padded to the width of "10".
    void runPrintsThePlanWithBlanks()
    {
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        double span = 0;
        QCOMPARE(runDistinctNumber(pileJob("1", "10", "2", 3), kFont, printer, dialogs, span),
                 RunOutcome::Printed);
        QVERIFY(dialogs.messages.isEmpty());
        const QList<QStringList> expected{{"01", "03", "05"}, {"02", "04", "06"}, {"07", "09"}, {"08", "10"}};
        QCOMPARE(sheetsOf(printer), expected);
        // Each number at its own row's position.
        QCOMPARE(printer.documents().at(0).pages.at(2).texts.back().positionTwips, QPointF(2000, 500));
    }

    void descendingRunAndBadDepth()
    {
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        double span = 0;
        QCOMPARE(runDistinctNumber(pileJob("0004", "0001", "", 2), kFont, printer, dialogs, span),
                 RunOutcome::Printed);
        const QList<QStringList> expected{{"0004", "0002"}, {"0003", "0001"}};
        QCOMPARE(sheetsOf(printer), expected);

        for (const char *depth : {"-1", "2.5", "x"}) {
            ScriptedDialogs refused;
            RecordingSurface untouched;
            QCOMPARE(runDistinctNumber(pileJob("1", "10", depth, 2), kFont, untouched, refused, span),
                     RunOutcome::Failed);
            QVERIFY(refused.messages.value(0).text.contains(QStringLiteral("profundidad")));
            QVERIFY(untouched.documents().empty());
        }
    }
};

QTEST_MAIN(TestPiles)
#include "tst_piles.moc"
