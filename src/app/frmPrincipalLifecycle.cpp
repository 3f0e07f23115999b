// The main window's life: creation, load, the expandable advanced area, the start-up timer and
// unload.
#include "FontPanel.h"
#include "InterfaceLanguage.h"
#include "JobControls.h"
#include "JobDocument.h"
#include "Logging.h"
#include "NumberText.h"
#include "RunHistory.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmPrincipal.h"
#include "ui_frmPrincipal.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

namespace {
const QString kFormulario = QStringLiteral("Formulario");
const QString kAncho = QStringLiteral("Ancho");
// The client area is always 4095 twips high.
constexpr int kClientHeightTwips = 4095;
} // namespace

void frmPrincipal::setWidthTwips(int twips)
{
    m_widthTwips = twips;
    const int clientWidth = Twips::toPixels(twips - kFrameTwips);
    setFixedSize(clientWidth, Twips::toPixels(kClientHeightTwips) + ui->menubar->sizeHint().height());
}

void frmPrincipal::setAvailablePage(int page)
{
    // Only the tab is greyed: the page's boxes keep their own enabled state for when it returns.
    ui->SSTab1->tabBar()->setTabEnabled(page, true);
    ui->SSTab1->tabBar()->setTabEnabled(1 - page, false);
    ui->SSTab1->setCurrentIndex(page);
}

void frmPrincipal::restoreWidthAndPage()
{
    // Each step stands alone: one that fails leaves the built-in value and the next runs.
    setAvailablePage(0);

    setWidthTwips(kBuiltInWidth);
    try {
        const double stored = NumberText::strictDouble(m_context.setting(kFormulario, kAncho));
        // A hand-edited width outside the two the window knows would hide the controls or
        // stretch the window across the screen; hold it to that range.
        setWidthTwips(int(std::clamp(stored, double(kCollapsedWidth), double(kExpandedWidth))));
    } catch (const std::exception &e) {
        // Not an error: a first start has no width stored, and a hand-edited one keeps the built-in.
        qCDebug(lcFiles).noquote() << "Window width not read:" << describeFailure(e);
    }

    try {
        const double page =
            NumberText::strictDouble(m_context.setting(QStringLiteral("Solapa"), QStringLiteral("sstab1")));
        // The page the user last worked on comes back usable, not as a page whose tab is greyed.
        if (page == 0 || page == 1)
            setAvailablePage(int(page));
    } catch (const std::exception &e) {
        // Not an error: no page stored yet, or one that is no number; the first page shows.
        qCDebug(lcFiles).noquote() << "Last page not read:" << describeFailure(e);
    }

    if (advancedAreaShown()) {
        ui->Command4->setText(ui->lblizq->text());
        if (const QScreen *screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
        }
    } else {
        ui->Command4->setText(ui->lblder->text());
    }
    m_jobModified = false;
}

void frmPrincipal::loadSettingsAndDocument()
{
    // The language comes before the fonts: its caption of Frame3 takes the font count.
    m_language->RestaurarIdioma();
    loadFontSettings();
    auto *tamano = findChild<QLineEdit *>(QStringLiteral("txtTamaño"));
    if (ui->cboFuentes->currentIndex() < 0 && ui->cboFuentes->count() > 0)
        ui->cboFuentes->setCurrentIndex(0);
    if (tamano->text() == QLatin1String("Va"))
        tamano->setText(QStringLiteral("12"));
    ui->mnuseparador->setVisible(false);
    disableUnbuiltEntries();
    // The first box of the page takes the keys as soon as the window shows, as the first
    // control in tab order did on the old platform; Qt would leave them to the tab strip.
    (ui->SSTab1->currentIndex() == 0 ? ui->txtDesde : m_job->desde[0])->setFocus();
    m_jobModified = false;

    m_startUpSettle = new QTimer(this);
    m_startUpSettle->setSingleShot(true);
    m_startUpSettle->setInterval(1000);
    connect(m_startUpSettle, &QTimer::timeout, this, &frmPrincipal::endStartUpChanges);
    m_startUpSettle->start();

    connect(ui->Command4, &QPushButton::clicked, this, &frmPrincipal::toggleAdvancedArea);
    connect(ui->mnusalir, &QAction::triggered, this, &QWidget::close);
    connect(ui->mnuAcerca, &QAction::triggered, this, &frmPrincipal::showAbout);
    setUpDocuments(); // names the first document Nuevo 1
    setUpNotesAndRecentFiles();
}

void frmPrincipal::disableUnbuiltEntries()
{
    // Entries whose commands are not part of the program yet stay visible but greyed, so that
    // nothing pretends to work.
    for (QAction *entry : {ui->mnuNueMismo, ui->mnuNueDistinto, ui->mnuabrir, ui->mnuguardar,
                           ui->impCuadricula, ui->impRectangulo, ui->mnuultimaMismo, ui->mnudistinto,
                           ui->mnulimpiarrecientes, ui->impConfigurar, ui->mnuescribir, ui->mnuBorrar})
        entry->setEnabled(false);
}

void frmPrincipal::showAbout()
{
    frmAbout box(m_context, this);
    box.exec();
}

void frmPrincipal::endStartUpChanges()
{
    // Loading the window fires change events; the job only counts as modified after this.
    m_startUpSettle->stop();
    m_jobModified = false;
}

bool frmPrincipal::advancedAreaShown() const
{
    // Every width the window takes is either collapsed (6125) or shows the font area (8000 on).
    return Width() >= 8000;
}

void frmPrincipal::toggleAdvancedArea()
{
    if (Width() != kExpandedWidth) {
        setWidthTwips(kExpandedWidth);
        ui->Command4->setText(ui->lblizq->text());
    } else {
        setWidthTwips(kCollapsedWidth);
        ui->Command4->setText(ui->lblder->text());
    }
    m_context.setSetting(kFormulario, kAncho, QString::number(Width()));
}

void frmPrincipal::closeEvent(QCloseEvent *event)
{
    if (m_history && m_history->holdsClosing()) { // the window closes once the run has ended
        event->ignore();
        return;
    }
    switch (documents().Form_QueryUnload()) {
    case JobDocument::Closing::Stay:
        event->ignore();
        return;
    case JobDocument::Closing::EndAtOnce:
        event->accept();
        Q_EMIT endedAtOnce();
        return;
    case JobDocument::Closing::Close:
        break;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        unload();
}

void frmPrincipal::showPrintedFile(const QString &pdfFile)
{
    const QFileInfo file(pdfFile);
    m_printedFile = file.fileName();
    showPrintedFileName();
    ui->lblEstado->setToolTip(QDir::toNativeSeparators(file.absoluteFilePath()));
}

void frmPrincipal::showPrintedFileName()
{
    m_printedFileText = tr(" PDF guardado: %1").arg(m_printedFile);
    ui->lblEstado->setText(m_printedFileText);
}

void frmPrincipal::unload()
{
    m_fonts->EscribirValores(QString());
    Q_EMIT unloaded();
}
