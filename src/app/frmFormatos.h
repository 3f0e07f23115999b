#pragma once

#include "NumberLookBoxes.h"

#include <QDialog>
#include <array>

class QLabel;

// "Formato de los números": how each position of the same-number page and each row of the
// distinct-number page prints its number (text or a code, with a text before and after it).
// The boxes live here, in a window of the Herramientas menu, and are read with the rest of the
// job; the main window keeps its layout.
class frmFormatos final : public QDialog
{
    Q_OBJECT

public:
    explicit frmFormatos(QWidget *owner);

    std::array<NumberLookBoxes, 6> same;
    std::array<NumberLookBoxes, 4> distinct;

    // Every position back to a plain number, as a new job starts.
    void reset();

private:
    void refresh();
};
