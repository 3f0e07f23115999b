// The stored font text and its conversions, without a window.
#include "FontSettings.h"
#include "ProfileFiles.h"
#include "TestPaths.h"

#include <QFile>
#include <QTest>

class TestFontSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedColourText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color"); // -2: no colour
        QTest::newRow("red") << "255" << 255;
        QTest::newRow("white") << "16777215" << 0xFFFFFF;
        QTest::newRow("blanks around") << " 65280 " << 0x00FF00;
        QTest::newRow("rounded half to even") << "254.5" << 254;
        QTest::newRow("above white") << "16777216" << -2;
        QTest::newRow("minus one") << "-1" << -2;
        QTest::newRow("missing key") << "Vacio" << -2;
        QTest::newRow("empty") << "" << -2;
        QTest::newRow("garbage after a number") << "255abc" << -2;
        QTest::newRow("beyond 32 bits") << "99999999999" << -2;
    }
    void storedColourText()
    {
        QFETCH(QString, text);
        QFETCH(int, color);
        const auto parsed = FontSettings::colorFromText(text);
        if (color == -2)
            QVERIFY(!parsed);
        else
            QCOMPARE(parsed, std::optional<int32_t>(color));
    }

    void sizesAndTheSavedFlag()
    {
        QCOMPARE(FontSettings::sampleSize(QStringLiteral("20")), std::optional<int>(20));
        for (const char *notASize : {"", "Va", "0", "-5", "1x", "99999"})
            QVERIFY2(!FontSettings::sampleSize(QString::fromLatin1(notASize)), notASize);

        QVERIFY(FontSettings::savedFlagSet(QStringLiteral("1")));
        QVERIFY(FontSettings::savedFlagSet(QStringLiteral(" 1.0")));
        for (const char *clear : {"0", "Vacio", "", "11"})
            QVERIFY2(!FontSettings::savedFlagSet(QString::fromLatin1(clear)), clear);

        // "-1" is the stored "no font"; a real name is never numeric.
        QVERIFY(FontSettings::isNumericName(QStringLiteral("-1")));
        QVERIFY(!FontSettings::isNumericName(QStringLiteral("DejaVu Sans")));
        QVERIFY(!FontSettings::isNumericName(QStringLiteral("Vacio")));
    }

    void sectionRoundTripsThroughAJobFile()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        const QString job = tmp.path(QStringLiteral("trabajo.trv"));

        const FontSettings::Stored missing = FontSettings::read(profiles, job);
        QCOMPARE(missing,
                 (FontSettings::Stored{ProfileFiles::Vacio, ProfileFiles::Vacio, ProfileFiles::Vacio}));

        const FontSettings::Stored chosen{QStringLiteral("255"), QStringLiteral("20"),
                                          QStringLiteral("Nimbus Sans")};
        FontSettings::write(profiles, job, chosen);
        QCOMPARE(FontSettings::read(profiles, job), chosen);
        // Written to the job, not to the settings file.
        QVERIFY(!QFile::exists(tmp.paths().settingsFile));

        FontSettings::write(profiles, QString(), FontSettings::defaults());
        QFile file(tmp.paths().settingsFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Fuentes]\r\nColor=0\r\nTama\xf1o=12\r\nIndice=-1\r\n"));
    }
};

QTEST_MAIN(TestFontSettings)
#include "tst_fontsettings.moc"
