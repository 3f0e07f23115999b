#pragma once

#include "Paths.h"

#include <QTemporaryDir>

// A fresh temporary folder standing in for the program folder and the user's folders.
// Also switches QStandardPaths to test mode, so nothing touches the real home folder.
class TestPaths
{
public:
    TestPaths();
    const Paths &paths() const { return m_paths; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    Paths m_paths;
};
