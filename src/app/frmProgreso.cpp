#include "frmProgreso.h"

#include "Dialogs.h"
#include "StopSignals.h"
#include "Texts.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

frmProgreso::frmProgreso(QWidget *owner, Dialogs *dialogs) : QDialog(owner), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmProgreso"));
    setWindowTitle(QStringLiteral("Tessarino"));
    setWindowModality(Qt::NonModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lblHoja = new QLabel(this);
    lblHoja->setObjectName(QStringLiteral("lblHoja"));
    lblNumero = new QLabel(this);
    lblNumero->setObjectName(QStringLiteral("lblNumero"));
    lblImpresora = new QLabel(this);
    lblImpresora->setObjectName(QStringLiteral("lblImpresora"));
    lblImpresora->setWordWrap(true);
    lblImpresora->hide();
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1000); // per mille: a run can hold more sheets than an int counts
    ProgressBar1->setMinimumWidth(320);
    cmdCancelar = new QPushButton(this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    connect(cmdCancelar, &QPushButton::clicked, this, &frmProgreso::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblHoja);
    layout->addWidget(lblNumero);
    layout->addWidget(lblImpresora);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
    retranslate();
    m_clock.start();
    ++s_running;
}

void frmProgreso::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmProgreso::retranslate()
{
    cmdCancelar->setText(tr("Cancelar"));
    if (m_shownAny) {
        lblHoja->setText(m_confirms ? Texts::text(14004).arg(m_shownSheet).arg(m_shownTotal)
                                    : tr("Imprimiendo hoja %1 de %2").arg(m_shownSheet).arg(m_shownTotal));
        lblNumero->setText(tr("Número: %1").arg(m_shownNumber));
    }
    if (!lblImpresora->text().isEmpty())
        lblImpresora->setText(printerText());
}

frmProgreso::~frmProgreso()
{
    --s_running;
}

void frmProgreso::checkSignal()
{
    if (StopSignals::received() != 0 && !m_cancelled) {
        StopSignals::take(); // this run stops for it; the program goes on
        stop();
    }
}

QString frmProgreso::printerText() const
{
    QString text = Texts::text(14003).arg(m_confirmed).arg(m_total);
    if (!m_state.isEmpty())
        text += u' ' + m_state;
    return text;
}

void frmProgreso::printerConfirmed(qint64 confirmed, qint64 total, const QString &, const QString &)
{
    m_confirmed = confirmed;
    m_total = total;
    lblImpresora->setText(printerText());
}

void frmProgreso::printerState(const QString &words)
{
    m_state = words;
    lblImpresora->setText(printerText());
}

bool frmProgreso::keepWaiting()
{
    checkSignal();
    if (!isVisible() && m_clock.elapsed() >= showAfterMs) {
        adjustSize();
        show();
    }
    return !m_cancelled;
}

bool frmProgreso::sheetPrinted(qint64 done, qint64 total, const QString &number)
{
    checkSignal();
    if (m_clock.elapsed() >= m_nextRefreshMs) {
        refresh(done, total, number);
        m_nextRefreshMs = m_clock.elapsed() + kRefreshMs;
    }
    if (m_cancelled)
        hide(); // the message about the last number follows
    return !m_cancelled;
}

void frmProgreso::refresh(qint64 done, qint64 total, const QString &number)
{
    m_shownSheet = done;
    m_shownTotal = total;
    m_shownNumber = number;
    m_shownAny = true;
    if (m_confirms) {
        m_total = total;
        lblImpresora->setText(printerText());
        lblImpresora->show();
    }
    retranslate();
    ProgressBar1->setValue(total > 0 ? int(done * 1000 / total) : 0);
    if (!isVisible()) {
        adjustSize();
        show();
    }
}

void frmProgreso::reject()
{
    if (!m_cancelled && !m_asking && wantsStop())
        stop();
}

bool frmProgreso::wantsStop()
{
    if (m_cancelled)
        return true;
    if (m_asking)
        return false;
    if (m_confirms && m_dialogs && m_confirmed < m_total && m_confirmed >= 0) {
        m_asking = true;
        const int answer =
            m_dialogs->choose(Texts::text(14005), QStringLiteral("Tessarino"), Dialogs::Icon::Question,
                              {Texts::text(14006), Texts::text(14007)});
        m_asking = false;
        return answer == 1;
    }
    return true;
}

void frmProgreso::stop()
{
    m_cancelled = true;
    cmdCancelar->setEnabled(false);
}
