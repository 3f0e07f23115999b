#include "StartUp.h"

#include "AppContext.h"
#include "Dialogs.h"
#include "DocumentCommands.h"
#include "SingleInstance.h"
#include "frmPrincipal.h"

StartUp::StartUp(AppContext &context, SingleInstance &instance, QString commandLine)
    : m_context(context), m_instance(instance), m_commandLine(std::move(commandLine))
{
}

StartUp::~StartUp() = default;

bool StartUp::run(QWidget *splash)
{
    if (!m_instance.tryAcquire()) {
        m_context.dialogs.message(kAlreadyRunning, kAlreadyRunningTitle, Dialogs::Icon::Information);
        return false;
    }
    // From here on a failing step is skipped. The first-run file-type registration joins here
    // with the part that provides it.
    try {
        m_main = std::make_unique<frmPrincipal>(m_context);
    } catch (const std::exception &) {
    }
    if (m_main) {
        try {
            if (!m_commandLine.isEmpty())
                m_main->documents().openFromCommandLine(m_commandLine);
        } catch (const std::exception &) {
        }
        m_main->show();
    }
    if (splash)
        splash->hide();
    return m_main != nullptr;
}
