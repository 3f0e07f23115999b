#include "DocumentCommands.h"

#include "JobControls.h"
#include "Texts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QThread>

namespace {

const QString kCaptionTail = QStringLiteral(" - Tessarino");

} // namespace

DocumentCommands::DocumentCommands(const Controls &controls, const JobControls &job,
                                   JobDocument::Window window, const JobDocument::Services &services,
                                   bool &JobModified, QObject *parent)
    : QObject(parent), m_ui(controls), m_document(job, withWidgets(std::move(window)), services, JobModified)
{
    m_ui.lblinfo->setMouseTracking(true);
    m_ui.lblinfo->installEventFilter(this);
    // The caption and the file information follow a change of language.
    Texts::follow(this, [this] {
        if (const QString name = m_document.captionName(); !name.isEmpty())
            showCaption(name);
        if (!m_infoShown.isEmpty() && m_ui.lblEstado->text() == m_infoShown)
            lblinfo_MouseMove();
    });
}

JobDocument::Window DocumentCommands::withWidgets(JobDocument::Window window)
{
    window.showName = [this](const QString &name) { showCaption(name); };
    window.busy = [this] { return m_busy; };
    // The hourglass for as long as a command works.
    window.busyStart = [] { QApplication::setOverrideCursor(Qt::WaitCursor); };
    window.busyEnd = [] { QApplication::restoreOverrideCursor(); };
    window.working = [this] { cmdProgress_Click(); };
    return window;
}

bool DocumentCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.lblinfo && event->type() == QEvent::MouseMove)
        lblinfo_MouseMove();
    return QObject::eventFilter(watched, event);
}

void DocumentCommands::showCaption(const QString &name)
{
    m_ui.window->setWindowTitle(name + kCaptionTail);
}

void DocumentCommands::cmdProgress_Click()
{
    if (m_busy)
        return;
    const QScopedValueRollback guard(m_busy, true);
    m_ui.ProgressBar1->setRange(0, 100);
    m_ui.ProgressBar1->setVisible(true);
    m_ui.ProgressBar1->raise();
    // The bar repaints and the clock ticks, but clicks and keys wait until it is gone, so no
    // second command starts in the middle of this one.
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qint64 elapsed = clock.elapsed();
        m_ui.ProgressBar1->setValue(
            int(1 + 99 * std::min<qint64>(elapsed, busyMilliseconds) / std::max(busyMilliseconds, 1)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (elapsed >= busyMilliseconds)
            break;
        QThread::msleep(5);
    }
    m_ui.ProgressBar1->setVisible(false);
}

void DocumentCommands::lblinfo_MouseMove()
{
    m_infoShown = m_document.creationText();
    m_ui.lblEstado->setText(m_infoShown);
}
