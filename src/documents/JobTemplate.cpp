#include "JobTemplate.h"

#include "Logging.h"
#include "NumberText.h"

#include <QDir>
#include <QFileInfo>

namespace JobTemplate {

std::optional<PdfTemplate> read(const ProfileFiles &profiles, const QString &jobFile)
{
    QString file = jobFile;
    const QString stored = profiles.LeerValorIni(kSection, kArchivo, file).trimmed();
    if (stored.isEmpty() || stored == ProfileFiles::Vacio)
        return std::nullopt;
    PdfTemplate page;
    const QDir folder = QFileInfo(jobFile).absoluteDir();
    page.file = QDir::cleanPath(folder.absoluteFilePath(stored));
    const QString number = profiles.LeerValorIni(kSection, kPagina, file).trimmed();
    if (number != ProfileFiles::Vacio && !number.isEmpty()) {
        // A page that is not a whole number from 1 on is kept as 0, which the check before a
        // run refuses with the template's name, rather than silently printing page 1.
        try {
            page.page = qMax(0, int(NumberText::strictInt16(number)));
        } catch (const std::exception &e) {
            qCDebug(lcFiles).noquote() << "Template page is no number:" << describeFailure(e);
            page.page = 0;
        }
    }
    return page;
}

QList<ProfileValue> values(const std::optional<PdfTemplate> &page, const QString &jobFile)
{
    if (!page)
        return {ProfileValue::sectionRemoval(kSection)};
    const QDir folder = QFileInfo(jobFile).absoluteDir();
    const QString relative = folder.relativeFilePath(page->file);
    const bool inside = !relative.startsWith(QStringLiteral("../")) && relative != QStringLiteral("..") &&
                        !QDir::isAbsolutePath(relative);
    return {{kSection, kArchivo, inside ? relative : QDir::cleanPath(page->file)},
            {kSection, kPagina, QString::number(page->page)}};
}

} // namespace JobTemplate
