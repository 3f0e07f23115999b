#pragma once

#include "DistinctNumberRun.h"
#include "JobSheets.h"
#include "SameNumberRun.h"

#include <QObject>
#include <functional>
#include <memory>

class Dialogs;
class PrinterSurface;
class ProfileFiles;
class QAction;
class QWidget;
class RunHistory;
class RunObserver;
struct RunSummary;

// What a print shop does around a run, seen from the main window: replacing damaged tickets, the
// printable pile plan and the summary asked for before a long run.
class ShopTools final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        QWidget *window;
        Dialogs &dialogs;
        PrinterSurface &printer;
        const ProfileFiles &profiles;
        RunHistory &history;
    };
    struct Job
    {
        std::function<int()> page;                                  // the page showing
        std::function<std::unique_ptr<JobSheets>(int page)> sheets; // after the run's checks
        std::function<DistinctNumberJob()> distinct;
        std::function<QString()> name; // as the printer queue shows it
    };

    // `resumen` is the entry that sets how long a run may be before the summary asks.
    ShopTools(const Services &services, Job job, QAction *reponer, QAction *planPilas, QAction *resumen,
              QObject *owner);

    void setThreshold();

    // "Reponer boletos..." and "Imprimir plan de pilas".
    void replaceTickets();
    void printPilePlan();

    // `run` with the question asked before a long run; a run the user does not let start counts
    // as failed (nothing printed, nothing more said).
    RunOutcome withSummary(RunObserver *observer, const std::function<RunOutcome(RunObserver *)> &run);
    // The question itself: true to go on.
    bool goOn(const RunSummary &summary);

private:
    Services m_services;
    Job m_job;
};
