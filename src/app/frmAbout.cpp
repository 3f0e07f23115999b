#include "frmAbout.h"

#include "AboutPictures.h"
#include "AppContext.h"
#include "Dialogs.h"
#include "ProductIcon.h"
#include "SysInfo.h"
#include "Version.h"
#include "ui_frmAbout.h"

#include <QPainter>
#include <QProcess>
#include <QTimer>

const QString frmAbout::kCredits =
    QStringList{
        QStringLiteral("Aplicacion  realizada"),
        QStringLiteral("en la ciudad de"),
        QStringLiteral("San Jacinto del Monte, Córdoba"),
        QString(),
        QStringLiteral("Nombre:"),
        QStringLiteral("TESSARINO"),
        QString(),
        QStringLiteral("Versión: " TESSARINO_VERSION),
        QString(),
        QStringLiteral("Empresa: Vireo y Trazo"),
        QString(),
        QStringLiteral("Idea y desarollo:"),
        QStringLiteral("Lucía Ferrán y Tomás Ibarra"),
        QString(),
        QStringLiteral("e-mail:"),
        QStringLiteral("tessarino@vireoytrazo.example "),
        QString(),
        QStringLiteral("Realizado con:"),
        QStringLiteral("C++20 y Qt 6.4"),
        QString(),
        QStringLiteral("Consultas y/o sugerencias al TEL.:"),
        QStringLiteral("(0351) 555-0147"),
        QString(),
        QStringLiteral("Agradecimientos a "),
        QStringLiteral("Marta Quiroga \"la Tana\""),
    }
        .join(QStringLiteral("\r\n"));

namespace {
const QString kTitle = QStringLiteral("Tessarino");
// Where the credits appear, in twips of the box: (225, 135).
constexpr QPoint kScrollAt(15, 9);
} // namespace

frmAbout::frmAbout(AppContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    ui->lblVersion->setText(QStringLiteral("Versión " TESSARINO_VERSION));
    setFixedSize(396, 237);
    m_background = drawAboutBackground(size());
    ui->picIcon->setPixmap(QPixmap::fromImage(drawProductIcon(33)));
    ui->Image2->setPixmap(drawCloseImage(32));
    ui->Image1->setPixmap(drawPressedMark(ui->Image1->size()));
    ui->Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->picScroll->setText(kCredits);

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
        m_context.dialogs.message(kNoSysInfo, kTitle, Dialogs::Icon::None);
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
