#pragma once

#include <QObject>
#include <functional>

class Dialogs;
class PrinterSurface;
class QAction;
class QMenu;
class QWidget;

// The File menu's template entries: "Plantilla PDF..." picks a PDF and one of its pages for the
// job, "Sin plantilla" takes it away. The job's template lives on the printer, which draws it
// and which the job file is saved from; a change marks the job modified.
class TemplateMenu final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        Dialogs &dialogs;
        PrinterSurface &printer;
        QString folder; // where the file dialog starts without a template
        std::function<void()> markModified;
    };

    // `choose` and `remove` are the entries of the main window's form, in `menu`.
    TemplateMenu(QMenu *menu, QAction *choose, QAction *remove, Services services, QWidget *window);

    void choose();
    void remove();

    QAction *mnuPlantilla = nullptr;
    QAction *mnuSinPlantilla = nullptr;

private:
    void refresh();

    Services m_services;
    QWidget *m_window;
};
