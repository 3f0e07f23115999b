#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <vector>

class Dialogs;

// The two Tools-menu commands that change the whole job at once. Callers that bring the window
// into a known state (opening a job, a new job) pass the Yes answer (6) to skip the question.
// The commands name the job's boxes by what they hold; the window sets its own controls.
namespace BulkEdit {

// The questions the two commands ask first, in the interface language.
inline QString checkAllQuestion()
{
    return QCoreApplication::translate("BulkEdit",
                                       "Está seguro de chequear todas las casillas de verificación.");
}
inline QString clearQuestion()
{
    return QCoreApplication::translate("BulkEdit",
                                       "Está seguro de querer dejar a cero (0) todas las casillas de texto.");
}

// One box of the job: which control or control array of the window (by its classic name) and,
// in an array, which element.
struct Box
{
    enum Control {
        Check3,   // the font's "keep" box
        chVert2,  // page 1 in landscape
        Check2,   // page 1's rows switched off
        chVert,   // page 0 in landscape
        Check1,   // page 0's positions switched off
        txtDesde, // page 0's range
        txtHasta,
        txtPosX, // page 0's positions
        txtPosY,
        desde, // page 1's rows
        hasta,
        posX,
        posY,
    };
    Control control;
    int index = -1; // the element of a control array; -1 for a single control

    bool operator==(const Box &) const = default;
    // The control's object name in the window: "Check2_3" for Check2(3).
    QString name() const;
};

// Every check box of the job in the window's control order. The order matters: each box runs
// its own rules as it changes, and the enable chain looks at the box before it.
const std::vector<Box> &checkOrder();

// Checks every box (after a Yes), then in every case unchecks chVert2 and chVert.
void Chequear(Dialogs &dialogs, float preg, const std::function<void(Box box, bool checked)> &setChecked);

// Sets every number and position box back to zero (after a Yes); check boxes stay as they are.
void Limpiar(Dialogs &dialogs, float preg, const std::function<void(Box box, const QString &text)> &setText);

} // namespace BulkEdit
