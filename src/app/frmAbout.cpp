#include "frmAbout.h"

#include "AboutPictures.h"
#include "AppContext.h"
#include "Dialogs.h"
#include "ProductIcon.h"
#include "SysInfo.h"
#include "Version.h"
#include "ui_frmAbout.h"

#include <QEvent>
#include <QPainter>
#include <QProcess>
#include <QTimer>

QString frmAbout::credits()
{
    return QStringList{
        tr("Aplicacion  realizada"),
        tr("en la ciudad de"),
        QStringLiteral("San Jacinto del Monte, Córdoba"),
        QString(),
        tr("Nombre:"),
        QStringLiteral("TESSARINO"),
        QString(),
        tr("Versión: %1").arg(QStringLiteral(TESSARINO_VERSION)),
        QString(),
        tr("Empresa: Vireo y Trazo"),
        QString(),
        tr("Idea y desarollo:"),
        tr("Lucía Ferrán y Tomás Ibarra"),
        QString(),
        tr("e-mail:"),
        QStringLiteral("tessarino@vireoytrazo.example "),
        QString(),
        tr("Realizado con:"),
        tr("C++20 y Qt 6.4"),
        QString(),
        tr("Consultas y/o sugerencias al TEL.:"),
        QStringLiteral("(0351) 555-0147"),
        QString(),
        tr("Agradecimientos a "),
        QStringLiteral("Marta Quiroga \"la Tana\""),
    }
        .join(QStringLiteral("\r\n"));
}

QString frmAbout::noSysInfo()
{
    return tr("La información del sistema no está disponible en este momento");
}

namespace {
const QString kTitle = QStringLiteral("Tessarino");
// Where the credits appear, in twips of the box: (225, 135).
constexpr QPoint kScrollAt(15, 9);
} // namespace

frmAbout::frmAbout(AppContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    retranslate();
    setFixedSize(396, 237);
    m_background = drawAboutBackground(size());
    ui->picIcon->setPixmap(QPixmap::fromImage(drawProductIcon(33)));
    ui->Image2->setPixmap(drawCloseImage(32));
    ui->Image1->setPixmap(drawPressedMark(ui->Image1->size()));
    ui->Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(ui->Image2, &PressImage::clicked, this, &frmAbout::Image2_Click);
    connect(ui->Image2, &PressImage::pressed, ui->Image1, &QWidget::show);
    connect(ui->Image2, &PressImage::released, ui->Image1, &QWidget::hide);
    connect(ui->picIcon, &PressImage::doubleClicked, this, &frmAbout::picIcon_DblClick);

    // Form_Load: the credits start by themselves after five seconds.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    Timer1->start();
}

frmAbout::~frmAbout() = default;

void frmAbout::retranslate()
{
    ui->lblVersion->setText(tr("Versión %1").arg(QStringLiteral(TESSARINO_VERSION)));
    ui->picScroll->setText(credits());
}

void frmAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QDialog::changeEvent(event);
}

void frmAbout::Timer1_Timer()
{
    Timer1->stop();
    picIcon_DblClick();
}

void frmAbout::picIcon_DblClick()
{
    if (m_stop)
        return;
    ui->picScroll->move(kScrollAt);
    ui->picScroll->show();
    // A second start begins again from the bottom: there is only ever one scroll.
    if (!ui->picScroll->start()) {
        m_context.dialogs.message(kScrollError, kTitle, Dialogs::Icon::Exclamation);
        close();
    }
}

void frmAbout::StartSysInfo()
{
    const QString tool = SysInfo::findTool(m_context.paths.registryStore, m_toolSearchPath);
    if (tool.isEmpty() || !QProcess::startDetached(tool, {}))
        m_context.dialogs.message(noSysInfo(), kTitle, Dialogs::Icon::None);
}

void frmAbout::hideEvent(QHideEvent *event)
{
    // However the box goes away, the credits stop with it.
    m_stop = true;
    Timer1->stop();
    ui->picScroll->stop();
    QDialog::hideEvent(event);
}

void frmAbout::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_background);
}
