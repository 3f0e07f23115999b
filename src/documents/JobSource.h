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
    // The page the window shows (SSTab1): 0 same number, 1 distinct numbers.
    std::function<int()> page;
    // Marks `page`'s job as printed across the sheet (chVert, chVert2).
    std::function<void(int page)> setLandscape;
};
