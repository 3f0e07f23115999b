#include "LastPrint.h"

#include "Dialogs.h"
#include "JobFile.h"
#include "Logging.h"
#include "RunMessages.h"
#include "RuntimeError.h"

LastPrint::LastPrint(JobSource job, const ProfileFiles &profiles, Dialogs &dialogs,
                     std::function<void()> modified)
    : m_job(std::move(job)), m_profiles(profiles), m_dialogs(dialogs), m_modified(std::move(modified))
{}

void LastPrint::UltimaImpresion(int page, const SameNumberJob &same, const DistinctNumberJob &distinct) const
{
    QList<ProfileValue> values;
    try {
        values = JobFile::UltimaImpresion(page, same, distinct);
    } catch (const RuntimeError &error) {
        // Each run words its errors its own way.
        if (page == 0 && error.number() == RuntimeError::TypeMismatch)
            m_dialogs.message(RunMessages::notNumeric(), RunMessages::kTitle, Dialogs::Icon::Critical);
        else
            m_dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::None);
        return;
    }
    QString settings;
    QString reason;
    if (!m_profiles.EscribirValoresIni(values, settings, &reason))
        qCWarning(lcFiles).noquote()
            << QStringLiteral("Last print not saved in %1: %2").arg(settings, reason);
}

void LastPrint::reload(int page) const
{
    m_job.LeerCheck(page, m_profiles, QString());
    // Boxes that already held the stored text do not signal a change, yet the job is now the
    // reloaded one.
    m_modified();
}
