#pragma once

#include <initializer_list>

// Signals that ask the program to stop (Ctrl+C, SIGTERM, SIGHUP). The handler only records the
// signal and writes a byte to a pipe: a run looks at the record between sheets and stops as
// "Cancelar" does, and the window watches the pipe with a socket notifier. No Qt call is made in
// the handler.
namespace StopSignals {

// Installs the handler for `signals`. With `once`, a second signal of the same kind ends the
// program at once (the default action), as a second Ctrl+C does in other tools.
void install(std::initializer_list<int> signals, bool once);

// The last signal received and not yet taken, 0 when none.
int received();

// Takes the received signal: it was acted on.
void take();

// The pipe's read end: readable once a signal came. -1 before install().
int pipeFd();
// Empties the pipe, so that its watcher is told only of the next signal.
void drain();

} // namespace StopSignals
