#pragma once

#include "Texts.h"

#include <QString>
#include <QStringList>
#include <memory>

class QLibrary;
namespace LibreriaTessarino {
class _Clase;
}

// The program's binding to Lib_Tessarino: one `Clase` object, created on the first request and
// kept until the program ends. Linux has no component registry, so the library is looked for as
// a file: beside the program, then in the program's own installed folder, then along the system's
// library path.
class ResourceLibrary
{
public:
    // The standard places, worked out when the object is first needed.
    ResourceLibrary();
    // Exactly these files, in this order.
    explicit ResourceLibrary(QStringList candidates);
    ~ResourceLibrary();
    ResourceLibrary(ResourceLibrary &&) noexcept;
    ResourceLibrary &operator=(ResourceLibrary &&) noexcept;

    // The places for a program in `programFolder` (by default the running one's folder).
    static QStringList standardCandidates();
    static QStringList standardCandidates(const QString &programFolder);

    static constexpr int CannotCreateObject = 429;
    // The library has no caption with that id in that language.
    static constexpr int ResourceNotFound = 326;

    // The caption `id` in the language `queIdioma` (a LanguageBase). Creates the object if there is
    // none yet. Throws RuntimeError when the object cannot be created or the library refuses.
    QString CargarCadena(int32_t id, int32_t queIdioma);

    // The library's texts in `language` as the source of Texts: a text the library lacks stays
    // Spanish; a library that cannot be loaded is logged once and then no longer asked. The
    // source asks this object, which must outlive it.
    Texts::Source textSource(int32_t language);

private:
    LibreriaTessarino::_Clase &clase();

    QStringList m_candidates;
    std::unique_ptr<QLibrary> m_library; // never unloaded: the object's code lives in it
    std::unique_ptr<LibreriaTessarino::_Clase> m_clase;
};
