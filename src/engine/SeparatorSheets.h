#pragma once

#include "JobSheets.h"
#include "PilePlan.h"

#include <QString>
#include <functional>
#include <memory>

// Separator sheets of a cut-and-stack run: before each block a sheet that says, in large type,
// the job's name, the block, and its piles with their first and last numbers, so the operator
// can split the stack. Printed on the same printer, between the blocks.
namespace SeparatorSheets {

// `sheets` (the run's sheets, sets included) with a separator before each block of `plan`.
// `number` writes an offset as the run prints it.
std::unique_ptr<JobSheets> insert(std::unique_ptr<JobSheets> sheets, const PilePlan &plan,
                                  std::function<QString(qint64)> number, const QString &jobName);

// A separator's lines: name, block, piles.
QStringList lines(const PilePlan &plan, qint64 block, const std::function<QString(qint64)> &number,
                  const QString &jobName);

} // namespace SeparatorSheets
