#pragma once

#include "RunObserver.h"

#include <QDialog>
#include <QElapsedTimer>

class Dialogs;
class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of a print run. It appears once the run has gone on for half a second. It
// is not modal: the run goes on aside (RunAside) while the user opens, edits, saves and previews
// other jobs (RunHistory refuses another print until this one ends). "Cancelar" (or closing it)
// stops the run after the sheets under way, and so does SIGTERM or SIGHUP (StopSignals).
class frmProgreso final : public QDialog, public RunObserver
{
    Q_OBJECT

public:
    // The window waits this long before it shows, so a short run never flashes one. Tests that
    // must reach the window in a short run set it lower.
    static inline int showAfterMs = 500;
    // How often the window is brought up to date: often enough to feel live, rarely enough to
    // cost the run nothing noticeable.
    static constexpr int kRefreshMs = 40;

    explicit frmProgreso(QWidget *owner, Dialogs *dialogs = nullptr);

    bool sheetPrinted(qint64 done, qint64 total, const QString &number) override;
    // On a queue: the sheets the printer completed and its state in words; while the run waits
    // for the printer the window stays live, and a stopped printer is waited for until the
    // user stops the run.
    void printerConfirms() override { m_confirms = true; }
    void printerConfirmed(qint64 confirmed, qint64 total, const QString &lastNumber,
                          const QString &jobs) override;
    void printerState(const QString &words) override;
    bool keepWaiting() override;
    bool waitsForStoppedPrinter() const override { return true; }
    ~frmProgreso() override;
    bool cancelled() const { return m_cancelled; }
    // Whether the user wants the run stopped: while parts of it are at the printer the user is
    // asked to wait for them or stop (which cancels them); else yes at once.
    bool wantsStop();
    // Stops the run after the sheet under way, or as it next waits for the printer.
    void stop();
    // A run is under way under a progress window: it acts on a stop signal itself.
    static bool running() { return s_running > 0; }

    QLabel *lblHoja = nullptr;
    QLabel *lblNumero = nullptr;
    QLabel *lblImpresora = nullptr; // sheets the printer completed, and its state
    QString printerText() const;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *cmdCancelar = nullptr;

protected:
    // Escape and the close button cancel, as "Cancelar" does. While parts of the run are at the
    // printer the user is asked first whether to wait for them or stop (which cancels them).
    void reject() override;
    // The texts follow a change of language made while the run goes on.
    void changeEvent(QEvent *event) override;

private:
    void refresh(qint64 done, qint64 total, const QString &number);
    void retranslate();

    QElapsedTimer m_clock;
    qint64 m_nextRefreshMs = showAfterMs;
    bool m_cancelled = false;
    bool m_confirms = false;
    bool m_asking = false;
    Dialogs *m_dialogs = nullptr;
    qint64 m_confirmed = 0, m_total = 0;
    // The sheet and number shown last.
    qint64 m_shownSheet = 0, m_shownTotal = 0;
    QString m_shownNumber;
    bool m_shownAny = false;
    QString m_state;
    void checkSignal();
    static inline int s_running = 0;
};
