#include "frmFormatos.h"

#include "Logging.h"
#include "NumberLook.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "RuntimeError.h"
#include "Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

QLabel *caption(const char *spanish, int32_t id, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(spanish), parent);
    Texts::bindCaption(label, id);
    return label;
}

QLineEdit *box(const QString &name, int maxLength, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox *list(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

// The check digits' names in the list, in CheckDigits::Scheme order.
void nameChecks(QComboBox *combo)
{
    combo->setItemText(0, Texts::text(16020));
    combo->setItemText(2, Texts::text(16021));
    combo->setItemText(3, Texts::text(16022));
    combo->setItemText(4, Texts::text(16023));
}

// One group of rows: its header, then per row its name, format, texts, check digit, size, bar
// width, QR correction, quiet zone, colour and the code's size as it prints.
template <size_t N>
QGroupBox *group(const char *title, int32_t titleId, int32_t rowId, const char *prefix,
                 std::array<NumberLookBoxes, N> &rows, std::array<QLabel *, N> &sizes, QWidget *parent)
{
    auto *frame = new QGroupBox(QString::fromUtf8(title), parent);
    Texts::bindCaption(frame, titleId);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(caption("Formato", 4012, frame), 0, 1);
    grid->addWidget(caption("Antes del número", 4013, frame), 0, 2);
    grid->addWidget(caption("Después del número", 4014, frame), 0, 3);
    grid->addWidget(caption("Cifra de control", 16024, frame), 0, 4);
    grid->addWidget(caption("Tamaño (mm)", 4015, frame), 0, 5);
    grid->addWidget(caption("Módulo (mm)", 16025, frame), 0, 6);
    grid->addWidget(caption("Corrección QR", 16026, frame), 0, 7);
    grid->addWidget(caption("Medida al imprimir", 16027, frame), 0, 10);
    for (size_t i = 0; i < N; ++i) {
        auto *name = new QLabel(frame);
        Texts::follow(name, [name, rowId, i] {
            name->setText(Texts::text(rowId).arg(i + 1)); // Posición %1, Fila %1
        });
        NumberLookBoxes &row = rows[i];
        const QString suffix = QString::fromLatin1(prefix) + QString::number(i);
        row.format = list(QStringLiteral("cboFormato") + suffix,
                          {QString(), QStringLiteral("QR"), QStringLiteral("Code 128"),
                           QStringLiteral("DataMatrix"), QStringLiteral("EAN-13"), QStringLiteral("UPC-A"),
                           QStringLiteral("Code 39"), QStringLiteral("ITF"), QStringLiteral("PDF417")},
                          frame);
        Texts::follow(row.format, [combo = row.format] { combo->setItemText(0, Texts::text(4016)); });
        row.prefix = box(QStringLiteral("txtPrefijo") + suffix, 60, frame);
        row.suffix = box(QStringLiteral("txtSufijo") + suffix, 60, frame);
        row.check = list(QStringLiteral("cboControl") + suffix,
                         {QString(), QStringLiteral("Luhn"), QString(), QString(), QString()}, frame);
        Texts::follow(row.check, [combo = row.check] { nameChecks(combo); });
        row.size = box(QStringLiteral("txtCodigo") + suffix, 8, frame);
        row.size->setMaximumWidth(70);
        row.module = box(QStringLiteral("txtModulo") + suffix, 8, frame);
        row.module->setMaximumWidth(70);
        row.module->setPlaceholderText(QStringLiteral("0.339"));
        row.qrLevel =
            list(QStringLiteral("cboCorreccion") + suffix,
                 {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")}, frame);
        row.quietZone = new QCheckBox(QStringLiteral("Zona libre"), frame);
        row.quietZone->setObjectName(QStringLiteral("chkZonaLibre") + suffix);
        Texts::bindCaption(row.quietZone, 16028);
        row.codeInColor = new QCheckBox(QStringLiteral("En color"), frame);
        row.codeInColor->setObjectName(QStringLiteral("chkEnColor") + suffix);
        Texts::bindCaption(row.codeInColor, 16029);
        sizes[i] = new QLabel(frame);
        sizes[i]->setObjectName(QStringLiteral("lblMedida") + suffix);
        const int r = int(i) + 1;
        int column = 0;
        for (QWidget *w : std::initializer_list<QWidget *>{name, row.format, row.prefix, row.suffix,
                                                           row.check, row.size, row.module, row.qrLevel,
                                                           row.quietZone, row.codeInColor, sizes[i]})
            grid->addWidget(w, r, column++);
    }
    return frame;
}

QString mm(double twips)
{
    return QLocale().toString(twips / kTwipsPerMm, 'f', 1);
}

// The code of `look` for `number` at (x, y): its size, and why it would not print there.
struct Measure
{
    QString size;
    QString warning;
};

Measure measure(const NumberLook &look, const QString &where, const QString &number, const QString &x,
                const QString &y, const PrinterSurface *printer)
{
    Measure result;
    if (!look.isCode())
        return result;
    try {
        const CodeSymbols::Symbol symbol = NumberPrinter::sample(look, where, number);
        result.size = mm(symbol.size.width()) + QStringLiteral(" × ") + mm(symbol.size.height()) +
                      QStringLiteral(" mm");
        if (printer)
            NumberPrinter(look, where, {number})
                .checkFits(*printer, NumberText::toSingle(NumberText::lenient(x)),
                           NumberText::toSingle(NumberText::lenient(y)));
    } catch (const RuntimeError &e) {
        result.warning = e.description();
    } catch (const std::exception &e) {
        // Not an error here: a position that is not a number yet is the run's to report.
        qCDebug(lcPrint).noquote() << "Code size not shown:" << describeFailure(e);
    }
    return result;
}

} // namespace

frmFormatos::frmFormatos(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmFormatos"));
    setWindowTitle(QStringLiteral("Formato de los números"));
    Texts::bindTitle(this, 4010);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group("Mismo número", 4017, 4018, "Mismo", same, m_sameSizes, this));
    layout->addWidget(group("Distinto número", 4019, 4020, "Distinto", distinct, m_distinctSizes, this));
    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("lblAvisos"));
    m_warnings->setWordWrap(true);
    m_warnings->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(m_warnings);
    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("lblNota"));
    note->setWordWrap(true);
    Texts::follow(note, [note] {
        note->setText(
            Texts::text(16030).arg(NumberLookLimits::kMinModuleMm).arg(NumberLookLimits::kMinBarHeightMm));
    });
    layout->addWidget(note);
    auto *buttons = new QDialogButtonBox(this);
    Texts::bindCaption(buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::AcceptRole), 4011);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    const auto watch = [this](const NumberLookBoxes &row) {
        for (QComboBox *combo : {row.format, row.check, row.qrLevel})
            connect(combo, &QComboBox::currentIndexChanged, this, &frmFormatos::refresh);
        for (QLineEdit *edit : {row.prefix, row.suffix, row.size, row.module})
            connect(edit, &QLineEdit::textChanged, this, &frmFormatos::refresh);
    };
    for (const NumberLookBoxes &row : same)
        watch(row);
    for (const NumberLookBoxes &row : distinct)
        watch(row);
    reset();
    // The warnings are worded by the checks: worded again in a new language.
    Texts::follow(this, [this] { refresh(); });
}

void frmFormatos::setSheet(Sheet sheet)
{
    m_sheet = std::move(sheet);
    refresh();
}

void frmFormatos::reset()
{
    for (const NumberLookBoxes &row : same)
        row.show(NumberLook{});
    for (const NumberLookBoxes &row : distinct)
        row.show(NumberLook{});
    refresh();
}

void frmFormatos::showEvent(QShowEvent *event)
{
    refresh(); // the job's numbers and positions may have changed since the window last showed
    QDialog::showEvent(event);
}

void frmFormatos::refresh()
{
    const auto enable = [](const NumberLookBoxes &row) {
        const NumberLook look = row.look();
        row.size->setEnabled(look.isCode());
        row.module->setEnabled(look.isLinear());
        row.qrLevel->setEnabled(look.format == NumberLook::Format::QR);
        row.quietZone->setEnabled(look.isCode());
        row.codeInColor->setEnabled(look.isCode());
    };
    QStringList warnings;
    const auto show = [&warnings](QLabel *label, const Measure &m) {
        label->setText(m.warning.isEmpty() ? m.size : QStringLiteral("⚠ ") + m.size);
        label->setToolTip(m.warning);
        label->setStyleSheet(m.warning.isEmpty() ? QString() : QStringLiteral("color: #b00000"));
        if (!m.warning.isEmpty())
            warnings << m.warning;
    };
    const SameNumberJob sameJob = m_sheet.sameJob ? m_sheet.sameJob() : SameNumberJob{};
    for (size_t i = 0; i < same.size(); ++i) {
        enable(same[i]);
        const Measure m = sameJob.off[i]
                              ? Measure{}
                              : measure(same[i].look(), NumberPrinter::samePosition(int(i)), sameJob.desde,
                                        sameJob.posX[i], sameJob.posY[i], m_sheet.printer);
        show(m_sameSizes[i], m);
    }
    const DistinctNumberJob distinctJob = m_sheet.distinctJob ? m_sheet.distinctJob() : DistinctNumberJob{};
    for (size_t i = 0; i < distinct.size(); ++i) {
        enable(distinct[i]);
        const Measure m = distinctJob.off[i] ? Measure{}
                                             : measure(distinct[i].look(), NumberPrinter::distinctRow(int(i)),
                                                       distinctJob.desde[i], distinctJob.posX[i],
                                                       distinctJob.posY[i], m_sheet.printer);
        show(m_distinctSizes[i], m);
    }
    m_warnings->setText(warnings.join(u'\n'));
}
