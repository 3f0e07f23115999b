#include "NumberText.h"
#include "RuntimeError.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

    static int errorOf(const std::function<void()> &f)
    {
        try {
            f();
        } catch (const RuntimeError &e) {
            return e.number();
        }
        return 0;
    }

private Q_SLOTS:
    void lenientReadsANumericPrefix_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("comma stops") << "12,5" << 12.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("blank inside") << "1 5" << 15.0;
        QTest::newRow("tabs and line feeds") << "\t1\n2 3" << 123.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("decimal") << "2.75x" << 2.75;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("sign") << " -40" << -40.0;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("D exponent") << "2d2" << 200.0;
        QTest::newRow("dangling exponent") << "7e" << 7.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex 16-bit wraps") << "&HFFFF" << -1.0;
        QTest::newRow("hex 32-bit") << "&H10000" << 65536.0;
        QTest::newRow("octal") << "&o17" << 15.0;
        QTest::newRow("lone point") << "." << 0.0;
    }
    void lenientReadsANumericPrefix()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumberText::lenient(text), value);
    }

    void strictNeedsTheWholeText()
    {
        QCOMPARE(NumberText::strictDouble(QStringLiteral("  0010 ")), 10.0);
        QCOMPARE(NumberText::strictDouble(QStringLiteral("-2.5")), -2.5);
        QCOMPARE(NumberText::strictDouble(QStringLiteral("&H10")), 16.0);
        for (const char *bad : {"", "   ", "12a", "1 2", "12,5", "&H", "-", "1e", "abc"})
            QCOMPARE(errorOf([&] { NumberText::strictDouble(QString::fromLatin1(bad)); }),
                     RuntimeError::TypeMismatch);
    }

    void int16RoundsHalfToEvenAndOverflows()
    {
        QCOMPARE(NumberText::strictInt16(QStringLiteral("2.5")), int16_t(2));
        QCOMPARE(NumberText::strictInt16(QStringLiteral("3.5")), int16_t(4));
        QCOMPARE(NumberText::strictInt16(QStringLiteral("-2.5")), int16_t(-2));
        QCOMPARE(NumberText::strictInt16(QStringLiteral("32767")), int16_t(32767));
        QCOMPARE(NumberText::strictInt16(QStringLiteral("-32768")), int16_t(-32768));
        QCOMPARE(NumberText::strictInt16(QStringLiteral("32767.4")), int16_t(32767));
        QCOMPARE(errorOf([] { NumberText::strictInt16(QStringLiteral("32767.5")); }), RuntimeError::Overflow);
        QCOMPARE(errorOf([] { NumberText::strictInt16(QStringLiteral("40000")); }), RuntimeError::Overflow);
        QCOMPARE(errorOf([] { NumberText::strictInt16(QString()); }), RuntimeError::TypeMismatch);
        QCOMPARE(errorOf([] { NumberText::strictInt16(QStringLiteral("Va")); }), RuntimeError::TypeMismatch);
    }

    void plainDecimalNeverUsesAnExponent()
    {
        QCOMPARE(NumberText::plainDecimal(0), QStringLiteral("0"));
        QCOMPARE(NumberText::plainDecimal(-0.0), QStringLiteral("0"));
        QCOMPARE(NumberText::plainDecimal(600), QStringLiteral("600"));
        QCOMPARE(NumberText::plainDecimal(-12), QStringLiteral("-12"));
        QCOMPARE(NumberText::plainDecimal(1e15), QStringLiteral("1000000000000000"));
        QCOMPARE(NumberText::plainDecimal(9007199254740992.0), QStringLiteral("9007199254740992"));
        QCOMPARE(NumberText::plainDecimal(1.5), QStringLiteral("1.5"));
        QCOMPARE(NumberText::plainDecimal(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(NumberText::plainDecimal(0.000012), QStringLiteral("0.000012"));
        QCOMPARE(NumberText::plainDecimalSingle(10906.0f), QStringLiteral("10906"));
        QCOMPARE(NumberText::plainDecimalSingle(11906.f * 0.3f), QStringLiteral("3571.8"));
    }

    void singleNarrowingOverflows()
    {
        QCOMPARE(NumberText::toSingle(1e30), 1e30f);
        QCOMPARE(errorOf([] { NumberText::toSingle(NumberText::lenient(QStringLiteral("9E99"))); }),
                 RuntimeError::Overflow);
        QCOMPARE(errorOf([] { NumberText::lenient(QStringLiteral("1e400")); }), RuntimeError::Overflow);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
