// The main window's job document, its note, the recent files and the last-print memory: the
// window only wires their entries.
#include "DocumentCommands.h"
#include "FontPanel.h"
#include "JobControls.h"
#include "LastPrint.h"
#include "Notes.h"
#include "RecentFiles.h"
#include "RunHistory.h"
#include "ShopTools.h"
#include "SetsBoxes.h"
#include "Texts.h"
#include "frmFormatos.h"
#include "frmPilas.h"
#include "frmPrincipal.h"
#include "ui_frmPrincipal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

void frmPrincipal::setUpDocuments()
{
    m_pilas = new frmPilas({desde, hasta, Check2}, ui->tabDistinto, this);
    connect(ui->mnuPilas, &QAction::triggered, m_pilas, &QDialog::exec);
    Texts::bindCaption(ui->mnuPilas, 1005);
    m_juegos = new SetsBoxes(
        ui->tabMismo, ui->tabDistinto, [this] { JobModified = true; }, this);
    m_job = std::make_unique<JobControls>(JobControls{
        ui->SSTab1, ui->txtDesde, ui->txtHasta, txtPosX, txtPosY, Check1, desde, hasta, posX, posY, Check2,
        ui->chVert, ui->chVert2, m_pilas->chkPilas, m_pilas->txtPilasDesde, m_pilas->txtPilasHasta,
        m_pilas->txtPilasProfundidad, m_juegos->txtJuegos, m_juegos->txtJuegos2});
    m_job->chkSeparadores = m_pilas->chkSeparadores;
    setUpNumberFormats();
    DocumentCommands::Window window{
        [this] {
            Chequear(this, 6);
            Limpiar_Click(6);
        },
        [this] { cmdRestaurar_Click(); },
        [this](int page) { setAvailablePage(page); },
        [this](const QString &file) { DatosFuentes(file); },
        [this] { return m_fonts->current(); },
    };
    m_documents = new DocumentCommands(
        {this, ui->lblinfo, ui->lblEstado, ui->ProgressBar1}, *m_job, std::move(window),
        {m_context.profiles, m_context.dialogs, m_context.printer, CarpetaTrabajos}, JobModified, this);
    m_lastPrint = std::make_unique<LastPrint>(*m_job, m_context.profiles, m_context.dialogs,
                                              [this] { JobModified = true; });

    connect(ui->mnuNueMismo, &QAction::triggered, m_documents, [this] { m_documents->New(0); });
    connect(ui->mnuNueDistinto, &QAction::triggered, m_documents, [this] { m_documents->New(1); });
    connect(ui->mnuabrir, &QAction::triggered, m_documents, &DocumentCommands::mnuabrir_Click);
    connect(ui->mnuguardar, &QAction::triggered, m_documents, &DocumentCommands::SaveTextControl);
    connect(ui->mnudistinto, &QAction::triggered, this, [this] { m_lastPrint->reload(0); });
    connect(ui->mnuultimaMismo, &QAction::triggered, this, [this] { m_lastPrint->reload(1); });
    for (QAction *entry : {ui->mnuNueMismo, ui->mnuNueDistinto, ui->mnuabrir, ui->mnuguardar, ui->mnudistinto,
                           ui->mnuultimaMismo})
        entry->setEnabled(true);

    m_history = new RunHistory(
        {m_context.paths.runLogFolder, m_context.profiles, m_context.dialogs, m_context.printer, this},
        {[this] { return m_documents->currentJob(); },
         [this] {
             const bool named = m_documents->DesdeLineaComandos || !m_documents->ArchivoGuardado.isEmpty();
             return named ? m_documents->ArchivoActual : DocumentCommands::Cortar(m_documents->ArchivoActual);
         }},
        ui->mnuherramientas, ui->mnuPilas, this);
    m_shop = new ShopTools({this, m_context.dialogs, m_context.printer, m_context.profiles, *m_history},
                           {[this] { return ui->SSTab1->currentIndex(); },
                            [this](int page) {
                                return page == 0 ? sameNumberSheets(sameNumberJob(), fontChoice(), m_context.dialogs)
                                                 : distinctNumberSheets(distinctNumberJob(), fontChoice(),
                                                                        m_context.dialogs);
                            },
                            [this] { return distinctNumberJob(); },
                            [this] { return DocumentCommands::Cortar(m_documents->ArchivoActual); }},
                           ui->mnuReponer, ui->mnuPlanPilas, this);

    m_documents->PonerCAption();
}

void frmPrincipal::setUpNumberFormats()
{
    m_formatos = new frmFormatos(this);
    connect(ui->mnuFormatos, &QAction::triggered, m_formatos, &QDialog::exec);
    Texts::bindCaption(ui->mnuFormatos, 4022);
    m_job->looks0 = m_formatos->same;
    m_job->looks1 = m_formatos->distinct;
    m_formatos->setSheet({[this] { return m_job->sameNumberJob(); },
                          [this] { return m_job->distinctNumberJob(); }, &m_context.printer});
    const auto watch = [this](const NumberLookBoxes &row) {
        const auto markModified = [this] { JobModified = true; };
        for (QComboBox *combo : {row.format, row.check, row.qrLevel})
            connect(combo, &QComboBox::currentIndexChanged, this, markModified);
        for (QLineEdit *box : {row.prefix, row.suffix, row.size, row.module})
            connect(box, &QLineEdit::textChanged, this, markModified);
        for (QCheckBox *box : {row.quietZone, row.codeInColor})
            connect(box, &QCheckBox::toggled, this, markModified);
    };
    std::for_each(m_formatos->same.begin(), m_formatos->same.end(), watch);
    std::for_each(m_formatos->distinct.begin(), m_formatos->distinct.end(), watch);
}

void frmPrincipal::setUpNotesAndRecentFiles()
{
    m_notes = new Notes({ui->centralwidget, ui->imgFlag, ui->mnuNotas, ui->mnuescribir, ui->mnuBorrar},
                        *m_documents, m_context.profiles, m_context.dialogs, this);

    m_recent = new RecentFiles(
        ui->mnuarchivo, ui->mnuRecentFile_0, m_context.profiles,
        [this](const QString &path) { m_documents->openRecent(path); }, this);
    connect(m_documents, &DocumentCommands::saved, m_recent, &RecentFiles::REcientes);
    connect(ui->mnulimpiarrecientes, &QAction::triggered, m_recent, &RecentFiles::mnulimpiarrecientes_Click);
    ui->mnulimpiarrecientes->setEnabled(true);
    m_recent->build();
}

void frmPrincipal::recordLastPrint(RunOutcome outcome, int page)
{
    if (recordsLastPrint(outcome))
        m_lastPrint->UltimaImpresion(page);
}
