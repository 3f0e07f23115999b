#pragma once

#include <QApplication>
#include <sys/resource.h>

// What every benchmark reports and runs on.
namespace BenchSupport {

// The process's peak resident memory so far, in MiB.
inline double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// A widgets application on the offscreen platform, whatever the environment says: the printer
// surfaces need one, and a benchmark must not depend on a display.
class OffscreenApp
{
public:
    explicit OffscreenApp(char *program) : m_argv{program, m_flag, m_name, nullptr}, m_app(m_argc, m_argv) {}

private:
    int m_argc = 3;
    char m_flag[10] = "-platform";
    char m_name[10] = "offscreen";
    char *m_argv[4];
    QApplication m_app;
};

} // namespace BenchSupport
