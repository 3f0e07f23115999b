#include "SheetsPerJob.h"

#include "ProfileFiles.h"

namespace SheetsPerJob {

qint64 read(const ProfileFiles &settings)
{
    QString file;
    bool ok = false;
    const qint64 value = settings.LeerValorIni(kSection, kKey, file).trimmed().toLongLong(&ok);
    return ok && value >= 0 ? value : kDefault;
}

bool write(const ProfileFiles &settings, qint64 sheets, QString *reason)
{
    QString file;
    return settings.EscribirValoresIni({{kSection, kKey, QString::number(sheets)}}, file, reason);
}

} // namespace SheetsPerJob
