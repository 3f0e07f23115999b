#pragma once

#include "SameNumberRun.h"

#include <functional>

class Dialogs;
class RunObserver;

// A print run on a thread of its own that takes turns with the window's thread: only one of the
// two works at any moment, so the run and the window never touch the printer, the job or the
// log at the same time, yet the run goes on in whatever event loop the window is in. A dialog
// the user opens during the run (a file dialog, a question) runs its own event loop, and the run
// keeps drawing and sending parts inside it; a run nested in the window's loop would stand still
// until the dialog closed and leave the printer waiting.
//
// The run's turns last a few hundredths of a second; the window's turn comes between them and
// whenever the run waits for the printer. What the run tells its observer and every dialog it
// opens is carried to the window's thread and answered there.
namespace RunAside {

using Print = std::function<RunOutcome(RunObserver *observer, Dialogs &dialogs)>;

// How long the run works before the window gets its turn.
constexpr int kTurnMs = 20;

// Runs `print` aside, telling `observer` and asking `dialogs` on this (the window's) thread, and
// returns when it has ended: its outcome, or what it threw. `windowTurn` is told true when the
// window's turn begins and false when the run's does.
RunOutcome run(RunObserver *observer, Dialogs &dialogs, const std::function<void(bool)> &windowTurn,
               const Print &print);

} // namespace RunAside
