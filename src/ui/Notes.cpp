#include "Notes.h"

#include "Dialogs.h"
#include "JobDocument.h"
#include "JobFile.h"
#include "NoteText.h"
#include "ProfileFiles.h"
#include "frmComen.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>

namespace {

constexpr int kTwipsPerPixel = 15;
int toPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A sheet of note paper with a folded corner and three written lines.
QPixmap notePicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width() - 1, h = size.height() - 1, fold = w * 0.3;
    const QPolygonF sheet{
        {1.5, 1.5}, {w - fold, 1.5}, {w - 0.5, 1.5 + fold}, {w - 0.5, h - 0.5}, {1.5, h - 0.5}};
    p.setPen(QPen(QColor(150, 120, 20), 1));
    p.setBrush(QColor(255, 233, 120));
    p.drawPolygon(sheet);
    p.setBrush(QColor(235, 200, 80));
    p.drawPolygon(QPolygonF{{w - fold, 1.5}, {w - fold, 1.5 + fold}, {w - 0.5, 1.5 + fold}});
    p.setPen(QPen(QColor(110, 110, 110), 1));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = 1.5 + fold + i * (h - fold - 3) / 4.0;
        p.drawLine(QPointF(4, y), QPointF(w - 3.5, y));
    }
    return picture;
}

} // namespace

Notes::Notes(const Controls &controls, JobDocument &documents, const ProfileFiles &profiles, Dialogs &dialogs,
             QObject *parent)
    : QObject(parent), m_ui(controls), m_documents(documents), m_profiles(profiles), m_dialogs(dialogs)
{
    m_ui.imgFlag->setPixmap(notePicture(m_ui.imgFlag->size()));
    m_ui.imgFlag->setVisible(true);
    m_ui.imgFlag->installEventFilter(this);
    m_ui.mnuNotas->setDefaultAction(m_ui.mnuescribir);
    m_ui.mnuescribir->setEnabled(true);
    connect(m_ui.mnuescribir, &QAction::triggered, this, &Notes::mnuescribir_Click);
    connect(m_ui.mnuBorrar, &QAction::triggered, this, &Notes::mnuBorrar_Click);
    connect(&m_documents, &JobDocument::notaActualChanged, this, &Notes::ControlarMenuNotas);
    ControlarMenuNotas();
}

bool Notes::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.imgFlag && event->type() == QEvent::MouseButtonPress) {
        imgFlag_MouseDown();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Notes::ControlarMenuNotas()
{
    const QString &nota = m_documents.NotaActual;
    m_ui.mnuBorrar->setEnabled(!nota.isEmpty() && nota != ProfileFiles::Vacio);
    m_ui.mnuescribir->setEnabled(true);
}

QPoint Notes::popupPoint() const
{
    // The image's width plus 408 twips across, its height plus 72 down.
    return {toPixels(m_ui.imgFlag->width() * kTwipsPerPixel + 408),
            toPixels(m_ui.imgFlag->height() * kTwipsPerPixel + 72)};
}

void Notes::imgFlag_MouseDown()
{
    if (m_documents.busy())
        return;
    ControlarMenuNotas();
    m_ui.mnuNotas->popup(m_ui.client->mapToGlobal(popupPoint()), m_ui.mnuescribir);
}

void Notes::mnuescribir_Click()
{
    if (m_documents.busy())
        return;
    QString shown;
    // Leaving the editor without a change never writes: the stored note keeps its bytes.
    frmComen editor(m_ui.client->window(),
                    [this, &shown](const QString &text) { return text == shown || store(text); });
    editor.setWindowTitle(m_documents.shownName());
    const QString stored = NoteText::read(m_profiles, m_documents.ArchivoActual);
    editor.Text1->setPlainText(stored == ProfileFiles::Vacio ? QString() : stored);
    shown = editor.Text1->toPlainText();
    editor.exec();
}

bool Notes::store(const QString &text)
{
    // Clearing the text does not erase the stored note: that is "Borrar".
    if (text.isEmpty())
        return true;
    // A document that was never saved gets its note at its provisional path; the write makes
    // the folder and the file.
    QString file = m_documents.ArchivoActual;
    QString reason = tr("el documento no tiene nombre.");
    if (!file.isEmpty() &&
        m_profiles.EscribirValoresIni({{JobFile::kComentario, JobFile::kTexto, NoteText::toStored(text)}},
                                      file, &reason)) {
        m_documents.NotaActual = text;
        ControlarMenuNotas();
        return true;
    }
    m_dialogs.message(tr("No se pudo guardar la nota en el archivo %1: %2\n"
                         "La nota sigue en el editor: cópiela o vuelva a intentarlo. Para cerrar "
                         "sin guardarla, borre el texto.")
                          .arg(QDir::toNativeSeparators(m_documents.ArchivoActual), reason),
                      JobDocument::kAppTitle, Dialogs::Icon::Critical);
    return false;
}

void Notes::mnuBorrar_Click()
{
    if (m_documents.busy())
        return;
    if (m_dialogs.message(kBorrarPregunta, JobDocument::kAppTitle, Dialogs::Icon::Exclamation,
                          Dialogs::Buttons::YesNo) != Dialogs::Yes)
        return;
    QString file = m_documents.ArchivoActual;
    QString reason = tr("el documento no tiene nombre.");
    // The key stays, empty.
    if (file.isEmpty() ||
        !m_profiles.EscribirValoresIni({{JobFile::kComentario, JobFile::kTexto, QString()}}, file, &reason)) {
        m_dialogs.message(tr("No se pudo borrar la nota del archivo %1: %2")
                              .arg(QDir::toNativeSeparators(m_documents.ArchivoActual), reason),
                          JobDocument::kAppTitle, Dialogs::Icon::Critical);
        return;
    }
    m_documents.NotaActual.clear();
    ControlarMenuNotas();
}
