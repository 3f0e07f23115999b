// Replacing damaged tickets: every ticket goes back to the place it had, nothing else is printed.
#include "DistinctNumberRun.h"
#include "PilePlanPage.h"
#include "RecordingSurface.h"
#include "ResourceLibrary.h"
#include "ScriptedDialogs.h"
#include "Texts.h"
#include "TicketReplacement.h"
#include "Translations.h"

#include <QTest>

#include <map>

namespace {

const FontChoice kFont{QStringLiteral("DejaVu Sans"), QStringLiteral("12"), 0};

DistinctNumberJob pileJob(qint64 n, int rows, qint64 depth, int sets = 1)
{
    DistinctNumberJob job;
    job.piles.on = true;
    job.piles.desde = QStringLiteral("001");
    job.piles.hasta = QString::number(n).rightJustified(3, u'0');
    job.piles.profundidad = QString::number(depth);
    job.juegos = QString::number(sets);
    for (int j = 0; j < DistinctNumberJob::kRows; ++j) {
        job.off[j] = j >= rows;
        job.posX[j] = QString::number(1000 * (j + 1));
        job.posY[j] = QString::number(300 + 100 * j);
    }
    return job;
}

std::unique_ptr<JobSheets> sheetsOf(const DistinctNumberJob &job)
{
    ScriptedDialogs dialogs;
    return distinctNumberSheets(job, kFont, dialogs);
}

using Placed = std::map<QString, std::pair<qint64, QPointF>>; // number -> page, position

// What `sheets` print, page by page: each number with its page and position.
Placed printed(const JobSheets &sheets, RecordingSurface &printer)
{
    for (qint64 k = 0; k < sheets.count(); ++k) {
        sheets.draw(k, printer);
        printer.newPage();
    }
    printer.endDoc();
    Placed out;
    const auto &pages = printer.documents().back().pages;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const auto &t : pages[p].texts)
            if (!t.text.isEmpty())
                out.emplace(t.text, std::make_pair(qint64(p), t.positionTwips));
    return out;
}

QStringList texts(const RecordingSurface &printer)
{
    QStringList out;
    for (const auto &page : printer.documents().back().pages) {
        QStringList line;
        for (const auto &t : page.texts)
            if (!t.text.isEmpty())
                line << t.text;
        out << line.join(u' ');
    }
    return out;
}

std::vector<RangeNumber> tickets(const QString &text)
{
    QString why;
    const auto list = TicketReplacement::parse(text, why);
    return list.value_or(std::vector<RangeNumber>{});
}

} // namespace

class TestTicketReplacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The rule: every subset of up to three tickets of pile-mode runs up to 200 tickets, K = 1..4,
    // depth 0 and 7, lands on as few sheets as its busiest place needs, each ticket at its own place
    // on the sheet it came from. Located with the run's own sheets, grouped by the replacement.
    void everySmallSubsetGoesBackToItsPlace()
    {
        for (qint64 depth : {0, 7})
            for (int k = 1; k <= 4; ++k)
                for (qint64 n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 28, 29, 57, 200}) {
                    const auto sheets = sheetsOf(pileJob(n, k, depth));
                    QVERIFY(sheets);
                    std::vector<TicketPlace> at;
                    for (qint64 t = 1; t <= n; ++t) {
                        const auto place = sheets->locate(RangeNumber::read(QString::number(t)));
                        QVERIFY(place);
                        // Where it is located is where the run prints it.
                        QCOMPARE(sheets->numberAt(place->sheet, place->place),
                                 std::optional<QString>(QString::number(t).rightJustified(3, u'0')));
                        at.push_back(*place);
                    }
                    const auto check = [&](const std::vector<TicketPlace> &chosen) {
                        const auto groups = TicketReplacement::group(chosen, k);
                        std::array<int, 4> perPlace{};
                        for (const TicketPlace &p : chosen)
                            ++perPlace[std::size_t(p.place)];
                        if (groups.size() != std::size_t(*std::max_element(perPlace.begin(), perPlace.end())))
                            return false;
                        std::size_t found = 0;
                        for (const auto &g : groups)
                            for (int p = 0; p < k; ++p)
                                if (g[std::size_t(p)] >= 0) {
                                    if (std::find(chosen.begin(), chosen.end(),
                                                  TicketPlace{g[std::size_t(p)], p}) == chosen.end())
                                        return false;
                                    ++found;
                                }
                        return found == chosen.size();
                    };
                    for (std::size_t a = 0; a < at.size(); ++a) {
                        QVERIFY2(check({at[a]}),
                                 qPrintable(QStringLiteral("n=%1 k=%2 {%3}").arg(n).arg(k).arg(a)));
                        for (std::size_t b = a + 1; b < at.size(); ++b) {
                            QVERIFY(check({at[a], at[b]}));
                            for (std::size_t c = b + 1; c < at.size(); ++c)
                                if (!check({at[a], at[b], at[c]}))
                                    QFAIL(qPrintable(QStringLiteral("n=%1 k=%2 depth=%3 {%4,%5,%6}")
                                                         .arg(n)
                                                         .arg(k)
                                                         .arg(depth)
                                                         .arg(a + 1)
                                                         .arg(b + 1)
                                                         .arg(c + 1)));
                        }
                    }
                }
    }

    // On the surface: every pair of tickets of smaller runs comes out exactly at the position the
    // run printed it, and nothing else comes out.
    void replacementsDrawOnlyTheirTicketsWhereTheRunDid()
    {
        for (qint64 depth : {0, 7})
            for (int k = 1; k <= 4; ++k)
                for (qint64 n : {1, 5, 13, 30}) {
                    RecordingSurface whole;
                    const Placed original = printed(*sheetsOf(pileJob(n, k, depth)), whole);
                    QCOMPARE(qint64(original.size()), n);
                    for (qint64 a = 1; a <= n; ++a)
                        for (qint64 b = a; b <= n; ++b) {
                            QString why;
                            const auto chosen = TicketReplacement::sheets(
                                sheetsOf(pileJob(n, k, depth)),
                                tickets(QStringLiteral("%1,%2").arg(a).arg(b)), std::nullopt, why);
                            QVERIFY2(chosen, qPrintable(why));
                            RecordingSurface printer;
                            const Placed again = printed(*chosen, printer);
                            QCOMPARE(qint64(again.size()), a == b ? 1 : 2);
                            for (const auto &[number, where] : again) {
                                QVERIFY(original.count(number));
                                QCOMPARE(where.second, original.at(number).second);
                            }
                            // Two tickets at different places share one sheet.
                            const bool samePlace = original.at(again.begin()->first).second ==
                                                   original.at(again.rbegin()->first).second;
                            QCOMPARE(chosen->count(), a != b && samePlace ? 2 : 1);
                        }
                }
    }

    // Sets, same-number sheets and rows with their own starts keep their places too.
    void setsAndOtherJobs()
    {
        SameNumberJob same;
        same.desde = QStringLiteral("01");
        same.hasta = QStringLiteral("10");
        same.posX = {QStringLiteral("100"), QStringLiteral("5000")};
        same.posY = {QStringLiteral("100"), QStringLiteral("100")};
        same.off = {false, false, true, true, true, true};
        same.juegos = QStringLiteral("3");
        ScriptedDialogs dialogs;
        QString why;
        auto chosen = TicketReplacement::sheets(sameNumberSheets(same, kFont, dialogs), tickets("7,4"),
                                                std::nullopt, why);
        QVERIFY(chosen);
        RecordingSurface printer;
        printed(*chosen, printer);
        // A ticket and its stub, each set whole, in the run's order.
        QCOMPARE(texts(printer), QStringList({"04 04", "04 04", "04 04", "07 07", "07 07", "07 07"}));

        DistinctNumberJob rows;
        rows.desde = {QStringLiteral("100"), QStringLiteral("500"), QStringLiteral("0"), QStringLiteral("0")};
        rows.hasta = {QStringLiteral("109"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
        rows.posX = {QStringLiteral("100"), QStringLiteral("3000")};
        rows.posY = {QStringLiteral("100"), QStringLiteral("100")};
        rows.off = {false, false, true, true};
        chosen = TicketReplacement::sheets(sheetsOf(rows), tickets("503,101,105"), std::nullopt, why);
        QVERIFY(chosen);
        RecordingSurface rowPrinter;
        const Placed again = printed(*chosen, rowPrinter);
        QCOMPARE(texts(rowPrinter), QStringList({"101 503", "105"}));
        QCOMPARE(again.at("503").second, QPointF(3000, 100));

        // Sets in pile mode: the replacement sheet comes out as often as the run's.
        chosen = TicketReplacement::sheets(sheetsOf(pileJob(10, 2, 0, 2)), tickets("2,9"), std::nullopt, why);
        QVERIFY(chosen);
        RecordingSurface setPrinter;
        printed(*chosen, setPrinter);
        QCOMPARE(texts(setPrinter), QStringList({"002 009", "002 009"}));
    }

    // Separator sheets: one before each block, naming the job, the block and its piles; the
    // numbered sheets, the replacement and the pile plan count them.
    void separatorSheetsComeBeforeEachBlock()
    {
        DistinctNumberJob job = pileJob(20, 2, 3, 2);
        job.separadores = true;
        job.nombre = QStringLiteral("rifa.trv");
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        double span = 0;
        QCOMPARE(runDistinctNumber(job, kFont, printer, dialogs, span), RunOutcome::Printed);
        const QStringList pages = texts(printer);
        // Blocks of 3 sheets, each twice: 6 numbered sheets after each separator, 2 in the last.
        QCOMPARE(pages.size(), 20 + 4);
        for (int b = 0; b < 4; ++b) {
            const QString separator = pages[b * 7];
            QVERIFY2(separator.startsWith(QStringLiteral("rifa.trv Bloque %1 de 4 Pila 1: ").arg(b + 1)),
                     qPrintable(separator));
        }
        QCOMPARE(pages[0], QStringLiteral("rifa.trv Bloque 1 de 4 Pila 1: 001 a 003 Pila 2: 004 a 006"));
        QCOMPARE(pages.mid(1, 6),
                 QStringList({"001 004", "001 004", "002 005", "002 005", "003 006", "003 006"}));
        QCOMPARE(pages[21], QStringLiteral("rifa.trv Bloque 4 de 4 Pila 1: 019 a 019 Pila 2: 020 a 020"));
        // The numbers come out in the run's font, after the separator's large type.
        for (const auto &t : printer.documents().back().pages[1].texts)
            if (!t.text.isEmpty())
                QCOMPARE(t.fontSize, 12.0f);

        const auto sheets = distinctNumberSheets(job, kFont, dialogs);
        const auto plan = PilePlanPage::blocks(
            PilePlan(20, 2, 3), [](qint64 o) { return QString::number(o + 1); }, 2, true);
        QCOMPARE(sheets->count(), pages.size());
        for (std::size_t b = 0; b < plan.size(); ++b) {
            QCOMPARE(pages[int(plan[b].firstSheet) - 2].left(8), QStringLiteral("rifa.trv"));
            QCOMPARE(pages[int(plan[b].lastSheet) - 1].isEmpty(), false);
        }
        QCOMPARE(plan.back().lastSheet, pages.size());

        QString why;
        const auto chosen = TicketReplacement::sheets(distinctNumberSheets(job, kFont, dialogs),
                                                      tickets("5,19"), std::nullopt, why);
        QVERIFY(chosen);
        RecordingSurface again;
        printed(*chosen, again);
        QCOMPARE(texts(again), QStringList({"019 005", "019 005"}));
    }

    void ticketLists_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected"); // the tickets, or "!" and part of the reason
        QTest::newRow("numbers and ranges") << "0457,2310,3001-3004"
                                            << "457 2310 3001 3002 3003 3004";
        QTest::newRow("spaces, reversed") << " 5 - 3 , 9 "
                                          << "5 4 3 9";
        QTest::newRow("twice in two ways") << "7,0007,6-8"
                                           << "7 6 8";
        QTest::newRow("empty") << "  "
                               << "!Escriba";
        QTest::newRow("word") << "12,abc"
                              << "!«abc»";
        QTest::newRow("open range") << "1-"
                                    << "!«1-»";
        QTest::newRow("empty item") << "1,,2"
                                    << "!«»";
        QTest::newRow("too many") << "1-10001"
                                  << "!10000";
    }
    void ticketLists()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QString why;
        const auto list = TicketReplacement::parse(typed, why);
        if (expected.startsWith(u'!')) {
            QVERIFY(!list);
            QVERIFY2(why.contains(expected.mid(1)), qPrintable(why));
            return;
        }
        QVERIFY2(list, qPrintable(why));
        QStringList got;
        for (const RangeNumber &n : *list)
            got << n.text();
        QCOMPARE(got.join(u' '), expected);
    }

    // A ticket the job never prints, or one the logged run did not print, is refused by name.
    void ticketsOutsideTheRunAreRefused()
    {
        QString why;
        QVERIFY(!TicketReplacement::sheets(sheetsOf(pileJob(20, 2, 0)), tickets("5,21"), std::nullopt, why));
        QVERIFY2(why.contains(QStringLiteral("21")), qPrintable(why));
        // Sheets 0..4 printed: ticket 5 is on sheet 4, ticket 6 on sheet 5 (two piles of 10).
        QVERIFY(TicketReplacement::sheets(sheetsOf(pileJob(20, 2, 0)), tickets("5,15"),
                                          std::pair<qint64, qint64>(0, 4), why));
        QVERIFY(!TicketReplacement::sheets(sheetsOf(pileJob(20, 2, 0)), tickets("6"),
                                           std::pair<qint64, qint64>(0, 4), why));
        QVERIFY2(why.contains(QStringLiteral("hoja 6")), qPrintable(why));

        // In English the ticket and its sheet are filled in as well.
        ResourceLibrary library;
        Texts::setSource([&library](int32_t id) -> std::optional<QString> {
            return library.CargarCadena(id, Translations::Language::Ingles);
        });
        const bool refused = !TicketReplacement::sheets(sheetsOf(pileJob(20, 2, 0)), tickets("6"),
                                                        std::pair<qint64, qint64>(0, 4), why);
        Texts::setSource({});
        QVERIFY(refused);
        QCOMPARE(why, QStringLiteral("Ticket 6 was not printed by this run (it goes on sheet 6)."));
    }
};

QTEST_MAIN(TestTicketReplacement)
#include "tst_ticketreplacement.moc"
