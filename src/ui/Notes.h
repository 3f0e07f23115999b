#pragma once

#include "TranslatedText.h"

#include <QObject>
#include <QPoint>

class JobDocument;
class Dialogs;
class ProfileFiles;
class QAction;
class QLabel;
class QMenu;
class QWidget;

// The note kept with the current document: the note image and its pop-up menu, the editor, and
// the erase command. The note goes to the job file as soon as the editor closes, without Save.
class Notes : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QWidget *client; // the main window's client area: the pop-up point is measured from it
        QLabel *imgFlag;
        QMenu *mnuNotas; // never in the menu bar
        QAction *mnuescribir;
        QAction *mnuBorrar;
    };

    Notes(const Controls &controls, JobDocument &documents, const ProfileFiles &profiles, Dialogs &dialogs,
          QObject *parent);

    static constexpr TranslatedText kBorrarPregunta{
        "Notes", QT_TRANSLATE_NOOP("Notes", "Está seguro de querer eliminar el comentario de este archivo?")};

    // "Borrar" is offered only when the document has a note.
    void ControlarMenuNotas();

    // Where the pop-up opens, in the client area's pixels.
    QPoint popupPoint() const;
    void imgFlag_MouseDown();

    // Opens the editor modally over `owner` and returns when it has closed.
    void mnuescribir_Click();
    void mnuBorrar_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool store(const QString &text);

    Controls m_ui;
    JobDocument &m_documents;
    const ProfileFiles &m_profiles;
    Dialogs &m_dialogs;
};
