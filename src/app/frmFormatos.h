#pragma once

#include "DistinctNumberRun.h"
#include "NumberLookBoxes.h"
#include "SameNumberRun.h"

#include <QDialog>
#include <array>
#include <functional>

class PrinterSurface;
class QLabel;

// "Formato de los números": how each position of the same-number page and each row of the
// distinct-number page prints its number (text or a code, with a text before and after it and a
// check digit). The boxes live here, in a window of the Herramientas menu, and are read with the
// rest of the job; the main window keeps its layout. Each code's size for the job's first number
// shows beside it, with a warning when it would leave the printable area.
class frmFormatos final : public QDialog
{
    Q_OBJECT

public:
    explicit frmFormatos(QWidget *owner);

    std::array<NumberLookBoxes, 6> same;
    std::array<NumberLookBoxes, 4> distinct;

    // Where the sizes come from: the job as the main window holds it and the printer it prints on.
    struct Sheet
    {
        std::function<SameNumberJob()> sameJob;
        std::function<DistinctNumberJob()> distinctJob;
        const PrinterSurface *printer = nullptr;
    };
    void setSheet(Sheet sheet);

    // Every position back to a plain number, as a new job starts.
    void reset();

    // The boxes enabled for each format, and each code's size and warning brought up to date.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::array<QLabel *, 6> m_sameSizes{};
    std::array<QLabel *, 4> m_distinctSizes{};
    QLabel *m_warnings = nullptr;
    Sheet m_sheet;
};
