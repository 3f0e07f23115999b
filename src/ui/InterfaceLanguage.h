#pragma once

#include "TranslatedText.h"
#include "Translations.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class Dialogs;
class ProfileFiles;
class QAction;
class QWidget;
class ResourceLibrary;

// The main window's interface language: its captions come from Lib_Tessarino in the language
// chosen in the Lenguaje menu, which the settings file remembers. The form's own captions change
// here; every other text follows through Texts and Qt's translations (Translations).
class InterfaceLanguage : public QObject
{
    Q_OBJECT

public:
    struct Menu
    {
        QAction *mnuEspanol; // the form's mnuEspañol
        QAction *mnuFrances;
        QAction *mnuItaliano;
        QAction *mnuIngles;
    };

    // LanguageBase values.
    static constexpr int32_t Espanol = Translations::Language::Espanol;
    static constexpr int32_t Ingles = Translations::Language::Ingles;
    static constexpr int32_t Italiano = Translations::Language::Italiano;
    static constexpr int32_t Frances = Translations::Language::Frances;

    static inline const QString kSection = Translations::kSection;
    static inline const QString kKey = Translations::kKey;
    static constexpr TranslatedText kNotAvailable{
        "InterfaceLanguage",
        QT_TRANSLATE_NOOP(
            "InterfaceLanguage",
            "El lenguage que intenta cargar no está disponible en esta version del producto, pongase "
            "en contacto con su proveedor para actualizar el mismo.(soporte@vireoytrazo.example)")};

    // `window` holds the captioned controls under their form names; `idiomaCargado` is the
    // window's flag of the last load.
    InterfaceLanguage(QWidget *window, const Menu &menu, ResourceLibrary &library,
                      const ProfileFiles &profiles, Dialogs &dialogs, bool &idiomaCargado, QObject *parent);
    ~InterfaceLanguage() override;

    // Sets every mapped caption in the language `base`. A failed request stops the load with two
    // messages, leaving the captions set so far; a caption the library lacks for a language with a
    // translation of the program's texts stays Spanish instead.
    void CargarIdioma(int32_t base);
    // Clears the four language marks and marks `cual`.
    void ChequearMenu(QAction *cual);
    // The stored language, at window load. Its entry is marked even when it could not be loaded.
    void RestaurarIdioma();

    void mnuEspanol_Click();
    void mnuIngles_Click();
    void mnuItaliano_Click();
    void mnuFrances_Click();

private:
    struct Caption
    {
        std::function<void(const QString &)> set;
        int32_t id;
    };
    void mapCaptions(QWidget *window);
    // The caption `id` in the language `base`, or in Spanish where the library lacks it for a
    // language the program has a translation for.
    QString captionText(int32_t id, int32_t base) const;
    void elegir(QAction *entry, int32_t base, const QString &stored);

    Menu m_menu;
    ResourceLibrary &m_library;
    const ProfileFiles &m_profiles;
    Dialogs &m_dialogs;
    bool &m_idiomaCargado;
    std::vector<Caption> m_captions; // in the order of the requests
};
