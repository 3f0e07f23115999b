#pragma once

#include "Paths.h"

// The first-run registration of the job-file type. A run counts as the first until one
// registration completed (store and desktop); then the store remembers it and later starts do
// nothing. An incomplete one (a store or home folder that cannot be written, a missing
// desktop tool) is tried again at the next start.
namespace FirstRun {

bool done(const Paths &paths);
// Registers when not done yet; true when the registration is (now) complete.
bool registerFileType(const Paths &paths, const QString &programFile);

} // namespace FirstRun
