#pragma once

#include "BulkEdit.h"
#include "DistinctNumberRun.h"
#include "JobSource.h"
#include "NumberLookBoxes.h"
#include "SameNumberRun.h"

#include <array>

class ProfileFiles;
class QCheckBox;
class QLineEdit;
class QTabWidget;

// The numbering job as the main window's controls hold it: what the job file and the
// last-print memory read from and write into.
struct JobControls
{
    QTabWidget *SSTab1 = nullptr;
    QLineEdit *txtDesde = nullptr;
    QLineEdit *txtHasta = nullptr;
    std::array<QLineEdit *, 6> txtPosX{};
    std::array<QLineEdit *, 6> txtPosY{};
    std::array<QCheckBox *, 6> Check1{};
    std::array<QLineEdit *, 4> desde{};
    std::array<QLineEdit *, 4> hasta{};
    std::array<QLineEdit *, 4> posX{};
    std::array<QLineEdit *, 4> posY{};
    std::array<QCheckBox *, 4> Check2{};
    QCheckBox *chVert = nullptr;
    QCheckBox *chVert2 = nullptr;
    // Cut-and-stack piles of page 1.
    QCheckBox *chkPilas = nullptr;
    QLineEdit *txtPilasDesde = nullptr;
    QLineEdit *txtPilasHasta = nullptr;
    QLineEdit *txtPilasProfundidad = nullptr;
    // Receipt-book sets of page 0 and page 1.
    QLineEdit *txtJuegos = nullptr;
    QLineEdit *txtJuegos2 = nullptr;
    // How each position and row prints its number.
    std::array<NumberLookBoxes, 6> looks0{};
    std::array<NumberLookBoxes, 4> looks1{};
    // A separator sheet before each block of piles.
    QCheckBox *chkSeparadores = nullptr;

    SameNumberJob sameNumberJob() const;
    DistinctNumberJob distinctNumberJob() const;

    // Reads the page record of `page` from `file` (empty: the settings file) into the boxes, in
    // the order the boxes' own rules expect (each disable box before its texts, position by
    // position), then shows the page the record names, or `page`. Page availability is left alone.
    void LeerCheck(int page, const ProfileFiles &profiles, const QString &file) const;

    // The box of the job a bulk edit names, or nothing for one these controls do not hold.
    QCheckBox *checkBox(BulkEdit::Box box) const;
    QLineEdit *textBox(BulkEdit::Box box) const;

    // The job for the document logic, read from and put back into these boxes.
    operator JobSource() const;
};
