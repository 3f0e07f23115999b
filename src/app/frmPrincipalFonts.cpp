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
        [this] { m_jobModified = true; }, this);
    ui->Label6->installEventFilter(this);

    connect(ui->cmdRestaurar, &QPushButton::clicked, m_fonts, &FontPanel::cmdRestaurar_Click);
    connect(ui->mnurestaurar, &QAction::triggered, m_fonts, &FontPanel::cmdRestaurar_Click);
    connect(ui->mnucolor, &QAction::triggered, this, &frmPrincipal::showAreaAndChooseColour);
    connect(ui->mnutamaño, &QAction::triggered, this, &frmPrincipal::showAreaAndFocusSize);
    connect(ui->mnutipo, &QAction::triggered, this, &frmPrincipal::showAreaAndFocusFont);
    connect(ui->mnuguardarconfig, &QAction::triggered, this, &frmPrincipal::keepFontSettings);
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

void frmPrincipal::showAreaAndChooseColour()
{
    if (!advancedAreaShown())
        toggleAdvancedArea();
    m_fonts->PicColor_DblClick();
}

void frmPrincipal::showAreaAndFocusSize()
{
    if (!advancedAreaShown())
        toggleAdvancedArea();
    findChild<QLineEdit *>(QStringLiteral("txtTamaño"))->setFocus(Qt::ShortcutFocusReason);
}

void frmPrincipal::showAreaAndFocusFont()
{
    if (!advancedAreaShown())
        toggleAdvancedArea();
    ui->cboFuentes->setFocus(Qt::ShortcutFocusReason);
}

void frmPrincipal::keepFontSettings()
{
    // Already set: nothing to do; otherwise the box's own handler stores the font.
    ui->Check3->setChecked(true);
}

void frmPrincipal::showSampleFullSize()
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

    m_clock = new QTimer(this);
    m_clock->setInterval(100);
    connect(m_clock, &QTimer::timeout, this, &frmPrincipal::showTime);
    m_clock->start();
    showTime();
}

void frmPrincipal::showTime()
{
    const QString text = StatusHelp::clockText(QTime::currentTime(), QLocale::system());
    ui->lblHora->setText(text);
    // A 12-hour clock ("12:54:46 PM") needs more room than the form gives a 24-hour one: the
    // clock takes it from the status line beside it rather than cut the time short.
    const int grow = ui->lblHora->fontMetrics().horizontalAdvance(text) + 2 * ui->lblHora->frameWidth() + 4 -
                     ui->lblHora->width();
    if (grow > 0) {
        ui->lblHora->resize(ui->lblHora->width() + grow, ui->lblHora->height());
        ui->lblEstado->setGeometry(ui->lblEstado->geometry().adjusted(grow, 0, 0, 0));
    }
}
