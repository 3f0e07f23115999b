// The same-number run against the recording printer.
#include "JobSheets.h"
#include "RecordingSurface.h"
#include "RunMessages.h"
#include "RuntimeError.h"
#include "SameNumberRun.h"
#include "ScriptedDialogs.h"
#include "SheetLoop.h"

#include <QTest>

namespace {

SameNumberJob job(const QString &desde, const QString &hasta, std::initializer_list<int> enabled = {0})
{
    SameNumberJob j;
    j.desde = desde;
    j.hasta = hasta;
    j.off.fill(true);
    for (int i : enabled) {
        j.off[i] = false;
        j.posX[i] = QString::number(1000 * (i + 1));
        j.posY[i] = QString::number(500 * (i + 1));
    }
    return j;
}

const FontChoice kFont{QStringLiteral("DejaVu Sans"), QStringLiteral("12"), 0};

QStringList numbersOn(const RecordingSurface::Page &page)
{
    QStringList list;
    for (const auto &t : page.texts)
        list << t.text;
    return list;
}

QStringList firstNumbers(const RecordingSurface &printer)
{
    QStringList list;
    for (const auto &page : printer.documents().at(0).pages)
        list << (page.texts.empty() ? QString() : page.texts.front().text);
    return list;
}

} // namespace

class TestSameNumberRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsOneSheetPerNumberInBothDirections_data()
    {
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("hasta");
        QTest::addColumn<QStringList>("sheets");
        QTest::newRow("ascending") << "0000"
                                   << "0002" << QStringList{"0000", "0001", "0002"};
        QTest::newRow("descending") << "0010"
                                    << "0005" << QStringList{"0010", "0009", "0008", "0007", "0006", "0005"};
        QTest::newRow("single") << "0042"
                                << "0042" << QStringList{"0042"};
        QTest::newRow("no padding") << "7"
                                    << "9" << QStringList{"7", "8", "9"};
        QTest::newRow("blanks around") << " 8"
                                       << "10" << QStringList{"08", "09", "10"};
        // Pasting can bring in a sign: the zeros go after it.
        QTest::newRow("negative") << "-005"
                                  << "-003" << QStringList{"-005", "-004", "-003"};
        QTest::newRow("hexadecimal") << "&HFFFF"
                                     << "000001" << QStringList{"-00001", "000000", "000001"};
        QTest::newRow("up to 2^53") << "9007199254740990"
                                    << "9007199254740992"
                                    << QStringList{"9007199254740990", "9007199254740991",
                                                   "9007199254740992"};
    }
    void printsOneSheetPerNumberInBothDirections()
    {
        QFETCH(QString, desde);
        QFETCH(QString, hasta);
        QFETCH(QStringList, sheets);
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QCOMPARE(runSameNumber(job(desde, hasta), kFont, printer, dialogs), RunOutcome::Printed);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(printer.documents().size(), 1u);
        QVERIFY(printer.documents()[0].ended);
        QCOMPARE(firstNumbers(printer), sheets);
    }

    void everyEnabledPositionInOrderWithTheFont()
    {
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        SameNumberJob j = job(QStringLiteral("0000"), QStringLiteral("0002"), {3, 0});
        j.posX[3] = QStringLiteral("12,5"); // lenient: 12
        j.posY[3] = QStringLiteral("1 5");  // lenient: 15
        const FontChoice font{QStringLiteral("DejaVu Serif"), QStringLiteral("20"), 255};
        QCOMPARE(runSameNumber(j, font, printer, dialogs), RunOutcome::Printed);
        const auto &pages = printer.documents()[0].pages;
        QCOMPARE(pages.size(), 3u);
        for (std::size_t s = 0; s < pages.size(); ++s) {
            const QString n = QStringLiteral("000%1").arg(s);
            QCOMPARE(numbersOn(pages[s]), (QStringList{n, n}));
            QCOMPARE(pages[s].texts[0].positionTwips, QPointF(1000, 500));
            QCOMPARE(pages[s].texts[1].positionTwips, QPointF(12, 15));
            QCOMPARE(pages[s].texts[1].fontName, QStringLiteral("DejaVu Serif"));
            QCOMPARE(pages[s].texts[1].fontSize, 20.f);
            QCOMPARE(pages[s].texts[1].color, 255);
        }
    }

    void refusalsBeforeAnythingIsPrinted()
    {
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QCOMPARE(
            runSameNumber(job(QStringLiteral("0000"), QStringLiteral("0001"), {}), kFont, printer, dialogs),
            RunOutcome::NothingEnabled);
        QCOMPARE(runSameNumber(job(QStringLiteral("5"), QStringLiteral("0005")), kFont, printer, dialogs),
                 RunOutcome::DigitsMismatch);
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.messages[0].text, RunMessages::allOff());
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(dialogs.messages[1].text, RunMessages::digits());
        QCOMPARE(dialogs.messages[1].icon, Dialogs::Icon::Information);
        for (const auto &m : dialogs.messages) {
            QCOMPARE(m.title, QStringLiteral("Tessarino"));
            QCOMPARE(m.buttons, Dialogs::Buttons::Ok);
        }
        QVERIFY(printer.documents().empty());
        QVERIFY(recordsLastPrint(RunOutcome::DigitsMismatch));
        QVERIFY(!recordsLastPrint(RunOutcome::NothingEnabled));
    }

    void badValuesStopWithTheirMessageAndBeginNoDocument_data()
    {
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("hasta");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const int critical = int(Dialogs::Icon::Critical);
        const int none = int(Dialogs::Icon::None);
        QTest::newRow("size 0") << "0000"
                                << "0001"
                                << "0" << RunMessages::badFontSize() << critical;
        QTest::newRow("size 100") << "0000"
                                  << "0001"
                                  << "100" << RunMessages::badFontSize() << critical;
        QTest::newRow("size -3") << "0000"
                                 << "0001"
                                 << "-3" << RunMessages::badFontSize() << critical;
        QTest::newRow("size empty") << "0000"
                                    << "0001"
                                    << "" << RunMessages::notNumeric() << critical;
        QTest::newRow("size overflow") << "0000"
                                       << "0001"
                                       << "99999"
                                       << "Desbordamiento" << none;
        QTest::newRow("ends empty") << ""
                                    << ""
                                    << "12" << RunMessages::notNumeric() << critical;
        QTest::newRow("pasted letters") << "12a4"
                                        << "0020"
                                        << "12" << RunMessages::notNumeric() << critical;
    }
    // A refused run begins no document, so it leaves no empty file or blank job behind; the next
    // good run prints a document of its own.
    void badValuesStopWithTheirMessageAndBeginNoDocument()
    {
        QFETCH(QString, desde);
        QFETCH(QString, hasta);
        QFETCH(QString, size);
        QFETCH(QString, message);
        QFETCH(int, icon);
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        const FontChoice font{QStringLiteral("DejaVu Sans"), size, 0};
        QCOMPARE(runSameNumber(job(desde, hasta), font, printer, dialogs), RunOutcome::Failed);
        QCOMPARE(dialogs.texts(), QStringList{message});
        QCOMPARE(int(dialogs.messages[0].icon), icon);
        QVERIFY(printer.documents().empty());
        QVERIFY(!printer.documentOpen());

        dialogs.clear();
        QCOMPARE(runSameNumber(job(QStringLiteral("0000"), QStringLiteral("0001")), kFont, printer, dialogs),
                 RunOutcome::Printed);
        QCOMPARE(printer.documents().size(), 1u);
        QCOMPARE(firstNumbers(printer), (QStringList{"0000", "0001"}));
    }

    // A failure before the run's first sheet is finished drops the document the run began; a
    // document an earlier drawing began is kept, as the printer contract says.
    void aRunFailingOnItsFirstSheetDropsTheDocumentItBegan_data()
    {
        QTest::addColumn<bool>("continuing");
        QTest::newRow("document begun by the run") << false;
        QTest::newRow("document begun before") << true;
    }
    void aRunFailingOnItsFirstSheetDropsTheDocumentItBegan()
    {
        QFETCH(bool, continuing);
        class FailingSheets final : public JobSheets
        {
        public:
            qint64 count() const override { return 3; }
            QString number(qint64 sheet) const override { return QString::number(sheet); }
            void applyFont(PrinterSurface &) const override {}
            void draw(qint64, PrinterSurface &printer) const override
            {
                printer.printText(QStringLiteral("x"));
                throw RuntimeError(RuntimeError::InvalidPropertyValue, QStringLiteral("mal"));
            }
        };
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        if (continuing)
            printer.printText(QStringLiteral("antes"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, printSheets(FailingSheets(), printer, dialogs, nullptr));
        QCOMPARE(printer.documents().size(), continuing ? 1u : 0u);
        QCOMPARE(printer.documentOpen(), continuing);
    }

    void aNumberWiderThanTheStartStopsMidRun()
    {
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QCOMPARE(runSameNumber(job(QStringLiteral("998"), QStringLiteral("1e3")), kFont, printer, dialogs),
                 RunOutcome::Failed);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::None);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
        QCOMPARE(firstNumbers(printer), (QStringList{"998", "999"}));
        QVERIFY(!printer.documents()[0].ended);
    }

    // A number the run cannot hold exactly would come out as its neighbour: refused, whatever
    // the double it converts to.
    void inexactNumbersAreRefusedRatherThanMisprinted_data()
    {
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("hasta");
        QTest::addColumn<QString>("named");
        const QString big = QStringLiteral("1234567890123456789012345678901234567890");
        QTest::newRow("huge") << big << big << big;
        QTest::newRow("2^53 + 1") << "9007199254740993"
                                  << "9007199254740993"
                                  << "9007199254740993";
        QTest::newRow("end past 2^53") << "9007199254740990"
                                       << "9007199254740993"
                                       << "9007199254740993";
        QTest::newRow("start past 2^53") << "9007199254740995"
                                         << "9007199254740990"
                                         << "9007199254740995";
    }
    void inexactNumbersAreRefusedRatherThanMisprinted()
    {
        QFETCH(QString, desde);
        QFETCH(QString, hasta);
        QFETCH(QString, named);
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QCOMPARE(runSameNumber(job(desde, hasta), kFont, printer, dialogs), RunOutcome::Failed);
        QCOMPARE(dialogs.texts(), QStringList{"El número " + named +
                                              " es demasiado grande para imprimirse con exactitud. El mayor "
                                              "número admitido es 9007199254740992."});
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::None);
        QVERIFY(printer.documents().empty()); // no blank sheet, no empty file
    }

    void noPrinterShowsTheDescription()
    {
        RecordingSurface printer;
        printer.setAvailable(false);
        ScriptedDialogs dialogs;
        QCOMPARE(runSameNumber(job(QStringLiteral("0000"), QStringLiteral("0001")), kFont, printer, dialogs),
                 RunOutcome::Failed);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("impresora")));
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::None);
    }
};

QTEST_MAIN(TestSameNumberRun)
#include "tst_samenumberrun.moc"
