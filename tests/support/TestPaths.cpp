#include "TestPaths.h"

#include <QStandardPaths>

TestPaths::TestPaths()
{
    QStandardPaths::setTestModeEnabled(true);
    m_paths = Paths::under(m_dir.path());
}
