#include "frmVistaPrevia.h"

#include "JobSheets.h"
#include "Logging.h"
#include "PageImageSurface.h"
#include "PrinterSurface.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *navigationButton(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(tip);
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
    setWindowTitle(QStringLiteral("Vista previa"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    cmdPrimera = navigationButton(this, "cmdPrimera", QStringLiteral("|◀"), QStringLiteral("Primera hoja"));
    cmdAnterior = navigationButton(this, "cmdAnterior", QStringLiteral("◀"), QStringLiteral("Hoja anterior"));
    cmdSiguiente =
        navigationButton(this, "cmdSiguiente", QStringLiteral("▶"), QStringLiteral("Hoja siguiente"));
    cmdUltima = navigationButton(this, "cmdUltima", QStringLiteral("▶|"), QStringLiteral("Última hoja"));
    txtHoja = new QLineEdit(this);
    txtHoja->setObjectName(QStringLiteral("txtHoja"));
    txtHoja->setToolTip(QStringLiteral("Escriba el número de hoja y pulse Intro"));
    txtHoja->setAlignment(Qt::AlignRight);
    txtHoja->setMaxLength(19);
    txtHoja->setFixedWidth(fontMetrics().horizontalAdvance(QString(9, u'0')));
    lblTotal = new QLabel(QStringLiteral("de %1").arg(m_sheets->count()), this);
    cboZoom = new QComboBox(this);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    for (int percent : {25, 50, 75, 100, 150, 200, 400})
        cboZoom->addItem(QStringLiteral("%1 %").arg(percent), percent);

    imgHoja = new QLabel;
    imgHoja->setObjectName(QStringLiteral("imgHoja"));
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(imgHoja);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto *bar = new QHBoxLayout;
    bar->addWidget(cmdPrimera);
    bar->addWidget(cmdAnterior);
    bar->addWidget(new QLabel(QStringLiteral("Hoja"), this));
    bar->addWidget(txtHoja);
    bar->addWidget(lblTotal);
    bar->addWidget(cmdSiguiente);
    bar->addWidget(cmdUltima);
    bar->addStretch();
    bar->addWidget(new QLabel(QStringLiteral("Zoom"), this));
    bar->addWidget(cboZoom);
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

    setZoom(100);
    showSheet(0);
    resize(900, 700);
}

frmVistaPrevia::~frmVistaPrevia() = default;

void frmVistaPrevia::showSheet(qint64 sheet)
{
    m_sheet = qBound<qint64>(0, sheet, m_sheets->count() - 1);
    txtHoja->setText(QString::number(m_sheet + 1));
    cmdPrimera->setEnabled(m_sheet > 0);
    cmdAnterior->setEnabled(m_sheet > 0);
    cmdSiguiente->setEnabled(m_sheet + 1 < m_sheets->count());
    cmdUltima->setEnabled(m_sheet + 1 < m_sheets->count());
    redraw();
}

void frmVistaPrevia::setZoom(int percent)
{
    m_zoom = percent;
    cboZoom->setCurrentIndex(cboZoom->findData(percent));
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
    const double dpi = (screen() ? screen()->logicalDotsPerInch() : 96.0) * m_zoom / 100.0;
    const QImage image = render(m_sheet, dpi);
    imgHoja->setPixmap(QPixmap::fromImage(image));
    imgHoja->resize(image.size());
}
