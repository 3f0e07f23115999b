#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Dialogs;

// The two Tools-menu commands that change the whole job at once. Callers that bring the window
// into a known state (opening a job, a new job) pass the Yes answer (6) to skip the question.
// Boxes are named by their object names ("Check2_3" is Check2(3)).
namespace BulkEdit {

inline const QString kCheckAllQuestion =
    QStringLiteral("Está seguro de chequear todas las casillas de verificación.");
inline const QString kClearQuestion =
    QStringLiteral("Está seguro de querer dejar a cero (0) todas las casillas de texto.");

// Every check box of the main window in the window's control order. The order matters: each
// box runs its own rules as it changes, and the enable chain looks at the box before it.
const QStringList &checkOrder();

// Checks every box (after a Yes), then in every case unchecks chVert2 and chVert.
void Chequear(Dialogs &dialogs, float preg, const std::function<void(const QString &box, bool checked)> &setChecked);

// Sets every number and position box back to zero (after a Yes); check boxes stay as they are.
void Limpiar(Dialogs &dialogs, float preg, const std::function<void(const QString &box, const QString &text)> &setText);

} // namespace BulkEdit
