#pragma once

// Printing a job file without a window: `tessarino --print rifa.trv [--printer NAME |
// --output FILE.pdf]`, plus --help and --version. Any option selects this path; a plain path
// still opens the job in the window.
namespace CommandLinePrint {

bool wanted(int argc, char **argv);

// Builds its own application on the offscreen platform and returns the exit status: 0 printed,
// 1 the job could not be printed (the window's message went to standard error), 2 a wrong
// command line.
int main(int argc, char **argv);

} // namespace CommandLinePrint
