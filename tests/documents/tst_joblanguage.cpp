// A job file does not depend on the language of the window that saved it: saved in English it
// opens the same in Spanish and the other way round, byte for byte the file Spanish writes.
#include "../app/FormHarness.h"
#include "DocumentCommands.h"
#include "Translations.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>

namespace {

// The values a user sets, box by box: check boxes by "1" (ticked) or "0", first, as they enable
// the boxes after them, then text boxes by their text.
const QList<std::pair<QString, QString>> kValues{
    {"Check1_0", "0"},     {"Check1_1", "0"},     {"Check1_2", "1"},    {"chVert", "1"},
    {"txtDesde", "0050"},  {"txtHasta", "0150"},  {"txtPosX_0", "720"}, {"txtPosY_0", "1440"},
    {"txtPosX_1", "5000"}, {"txtPosY_1", "1440"}, {"txtJuegos", "3"},
};

// The file's bytes with the moment of the save left out: it differs between any two saves.
QByteArray withoutTheMoment(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    static const QRegularExpression moment(QStringLiteral("(?m)^(Fecha|Hora)=[^\r\n]*"));
    return QString::fromLatin1(bytes).replace(moment, QStringLiteral("\\1=*")).toLatin1();
}

struct Window : FormHarness<>
{
    Window()
    {
        probe.settleStartUp();
        w.documentCommands().busyMilliseconds = 0;
    }

    // Through the Lenguaje menu, as the user switches.
    bool speak(int32_t language)
    {
        menu(language == Translations::Language::Ingles ? QStringLiteral("mnuIngles")
                                                        : QStringLiteral("mnuEspañol"))
            ->trigger();
        return Translations::current() == language;
    }
    void fill()
    {
        for (const auto &[name, value] : kValues) {
            if (QCheckBox *box = check(name)) {
                if (box->isChecked() != (value == QLatin1String("1")))
                    click(box);
            } else {
                type(name, value);
            }
        }
    }
    QStringList shown()
    {
        QStringList values;
        for (const auto &[name, value] : kValues)
            values << (check(name) ? QString::number(int(check(name)->isChecked())) : box(name)->text());
        return values;
    }
};

} // namespace

class TestJobLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Translations::use(Translations::Language::Espanol); }

    void aJobOpensTheSameInTheOtherLanguage()
    {
        using namespace Translations::Language;
        QStringList expected;
        for (const auto &[name, value] : kValues)
            expected << value;
        Window h;
        QVERIFY(h.open(0));
        QVERIFY(h.speak(Ingles));
        h.fill();
        QCOMPARE(h.shown(), expected);
        const QString english = h.tmp.path(QStringLiteral("english.trv"));
        h.saveAs(english);

        QVERIFY(h.speak(Espanol));
        h.openFile(english);
        QCOMPARE(h.shown(), expected);

        h.menu(QStringLiteral("mnuNueMismo"))->trigger();
        QVERIFY(h.shown() != expected);
        h.fill();
        const QString spanish = h.tmp.path(QStringLiteral("spanish.trv"));
        h.saveAs(spanish);
        QVERIFY(withoutTheMoment(spanish).contains("Desde=0050\r\n"));
        QCOMPARE(withoutTheMoment(english), withoutTheMoment(spanish));

        QVERIFY(h.speak(Ingles));
        h.openFile(spanish);
        QCOMPARE(h.shown(), expected);
        QCOMPARE(h.dialogs.texts(), QStringList()); // nothing went wrong on the way
    }
};

QTEST_MAIN(TestJobLanguage)
#include "tst_joblanguage.moc"
