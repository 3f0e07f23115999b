#include "frmVistaPrevia.h"

#include "JobSheets.h"
#include "Logging.h"
#include "PageImageSurface.h"
#include "PrinterSurface.h"

#include "Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *navigationButton(QWidget *parent, const char *name, const QString &symbol)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(symbol);
    button->setAutoRaise(true);
    return button;
}

} // namespace

frmVistaPrevia::frmVistaPrevia(std::unique_ptr<JobSheets> sheets, const PrinterSurface &printer,
                               QWidget *owner)
    : QDialog(owner), m_sheets(std::move(sheets)), m_sheetTwips(printer.width(), printer.height()),
      m_printable(printer.printableAreaTwips()), m_printerZoom(printer.zoom()),
      m_template(printer.pdfTemplate())
{
    setObjectName(QStringLiteral("frmVistaPrevia"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    cmdPrimera = navigationButton(this, "cmdPrimera", QStringLiteral("|◀"));
    cmdAnterior = navigationButton(this, "cmdAnterior", QStringLiteral("◀"));
    cmdSiguiente = navigationButton(this, "cmdSiguiente", QStringLiteral("▶"));
    cmdUltima = navigationButton(this, "cmdUltima", QStringLiteral("▶|"));
    txtHoja = new QLineEdit(this);
    txtHoja->setObjectName(QStringLiteral("txtHoja"));
    txtHoja->setAlignment(Qt::AlignRight);
    txtHoja->setMaxLength(19);
    txtHoja->setFixedWidth(fontMetrics().horizontalAdvance(QString(9, u'0')));
    lblTotal = new QLabel(this);
    cboZoom = new QComboBox(this);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    for (int percent : {25, 50, 75, 100, 150, 200, 400})
        cboZoom->addItem(QStringLiteral("%1 %").arg(percent), percent);
    cboZoom->addItem(QString(), kFitPage);
    cboZoom->addItem(QString(), kFitWidth);
    lblBloque = new QLabel(this);
    lblBloque->setObjectName(QStringLiteral("lblBloque"));
    cmdImprimirVista = new QToolButton(this);
    cmdImprimirVista->setObjectName(QStringLiteral("cmdImprimirVista"));
    cmdImprimirVista->hide();
    chkCalibrada = new QCheckBox(this);
    chkCalibrada->setObjectName(QStringLiteral("chkCalibrada"));
    chkCalibrada->setEnabled(false); // until a calibration is given
    connect(chkCalibrada, &QCheckBox::toggled, this, &frmVistaPrevia::redraw);
    connect(cmdImprimirVista, &QToolButton::clicked, this, [this] {
        accept();
        if (m_print)
            m_print();
    });

    imgHoja = new QLabel;
    imgHoja->setObjectName(QStringLiteral("imgHoja"));
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(imgHoja);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto *bar = new QHBoxLayout;
    bar->addWidget(cmdPrimera);
    bar->addWidget(cmdAnterior);
    m_hoja = new QLabel(this);
    bar->addWidget(m_hoja);
    bar->addWidget(txtHoja);
    bar->addWidget(lblTotal);
    bar->addWidget(cmdSiguiente);
    bar->addWidget(cmdUltima);
    bar->addWidget(lblBloque);
    bar->addStretch();
    bar->addWidget(chkCalibrada);
    m_zoomLabel = new QLabel(this);
    bar->addWidget(m_zoomLabel);
    bar->addWidget(cboZoom);
    bar->addWidget(cmdImprimirVista);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(cmdPrimera, &QToolButton::clicked, this, [this] { showSheet(0); });
    connect(cmdAnterior, &QToolButton::clicked, this, [this] { showSheet(m_sheet - 1); });
    connect(cmdSiguiente, &QToolButton::clicked, this, [this] { showSheet(m_sheet + 1); });
    connect(cmdUltima, &QToolButton::clicked, this, [this] { showSheet(m_sheets->count() - 1); });
    connect(txtHoja, &QLineEdit::returnPressed, this, &frmVistaPrevia::goToTyped);
    connect(cboZoom, &QComboBox::activated, this,
            [this](int index) { setZoom(cboZoom->itemData(index).toInt()); });

    // Texts from both sources, so after the tables' language and Qt's have both changed.
    Texts::follow(this, [this] {
        retranslate();
        if (isVisible())
            redraw(); // the block's band names it
    });
    setZoom(100);
    showSheet(0);
    resize(900, 700);
}

frmVistaPrevia::~frmVistaPrevia() = default;

void frmVistaPrevia::retranslate()
{
    setWindowTitle(tr("Vista previa"));
    cmdPrimera->setToolTip(tr("Primera hoja"));
    cmdAnterior->setToolTip(tr("Hoja anterior"));
    cmdSiguiente->setToolTip(tr("Hoja siguiente"));
    cmdUltima->setToolTip(tr("Última hoja"));
    txtHoja->setToolTip(tr("Escriba el número de hoja y pulse Intro"));
    m_hoja->setText(tr("Hoja"));
    lblTotal->setText(tr("de %1").arg(m_sheets->count()));
    m_zoomLabel->setText(tr("Zoom"));
    cboZoom->setItemText(cboZoom->findData(kFitPage), Texts::text(19010, QStringLiteral("Página completa")));
    cboZoom->setItemText(cboZoom->findData(kFitWidth), Texts::text(19011, QStringLiteral("Ancho de página")));
    cmdImprimirVista->setText(Texts::text(18046, QStringLiteral("Imprimir")));
    chkCalibrada->setText(tr("Como la pone la impresora"));
    chkCalibrada->setToolTip(
        m_calibration
            ? tr("Muestra cada hoja donde «%1» la pone de verdad: con la corrección de su calibración, "
                 "cortada donde la impresora no llega (el borde, a trazos)")
                  .arg(m_printerName)
            : tr("La impresora «%1» no está calibrada: la vista previa muestra las posiciones del trabajo")
                  .arg(m_printerName));
    if (lblBloque->isVisible() || m_sheets->blocks() > 1)
        showBlock();
}

void frmVistaPrevia::setCalibration(const QString &printer, std::optional<PrinterCalibration> measured)
{
    m_printerName = printer;
    m_calibration = measured && measured->plausible() ? measured : std::nullopt;
    chkCalibrada->setEnabled(m_calibration.has_value());
    if (!m_calibration)
        chkCalibrada->setChecked(false);
    retranslate();
    redraw();
}

bool frmVistaPrevia::calibratedView() const
{
    return m_calibration && chkCalibrada->isChecked();
}

void frmVistaPrevia::showSheet(qint64 sheet)
{
    m_sheet = qBound<qint64>(0, sheet, m_sheets->count() - 1);
    txtHoja->setText(QString::number(m_sheet + 1));
    cmdPrimera->setEnabled(m_sheet > 0);
    cmdAnterior->setEnabled(m_sheet > 0);
    cmdSiguiente->setEnabled(m_sheet + 1 < m_sheets->count());
    cmdUltima->setEnabled(m_sheet + 1 < m_sheets->count());
    showBlock();
    redraw();
}

void frmVistaPrevia::showBlock()
{
    const qint64 block = m_sheets->blockOf(m_sheet);
    lblBloque->setVisible(m_sheets->blocks() > 1);
    lblBloque->setText((m_sheet == 0 || m_sheets->blockOf(m_sheet - 1) != block
                            ? Texts::text(19012, QStringLiteral("▶ Empieza el bloque %1 de %2"))
                            : Texts::text(19013, QStringLiteral("Bloque %1 de %2")))
                           .arg(block + 1)
                           .arg(m_sheets->blocks()));
}

void frmVistaPrevia::markBlock(QImage &image) const
{
    const qint64 block = m_sheets->blockOf(m_sheet);
    if (m_sheets->blocks() < 2 || (m_sheet > 0 && m_sheets->blockOf(m_sheet - 1) == block))
        return;
    // Translucent, so what the sheet carries under it still shows.
    const int height = qMax(18, image.height() / 25);
    const QRect band(0, 0, image.width(), height);
    QPainter painter(&image);
    painter.fillRect(band, QColor(255, 140, 0, 150));
    painter.fillRect(QRect(0, 0, qMax(4, height / 4), image.height()), QColor(255, 140, 0, 150));
    QFont font = painter.font();
    font.setPixelSize(qMax(10, height * 2 / 3));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(band.adjusted(height / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     Texts::text(19012, QStringLiteral("▶ Empieza el bloque %1 de %2"))
                         .arg(block + 1)
                         .arg(m_sheets->blocks()));
}

void frmVistaPrevia::setPrint(std::function<void()> print)
{
    m_print = std::move(print);
    cmdImprimirVista->setVisible(bool(m_print));
}

void frmVistaPrevia::keyPressEvent(QKeyEvent *event)
{
    // The keys of a document viewer; the sheet box keeps its own keys while typing in it.
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int step = m_zoom > 0 ? m_zoom : int(fittedPercent());
    switch (event->key()) {
    case Qt::Key_PageDown:
        showSheet(m_sheet + 1);
        return;
    case Qt::Key_PageUp:
        showSheet(m_sheet - 1);
        return;
    case Qt::Key_Home:
        if (!txtHoja->hasFocus()) {
            showSheet(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (!txtHoja->hasFocus()) {
            showSheet(m_sheets->count() - 1);
            return;
        }
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (control) {
            setZoom(qMin(800, step * 5 / 4));
            return;
        }
        break;
    case Qt::Key_Minus:
        if (control) {
            setZoom(qMax(10, step * 4 / 5));
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

double frmVistaPrevia::fittedPercent() const
{
    const double dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    const QSize room = m_scroll->viewport()->size() - QSize(8, 8);
    const double byWidth = room.width() / (m_sheetTwips.width() / 1440.0 * dpi) * 100;
    const double byHeight = room.height() / (m_sheetTwips.height() / 1440.0 * dpi) * 100;
    return qMax(5.0, m_zoom == kFitWidth ? byWidth : qMin(byWidth, byHeight));
}

void frmVistaPrevia::setZoom(int percent)
{
    m_zoom = percent;
    cboZoom->setCurrentIndex(cboZoom->findData(percent)); // none for a percent typed with the keys
    redraw();
}

void frmVistaPrevia::goToTyped()
{
    bool ok = false;
    const qint64 typed = txtHoja->text().trimmed().toLongLong(&ok);
    showSheet(ok ? typed - 1 : m_sheet); // a text that is no sheet number shows the current one again
}

QImage frmVistaPrevia::render(qint64 sheet, double dotsPerInch) const
{
    PageImageSurface page(m_sheetTwips, m_printable, dotsPerInch, m_printerZoom);
    page.setPdfTemplate(m_template);
    if (calibratedView())
        page.setLanding(m_calibration);
    try {
        m_sheets->applyFont(page);
        m_sheets->draw(sheet, page);
        page.endDoc();
    } catch (const std::exception &e) {
        // The run's own checks were made before the preview opened; a sheet that still cannot be
        // drawn shows as far as it went.
        qCWarning(lcPrint).noquote() << "Preview of sheet" << sheet + 1
                                     << "drawn in part:" << describeFailure(e);
    }
    return page.image();
}

void frmVistaPrevia::redraw()
{
    const double percent = m_zoom > 0 ? m_zoom : fittedPercent();
    const double dpi = (screen() ? screen()->logicalDotsPerInch() : 96.0) * percent / 100.0;
    QImage image = render(m_sheet, dpi);
    markBlock(image);
    imgHoja->setPixmap(QPixmap::fromImage(image));
    imgHoja->resize(image.size());
}
