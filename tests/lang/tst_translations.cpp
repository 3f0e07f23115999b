// The program's texts and Qt's follow the language chosen, stored or asked for by the desktop.
#include "ProfileFiles.h"
#include "SpanishTexts.h"
#include "TestPaths.h"
#include "Translations.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QXmlStreamReader>

using namespace Translations::Language;

namespace {

struct Environment
{
    const char *language, *lcAll, *lcMessages, *lang;
};

void setEnvironment(const Environment &e)
{
    const auto set = [](const char *name, const char *value) {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    };
    set("LANGUAGE", e.language);
    set("LC_ALL", e.lcAll);
    set("LC_MESSAGES", e.lcMessages);
    set("LANG", e.lang);
}

struct Message
{
    QString context, source, english;
};

// The finished entries of the English translation file.
QList<Message> englishEntries()
{
    QFile file(QStringLiteral(TESSARINO_SOURCE_DIR "/translations/tessarino_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> entries;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString english = xml.readElementText();
            if (!unfinished && !english.isEmpty())
                entries.append({context, source, english});
        }
    }
    return entries;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Translations::use(Espanol); }

    void theEnvironmentPicksTheLanguage_data()
    {
        QTest::addColumn<int>("env");
        QTest::addColumn<int>("expected");
        QTest::newRow("nothing set") << 0 << int(Espanol);
        QTest::newRow("LANG English") << 1 << int(Ingles);
        QTest::newRow("LANG Spanish") << 2 << int(Espanol);
        QTest::newRow("LC_ALL beats LANG") << 3 << int(Ingles);
        QTest::newRow("LC_MESSAGES beats LANG") << 4 << int(Espanol);
        QTest::newRow("LANGUAGE list, first it speaks") << 5 << int(Ingles);
        QTest::newRow("LANGUAGE ignored under the C locale") << 6 << int(Espanol);
        QTest::newRow("a language it lacks") << 7 << int(Espanol);
        QTest::newRow("plain code") << 8 << int(Ingles);
        QTest::newRow("not a prefix of a longer code") << 9 << int(Espanol);
    }
    void theEnvironmentPicksTheLanguage()
    {
        static const Environment cases[] = {
            {nullptr, nullptr, nullptr, nullptr},
            {nullptr, nullptr, nullptr, "en_GB.UTF-8"},
            {nullptr, nullptr, nullptr, "es_ES.UTF-8"},
            {nullptr, "en_US.UTF-8", nullptr, "es_ES.UTF-8"},
            {nullptr, nullptr, "es_AR.UTF-8", "en_US.UTF-8"},
            {"de:en:es", nullptr, nullptr, "de_DE.UTF-8"},
            {"en", "C", nullptr, nullptr},
            {nullptr, nullptr, nullptr, "de_DE.UTF-8"},
            {"en", nullptr, nullptr, nullptr},
            {nullptr, nullptr, nullptr, "enx_XX"},
        };
        QFETCH(int, env);
        QFETCH(int, expected);
        const QByteArray saved[] = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"),
                                    qgetenv("LANG")};
        setEnvironment(cases[env]);
        const int32_t got = Translations::fromEnvironment();
        setEnvironment({saved[0].isNull() ? nullptr : saved[0].constData(),
                        saved[1].isNull() ? nullptr : saved[1].constData(),
                        saved[2].isNull() ? nullptr : saved[2].constData(),
                        saved[3].isNull() ? nullptr : saved[3].constData()});
        QCOMPARE(got, expected);
    }

    // The stored choice wins; an empty or misspelt one leaves the choice to the environment.
    void theStoredChoiceBeatsTheEnvironment()
    {
        TestPaths paths;
        const ProfileFiles profiles(paths.paths().settingsFile);
        const QByteArray saved = qgetenv("LANGUAGE");
        qputenv("LANGUAGE", "en");
        QString file;
        QCOMPARE(Translations::atStart(profiles), Ingles);
        profiles.EscribirValorIni(Translations::kSection, Translations::kKey, QStringLiteral("Español"),
                                  file);
        QCOMPARE(Translations::atStart(profiles), Espanol);
        profiles.EscribirValorIni(Translations::kSection, Translations::kKey, QStringLiteral("ingles"), file);
        QCOMPARE(Translations::atStart(profiles), Ingles);
        qputenv("LANGUAGE", "es");
        profiles.EscribirValorIni(Translations::kSection, Translations::kKey, QStringLiteral("Ingles"), file);
        QCOMPARE(Translations::atStart(profiles), Ingles);
        qputenv("LANGUAGE", saved);
    }

    // What the build compiled and embedded is what the translation file says.
    void everyEnglishEntryReachesTheProgram()
    {
        const QList<Message> entries = englishEntries();
        QVERIFY(!entries.isEmpty());
        QVERIFY(Translations::available(Ingles));
        Translations::use(Ingles);
        QCOMPARE(Translations::current(), Ingles);
        for (const Message &m : entries)
            QCOMPARE(QCoreApplication::translate(qPrintable(m.context), qPrintable(m.source)), m.english);
        Translations::use(Espanol);
        for (const Message &m : entries)
            QCOMPARE(QCoreApplication::translate(qPrintable(m.context), qPrintable(m.source)), m.source);
        // Every finished entry is among the texts the English walks look for.
        for (const Message &m : entries)
            QVERIFY2(m.source == m.english || SpanishTexts::isSpanish(m.source), qPrintable(m.source));
    }

    // Qt's own buttons, dialogs and shortcut names change with the language, open windows included.
    void qtsOwnTextsFollowWhileOpen()
    {
        Translations::use(Espanol);
        QMessageBox question(QMessageBox::Question, QStringLiteral("Tessarino"), QString(),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QColorDialog colour;
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Sí"));
        QCOMPARE(colour.windowTitle(), QStringLiteral("Selecciona color"));
        const auto *buttons = colour.findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("Aceptar"));
        QCOMPARE(QKeySequence(Qt::SHIFT | Qt::Key_F1).toString(QKeySequence::NativeText),
                 QStringLiteral("Mayúsculas+F1"));

        Translations::use(Ingles);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));
        QCOMPARE(question.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(QColorDialog().windowTitle(), QStringLiteral("Select Color"));
        QCOMPARE(QKeySequence(Qt::SHIFT | Qt::Key_F1).toString(QKeySequence::NativeText),
                 QStringLiteral("Shift+F1"));

        // A language with no translation of ours keeps the Spanish, Qt's included.
        Translations::use(Italiano);
        QCOMPARE(Translations::current(), Espanol);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Sí"));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
