#include "RunAside.h"

#include "Dialogs.h"
#include "RunObserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QTimer>

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <type_traits>

namespace {

// The baton the two threads pass: whoever holds it works, the other waits. The run hands it
// back with something the window must do for it (a call to carry) or a time to stay away.
class Turns
{
public:
    // The run's thread: `work` is done on the window's thread, and what it throws comes back.
    void onWindow(const std::function<void()> &work)
    {
        std::exception_ptr thrown;
        std::function<void()> carried = [&] {
            try {
                work();
            } catch (...) {
                thrown = std::current_exception();
            }
        };
        handBack(std::move(carried), 0);
        if (thrown)
            std::rethrow_exception(thrown);
    }
    // The run's thread: the answer of `question`, asked on the window's thread.
    template <typename F> std::invoke_result_t<F> ask(F question)
    {
        std::invoke_result_t<F> answer{};
        onWindow([&] { answer = question(); });
        return answer;
    }
    // The run's thread: nothing to do for `ms`; the window has that time.
    void away(int ms) { handBack({}, ms); }

    // The run's thread, at its start and its end.
    void waitForFirstTurn()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_runsTurn; });
    }
    void finish()
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        m_runsTurn = false;
        m_changed.notify_all();
    }

    // The window's thread: what the run handed back with at the end of its turn.
    struct Back
    {
        std::function<void()> carried;
        int awayMs = 0;
        bool finished = false;
    };
    Back runsTurn()
    {
        std::unique_lock lock(m_mutex);
        m_runsTurn = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_runsTurn; });
        Back back{std::move(m_carried), std::exchange(m_awayMs, 0), m_finished};
        m_carried = nullptr;
        return back;
    }

private:
    void handBack(std::function<void()> carried, int ms)
    {
        std::unique_lock lock(m_mutex);
        m_carried = std::move(carried);
        m_awayMs = ms;
        m_runsTurn = false;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_runsTurn; });
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_runsTurn = false;
    bool m_finished = false;
    std::function<void()> m_carried;
    int m_awayMs = 0;
};

// The window's observer as the run's thread sees it: every call is carried to the window. The
// sheets are carried a batch at a time, in order, so that a fast run does not pass the baton
// for every sheet; a stop the observer asks for is heard when its batch arrives, at most
// kBatchMs later, and every sheet drawn by then is told.
class ObserverOnWindow final : public RunObserver
{
public:
    static constexpr int kBatchMs = 10;
    static constexpr qsizetype kBatchSheets = 256;

    ObserverOnWindow(RunObserver *observer, Turns &turns) : m_observer(observer), m_turns(turns) {}

    void printerConfirms() override
    {
        flush();
        m_turns.onWindow([&] { m_observer->printerConfirms(); });
    }
    void printerConfirmed(qint64 confirmed, qint64 total, const QString &lastNumber,
                          const QString &jobs) override
    {
        flush();
        m_turns.onWindow([&] { m_observer->printerConfirmed(confirmed, total, lastNumber, jobs); });
    }
    void printerState(const QString &words) override
    {
        flush();
        m_turns.onWindow([&] { m_observer->printerState(words); });
    }
    bool keepWaiting() override
    {
        return flush() && m_turns.ask([&] { return m_observer->keepWaiting(); });
    }
    bool waitsForStoppedPrinter() const override
    {
        return m_turns.ask([&] { return m_observer->waitsForStoppedPrinter(); });
    }
    void idle(int ms) override
    {
        flush();
        m_turns.away(ms);
    }
    bool sheetPrinted(qint64 done, qint64 total, const QString &number) override
    {
        if (m_sheets.isEmpty())
            m_sinceFirst.start();
        m_sheets.append({done, total, number});
        if (m_goOn && m_sheets.size() < kBatchSheets && m_sinceFirst.elapsed() < kBatchMs)
            return true;
        return flush();
    }
    void runStarting(qint64 total) override
    {
        flush();
        m_turns.onWindow([&] { m_observer->runStarting(total); });
    }
    bool goAhead(const JobSheets &sheets, const PrinterSurface &printer) override
    {
        flush();
        return m_turns.ask([&] { return m_observer->goAhead(sheets, printer); });
    }
    bool tellsWhereStopped() const override
    {
        return m_turns.ask([&] { return m_observer->tellsWhereStopped(); });
    }

    // Tells the sheets not yet told; false once the observer has asked the run to stop.
    bool flush()
    {
        if (m_sheets.isEmpty())
            return m_goOn;
        m_turns.onWindow([&] {
            for (const Sheet &sheet : std::as_const(m_sheets))
                if (!m_observer->sheetPrinted(sheet.done, sheet.total, sheet.number))
                    m_goOn = false;
        });
        m_sheets.clear();
        return m_goOn;
    }

private:
    struct Sheet
    {
        qint64 done;
        qint64 total;
        QString number;
    };

    RunObserver *m_observer;
    Turns &m_turns;
    QList<Sheet> m_sheets;
    QElapsedTimer m_sinceFirst;
    bool m_goOn = true;
};

// The window's dialogs as the run's thread sees them.
class DialogsOnWindow final : public Dialogs
{
public:
    DialogsOnWindow(Dialogs &dialogs, Turns &turns) : m_dialogs(dialogs), m_turns(turns) {}

    int message(const QString &text, const QString &title, Icon icon, Buttons buttons) override
    {
        return m_turns.ask([&] { return m_dialogs.message(text, title, icon, buttons); });
    }
    int choose(const QString &text, const QString &title, Icon icon, const QStringList &choices) override
    {
        return m_turns.ask([&] { return m_dialogs.choose(text, title, icon, choices); });
    }
    int32_t chooseColor() override
    {
        return m_turns.ask([&] { return m_dialogs.chooseColor(); });
    }
    QString openFileName(const FileRequest &request) override
    {
        return m_turns.ask([&] { return m_dialogs.openFileName(request); });
    }
    QString saveFileName(const FileRequest &request) override
    {
        return m_turns.ask([&] { return m_dialogs.saveFileName(request); });
    }

private:
    Dialogs &m_dialogs;
    Turns &m_turns;
};

} // namespace

namespace RunAside {

RunOutcome run(RunObserver *observer, Dialogs &dialogs, const std::function<void(bool)> &windowTurn,
               const Print &print)
{
    Turns turns;
    RunOutcome outcome = RunOutcome::Failed;
    std::exception_ptr thrown;
    std::thread runner([&] {
        turns.waitForFirstTurn();
        try {
            ObserverOnWindow carriedObserver(observer, turns);
            DialogsOnWindow carriedDialogs(dialogs, turns);
            try {
                outcome = print(observer ? &carriedObserver : nullptr, carriedDialogs);
            } catch (...) {
                thrown = std::current_exception();
            }
            // Whatever ended the run, the observer hears of every sheet it drew.
            if (observer)
                carriedObserver.flush();
        } catch (...) {
            if (!thrown)
                thrown = std::current_exception();
        }
        turns.finish();
    });

    QObject context;
    QEventLoop loop;
    bool finished = false;
    bool inTurn = false;
    const auto tell = [&](bool windows) {
        if (windowTurn)
            windowTurn(windows);
    };
    // The run's turn: it works until it has had kTurnMs, waits for the printer or ends.
    std::function<void()> runsTurn = [&] {
        if (inTurn || finished)
            return;
        inTurn = true;
        tell(false);
        QElapsedTimer clock;
        clock.start();
        int next = 0;
        for (;;) {
            Turns::Back back = turns.runsTurn();
            if (back.finished) {
                finished = true;
                break;
            }
            if (back.carried)
                back.carried(); // it catches what it throws, for the run's thread
            if (back.awayMs > 0) {
                next = back.awayMs;
                break;
            }
            if (clock.elapsed() >= kTurnMs)
                break;
        }
        tell(true);
        inTurn = false;
        if (finished)
            loop.quit();
        else
            QTimer::singleShot(next, &context, runsTurn);
    };
    tell(true);
    QTimer::singleShot(0, &context, runsTurn);
    loop.exec();
    // The program quitting ends every event loop and refuses new ones; the run still ends before
    // this returns, so that its record says how far it got.
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    runner.join();
    if (thrown)
        std::rethrow_exception(thrown);
    return outcome;
}

} // namespace RunAside
