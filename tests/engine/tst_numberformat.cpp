#include "NumberFormat.h"
#include "RangeNumber.h"
#include "RuntimeError.h"

#include <QTest>

class TestNumberFormat : public QObject
{
    Q_OBJECT

    // The description of the overflow error `refused` raises.
    template <typename F> static QString refusal(F refused)
    {
        try {
            refused();
        } catch (const RuntimeError &e) {
            return e.number() == RuntimeError::Overflow ? e.description() : QString();
        }
        return QString();
    }

private Q_SLOTS:
    void paddingToTheStartNumbersWidth()
    {
        QCOMPARE(NumberFormat::padToWidth("7", 4), QStringLiteral("0007"));
        QCOMPARE(NumberFormat::padToWidth("1234", 4), QStringLiteral("1234"));
        QCOMPARE(NumberFormat::padToWidth("0", 1), QStringLiteral("0"));
        QCOMPARE(NumberFormat::padToWidth("-3", 3), QStringLiteral("-03"));
        // A number wider than the start number cannot be padded.
        try {
            NumberFormat::padToWidth("12345", 4);
            QFAIL("expected an error");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.number(), RuntimeError::InvalidCall);
        }
    }

    void CompletarDigitosPadsInPlaceAndNeverCuts()
    {
        QString seven = QStringLiteral("7");
        QCOMPARE(NumberFormat::CompletarDigitos(seven, 4), QStringLiteral("0007"));
        QCOMPARE(seven, QStringLiteral("0007"));
        QString wide = QStringLiteral("12345");
        QCOMPARE(NumberFormat::CompletarDigitos(wide, 4), QStringLiteral("12345"));
        QString empty;
        QCOMPARE(NumberFormat::CompletarDigitos(empty, 3), QStringLiteral("000"));
        QString negativeWidth = QStringLiteral("5");
        QCOMPARE(NumberFormat::CompletarDigitos(negativeWidth, -1), QStringLiteral("5"));
        QString negative = QStringLiteral("-5");
        QCOMPARE(NumberFormat::CompletarDigitos(negative, 4), QStringLiteral("-005"));
    }

    // What a run prints for a typed number, and the number `steps` sheets on; or the refusal.
    void rangeNumbersAreHeldAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("steps");
        QTest::addColumn<QString>("first"); // empty: refused
        QTest::addColumn<QString>("later"); // empty: refused
        QTest::newRow("leading zeros") << "0042" << qint64(3) << "42"
                                       << "45";
        QTest::newRow("blanks and sign") << " +7 " << qint64(-9) << "7"
                                         << "-2";
        QTest::newRow("exponent") << "1.5E3" << qint64(1) << "1500"
                                  << "1501";
        QTest::newRow("D exponent") << "25D-1" << qint64(1) << "2.5"
                                    << "3.5";
        QTest::newRow("hexadecimal") << "&HFFFF" << qint64(2) << "-1"
                                     << "1";
        QTest::newRow("negative fraction") << "-1.25" << qint64(1) << "-1.25"
                                           << "-0.25";
        QTest::newRow("through zero") << "-0.5" << qint64(1) << "-0.5"
                                      << "0.5";
        QTest::newRow("fraction far out") << "-1000000000000.1" << qint64(1000000000000) << "-1000000000000.1"
                                          << "-0.1";
        QTest::newRow("negative zero") << "-0" << qint64(0) << "0"
                                       << "0";
        QTest::newRow("largest") << "9007199254740992" << qint64(-1) << "9007199254740992"
                                 << "9007199254740991";
        QTest::newRow("past the largest") << "9007199254740991" << qint64(2) << "9007199254740991"
                                          << "";
        QTest::newRow("just beyond") << "9007199254740993" << qint64(0) << ""
                                     << "";
        QTest::newRow("beyond by exponent") << "9.007199254740993E15" << qint64(0) << ""
                                            << "";
        QTest::newRow("fraction beyond") << "9007199254740992.5" << qint64(0) << ""
                                         << "";
        QTest::newRow("too many decimals") << "0.1234567890123456789" << qint64(0) << ""
                                           << "";
        QTest::newRow("tiny") << "1E-400" << qint64(0) << ""
                              << "";
    }
    void rangeNumbersAreHeldAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, steps);
        QFETCH(QString, first);
        QFETCH(QString, later);
        if (first.isEmpty()) {
            QCOMPARE(refusal([&] { RangeNumber::read(typed); }).left(10 + typed.trimmed().size()),
                     "El número " + typed.trimmed());
            return;
        }
        const RangeNumber n = RangeNumber::read(typed);
        QCOMPARE(n.text(), first);
        if (later.isEmpty())
            QVERIFY(
                refusal([&] { n.plus(steps); }).startsWith("El número 9007199254740993 es demasiado grande"));
        else
            QCOMPARE(n.plus(steps).text(), later);
    }

    void stepsBetweenTwoNumbers_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<qint64>("steps");
        QTest::newRow("up") << "0001"
                            << "0003" << qint64(2);
        QTest::newRow("down") << "0010"
                              << "0005" << qint64(-5);
        QTest::newRow("equal") << "7"
                               << "7.0" << qint64(0);
        QTest::newRow("fractions up") << "0.5"
                                      << "2.7" << qint64(2);
        QTest::newRow("fractions down") << "2.7"
                                        << "0.5" << qint64(-2);
        QTest::newRow("less than one") << "0.7"
                                       << "1.2" << qint64(0);
        QTest::newRow("whole span") << "-9007199254740992"
                                    << "9007199254740992" << qint64(18014398509481984);
    }
    void stepsBetweenTwoNumbers()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(qint64, steps);
        QCOMPARE(RangeNumber::read(from).stepsTo(RangeNumber::read(to)), steps);
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
