#pragma once

#include "RunLog.h"
#include "TicketReplacement.h"

#include <QDialog>
#include <vector>

class Dialogs;
class QComboBox;
class QLineEdit;

// "Reponer boletos": the tickets that came out damaged, of a logged run or of the open job.
// The open job comes first when there is one; the newest runs follow.
class frmReponer final : public QDialog
{
public:
    static constexpr int kMostRuns = 500;

    frmReponer(const std::vector<RunLog::Run> &runs, bool openJob, Dialogs &dialogs, QWidget *owner);

    QComboBox *cboImpresion = nullptr;
    QLineEdit *txtBoletos = nullptr;

    // The run chosen; nothing for the open job.
    std::optional<RunLog::Run> chosenRun() const;
    const TicketReplacement::Request &request() const { return m_request; }

    void accept() override;

    // The physical sheets (from 0) a logged run printed; nothing when it cannot tell (a
    // replacement, whose sheets are not the job's).
    static std::optional<std::pair<qint64, qint64>> printedBy(const RunLog::Run &run);

private:
    std::vector<RunLog::Run> m_runs; // newest first
    bool m_openJob;
    Dialogs &m_dialogs;
    TicketReplacement::Request m_request;
};
