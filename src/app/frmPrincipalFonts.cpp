// The main window's font panel, sample viewer and status row.
#include "FontPanel.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "StatusHelp.h"
#include "TemplateImage.h"
#include "Twips.h"
#include "frmPrincipal.h"
#include "frmVisor.h"
#include "ui_frmPrincipal.h"

#include <QLocale>
#include <QTime>
#include <QTimer>

namespace {

// How the first place the page prints shows its number.
template <size_t N>
NumberLook firstLook(const std::array<NumberLook, N> &looks, const std::array<bool, N> &off)
{
    for (size_t i = 0; i < N; ++i)
        if (!off[i])
            return looks[i];
    return {};
}

} // namespace

void frmPrincipal::setUpFontPanel()
{
    auto *tamano = findChild<QLineEdit *>(QStringLiteral("txtTamaño"));
    m_fonts = new FontPanel(
        {ui->cboFuentes, tamano, ui->PicColor, ui->Label6, ui->Check3}, m_context.profiles, m_context.dialogs,
        [this] { JobModified = true; }, this);
    ui->Label6->installEventFilter(this);

    connect(ui->cmdRestaurar, &QPushButton::clicked, this, &frmPrincipal::cmdRestaurar_Click);
    connect(ui->mnurestaurar, &QAction::triggered, this, &frmPrincipal::cmdRestaurar_Click);
    connect(ui->mnucolor, &QAction::triggered, this, &frmPrincipal::mnucolor_Click);
    connect(ui->mnutamaño, &QAction::triggered, this, &frmPrincipal::mnutamano_Click);
    connect(ui->mnutipo, &QAction::triggered, this, &frmPrincipal::mnutipo_Click);
    connect(ui->mnuguardarconfig, &QAction::triggered, this, &frmPrincipal::mnuguardarconfig_Click);
}

void frmPrincipal::loadFontSettings()
{
    const QString activado = m_context.setting(FontSettings::kSaveSection, FontSettings::kSaveKey);
    FontPanel::LlenarFuentes(ui->cboFuentes);
    ui->Frame3->setTitle(ui->Frame3->title() + QStringLiteral(" (%1)").arg(ui->cboFuentes->count()));
    const bool keep = FontSettings::savedFlagSet(activado);
    if (keep)
        m_fonts->DatosFuentes(QString()); // a value that does not convert leaves the rest built-in
    // The box shows whether the font is kept. Left clear, the next exit would write the defaults
    // over the font the user asked to keep.
    m_fonts->showSavedFlag(keep);
}

int32_t frmPrincipal::fontColor() const
{
    return m_fonts->color();
}

void frmPrincipal::DatosFuentes(const QString &queRuta)
{
    m_fonts->DatosFuentes(queRuta);
}

void frmPrincipal::EscribirValores(const QString &queNombre)
{
    m_fonts->EscribirValores(queNombre);
}

void frmPrincipal::buscarFuentes(const QString &quefuente)
{
    m_fonts->buscarFuentes(quefuente);
}

void frmPrincipal::PicColor_DblClick()
{
    m_fonts->PicColor_DblClick();
}

void frmPrincipal::cmdRestaurar_Click()
{
    m_fonts->cmdRestaurar_Click();
}

void frmPrincipal::showAdvancedArea()
{
    if (!Desplegado)
        Command4_Click();
}

void frmPrincipal::mnucolor_Click()
{
    showAdvancedArea();
    PicColor_DblClick();
}

void frmPrincipal::mnutamano_Click()
{
    showAdvancedArea();
    findChild<QLineEdit *>(QStringLiteral("txtTamaño"))->setFocus(Qt::ShortcutFocusReason);
}

void frmPrincipal::mnutipo_Click()
{
    showAdvancedArea();
    ui->cboFuentes->setFocus(Qt::ShortcutFocusReason);
}

void frmPrincipal::mnuguardarconfig_Click()
{
    // Already set: nothing to do; otherwise the box's own handler stores the font.
    ui->Check3->setChecked(true);
}

void frmPrincipal::Label6_DblClick()
{
    if (ui->Label6->font().pointSize() < 28)
        return;
    frmVisor visor(this, QSize(Width(), Twips::fromPixels(frameGeometry().height())));
    visor.loadSample(*ui->Label6);
    if (const auto &design = m_context.printer.pdfTemplate())
        visor.showTemplate(PdfTemplates::image(*design, logicalDpiX()));
    if (ui->SSTab1->currentIndex() == 1) {
        const DistinctNumberJob job = distinctNumberJob();
        visor.showLook(firstLook(job.looks, job.off));
    } else {
        const SameNumberJob job = sameNumberJob();
        visor.showLook(firstLook(job.looks, job.off));
    }
    visor.exec();
}

void frmPrincipal::setUpStatusRow()
{
    new StatusHelpTracker(this, ui->lblEstado, [this] {
        return StatusHelp::State{Width(), findChild<QLineEdit *>(QStringLiteral("txtTamaño"))->text()};
    });

    tmrReloj = new QTimer(this);
    tmrReloj->setInterval(100);
    connect(tmrReloj, &QTimer::timeout, this, &frmPrincipal::tmrReloj_Timer);
    tmrReloj->start();
    tmrReloj_Timer();
}

void frmPrincipal::tmrReloj_Timer()
{
    ui->lblHora->setText(StatusHelp::clockText(QTime::currentTime(), QLocale::system()));
}
