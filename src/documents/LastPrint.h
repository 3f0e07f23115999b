#pragma once

#include "DistinctNumberRun.h"
#include "JobSource.h"
#include "SameNumberRun.h"

#include <functional>

class Dialogs;
class ProfileFiles;

// The last print run of each page, kept in the settings file as the job file's page record,
// and brought back by the Tools menu's "Cargar" entries.
class LastPrint
{
public:
    // `modified` marks the job changed.
    LastPrint(JobSource job, const ProfileFiles &profiles, Dialogs &dialogs, std::function<void()> modified);

    // UltimaImpresion(page, ""): records the page after a run that counts as the last print,
    // with the values the run printed (the window may have changed since it began).
    // A range end that is not a number is the run's own error and is reported as such; a settings
    // file that cannot be written loses the record without a word, like every other setting.
    void UltimaImpresion(int page, const SameNumberJob &same, const DistinctNumberJob &distinct) const;

    // LeerCheck(page, ""): no reset and no question; the document keeps its name.
    void reload(int page) const;

private:
    JobSource m_job;
    const ProfileFiles &m_profiles;
    Dialogs &m_dialogs;
    std::function<void()> m_modified;
};
