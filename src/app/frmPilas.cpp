#include "frmPilas.h"

#include "JobControls.h"

#include "DistinctNumberRun.h"
#include "PilePlan.h"
#include "RuntimeError.h"
#include "Texts.h"
#include "UncutText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *numberBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(20);
    return box;
}

QLabel *boxLabel(const char *spanish, int32_t id, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(spanish), parent);
    Texts::bindCaption(label, id);
    return label;
}

} // namespace

frmPilas::frmPilas(const JobControls &rows, QLabel *pageLine, QWidget *owner)
    : QDialog(owner), lblPilas(pageLine), m_rows(rows)
{
    setObjectName(QStringLiteral("frmPilas"));
    setWindowTitle(QStringLiteral("Numerar en pilas"));
    Texts::bindTitle(this, 1000);
    chkPilas = new QCheckBox(QStringLiteral("Numerar en pilas"), this);
    chkPilas->setObjectName(QStringLiteral("chkPilas"));
    Texts::bindCaption(chkPilas, 1000);
    txtPilasDesde = numberBox("txtPilasDesde", this);
    txtPilasHasta = numberBox("txtPilasHasta", this);
    txtPilasProfundidad = numberBox("txtPilasProfundidad", this);
    chkSeparadores = new QCheckBox(QStringLiteral("Hoja separadora antes de cada bloque"), this);
    chkSeparadores->setObjectName(QStringLiteral("chkSeparadores"));
    Texts::bindCaption(chkSeparadores, 18061);
    lblPlan = new QLabel(this);
    lblPlan->setObjectName(QStringLiteral("lblPlan"));
    lblPlan->setWordWrap(true);
    lblPlan->setMinimumWidth(320);
    auto *buttons = new QDialogButtonBox(this);
    Texts::bindCaption(buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::AcceptRole), 1004);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *form = new QFormLayout;
    form->addRow(chkPilas);
    form->addRow(boxLabel("Primer número:", 1001, this), txtPilasDesde);
    form->addRow(boxLabel("Último número:", 1002, this), txtPilasHasta);
    form->addRow(boxLabel("Hojas por pila (0 = sin límite):", 1003, this), txtPilasProfundidad);
    form->addRow(chkSeparadores);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblPlan);
    layout->addWidget(buttons);

    for (QLineEdit *box : {txtPilasDesde, txtPilasHasta, txtPilasProfundidad})
        connect(box, &QLineEdit::textChanged, this, &frmPilas::refresh);
    connect(chkPilas, &QCheckBox::toggled, this, &frmPilas::refresh);
    connect(chkSeparadores, &QCheckBox::toggled, this, &frmPilas::refresh);
    Texts::follow(this, [this] { refresh(); });
    for (QCheckBox *box : m_rows.Check2)
        connect(box, &QCheckBox::toggled, this, &frmPilas::refresh);
    reset();
}

void frmPilas::reset()
{
    const DistinctNumberJob::Piles defaults;
    chkPilas->setChecked(defaults.on);
    txtPilasDesde->setText(defaults.desde);
    txtPilasHasta->setText(defaults.hasta);
    txtPilasProfundidad->setText(defaults.profundidad);
    chkSeparadores->setChecked(false);
    refresh();
}

QString frmPilas::pageLine(const QString &summary) const
{
    return Texts::text(1006) + summary;
}

QString frmPilas::separators(qint64 blocks) const
{
    if (!chkSeparadores->isChecked())
        return {};
    return blocks == 1 ? tr("más una hoja separadora antes del bloque")
                       : tr("más %1 hojas separadoras, una antes de cada bloque").arg(blocks);
}

bool frmPilas::fitsPageLine(const QString &summary) const
{
    const QRect room = lblPilas->contentsRect();
    const QRect needed = lblPilas->fontMetrics().boundingRect(room, Qt::TextWordWrap, pageLine(summary));
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void frmPilas::refresh()
{
    const bool on = chkPilas->isChecked();
    for (int j = 0; j < 4; ++j) {
        m_rows.desde[j]->setReadOnly(on);
        m_rows.hasta[j]->setReadOnly(on);
    }
    lblPilas->setVisible(on);
    if (!on) {
        lblPlan->clear();
        return;
    }
    QString plan;    // whole, in the dialog and the page line's tool tip
    QString summary; // the blocks alone: the rows show the piles
    try {
        const PileRun run =
            PileRun::read({true, txtPilasDesde->text(), txtPilasHasta->text(), txtPilasProfundidad->text()});
        int rows = 0;
        for (QCheckBox *box : m_rows.Check2)
            rows += box->isChecked() ? 0 : 1;
        if (rows == 0) {
            plan = summary = Texts::text(1007);
        } else {
            const PilePlan piles(run.count, rows, run.depth);
            const auto number = [&run](qint64 offset) { return run.number(offset); };
            plan = describePiles(piles, number);
            // The page has room for two lines: very long numbers leave out the last block's size,
            // then the separators, which the dialog and the tip still name.
            const QString extra = separators(piles.blocks());
            if (!extra.isEmpty())
                plan += QStringLiteral("; ") + extra;
            summary = describeBlocks(piles);
            if (!extra.isEmpty() && fitsPageLine(summary + QStringLiteral("; ") + extra))
                summary += QStringLiteral("; ") + extra;
            else if (!fitsPageLine(summary))
                summary = describeBlocks(piles, false);
            // The enabled rows show their first pile.
            const PilePlan::Block first = piles.block(0);
            int r = 0;
            for (int j = 0; j < 4; ++j) {
                if (m_rows.Check2[j]->isChecked())
                    continue;
                const qint64 start = r++ * first.sheets;
                const bool empty = start >= first.numbers;
                setTextUncut(m_rows.desde[j], empty ? QString() : number(first.first + start));
                setTextUncut(m_rows.hasta[j],
                             empty ? QString()
                                   : number(first.first + qMin(start + first.sheets, first.numbers) - 1));
            }
        }
    } catch (const RuntimeError &error) {
        plan = error.description();
        summary = Texts::text(11003);
    }
    lblPlan->setText(plan);
    lblPilas->setToolTip(plan);
    lblPilas->setText(pageLine(summary));
}
