#pragma once

#include <QDialog>
#include <array>

struct JobControls;

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;

// "Numerar en pilas" of the distinct-number page: the run's ends and pile depth, kept in this
// dialog (Herramientas menu) and read with the rest of the job. While it is on, the rows' boxes
// show the starts and ends of the first block's piles and cannot be typed into, and a line on
// the page shows the plan.
class frmPilas final : public QDialog
{
    Q_OBJECT

public:
    // `rows` are the main window's boxes (its desde/hasta/Check2 rows are the ones piles fill),
    // `pageLine` is the distinct-number page's line for the plan (lblPilas), `owner` the main
    // window, which outlives this dialog with its boxes.
    frmPilas(const JobControls &rows, QLabel *pageLine, QWidget *owner);

    QCheckBox *chkPilas = nullptr;
    QLineEdit *txtPilasDesde = nullptr;
    QLineEdit *txtPilasHasta = nullptr;
    QLineEdit *txtPilasProfundidad = nullptr;
    QCheckBox *chkSeparadores = nullptr; // a separator sheet before each block
    QLabel *lblPlan = nullptr;           // the plan in the dialog
    QLabel *lblPilas = nullptr;          // the plan on the page, shown while piles are on

    // Piles off, with the texts a new job starts with.
    void reset();

private:
    void refresh();
    QString pageLine(const QString &summary) const;
    // The separator sheets `blocks` blocks get while they are on; empty while they are off.
    QString separators(qint64 blocks) const;
    bool fitsPageLine(const QString &summary) const;

    const JobControls &m_rows;
};
