// The main window's job document, its note, the recent files and the last-print memory: the
// window only wires their entries.
#include "DocumentCommands.h"
#include "FontPanel.h"
#include "JobControls.h"
#include "JobDocument.h"
#include "LastPrint.h"
#include "Notes.h"
#include "RecentFiles.h"
#include "RunHistory.h"
#include "SetsBoxes.h"
#include "ShopTools.h"
#include "Texts.h"
#include "frmFormatos.h"
#include "frmPilas.h"
#include "frmPrincipal.h"
#include "ui_frmPrincipal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

JobDocument &frmPrincipal::documents() const
{
    return m_documents->document();
}

void frmPrincipal::setUpDocuments()
{
    m_pilas = new frmPilas(*m_job, ui->lblPilas, this);
    connect(ui->mnuPilas, &QAction::triggered, m_pilas, &QDialog::exec);
    Texts::bindCaption(ui->mnuPilas, 1005);
    m_juegos = new SetsBoxes(
        {ui->txtJuegos_lbl, ui->txtJuegos}, {ui->txtJuegos2_lbl, ui->txtJuegos2},
        [this] { m_jobModified = true; }, this);
    // The control arrays are in already (bindControlArrays); the rest of the job's controls now.
    JobControls &job = *m_job;
    job.SSTab1 = ui->SSTab1;
    job.txtDesde = ui->txtDesde;
    job.txtHasta = ui->txtHasta;
    job.chVert = ui->chVert;
    job.chVert2 = ui->chVert2;
    job.chkPilas = m_pilas->chkPilas;
    job.txtPilasDesde = m_pilas->txtPilasDesde;
    job.txtPilasHasta = m_pilas->txtPilasHasta;
    job.txtPilasProfundidad = m_pilas->txtPilasProfundidad;
    job.txtJuegos = m_juegos->txtJuegos;
    job.txtJuegos2 = m_juegos->txtJuegos2;
    job.chkSeparadores = m_pilas->chkSeparadores;
    setUpNumberFormats();
    JobDocument::Window window{
        .resetJob =
            [this] {
                checkAllBoxes(Ask::Not);
                clearAllBoxes(Ask::Not);
            },
        .restoreFont = [this] { m_fonts->cmdRestaurar_Click(); },
        .setAvailablePage = [this](int page) { setAvailablePage(page); },
        .loadFont = [this](const QString &file) { m_fonts->DatosFuentes(file); },
        .font = [this] { return m_fonts->current(); },
    };
    m_documents = new DocumentCommands(
        {this, ui->lblinfo, ui->lblEstado, ui->ProgressBar1}, *m_job, std::move(window),
        {m_context.profiles, m_context.dialogs, m_context.printer, m_context.paths.jobsFolder}, m_jobModified,
        this);
    m_lastPrint = std::make_unique<LastPrint>(*m_job, m_context.profiles, m_context.dialogs,
                                              [this] { m_jobModified = true; });

    JobDocument *document = &documents();
    connect(ui->mnuNueMismo, &QAction::triggered, document, [document] { document->New(0); });
    connect(ui->mnuNueDistinto, &QAction::triggered, document, [document] { document->New(1); });
    connect(ui->mnuabrir, &QAction::triggered, document, &JobDocument::mnuabrir_Click);
    connect(ui->mnuguardar, &QAction::triggered, document, &JobDocument::SaveTextControl);
    // The classic names are crossed: mnudistinto's caption is the same-number page's last print.
    connect(ui->mnudistinto, &QAction::triggered, this, &frmPrincipal::reloadLastSameNumberPrint);
    connect(ui->mnuultimaMismo, &QAction::triggered, this, &frmPrincipal::reloadLastDistinctNumberPrint);
    for (QAction *entry : {ui->mnuNueMismo, ui->mnuNueDistinto, ui->mnuabrir, ui->mnuguardar, ui->mnudistinto,
                           ui->mnuultimaMismo})
        entry->setEnabled(true);

    m_history = new RunHistory(
        {m_context.paths.runLogFolder, m_context.profiles, m_context.dialogs, m_context.printer, this},
        {[this] { return documents().currentJob(); },
         [this] {
             const JobDocument &document = documents();
             const bool named = document.DesdeLineaComandos || !document.ArchivoGuardado.isEmpty();
             return named ? document.ArchivoActual : JobDocument::Cortar(document.ArchivoActual);
         }},
        ui->mnuRegistro, ui->mnuReimprimir, this);
    m_shop = new ShopTools(
        {this, m_context.dialogs, m_context.printer, m_context.profiles, *m_history},
        {[this] { return ui->SSTab1->currentIndex(); },
         [this](int page) {
             return page == 0 ? sameNumberSheets(sameNumberJob(), fontChoice(), m_context.dialogs)
                              : distinctNumberSheets(distinctNumberJob(), fontChoice(), m_context.dialogs);
         },
         [this] { return distinctNumberJob(); },
         [this] { return JobDocument::Cortar(documents().ArchivoActual); }},
        ui->mnuReponer, ui->mnuPlanPilas, ui->impResumen, this);

    documents().PonerCAption();
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
        const auto markModified = [this] { m_jobModified = true; };
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
    new Notes({ui->centralwidget, ui->imgFlag, ui->mnuNotas, ui->mnuescribir, ui->mnuBorrar}, documents(),
              m_context.profiles, m_context.dialogs, this);

    m_recent = new RecentFiles(
        ui->mnuarchivo, ui->mnuRecentFile_0, m_context.profiles,
        [this](const QString &path) { documents().openRecent(path); }, this);
    connect(&documents(), &JobDocument::saved, m_recent, &RecentFiles::REcientes);
    connect(ui->mnulimpiarrecientes, &QAction::triggered, m_recent, &RecentFiles::mnulimpiarrecientes_Click);
    ui->mnulimpiarrecientes->setEnabled(true);
    m_recent->build();
}

void frmPrincipal::recordLastPrint(RunOutcome outcome, int page, const SameNumberJob &same,
                                   const DistinctNumberJob &distinct)
{
    if (recordsLastPrint(outcome))
        m_lastPrint->UltimaImpresion(page, same, distinct);
}

void frmPrincipal::reloadLastSameNumberPrint()
{
    m_lastPrint->reload(0);
}

void frmPrincipal::reloadLastDistinctNumberPrint()
{
    m_lastPrint->reload(1);
}
