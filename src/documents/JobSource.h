#pragma once

#include "DistinctNumberRun.h"
#include "SameNumberRun.h"

#include <QString>
#include <functional>

class ProfileFiles;

// The job as the window holds it, for the document logic below the window: what it reads for a
// save or a record, and how a page record read from a file is put back into the window.
struct JobSource
{
    std::function<SameNumberJob()> sameNumberJob;
    std::function<DistinctNumberJob()> distinctNumberJob;
    // Reads the page record of `page` from `file` (empty: the settings file) into the window.
    std::function<void(int page, const ProfileFiles &profiles, const QString &file)> LeerCheck;
};
