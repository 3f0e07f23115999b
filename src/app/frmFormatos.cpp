#include "frmFormatos.h"

#include "NumberLook.h"
#include "Texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

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

// One group of rows: its header, then per row its name, format, texts and size.
template <size_t N>
QGroupBox *group(const char *title, int32_t titleId, const char *rowName, int32_t rowId, const char *prefix,
                 std::array<NumberLookBoxes, N> &rows, QWidget *parent)
{
    auto *frame = new QGroupBox(QString::fromUtf8(title), parent);
    Texts::bindCaption(frame, titleId);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(caption("Formato", 4012, frame), 0, 1);
    grid->addWidget(caption("Antes del número", 4013, frame), 0, 2);
    grid->addWidget(caption("Después del número", 4014, frame), 0, 3);
    grid->addWidget(caption("Tamaño (mm)", 4015, frame), 0, 4);
    for (size_t i = 0; i < N; ++i) {
        auto *name = new QLabel(frame);
        Texts::follow(name, [name, rowName, rowId, i] {
            name->setText(Texts::text(rowId, QString::fromUtf8(rowName)).arg(i + 1));
        });
        NumberLookBoxes &row = rows[i];
        const QString suffix = QString::fromLatin1(prefix) + QString::number(i);
        row.format = new QComboBox(frame);
        row.format->setObjectName(QStringLiteral("cboFormato") + suffix);
        row.format->addItems({QString(), QStringLiteral("QR"), QStringLiteral("Code 128"), QStringLiteral("DataMatrix")});
        Texts::follow(row.format, [combo = row.format] { combo->setItemText(0, Texts::text(4016, QStringLiteral("Texto"))); });
        row.prefix = box(QStringLiteral("txtPrefijo") + suffix, 60, frame);
        row.suffix = box(QStringLiteral("txtSufijo") + suffix, 60, frame);
        row.size = box(QStringLiteral("txtCodigo") + suffix, 8, frame);
        row.size->setMaximumWidth(70);
        grid->addWidget(name, int(i) + 1, 0);
        grid->addWidget(row.format, int(i) + 1, 1);
        grid->addWidget(row.prefix, int(i) + 1, 2);
        grid->addWidget(row.suffix, int(i) + 1, 3);
        grid->addWidget(row.size, int(i) + 1, 4);
    }
    return frame;
}

} // namespace

frmFormatos::frmFormatos(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmFormatos"));
    setWindowTitle(QStringLiteral("Formato de los números"));
    Texts::bindTitle(this, 4010);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group("Mismo número", 4017, "Posición %1", 4018, "Mismo", same, this));
    layout->addWidget(group("Distinto número", 4019, "Fila %1", 4020, "Distinto", distinct, this));
    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("lblNota"));
    note->setWordWrap(true);
    Texts::follow(note, [note] {
        note->setText(
            Texts::text(4021, QStringLiteral("El código se imprime con su esquina superior izquierda en la posición X, Y. "
                                             "El tamaño es el lado de un código QR o DataMatrix (cada módulo de al menos "
                                             "%1 mm) o la altura de las barras de un Code 128 (al menos %2 mm), que "
                                             "lleva el número debajo en la fuente del trabajo."))
                .arg(NumberLookLimits::kMinModuleMm)
                .arg(NumberLookLimits::kMinBarHeightMm));
    });
    layout->addWidget(note);
    auto *buttons = new QDialogButtonBox(this);
    Texts::bindCaption(buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::AcceptRole), 4011);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    const auto watch = [this](const NumberLookBoxes &row) {
        connect(row.format, &QComboBox::currentIndexChanged, this, &frmFormatos::refresh);
    };
    for (const NumberLookBoxes &row : same)
        watch(row);
    for (const NumberLookBoxes &row : distinct)
        watch(row);
    reset();
}

void frmFormatos::reset()
{
    for (const NumberLookBoxes &row : same)
        row.show(NumberLook{});
    for (const NumberLookBoxes &row : distinct)
        row.show(NumberLook{});
    refresh();
}

// A size only means something for a code.
void frmFormatos::refresh()
{
    const auto update = [](const NumberLookBoxes &row) {
        row.size->setEnabled(row.format->currentIndex() != int(NumberLook::Format::Text));
    };
    for (const NumberLookBoxes &row : same)
        update(row);
    for (const NumberLookBoxes &row : distinct)
        update(row);
}
