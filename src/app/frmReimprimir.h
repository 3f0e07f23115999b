#pragma once

#include "RunLog.h"
#include "SheetSpan.h"

#include <QDialog>
#include <vector>

class Dialogs;
class QComboBox;
class QLineEdit;

// "Reimprimir hojas": which logged run, and its sheets J to K (physical sheets, sets counted,
// from 1). Offers the newest runs first, the one asked for chosen.
class frmReimprimir final : public QDialog
{
public:
    // The most runs offered: a choice among thousands helps nobody, and the log window reaches all.
    static constexpr int kMostRuns = 500;

    frmReimprimir(const std::vector<RunLog::Run> &runs, const QString &runId, Dialogs &dialogs,
                  QWidget *owner);

    QComboBox *cboImpresion = nullptr;
    QLineEdit *txtDesdeHoja = nullptr;
    QLineEdit *txtHastaHoja = nullptr;

    RunLog::Run chosenRun() const;
    SheetSpan chosenSpan() const { return m_span; }

    void accept() override;

private:
    void showRun();

    std::vector<RunLog::Run> m_runs; // newest first
    Dialogs &m_dialogs;
    SheetSpan m_span;
};
