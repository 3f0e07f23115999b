#include "StartUp.h"

#include "AppContext.h"
#include "Dialogs.h"
#include "FirstRun.h"
#include "JobDocument.h"
#include "Logging.h"
#include "ProfileFiles.h"
#include "SingleInstance.h"
#include "frmPrincipal.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("Tessarino");
}

StartUp::StartUp(AppContext &context, SingleInstance &instance, QString commandLine, WindowFactory factory)
    : m_context(context), m_instance(instance), m_commandLine(std::move(commandLine)),
      m_factory(factory ? std::move(factory)
                        : [](AppContext &c) { return std::make_unique<frmPrincipal>(c); })
{}

StartUp::~StartUp() = default;

bool StartUp::run(QWidget *splash)
{
    m_outcome = start(splash);
    return m_outcome == Outcome::Started;
}

StartUp::Outcome StartUp::start(QWidget *splash)
{
    if (!m_instance.tryAcquire()) {
        m_context.dialogs.message(tr("Ya se está ejecutando una versión de este programa"),
                                  kAlreadyRunningTitle, Dialogs::Icon::Information);
        return Outcome::AlreadyRunning;
    }
    // The file type is a convenience: without it the program still works, and the next start
    // tries again.
    try {
        FirstRun::registerFileType(m_context.paths,
                                   QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    } catch (const std::exception &e) {
        qCWarning(lcShell) << "The job-file type could not be registered:" << describeFailure(e);
    }
    QString failure;
    try {
        m_main = m_factory(m_context);
    } catch (const std::exception &e) {
        failure = describeFailure(e);
    } catch (...) {
        failure = tr("error desconocido");
    }
    if (!m_main) {
        if (failure.isEmpty())
            failure = tr("error desconocido");
        if (splash)
            splash->hide();
        qCCritical(lcApp) << "The main window could not be built:" << failure;
        m_context.dialogs.message(tr("No se pudo abrir la ventana principal: %1").arg(failure), kTitle,
                                  Dialogs::Icon::Critical);
        return Outcome::Failed;
    }
    JobDocument &documents = m_main->documents();
    if (!m_commandLine.isEmpty()) {
        try {
            documents.openFromCommandLine(m_commandLine);
        } catch (const std::exception &e) {
            // The window opens on a new job, but the user asked for this one and must know.
            m_context.dialogs.message(
                tr("No se puede abrir el archivo %1: %2").arg(m_commandLine, describeFailure(e)), kTitle,
                Dialogs::Icon::Exclamation);
        }
    } else {
        try {
            // The note of the first document, which has its provisional name by now: a note
            // left on an unsaved Nuevo 1 in an earlier run is still there.
            documents.readNote();
            if (documents.NotaActual == ProfileFiles::Vacio)
                documents.NotaActual.clear();
        } catch (const std::exception &e) {
            qCWarning(lcFiles) << "The note of the new job could not be read:" << describeFailure(e);
        }
    }
    m_main->show();
    if (splash)
        splash->hide();
    return Outcome::Started;
}
