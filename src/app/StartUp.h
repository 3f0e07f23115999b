#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class QWidget;
class SingleInstance;
class frmPrincipal;
struct AppContext;

// What runs between the first paint of the start-up window and the main window on screen.
class StartUp
{
    Q_DECLARE_TR_FUNCTIONS(StartUp)

public:
    // The program's name followed by one blank.
    static inline const QString kAlreadyRunningTitle = QStringLiteral("Tessarino ");

    enum class Outcome {
        Started,        // the main window is on screen
        AlreadyRunning, // another instance holds the lock; the message was shown
        Failed,         // the main window could not be built; the message was shown
    };
    // The program's exit status when it ends at start-up with `outcome`.
    static int exitStatus(Outcome outcome) { return outcome == Outcome::Failed ? 1 : 0; }

    // Builds the main window; tests give one that fails.
    using WindowFactory = std::function<std::unique_ptr<frmPrincipal>(AppContext &)>;

    StartUp(AppContext &context, SingleInstance &instance, QString commandLine, WindowFactory factory = {});
    ~StartUp();

    // The start routine. False unless the main window is up: then this instance should end
    // with exitStatus(outcome()).
    bool run(QWidget *splash);
    Outcome outcome() const { return m_outcome; }

    frmPrincipal *mainWindow() const { return m_main.get(); }
    const QString &commandLine() const { return m_commandLine; }

private:
    Outcome start(QWidget *splash);

    AppContext &m_context;
    SingleInstance &m_instance;
    QString m_commandLine;
    WindowFactory m_factory;
    Outcome m_outcome = Outcome::Failed;
    std::unique_ptr<frmPrincipal> m_main;
};
