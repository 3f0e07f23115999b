#pragma once

#include "FontSettings.h"
#include "JobFile.h"
#include "TranslatedText.h"

#include <QObject>
#include <QString>
#include <functional>

class Dialogs;
class PrinterSurface;
class ProfileFiles;
class QLabel;
class QProgressBar;
class QWidget;
struct JobControls;

// The one job document the main window shows: New, Open, Save, the question about unsaved
// changes (also when the window closes), the caption that names the document, the file
// information label, the busy animation, and the job named on the command line.
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

    // What the window does for the commands.
    struct Window
    {
        std::function<void()> resetJob;                // every box checked, then zeroed, without asking
        std::function<void()> restoreFont;             // "Restaurar valores"
        std::function<void(int)> setAvailablePage;     // the one page the user can choose
        std::function<void(const QString &)> loadFont; // DatosFuentes
        std::function<FontSettings::Stored()> font;    // what a save writes under "Fuentes"
    };

    struct Services
    {
        const ProfileFiles &profiles;
        Dialogs &dialogs;
        PrinterSurface &printer;
        QString CarpetaTrabajos; // ends with '/'
    };

    DocumentCommands(const Controls &controls, const JobControls &job, Window window,
                     const Services &services, bool &JobModified, QObject *parent);

    static inline const QString kAppTitle = QStringLiteral("Tessarino");
    static constexpr TranslatedText kNotFound{
        "DocumentCommands",
        QT_TRANSLATE_NOOP(
            "DocumentCommands",
            "El archivo solicitado no se encuentra, se le ha cambiado el nombre o se ha eliminado. "
            "Pruebe lo siguiente use el comando abrir para buscarlo.")};

    // Document state.
    QString ArchivoActual;
    QString ArchivoGuardado;
    bool DesdeLineaComandos = false;
    // 64 bits, so that no run ever wraps to a negative or repeated "Nuevo N".
    qint64 ContadorNuevos = 0;
    QString NotaActual;

    // How long the busy animation runs.
    int busyMilliseconds = 150;
    bool busy() const { return m_busy; }

    // mnuNueMismo (page 0) and mnuNueDistinto (page 1).
    void New(int page);
    void mnuabrir_Click();
    // mnuguardar. False when nothing was saved: the dialog was cancelled or the write failed.
    bool SaveTextControl();

    enum class Closing { Close, EndAtOnce, Stay };
    // The close question: close (Form_Unload runs), end the program at once, or stay open.
    Closing Form_QueryUnload();

    void PonerCAption();
    // The name after the last '/' or '\' of a path (old files carry '\').
    static QString Cortar(const QString &path);
    // The document's name as windows show it: its file's, or "Nuevo N" in the interface language
    // for a new document (whose provisional file keeps its Spanish name).
    QString shownName() const;

    enum class Opened { Yes, Missing, Refused };
    // Reads a whole job file into the window. A missing or unusable file says so and leaves the
    // window as it was.
    Opened AbrirArchivo(const QString &F);

    // The job named on the command line, after the window has loaded.
    void openFromCommandLine(const QString &commandLine);

    // A document of the recent-files list: the save question, then the open. A file that has
    // gone or cannot be read says so and leaves the document as it was.
    void openRecent(const QString &path);

    // The job as a save would write it now. Throws RuntimeError when the printer cannot tell its
    // orientation.
    JobFile::Saved currentJob() const;

    // NotaActual from the current document's file ("Vacio" when it has none).
    void readNote();

    void cmdProgress_Click();
    void lblinfo_MouseMove();

Q_SIGNALS:
    // NotaActual was read or emptied for another document.
    void notaActualChanged();
    // A save wrote the job into `path`, which is now the document's file.
    void saved(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool hasName() const { return DesdeLineaComandos || !ArchivoGuardado.isEmpty(); }
    int askToSave();
    bool PreguntaGuardar();
    bool writeJob(const QString &path);
    void saveFailed(const QString &path, const QString &reason);
    void setCaption(const QString &path);
    void showCaption();
    void tookFile(const QString &path);
    QString readValue(const QString &section, const QString &key, const QString &file) const;

    Controls m_ui;
    const JobControls &m_job;
    Window m_window;
    Services m_services;
    bool &m_modified;
    bool m_busy = false;
    // What the caption names: the document's file, or a new document when empty.
    QString m_captionName;
    bool m_captioned = false;
    // The file information lblinfo_MouseMove last put in lblEstado.
    QString m_infoShown;
};
