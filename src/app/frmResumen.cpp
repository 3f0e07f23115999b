#include "frmResumen.h"

#include "Dialogs.h"
#include "ProfileFiles.h"
#include "RunMessages.h"
#include "RunSummary.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

frmResumen::frmResumen(const ProfileFiles &settings, Dialogs &dialogs, QWidget *owner)
    : QDialog(owner), m_settings(settings), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmResumen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    txtResumenDesde = new QSpinBox(this);
    txtResumenDesde->setObjectName(QStringLiteral("txtResumenDesde"));
    txtResumenDesde->setRange(0, std::numeric_limits<int>::max());
    txtResumenDesde->setGroupSeparatorShown(true);
    txtResumenDesde->setValue(int(qMin<qint64>(LongRuns::read(settings), std::numeric_limits<int>::max())));
    txtResumenDesde->selectAll();
    m_ask = new QLabel(this);
    m_ask->setBuddy(txtResumenDesde);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmResumen::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->addWidget(m_ask);
    row->addWidget(txtResumenDesde, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    retranslate();
}

void frmResumen::retranslate()
{
    setWindowTitle(tr("Resumen antes de tiradas largas"));
    m_ask->setText(tr("Resumir y preguntar antes de imprimir más de"));
    txtResumenDesde->setSuffix(tr(" hojas"));
    txtResumenDesde->setSpecialValueText(tr("no preguntar nunca"));
    m_note->setText(tr("Antes de una tirada más larga se muestra lo que se va a imprimir (hojas, boletos, "
                       "bloques, impresora, papel, primer y último número) y se pregunta si seguir. Con 0 "
                       "no se pregunta nunca. La línea de órdenes escribe el mismo resumen y sigue."));
}

void frmResumen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmResumen::accept()
{
    txtResumenDesde->interpretText(); // a number typed without Enter counts
    QString file, reason;
    if (!m_settings.EscribirValoresIni(
            {{LongRuns::kSection, LongRuns::kKey, QString::number(txtResumenDesde->value())}}, file,
            &reason)) {
        m_dialogs.message(tr("No se pudo guardar el límite del resumen: %1").arg(reason), RunMessages::kTitle,
                          Dialogs::Icon::Critical);
        return;
    }
    QDialog::accept();
}
