#include "frmPrincipal.h"

#include "PrinterSurface.h"
#include "Twips.h"
#include "ui_frmPrincipal.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

template <typename T, std::size_t N>
void fillArray(QWidget *form, std::array<T *, N> &array, const char *name)
{
    for (std::size_t i = 0; i < N; ++i) {
        array[i] = form->findChild<T *>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        Q_ASSERT(array[i]);
    }
}

} // namespace

frmPrincipal::frmPrincipal(AppContext &context, QWidget *parent)
    : QMainWindow(parent), m_context(context), ui(std::make_unique<Ui::frmPrincipal>())
{
    ui->setupUi(this);
    bindControlArrays();
    connectPage0();
    connectPages();
    Form_Initialize();
    Form_Load();
}

frmPrincipal::~frmPrincipal() = default;

void frmPrincipal::bindControlArrays()
{
    fillArray(this, txtPosX, "txtPosX");
    fillArray(this, txtPosY, "txtPosY");
    fillArray(this, Check1, "Check1");
    fillArray(this, desde, "desde");
    fillArray(this, hasta, "hasta");
    fillArray(this, posX, "posX");
    fillArray(this, posY, "posY");
    fillArray(this, Check2, "Check2");

    // A position or row that is off starts with its boxes greyed.
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        txtPosX[i]->setEnabled(!Check1[i]->isChecked());
        txtPosY[i]->setEnabled(!Check1[i]->isChecked());
    }
    for (std::size_t i = 0; i < Check2.size(); ++i)
        for (QLineEdit *box : {desde[i], hasta[i], posX[i], posY[i]})
            box->setEnabled(!Check2[i]->isChecked());
}

void frmPrincipal::connectPage0()
{
    const auto markModified = [this] { JobModified = true; };
    QList<QLineEdit *> boxes{ui->txtDesde, ui->txtHasta};
    for (std::size_t i = 0; i < txtPosX.size(); ++i)
        boxes << txtPosX[i] << txtPosY[i];
    for (std::size_t i = 0; i < desde.size(); ++i)
        boxes << desde[i] << hasta[i] << posX[i] << posY[i];
    for (QLineEdit *box : boxes) {
        connect(box, &QLineEdit::textChanged, this, markModified);
        box->installEventFilter(this);
    }
    findChild<QLineEdit *>(QStringLiteral("txtTamaño"))->installEventFilter(this);
    for (QCheckBox *box : Check1)
        connect(box, &QCheckBox::toggled, this, markModified);
    for (QCheckBox *box : Check2)
        connect(box, &QCheckBox::toggled, this, markModified);

    for (QCheckBox *box : {ui->chVert, ui->chVert2}) {
        connect(box, &QCheckBox::toggled, this, [this, box] {
            JobModified = true;
            setOrientationFromBox(box);
        });
    }

    connect(ui->cmdImprimir, &QPushButton::clicked, this, &frmPrincipal::cmdImprimir_Click);
    connect(ui->archImprimir, &QAction::triggered, this, &frmPrincipal::cmdImprimir_Click);
    connect(ui->CmdCancelar, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->Command7, &QPushButton::clicked, this, &QWidget::close);
}

void frmPrincipal::connectPages()
{
    connect(ui->SSTab1, &QTabWidget::currentChanged, this, &frmPrincipal::SSTab1_Click);
}

void frmPrincipal::SSTab1_Click(int page)
{
    ActivePage = float(page);
    m_context.setSetting(QStringLiteral("Solapa"), QStringLiteral("sstab1"), QString::number(page));
    if (page == 0)
        ui->txtDesde->setFocus();
    else
        desde[0]->setFocus();
}

void frmPrincipal::setOrientationFromBox(QCheckBox *box)
{
    const bool landscape = box->isChecked();
    QFont caption = box->font();
    caption.setBold(landscape);
    box->setFont(caption);
    try {
        m_context.printer.setOrientation(landscape ? PrinterSurface::Landscape : PrinterSurface::Portrait);
    } catch (const std::exception &) {
        // No printer: the box still shows the choice; the next printer gets it at print time.
    }
}

void frmPrincipal::SelecionarTexto(QLineEdit *box)
{
    box->setSelection(0, int(box->text().size()));
}

bool frmPrincipal::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Deferred, so that the mouse press that gave the focus does not undo the selection.
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, box, [box] { if (box->hasFocus()) SelecionarTexto(box); });
    }
    return QMainWindow::eventFilter(watched, event);
}

SameNumberJob frmPrincipal::sameNumberJob() const
{
    SameNumberJob job;
    job.desde = ui->txtDesde->text();
    job.hasta = ui->txtHasta->text();
    for (int i = 0; i < SameNumberJob::kPositions; ++i) {
        job.posX[i] = txtPosX[i]->text();
        job.posY[i] = txtPosY[i]->text();
        job.off[i] = Check1[i]->isChecked();
    }
    return job;
}

FontChoice frmPrincipal::fontChoice() const
{
    return {ui->cboFuentes->currentText(), findChild<QLineEdit *>(QStringLiteral("txtTamaño"))->text(), m_fontColor};
}

void frmPrincipal::cmdImprimir_Click()
{
    const RunOutcome outcome = runSameNumber(sameNumberJob(), fontChoice(), m_context.printer, m_context.dialogs);
    if (outcome == RunOutcome::DigitsMismatch) {
        ui->txtHasta->setFocus();
        SelecionarTexto(ui->txtHasta);
    }
}
