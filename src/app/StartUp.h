#pragma once

#include <QString>
#include <memory>

class QWidget;
class SingleInstance;
class frmPrincipal;
struct AppContext;

// What runs between the first paint of the start-up window and the main window on screen.
class StartUp
{
public:
    static inline const QString kAlreadyRunning =
        QStringLiteral("Ya se está ejecutando una versión de este programa");
    // The program's name followed by one blank.
    static inline const QString kAlreadyRunningTitle = QStringLiteral("Tessarino ");

    StartUp(AppContext &context, SingleInstance &instance, QString commandLine);
    ~StartUp();

    // The start routine. False when another instance is running: the message was shown and
    // this instance should end.
    bool run(QWidget *splash);

    frmPrincipal *mainWindow() const { return m_main.get(); }
    const QString &commandLine() const { return m_commandLine; }

private:
    AppContext &m_context;
    SingleInstance &m_instance;
    QString m_commandLine;
    std::unique_ptr<frmPrincipal> m_main;
};
