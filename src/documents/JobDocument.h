#pragma once

#include "FontSettings.h"
#include "JobFile.h"
#include "JobSource.h"
#include "TranslatedText.h"

#include <QObject>
#include <QString>
#include <functional>

class Dialogs;
class PrinterSurface;
class ProfileFiles;

// The one job document the main window shows: New, Open, Save, the question about unsaved
// changes (also when the window closes), the name the window shows for it, its note, and the job
// named on the command line. The window is reached only through the job's source and `Window`.
class JobDocument : public QObject
{
    Q_OBJECT

public:
    // What the window does for the document. Every member may be left empty in a test.
    struct Window
    {
        std::function<void()> resetJob{};                // every box checked, then zeroed, without asking
        std::function<void()> restoreFont{};             // "Restaurar valores"
        std::function<void(int)> setAvailablePage{};     // the one page the user can choose
        std::function<void(const QString &)> loadFont{}; // DatosFuentes
        std::function<FontSettings::Stored()> font{};    // what a save writes under "Fuentes"
        // The caption names the document (captionName()).
        std::function<void(const QString &)> showName{};
        // A command is still at work: another one is not taken.
        std::function<bool()> busy{};
        // A command starts and ends its work (the hourglass).
        std::function<void()> busyStart{};
        std::function<void()> busyEnd{};
        // The short busy animation at the steps of a command.
        std::function<void()> working{};
    };

    struct Services
    {
        const ProfileFiles &profiles;
        Dialogs &dialogs;
        PrinterSurface &printer;
        QString CarpetaTrabajos; // ends with '/'
    };

    // `JobModified` is the window's flag: the job changed since it was loaded or saved.
    JobDocument(JobSource job, Window window, const Services &services, bool &JobModified,
                QObject *parent = nullptr);

    static inline const QString kAppTitle = QStringLiteral("Tessarino");
    static constexpr TranslatedText kNotFound{
        "JobDocument",
        QT_TRANSLATE_NOOP(
            "JobDocument",
            "El archivo solicitado no se encuentra, se le ha cambiado el nombre o se ha eliminado. "
            "Pruebe lo siguiente use el comando abrir para buscarlo.")};

    // Document state.
    QString ArchivoActual;
    QString ArchivoGuardado;
    bool DesdeLineaComandos = false;
    // 64 bits, so that no run ever wraps to a negative or repeated "Nuevo N".
    qint64 ContadorNuevos = 0;
    QString NotaActual;

    bool busy() const { return m_window.busy && m_window.busy(); }

    // mnuNueMismo (page 0) and mnuNueDistinto (page 1).
    void New(int page);
    void mnuabrir_Click();
    // mnuguardar. False when nothing was saved: the dialog was cancelled or the write failed.
    bool SaveTextControl();

    enum class Closing { Close, EndAtOnce, Stay };
    // The close question: close (Form_Unload runs), end the program at once, or stay open.
    Closing Form_QueryUnload();

    // Names the next new document ("Nuevo N", its provisional file in the jobs folder) and
    // shows it in the caption.
    void PonerCAption();
    // The name after the last '/' or '\' of a path (old files carry '\').
    static QString Cortar(const QString &path);
    // The document's name as windows show it: its file's, or "Nuevo N" in the interface language
    // for a new document (whose provisional file keeps its Spanish name).
    QString shownName() const;
    // What the caption names, in the interface language: the file last opened, or the new
    // document. Empty before the first document is named.
    QString captionName() const;
    // When the document's file was saved, as the status line tells it.
    QString creationText() const;

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

Q_SIGNALS:
    // NotaActual was read or emptied for another document.
    void notaActualChanged();
    // A save wrote the job into `path`, which is now the document's file.
    void saved(const QString &path);

private:
    class BusyScope;

    bool hasName() const { return DesdeLineaComandos || !ArchivoGuardado.isEmpty(); }
    int askToSave();
    bool PreguntaGuardar();
    bool writeJob(const QString &path);
    void saveFailed(const QString &path, const QString &reason);
    void setCaption(const QString &path);
    void showCaption() const;
    void working() const;
    void tookFile(const QString &path);
    QString newName() const;
    QString readValue(const QString &section, const QString &key, const QString &file) const;

    JobSource m_job;
    Window m_window;
    Services m_services;
    bool &m_modified;
    // What the caption names: the document's file, or a new document when empty.
    QString m_captionName;
    bool m_captioned = false;
};
