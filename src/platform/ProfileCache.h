#pragma once

#include "ProfileText.h"

#include <QString>

#include <memory>

// The parsed profile files of this process, kept while they stay unchanged on disk: the window
// reads the settings file dozens of times as it starts, and a file of any size is then read and
// indexed once. A file counts as unchanged while its device, inode, size and change times are;
// an atomic replace (ours or another process's) gives it a new inode.
namespace ProfileCache {

enum class State { Missing, Unreadable, Loaded };

struct Loaded
{
    State state = State::Missing;
    std::shared_ptr<const ProfileText> text; // set when Loaded
};

Loaded load(const QString &path);

// Drops what is kept for `path`, after this process has written it.
void forget(const QString &path);

} // namespace ProfileCache
