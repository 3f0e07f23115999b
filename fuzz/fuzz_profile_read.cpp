// Any bytes as a settings or job file: reading every name it seems to hold, and writing one
// value into it, must neither crash nor break the rules a reader relies on.
#include "FuzzInput.h"
#include "ProfileFiles.h"
#include "ProfileNames.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString file = fuzzInputFile(bytes, ".trv");
    const ProfileFiles profiles(fuzzFolder() + QStringLiteral("/Vireo.sys"));
    for (const auto &[section, key] : namesIn(bytes)) {
        const QString value = profiles.LeerValorIni(section, key, file);
        if (value.size() > ProfileFiles::MaxValueLength)
            fuzzFailure("a value came back longer than the read limit", value);
    }
    profiles.EscribirValorIni(QStringLiteral("Solapa"), QStringLiteral("SStab"), QStringLiteral("1"), file);
    const QString back = profiles.LeerValorIni(QStringLiteral("solapa"), QStringLiteral("sstab"), file);
    if (back != QStringLiteral("1")) {
        // Only a file the layer could not read may refuse the write, and then it keeps its bytes.
        QFile f(file);
        if (back != ProfileFiles::Vacio || !f.open(QIODevice::ReadOnly) || f.readAll() != bytes)
            fuzzFailure("a written value reads back as something else", back);
    }
    QFile::remove(file);
    return 0;
}
