#include "frmReimprimir.h"

#include "Dialogs.h"
#include "RunMessages.h"
#include "RunText.h"
#include "Texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {

QLabel *caption(const char *spanish, int32_t id, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(spanish), parent);
    Texts::bindCaption(label, id);
    return label;
}

} // namespace

frmReimprimir::frmReimprimir(const std::vector<RunLog::Run> &runs, const QString &runId, Dialogs &dialogs,
                             QWidget *owner)
    : QDialog(owner), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmReimprimir"));
    setWindowTitle(QStringLiteral("Reimprimir hojas"));
    Texts::bindTitle(this, 3027);
    cboImpresion = new QComboBox(this);
    cboImpresion->setObjectName(QStringLiteral("cboImpresion"));
    txtDesdeHoja = new QLineEdit(this);
    txtDesdeHoja->setObjectName(QStringLiteral("txtDesdeHoja"));
    txtHastaHoja = new QLineEdit(this);
    txtHastaHoja->setObjectName(QStringLiteral("txtHastaHoja"));
    for (QLineEdit *box : {txtDesdeHoja, txtHastaHoja})
        box->setMaxLength(16);

    int chosen = 0;
    for (auto it = runs.rbegin(); it != runs.rend() && int(m_runs.size()) < kMostRuns; ++it) {
        if (it->id == runId)
            chosen = int(m_runs.size());
        m_runs.push_back(*it);
        cboImpresion->addItem(RunText::summary(*it));
    }
    if (!runId.isEmpty() && chosen == 0 && (m_runs.empty() || m_runs.front().id != runId)) {
        // An older run than the list holds: offered too, first.
        for (const RunLog::Run &run : runs)
            if (run.id == runId) {
                m_runs.insert(m_runs.begin(), run);
                cboImpresion->insertItem(0, RunText::summary(run));
            }
    }
    cboImpresion->setCurrentIndex(chosen);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Reimprimir"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdReimprimir"));
    Texts::bindCaption(ok, 3031);
    Texts::bindCaption(buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole), 3032);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(caption("Impresión:", 3028, this), cboImpresion);
    form->addRow(caption("Desde la hoja:", 3029, this), txtDesdeHoja);
    form->addRow(caption("Hasta la hoja:", 3030, this), txtHastaHoja);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(cboImpresion, &QComboBox::currentIndexChanged, this, &frmReimprimir::showRun);
    showRun();
}

RunLog::Run frmReimprimir::chosenRun() const
{
    return m_runs.at(std::size_t(qMax(0, cboImpresion->currentIndex())));
}

void frmReimprimir::showRun()
{
    if (m_runs.empty())
        return;
    // The sheets the run printed; all it planned when it never said how far it got.
    const RunLog::Run run = chosenRun();
    const qint64 sheets = run.impresas > 0 ? run.impresas : run.hojas;
    txtDesdeHoja->setText(QString::number(run.hojaInicial));
    txtHastaHoja->setText(QString::number(run.hojaInicial + qMax<qint64>(sheets, 1) - 1));
}

void frmReimprimir::accept()
{
    bool firstOk = false, lastOk = false;
    const qint64 first = txtDesdeHoja->text().trimmed().toLongLong(&firstOk);
    const qint64 last = txtHastaHoja->text().trimmed().toLongLong(&lastOk);
    QString why;
    if (!firstOk || !lastOk)
        why = Texts::text(3035);
    else
        why = SheetSpan::refusal(first, last, std::numeric_limits<qint64>::max());
    if (!why.isEmpty() || m_runs.empty()) {
        m_dialogs.message(why, RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return;
    }
    m_span = {first, last};
    QDialog::accept();
}
