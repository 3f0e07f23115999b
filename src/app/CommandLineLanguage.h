#pragma once

#include "ResourceLibrary.h"

#include <cstdint>

class ProfileFiles;

// The language of `tessarino --print`: the one the window would speak, the stored choice or the
// environment's when none is stored. Qt's translations and the texts of the resource library's
// tables both follow it while this object lives, as they do in the window.
class CommandLineLanguage
{
public:
    explicit CommandLineLanguage(const ProfileFiles &profiles);
    ~CommandLineLanguage();
    CommandLineLanguage(const CommandLineLanguage &) = delete;
    CommandLineLanguage &operator=(const CommandLineLanguage &) = delete;

private:
    ResourceLibrary m_library;
};
