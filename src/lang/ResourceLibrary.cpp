#include "ResourceLibrary.h"

#include "Lib_Tessarino.h"
#include "Logging.h"
#include "RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <elf.h>
#include <link.h>

#include <cstring>

namespace Lib = LibreriaTessarino;

namespace {

QString fileName()
{
    return QString::fromLatin1(Lib::kArchivoLibreria);
}

RuntimeError cannotCreate(const QString &reason)
{
    return {ResourceLibrary::CannotCreateObject,
            QCoreApplication::translate("ResourceLibrary", "No se puede crear el objeto: ") + reason};
}

// `count` records of `size` bytes at `offset` of `file`; empty when they are not all there.
QByteArray readRecords(QFile &file, quint64 offset, quint64 count, quint64 size)
{
    const quint64 length = count * size; // both come from 16-bit fields
    if (offset > quint64(file.size()) || length > quint64(file.size()) - offset || !file.seek(qint64(offset)))
        return {};
    const QByteArray bytes = file.read(qint64(length));
    return quint64(bytes.size()) == length ? bytes : QByteArray();
}

bool fits(quint64 offset, quint64 length, quint64 fileSize)
{
    return offset <= fileSize && length <= fileSize - offset;
}

// Why the library file cannot be loaded whole, or an empty text. The loader maps each segment
// to its place in the file without looking at the file's size, so a file cut short has mapped
// pages past its end, and the first touch of one (while loading, or at the first caption) kills
// the process with a bus error. A file that holds every byte its headers describe cannot fail
// that way.
QString damage(const QString &path)
{
    const QString notALibrary =
        QCoreApplication::translate("ResourceLibrary", "%1 no es una biblioteca que se pueda cargar")
            .arg(path);
    const QString cutShort =
        QCoreApplication::translate("ResourceLibrary", "%1 está incompleta o dañada").arg(path);
    if (!QFileInfo(path).isFile())
        return notALibrary; // a folder or a special file (a FIFO would never answer)
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("ResourceLibrary", "%1 no se puede leer: %2")
            .arg(path, file.errorString());
    const quint64 size = quint64(file.size());
    ElfW(Ehdr) header;
    if (file.read(reinterpret_cast<char *>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return notALibrary;
    // Another word size or byte order is the loader's own refusal, not a crash.
    if (header.e_ident[EI_CLASS] != (sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32) ||
        header.e_ident[EI_DATA] != (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? ELFDATA2LSB : ELFDATA2MSB))
        return {};
    if (header.e_phnum == 0 || header.e_phentsize != sizeof(ElfW(Phdr)))
        return cutShort;
    const QByteArray programHeaders = readRecords(file, header.e_phoff, header.e_phnum, sizeof(ElfW(Phdr)));
    if (programHeaders.isEmpty())
        return cutShort;
    for (int i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        std::memcpy(&segment, programHeaders.constData() + i * sizeof segment, sizeof segment);
        if (!fits(segment.p_offset, segment.p_filesz, size))
            return cutShort;
    }
    // The loader never reads the sections, but they end the file: a cut anywhere shows here.
    if (header.e_shnum > 0) {
        if (header.e_shentsize != sizeof(ElfW(Shdr)))
            return cutShort;
        const QByteArray sections = readRecords(file, header.e_shoff, header.e_shnum, sizeof(ElfW(Shdr)));
        if (sections.isEmpty())
            return cutShort;
        for (int i = 0; i < header.e_shnum; ++i) {
            ElfW(Shdr) section;
            std::memcpy(&section, sections.constData() + i * sizeof section, sizeof section);
            if (section.sh_type != SHT_NOBITS && !fits(section.sh_offset, section.sh_size, size))
                return cutShort;
        }
    }
    return {};
}

// The file the loader would take for a bare name along the library path, so that it can be
// checked first. Empty when it is in none of those folders (the loader's cache may still know it).
QString alongLibraryPath(const QString &name)
{
    const QStringList folders = qEnvironmentVariable("LD_LIBRARY_PATH").split(u':', Qt::SkipEmptyParts);
    for (const QString &folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

} // namespace

ResourceLibrary::ResourceLibrary() = default;
ResourceLibrary::ResourceLibrary(QStringList candidates) : m_candidates(std::move(candidates)) {}
ResourceLibrary::~ResourceLibrary() = default;
ResourceLibrary::ResourceLibrary(ResourceLibrary &&) noexcept = default;
ResourceLibrary &ResourceLibrary::operator=(ResourceLibrary &&) noexcept = default;

QStringList ResourceLibrary::standardCandidates()
{
    return standardCandidates(QCoreApplication::applicationDirPath());
}

QStringList ResourceLibrary::standardCandidates(const QString &programFolder)
{
    const QDir program(programFolder);
    QStringList candidates{
        program.filePath(fileName()),
        // The program's library folder in the prefix it runs from, then in the one it
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
    for (QString candidate : candidates) {
        if (!QFileInfo(candidate).isAbsolute()) {
            if (const QString found = alongLibraryPath(candidate); !found.isEmpty())
                candidate = found;
        }
        if (QFileInfo(candidate).isAbsolute()) {
            if (!QFileInfo::exists(candidate))
                continue;
            if (const QString why = damage(candidate); !why.isEmpty()) {
                qCWarning(lcLang) << "Lib_Tessarino not loaded:" << why;
                if (reason.isEmpty())
                    reason = why;
                continue;
            }
        }
        auto library = std::make_unique<QLibrary>(candidate);
        if (!library->load()) {
            qCWarning(lcLang) << "Lib_Tessarino not loaded:" << library->errorString();
            if (reason.isEmpty() && QFileInfo(candidate).isAbsolute())
                reason = QCoreApplication::translate("ResourceLibrary",
                                                     "%1 no es una biblioteca que se pueda cargar")
                             .arg(candidate);
            continue;
        }
        const auto fabrica = reinterpret_cast<Lib::FabricaClase>(library->resolve(Lib::kNombreFabrica));
        Lib::_Clase *objeto = nullptr;
        const Lib::Estado estado =
            fabrica ? fabrica(Lib::CLSID_Clase, Lib::IID__Clase, &objeto) : Lib::E_ClaseNoRegistrada;
        if (estado != Lib::S_Correcto || !objeto) {
            if (reason.isEmpty())
                reason = QCoreApplication::translate("ResourceLibrary", "%1 no ofrece la clase Clase")
                             .arg(library->fileName());
            library->unload();
            continue;
        }
        m_library = std::move(library);
        m_clase.reset(objeto);
        return *m_clase;
    }
    throw cannotCreate(
        reason.isEmpty() ? QCoreApplication::translate("ResourceLibrary", "no se encontró %1").arg(fileName())
                         : reason);
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
        static_assert(Lib::kErrorRecursoNoEncontrado == ResourceNotFound);
        throw RuntimeError(number,
                           QCoreApplication::translate("ResourceLibrary",
                                                       "No se encontró el recurso con el identificador '%1'")
                               .arg(qint64(id) + qint64(queIdioma)));
    case Lib::kErrorDesbordamiento:
        throw RuntimeError::overflow();
    case Lib::kErrorLlamadaNoValida:
        throw RuntimeError::invalidCall();
    default:
        throw RuntimeError(number, QCoreApplication::translate("ResourceLibrary", "Error de automatización"));
    }
}

Texts::Source ResourceLibrary::textSource(int32_t language)
{
    auto missing = std::make_shared<bool>(false);
    return [this, language, missing](int32_t id) -> std::optional<QString> {
        if (*missing)
            return std::nullopt;
        try {
            return CargarCadena(id, language);
        } catch (const RuntimeError &e) {
            if (e.number() == CannotCreateObject) {
                *missing = true;
                qCWarning(lcLang).noquote()
                    << "The resource library's texts stay Spanish:" << describeFailure(e);
            } else {
                // Not an error: a text the library lacks stays Spanish.
                qCDebug(lcLang).noquote() << "Text" << id << "not in the library:" << describeFailure(e);
            }
            return std::nullopt;
        }
    };
}
