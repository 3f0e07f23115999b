// Any bytes as a job file a user brings: checking, reading both page records, the page and the
// font must never crash; and a job saved into the file reads back as saved, whatever the file
// held before, with every section the save does not own left as it was.
#include "FuzzInput.h"
#include "JobFile.h"
#include "ProfileNames.h"

#include <QFile>

namespace {

JobFile::Saved knownJob()
{
    JobFile::Saved job;
    job.page = 1;
    job.same.desde = QStringLiteral("0001");
    job.same.hasta = QStringLiteral("0500");
    job.same.posX = {QStringLiteral("500"), QStringLiteral("900")};
    job.same.posY = {QStringLiteral("300"), QStringLiteral("300")};
    job.same.off = {false, false, true, true, true, true};
    job.distinct.desde = {QStringLiteral("0001"), QStringLiteral("0101"), QStringLiteral("0000"),
                          QStringLiteral("0000")};
    job.distinct.hasta[0] = QStringLiteral("0100");
    job.distinct.posX = {QStringLiteral("500"), QStringLiteral("6000"), QStringLiteral("0"),
                         QStringLiteral("0")};
    job.distinct.posY = {QStringLiteral("300"), QStringLiteral("300"), QStringLiteral("0"),
                         QStringLiteral("0")};
    job.distinct.off = {false, false, true, true};
    job.font = {QStringLiteral("255"), QStringLiteral("20"), QStringLiteral("Nimbus Sans")};
    job.fecha = QStringLiteral("07/12/2026");
    job.hora = QStringLiteral("10:15:30");
    return job;
}

bool isSaveSection(const QString &section)
{
    for (const QString &own : {JobFile::recordSection(1), FontSettings::kSection, JobFile::kFechaYHora,
                               JobFile::kOrientacion, JobFile::kSolapa})
        if (section.compare(own, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString file = fuzzInputFile(bytes, ".trv");
    const ProfileFiles profiles(fuzzFolder() + QStringLiteral("/Vireo.sys"));
    if (!JobFile::refusal(file).isEmpty()) {
        QFile::remove(file);
        return 0; // refused with a message: nothing is read from it
    }
    JobFile::jobPage(profiles, file);
    JobFile::readPage0(profiles, file);
    JobFile::readPage1(profiles, file);
    FontSettings::read(profiles, file);

    // Sections the save leaves alone, as they read before it.
    QList<QPair<QString, QString>> others;
    QStringList before;
    for (const auto &name : namesIn(bytes)) {
        if (isSaveSection(name.first))
            continue;
        others.append(name);
        before.append(profiles.LeerValorIni(name.first, name.second, file));
    }

    const JobFile::Saved job = knownJob();
    QString target = file;
    QString reason;
    if (!profiles.EscribirValoresIni(JobFile::jobValues(job), target, &reason))
        fuzzFailure("a readable job file could not be saved over", reason);

    const JobFile::Page1Record back = JobFile::readPage1(profiles, file);
    for (int i = 0; i < DistinctNumberJob::kRows; ++i) {
        const auto &row = back.rows[size_t(i)];
        if (row.desde != job.distinct.desde[size_t(i)] || row.x != job.distinct.posX[size_t(i)] ||
            row.y != job.distinct.posY[size_t(i)] ||
            row.off != std::optional<bool>(job.distinct.off[size_t(i)]))
            fuzzFailure("a saved row reads back differently", QString::number(i));
    }
    if (JobFile::jobPage(profiles, file) != std::optional<int>(1))
        fuzzFailure("the saved page reads back differently", file);
    if (FontSettings::read(profiles, file) != job.font)
        fuzzFailure("the saved font reads back differently", file);
    for (qsizetype i = 0; i < others.size(); ++i) {
        const QString now = profiles.LeerValorIni(others[i].first, others[i].second, file);
        if (now != before[i])
            fuzzFailure("a section the save does not own changed",
                        QStringLiteral("[%1] %2: <%3> became <%4>")
                            .arg(others[i].first, others[i].second, before[i], now));
    }
    QFile::remove(file);
    return 0;
}
