#include "FirstRun.h"

#include "Form1.h"
#include "cRegistro.h"

namespace {
const QString kKey = QStringLiteral("Software\\Vireo y Trazo\\Tessarino");
const QString kValue = QStringLiteral("TipoRegistrado");
} // namespace

namespace FirstRun {

bool done(const Paths &paths)
{
    return cRegistro(paths.registryStore).QueryValue(cRegistro::HKEY_CURRENT_USER, kKey, kValue).toInt() == 1;
}

bool registerFileType(const Paths &paths, const QString &programFile)
{
    if (done(paths))
        return true;
    if (!Form1::registerFileType(paths, programFile))
        return false;
    return cRegistro(paths.registryStore)
        .SetValue(cRegistro::HKEY_CURRENT_USER, kKey, kValue, 1, cRegistro::TIPO_LONG);
}

} // namespace FirstRun
