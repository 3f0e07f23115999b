#pragma once

#include "JobSheets.h"

#include <QString>
#include <memory>

class Dialogs;

// Receipt books: every sheet of a run printed `copies` times in a row (white, yellow, pink), so
// the run does not depend on how a driver handles uncollated copies. The sheets counted are the
// physical ones.
namespace SheetSets {

constexpr int kMost = 10;

// The "Juegos" box: a whole number from 1 to kMost. Throws RuntimeError naming the box otherwise.
int read(const QString &text);
// The same check before a run: false, after the message, when the box is refused.
bool accepted(const QString &text, Dialogs &dialogs);

// `sheets` with each sheet repeated `copies` times; `sheets` itself for 1.
std::unique_ptr<JobSheets> repeat(std::unique_ptr<JobSheets> sheets, int copies);

} // namespace SheetSets
