#include "ResourceLibrary.h"

#include "Lib_Tessarino.h"
#include "RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace Lib = LibreriaTessarino;

namespace {

QString fileName()
{
    return QString::fromLatin1(Lib::kArchivoLibreria);
}

RuntimeError cannotCreate(const QString &reason)
{
    return {ResourceLibrary::CannotCreateObject, QStringLiteral("No se puede crear el objeto: ") + reason};
}

} // namespace

ResourceLibrary::ResourceLibrary() = default;
ResourceLibrary::ResourceLibrary(QStringList candidates) : m_candidates(std::move(candidates)) {}
ResourceLibrary::~ResourceLibrary() = default;
ResourceLibrary::ResourceLibrary(ResourceLibrary &&) noexcept = default;
ResourceLibrary &ResourceLibrary::operator=(ResourceLibrary &&) noexcept = default;

QStringList ResourceLibrary::standardCandidates()
{
    const QDir program(QCoreApplication::applicationDirPath());
    QStringList candidates{
        program.filePath(fileName()),
        // The library folder of the prefix the program runs from, then the one it
        // was configured for: an install moved after the build still finds it.
        QDir::cleanPath(program.filePath(QStringLiteral(TESSARINO_INSTALL_RELATIVE_LIBDIR "/") + fileName())),
        QDir(QStringLiteral(TESSARINO_INSTALL_LIBDIR)).filePath(fileName()),
        // A bare name: the dynamic loader's own search (LD_LIBRARY_PATH, the system
        // folders).
        fileName()};
    candidates.removeDuplicates();
    return candidates;
}

Lib::_Clase &ResourceLibrary::clase()
{
    if (m_clase)
        return *m_clase;
    const QStringList candidates = m_candidates.isEmpty() ? standardCandidates() : m_candidates;
    // The first reason that names a file that is there but unusable tells the user most.
    QString reason;
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isAbsolute() && !QFileInfo::exists(candidate))
            continue;
        auto library = std::make_unique<QLibrary>(candidate);
        if (!library->load()) {
            if (reason.isEmpty() && QFileInfo(candidate).isAbsolute())
                reason = QStringLiteral("%1 no es una biblioteca que se pueda cargar").arg(candidate);
            continue;
        }
        const auto fabrica = reinterpret_cast<Lib::FabricaClase>(library->resolve(Lib::kNombreFabrica));
        Lib::_Clase *objeto = nullptr;
        const Lib::Estado estado =
            fabrica ? fabrica(Lib::CLSID_Clase, Lib::IID__Clase, &objeto) : Lib::E_ClaseNoRegistrada;
        if (estado != Lib::S_Correcto || !objeto) {
            if (reason.isEmpty())
                reason = QStringLiteral("%1 no ofrece la clase Clase").arg(library->fileName());
            library->unload();
            continue;
        }
        m_library = std::move(library);
        m_clase.reset(objeto);
        return *m_clase;
    }
    throw cannotCreate(reason.isEmpty() ? QStringLiteral("no se encontró %1").arg(fileName()) : reason);
}

QString ResourceLibrary::CargarCadena(int32_t id, int32_t queIdioma)
{
    std::string texto;
    const Lib::Estado estado = clase().CargarCadena(id, &queIdioma, &texto);
    if (estado == Lib::S_Correcto)
        return QString::fromStdString(texto);
    const int number = Lib::NumeroDeError(estado);
    switch (Lib::EsErrorDeControl(estado) ? number : 0) {
    case Lib::kErrorRecursoNoEncontrado:
        throw RuntimeError(number, QStringLiteral("No se encontró el recurso con el identificador '%1'")
                                       .arg(qint64(id) + qint64(queIdioma)));
    case Lib::kErrorDesbordamiento:
        throw RuntimeError::overflow();
    case Lib::kErrorLlamadaNoValida:
        throw RuntimeError::invalidCall();
    default:
        throw RuntimeError(number, QStringLiteral("Error de automatización"));
    }
}
