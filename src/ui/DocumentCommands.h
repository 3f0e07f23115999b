#pragma once

#include "JobDocument.h"

#include <QObject>
#include <QString>

class QLabel;
class QProgressBar;
class QWidget;
struct JobControls;

// The job document in the main window: the caption that names it, the file information label,
// the busy animation and the hourglass while a command works. The document itself (New, Open,
// Save, the questions) is document().
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QWidget *window; // its caption names the document
        QLabel *lblinfo;
        QLabel *lblEstado;
        QProgressBar *ProgressBar1; // lies over lblEstado
    };

    // `window` holds what the window does for the document; the caption and the busy members are
    // filled in here.
    DocumentCommands(const Controls &controls, const JobControls &job, JobDocument::Window window,
                     const JobDocument::Services &services, bool &JobModified, QObject *parent);

    JobDocument &document() { return m_document; }
    const JobDocument &document() const { return m_document; }

    // How long the busy animation runs.
    int busyMilliseconds = 150;
    bool busy() const { return m_busy; }

    void cmdProgress_Click();
    void lblinfo_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    JobDocument::Window withWidgets(JobDocument::Window window);
    void showCaption(const QString &name);

    Controls m_ui;
    bool m_busy = false;
    JobDocument m_document;
    // The file information lblinfo_MouseMove last put in lblEstado.
    QString m_infoShown;
};
