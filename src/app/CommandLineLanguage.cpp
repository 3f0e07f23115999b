#include "CommandLineLanguage.h"

#include "Texts.h"
#include "Translations.h"

CommandLineLanguage::CommandLineLanguage(const ProfileFiles &profiles)
{
    const int32_t language = Translations::atStart(profiles);
    // Only a language the program speaks: the others keep the Spanish texts, as in the window.
    if (language != Translations::Language::Espanol && Translations::available(language))
        Texts::setSource(m_library.textSource(language));
    Translations::use(language);
}

CommandLineLanguage::~CommandLineLanguage()
{
    Texts::forgetSource();
}
