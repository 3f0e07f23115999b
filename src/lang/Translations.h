#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class ProfileFiles;

// The language of the program's own texts (Qt's translation files, built from translations/*.ts)
// and of Qt's texts (standard buttons, file and colour dialogs, shortcut names). Spanish is the
// language of the sources, so it needs no file of ours.
namespace Translations {

// The interface languages, numbered as the resource library numbers them.
namespace Language {
constexpr int32_t Espanol = 0;
constexpr int32_t Ingles = 100;
constexpr int32_t Italiano = 200;
constexpr int32_t Frances = 300;
} // namespace Language

// Where the settings file keeps the choice, and how it names each language.
inline const QString kSection = QStringLiteral("Lenguaje");
inline const QString kKey = QStringLiteral("Idioma");
QString storedName(int32_t language);
// The language a stored name names; nothing for an empty or unknown name (exact texts only:
// "ingles" is not "Ingles").
std::optional<int32_t> fromStoredName(const QString &name);

// The language the environment asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, in that order),
// Spanish when it names none the program speaks.
int32_t fromEnvironment();

// The stored choice of the settings file behind `profiles`, or the environment's when none is
// stored.
int32_t atStart(const ProfileFiles &profiles);

// Whether the program has its own texts in `language` (Spanish always).
bool available(int32_t language);

// Installs the program's texts and Qt's for `language`, replacing the ones installed before;
// every widget receives QEvent::LanguageChange. A language without a translation of ours keeps
// the Spanish sources (and Qt's Spanish). Needs a QCoreApplication.
void use(int32_t language);

// The language installed last (Spanish before any).
int32_t current();

} // namespace Translations
