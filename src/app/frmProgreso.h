#pragma once

#include "RunObserver.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of a print run. It appears once the run has gone on for half a second,
// keeps the program's windows painting while the run holds the window thread, and blocks every
// other window meanwhile, so that no other command starts. "Cancelar" (or closing it) stops the
// run after the sheet under way, and so does SIGTERM or SIGHUP (StopSignals).
class frmProgreso final : public QDialog, public RunObserver
{
    Q_OBJECT

public:
    static constexpr int kShowAfterMs = 500;
    // How often the window is brought up to date: often enough to feel live, rarely enough to
    // cost the run nothing noticeable.
    static constexpr int kRefreshMs = 40;

    explicit frmProgreso(QWidget *owner);

    bool sheetPrinted(qint64 done, qint64 total, const QString &number) override;
    ~frmProgreso() override;
    bool cancelled() const { return m_cancelled; }
    // A run is under way under a progress window: it acts on a stop signal itself.
    static bool running() { return s_running > 0; }

    QLabel *lblHoja = nullptr;
    QLabel *lblNumero = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *cmdCancelar = nullptr;

protected:
    void reject() override; // Escape and the close button cancel, as "Cancelar" does

private:
    void refresh(qint64 done, qint64 total, const QString &number);

    QElapsedTimer m_clock;
    qint64 m_nextRefreshMs = kShowAfterMs;
    bool m_cancelled = false;
    static inline int s_running = 0;
};
