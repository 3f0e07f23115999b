#include "StartUp.h"

#include "AppContext.h"
#include "Dialogs.h"
#include "DocumentCommands.h"
#include "FirstRun.h"
#include "ProfileFiles.h"
#include "SingleInstance.h"
#include "frmPrincipal.h"

#include <QCoreApplication>
#include <QFileInfo>

StartUp::StartUp(AppContext &context, SingleInstance &instance, QString commandLine)
    : m_context(context), m_instance(instance), m_commandLine(std::move(commandLine))
{}

StartUp::~StartUp() = default;

bool StartUp::run(QWidget *splash)
{
    if (!m_instance.tryAcquire()) {
        m_context.dialogs.message(kAlreadyRunning, kAlreadyRunningTitle, Dialogs::Icon::Information);
        return false;
    }
    // From here on a failing step is skipped.
    try {
        FirstRun::registerFileType(m_context.paths, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    } catch (const std::exception &) {
    }
    try {
        m_main = std::make_unique<frmPrincipal>(m_context);
    } catch (const std::exception &) {
    }
    if (m_main) {
        try {
            DocumentCommands &documents = m_main->documents();
            if (!m_commandLine.isEmpty()) {
                documents.openFromCommandLine(m_commandLine);
            } else {
                // The note of the first document, which has its provisional name by now: a note
                // left on an unsaved Nuevo 1 in an earlier run is still there.
                documents.readNote();
                if (documents.NotaActual == ProfileFiles::Vacio)
                    documents.NotaActual.clear();
            }
        } catch (const std::exception &) {
        }
        m_main->show();
    }
    if (splash)
        splash->hide();
    return m_main != nullptr;
}
