#include "Translations.h"

#include "Logging.h"
#include "ProfileFiles.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

using namespace Translations::Language;

struct Known
{
    int32_t language;
    const char *stored; // the settings file's name for it
    const char *code;   // ISO 639-1, as in the translation files' names
};
constexpr Known kKnown[] = {
    {Espanol, "Español", "es"},
    {Ingles, "Ingles", "en"},
    {Italiano, "Italiano", "it"},
    {Frances, "Frances", "fr"},
};

const Known *find(int32_t language)
{
    for (const Known &k : kKnown)
        if (k.language == language)
            return &k;
    return nullptr;
}

QString programFile(const Known &k)
{
    return QStringLiteral(":/i18n/tessarino_%1.qm").arg(QLatin1String(k.code));
}

// The language of a locale name such as "en_GB.UTF-8" or "es"; nothing for "C" and "POSIX".
std::optional<int32_t> fromLocaleName(QStringView name)
{
    const QStringView code = name.left(name.indexOf(u'_') < 0 ? name.size() : name.indexOf(u'_'));
    for (const Known &k : kKnown)
        if (code.startsWith(QLatin1String(k.code)) && (code.size() == 2 || !code.at(2).isLetter()) &&
            Translations::available(k.language))
            return k.language;
    return std::nullopt;
}

struct Installed
{
    QPointer<QTranslator> program;
    QPointer<QTranslator> qt;
    int32_t language = Espanol;
};

Installed &installed()
{
    static Installed state;
    return state;
}

QTranslator *load(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

void drop(QPointer<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

QString Translations::storedName(int32_t language)
{
    const Known *k = find(language);
    return k ? QString::fromUtf8(k->stored) : QString();
}

std::optional<int32_t> Translations::fromStoredName(const QString &name)
{
    for (const Known &k : kKnown)
        if (name == QString::fromUtf8(k.stored))
            return k.language;
    return std::nullopt;
}

int32_t Translations::fromEnvironment()
{
    // gettext's order: LANGUAGE is a list of preferences, but only where a locale is set at all.
    const auto variable = [](const char *name) { return qEnvironmentVariable(name); };
    QString locale = variable("LC_ALL");
    if (locale.isEmpty())
        locale = variable("LC_MESSAGES");
    if (locale.isEmpty())
        locale = variable("LANG");
    if (locale != QLatin1String("C") && locale != QLatin1String("POSIX"))
        for (const QString &wanted : variable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
            if (const auto language = fromLocaleName(wanted))
                return *language;
    if (const auto language = fromLocaleName(locale))
        return *language;
    return Espanol;
}

int32_t Translations::atStart(const ProfileFiles &profiles)
{
    QString file;
    const QString stored = profiles.LeerValorIni(kSection, kKey, file);
    if (const auto language = fromStoredName(stored))
        return *language;
    return fromEnvironment();
}

bool Translations::available(int32_t language)
{
    const Known *k = find(language);
    return k && (language == Espanol || QFile::exists(programFile(*k)));
}

void Translations::use(int32_t language)
{
    Installed &state = installed();
    drop(state.program);
    drop(state.qt);
    const Known *k = find(language);
    const bool ours = k && available(language);
    if (ours && language != Espanol) {
        state.program = load(programFile(*k), QString());
        if (!state.program)
            qCWarning(lcLang).noquote() << "Cannot load" << programFile(*k);
    }
    // Qt's texts in the same language as ours; Spanish where we have no translation.
    const QString qtName = QStringLiteral("qtbase_%1").arg(QLatin1String(ours ? k->code : "es"));
    state.qt = load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!state.qt)
        qCDebug(lcLang).noquote() << "Qt's own texts in their English: no" << qtName << "to load";
    state.language = ours ? language : Espanol;
    // Every window has retranslated when this returns, as the user sees the change at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    Texts::refreshAll();
}

int32_t Translations::current()
{
    return installed().language;
}
