#include "NumberFormat.h"
#include "RuntimeError.h"

#include <QTest>

class TestNumberFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paddingToTheStartNumbersWidth()
    {
        QCOMPARE(NumberFormat::padToWidth(7, 4), QStringLiteral("0007"));
        QCOMPARE(NumberFormat::padToWidth(1234, 4), QStringLiteral("1234"));
        QCOMPARE(NumberFormat::padToWidth(0, 1), QStringLiteral("0"));
        QCOMPARE(NumberFormat::padToWidth(-3, 3), QStringLiteral("0-3"));
        // A number wider than the start number cannot be padded.
        try {
            NumberFormat::padToWidth(12345, 4);
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
    }

    void numbersBeyondExactRangeAreRefused()
    {
        NumberFormat::requireExact(9007199254740992.0, QString());
        NumberFormat::requireExact(-9007199254740992.0, QString());
        try {
            NumberFormat::requireExact(9007199254740993.0 * 2, QStringLiteral(" 18014398509481986 "));
            QFAIL("expected an error");
        } catch (const RuntimeError &e) {
            QVERIFY(e.number() != RuntimeError::TypeMismatch);
            QVERIFY(e.description().contains(QStringLiteral("18014398509481986")));
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
