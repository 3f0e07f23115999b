#include "frmReponer.h"

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

frmReponer::frmReponer(const std::vector<RunLog::Run> &runs, bool openJob, Dialogs &dialogs, QWidget *owner)
    : QDialog(owner), m_openJob(openJob), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmReponer"));
    setWindowTitle(QStringLiteral("Reponer boletos"));
    Texts::bindTitle(this, 18020);
    cboImpresion = new QComboBox(this);
    cboImpresion->setObjectName(QStringLiteral("cboImpresion"));
    txtBoletos = new QLineEdit(this);
    txtBoletos->setObjectName(QStringLiteral("txtBoletos"));
    txtBoletos->setMaxLength(1000);
    if (openJob) {
        cboImpresion->addItem(QStringLiteral("Trabajo abierto"));
        Texts::follow(this, [this] {
            cboImpresion->setItemText(0, Texts::text(18021, QStringLiteral("Trabajo abierto")));
        });
    }
    for (auto it = runs.rbegin(); it != runs.rend() && int(m_runs.size()) < kMostRuns; ++it) {
        m_runs.push_back(*it);
        cboImpresion->addItem(RunText::summary(*it));
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Reponer"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdReponer"));
    ok->setDefault(true);
    Texts::bindCaption(ok, 18022);
    Texts::bindCaption(buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole), 18023);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    auto *run = new QLabel(QStringLiteral("Impresión:"), this);
    Texts::bindCaption(run, 18024);
    auto *tickets = new QLabel(QStringLiteral("Boletos estropeados:"), this);
    Texts::bindCaption(tickets, 18025);
    auto *hint = new QLabel(QStringLiteral("Por ejemplo 0457,2310,3001-3004"), this);
    Texts::bindCaption(hint, 18026);
    form->addRow(run, cboImpresion);
    form->addRow(tickets, txtBoletos);
    form->addRow(QString(), hint);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    txtBoletos->setFocus();
}

std::optional<RunLog::Run> frmReponer::chosenRun() const
{
    const int index = cboImpresion->currentIndex() - (m_openJob ? 1 : 0);
    if (index < 0 || index >= int(m_runs.size()))
        return std::nullopt;
    return m_runs[std::size_t(index)];
}

std::optional<std::pair<qint64, qint64>> frmReponer::printedBy(const RunLog::Run &run)
{
    if (!run.boletos.isEmpty())
        return std::nullopt;
    // The sheets the run printed; all it planned when it never said how far it got.
    const qint64 sheets = run.impresas > 0 ? run.impresas : run.hojas;
    return std::make_pair(run.hojaInicial - 1, run.hojaInicial - 1 + qMax<qint64>(sheets, 1) - 1);
}

void frmReponer::accept()
{
    QString why;
    const auto tickets = TicketReplacement::parse(txtBoletos->text(), why);
    if (!tickets) {
        m_dialogs.message(why, RunMessages::kTitle, Dialogs::Icon::Exclamation);
        txtBoletos->setFocus();
        return;
    }
    m_request.tickets = *tickets;
    m_request.listed = TicketReplacement::listed(txtBoletos->text());
    const auto run = chosenRun();
    m_request.printed = run ? printedBy(*run) : std::nullopt;
    QDialog::accept();
}
