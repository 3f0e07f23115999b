#include "CommandLineLanguage.h"

#include "Logging.h"
#include "RuntimeError.h"
#include "Texts.h"
#include "Translations.h"

CommandLineLanguage::CommandLineLanguage(const ProfileFiles &profiles)
{
    const int32_t language = Translations::atStart(profiles);
    // Only a language the program speaks: the others keep the Spanish texts, as in the window.
    if (language != Translations::Language::Espanol && Translations::available(language))
        Texts::setSource([this, language](int32_t id) -> std::optional<QString> {
            if (m_libraryMissing)
                return std::nullopt;
            try {
                return m_library.CargarCadena(id, language);
            } catch (const RuntimeError &e) {
                if (e.number() == ResourceLibrary::CannotCreateObject) {
                    m_libraryMissing = true;
                    qCWarning(lcLang).noquote()
                        << "Messages of the resource library stay Spanish:" << describeFailure(e);
                } else {
                    // Not an error: a text the library lacks stays Spanish.
                    qCDebug(lcLang).noquote() << "Text" << id << "not in the library:" << describeFailure(e);
                }
                return std::nullopt;
            }
        });
    Translations::use(language);
}

CommandLineLanguage::~CommandLineLanguage()
{
    Texts::forgetSource();
}
