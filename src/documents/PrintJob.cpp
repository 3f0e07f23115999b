#include "PrintJob.h"

#include "FontSettings.h"
#include "InputRules.h"
#include "JobFile.h"
#include "JobTemplate.h"
#include "Logging.h"
#include "NumberText.h"
#include "ProfileFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <span>

namespace {

// The lengths the window's boxes take.
constexpr int kPositionLength = 5;
constexpr int kSizeLength = 2;
constexpr int kSetsLength = 2;

// A disable box as the window ends up with it: an open starts with every box checked, and the
// enable chain puts a box back when the one before it is checked.
bool chainedOff(std::span<const bool> before, int index, std::optional<bool> stored)
{
    const bool current = true;
    if (!stored || *stored == current)
        return current;
    return InputRules::enableChain(index, index > 0 && before[index - 1]) == InputRules::ChainAction::PutBack;
}

FontChoice readFont(const ProfileFiles &profiles, const QString &file, QStringList &notices)
{
    const FontSettings::Stored stored = FontSettings::read(profiles, file);
    FontChoice font;
    const QStringList families = FontSettings::installedFamilies();
    const QString first = families.value(0);
    const auto color = FontSettings::colorFromText(stored.color);
    if (!color) { // a file without a font prints in the built-in one
        font.name = first;
        return font;
    }
    font.color = *color;
    font.sizeText = stored.size.left(kSizeLength);
    const QString family = FontSettings::withoutFoundry(stored.name);
    if (FontSettings::isNumericName(stored.name)) {
        font.name = first;
    } else if (families.contains(family)) {
        font.name = family;
    } else {
        font.name = first;
        notices.append(FontSettings::notFoundMessage(stored.name, first));
    }
    return font;
}

} // namespace

PrintJob PrintJob::read(const ProfileFiles &profiles, const QString &file)
{
    PrintJob job;
    job.name = QFileInfo(file).fileName();
    const std::optional<int> stored = JobFile::jobPage(profiles, file);
    job.page = stored.value_or(0);
    job.same.off.fill(true);
    job.distinct.off.fill(true);
    if (!stored)
        job.notices.append(QCoreApplication::translate("PrintJob",
                                                       "El archivo no indica si guarda un trabajo de mismo "
                                                       "número o de distinto número; se imprime como trabajo "
                                                       "de mismo número."));
    if (job.page == 0) {
        const JobFile::Page0Record record = JobFile::readPage0(profiles, file);
        job.same.desde = record.desde;
        job.same.hasta = record.hasta;
        for (int i = 0; i < SameNumberJob::kPositions; ++i) {
            const auto &p = record.positions[i];
            job.same.off[i] = chainedOff(job.same.off, i, p.off) || p.forcedOff;
            job.same.posX[i] = p.x.left(kPositionLength);
            job.same.posY[i] = p.y.left(kPositionLength);
            job.same.looks[i] = p.look;
        }
        job.same.juegos = record.juegos.left(kSetsLength);
    } else {
        const JobFile::Page1Record record = JobFile::readPage1(profiles, file);
        for (int i = 0; i < DistinctNumberJob::kRows; ++i) {
            const auto &r = record.rows[i];
            job.distinct.desde[i] = r.desde;
            job.distinct.hasta[i] = r.hasta;
            job.distinct.posX[i] = r.x.left(kPositionLength);
            job.distinct.posY[i] = r.y.left(kPositionLength);
            job.distinct.off[i] = chainedOff(job.distinct.off, i, r.off);
            job.distinct.looks[i] = r.look;
        }
        job.distinct.piles = record.piles;
        job.distinct.separadores = record.separadores;
        job.distinct.juegos = record.juegos.left(kSetsLength);
    }
    try {
        QString path = file;
        job.orientation =
            NumberText::strictInt16(profiles.LeerValorIni(JobFile::kOrientacion, JobFile::kSentido, path));
    } catch (const std::exception &e) {
        // Not an error: a job without an orientation prints in the printer's.
        qCDebug(lcFiles).noquote() << "Job without an orientation:" << describeFailure(e);
    }
    job.font = readFont(profiles, file, job.notices);
    job.pdfTemplate = JobTemplate::read(profiles, file);
    return job;
}
