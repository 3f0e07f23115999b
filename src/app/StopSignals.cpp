#include "StopSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_received = 0;
int g_pipe[2] = {-1, -1};

void noted(int signal)
{
    const int saved = errno; // the interrupted code may be about to read errno
    g_received = signal;
    if (g_pipe[1] >= 0) {
        const char byte = char(signal);
        [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1); // a full pipe already says it
    }
    errno = saved;
}

} // namespace

void StopSignals::install(std::initializer_list<int> signals, bool once)
{
    if (g_pipe[0] < 0 && pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_pipe[0] = g_pipe[1] = -1; // the record alone still stops a run
    struct sigaction action
    {
    };
    action.sa_handler = noted;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | (once ? SA_RESETHAND : 0);
    for (const int signal : signals)
        sigaction(signal, &action, nullptr);
}

int StopSignals::received()
{
    return g_received;
}

void StopSignals::take()
{
    g_received = 0;
}

void StopSignals::drain()
{
    char bytes[64];
    while (g_pipe[0] >= 0 && read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
}

int StopSignals::pipeFd()
{
    return g_pipe[0];
}
