#include "frmCalibracion.h"

#include "CalibrationSettings.h"
#include "CalibrationSheet.h"
#include "Dialogs.h"
#include "PrinterSurface.h"
#include "ProfileFiles.h"
#include "RuntimeError.h"
#include "Texts.h"
#include "frmImpresora.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString title()
{
    return Texts::text(2027);
}

QLabel *caption(const char *spanish, int32_t id, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(spanish), parent);
    Texts::bindCaption(label, id);
    return label;
}

// The printer's name as the settings file keys it, or empty without a printer.
QString currentName(const PrinterSurface &printer)
{
    return printer.printers().value(printer.currentPrinterIndex()).deviceName;
}

} // namespace

frmCalibracion::frmCalibracion(const QString &printer, QSizeF paperMm, const ProfileFiles &settings,
                               Dialogs &dialogs, QWidget *owner)
    : QDialog(owner), m_printer(printer), m_paperMm(paperMm), m_settings(settings), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmCalibracion"));
    setWindowTitle(QStringLiteral("Calibrar impresora"));
    Texts::bindTitle(this, 2002);

    m_intro = new QLabel(this);
    m_intro->setWordWrap(true);
    m_intro->setMinimumWidth(420);
    const char *names[] = {"txtIzquierdaX", "txtIzquierdaY", "txtDerechaX", "txtDerechaY"};
    for (size_t i = 0; i < txtMedida.size(); ++i) {
        txtMedida[i] = new QLineEdit(this);
        txtMedida[i]->setObjectName(QString::fromLatin1(names[i]));
        txtMedida[i]->setMaxLength(12);
        connect(txtMedida[i], &QLineEdit::textChanged, this, &frmCalibracion::refresh);
    }
    auto *grid = new QGridLayout;
    grid->addWidget(caption("Desde el borde izquierdo (mm)", 2006, this), 0, 1);
    grid->addWidget(caption("Desde el borde superior (mm)", 2007, this), 0, 2);
    grid->addWidget(caption("Cruz superior izquierda:", 2004, this), 1, 0);
    grid->addWidget(txtMedida[PrinterCalibration::TopLeftX], 1, 1);
    grid->addWidget(txtMedida[PrinterCalibration::TopLeftY], 1, 2);
    grid->addWidget(caption("Cruz inferior derecha:", 2005, this), 2, 0);
    grid->addWidget(txtMedida[PrinterCalibration::BottomRightX], 2, 1);
    grid->addWidget(txtMedida[PrinterCalibration::BottomRightY], 2, 2);

    lblResultado = new QLabel(this);
    lblResultado->setObjectName(QStringLiteral("lblResultado"));
    lblResultado->setWordWrap(true);
    lblResultado->setMinimumHeight(lblResultado->fontMetrics().lineSpacing() * 3);
    lblResultado->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *buttons = new QDialogButtonBox(this);
    cmdAceptar = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    cmdCancelar = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    Texts::bindCaption(cmdAceptar, 2008);
    Texts::bindCaption(cmdCancelar, 2009);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmCalibracion::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addLayout(grid);
    layout->addWidget(lblResultado);
    layout->addWidget(buttons);
    Texts::follow(this, [this] { refresh(); });
    refresh();
}

PrinterCalibration::Outcome frmCalibracion::outcome() const
{
    std::array<QString, 4> typed;
    for (size_t i = 0; i < typed.size(); ++i)
        typed[i] = txtMedida[i]->text();
    return PrinterCalibration::fromTyped(typed, m_paperMm);
}

void frmCalibracion::refresh()
{
    m_intro->setText(Texts::text(2003).arg(m_printer));
    // Nothing to say until every box holds something.
    for (const QLineEdit *box : txtMedida) {
        if (box->text().trimmed().isEmpty()) {
            lblResultado->clear();
            return;
        }
    }
    const PrinterCalibration::Outcome result = outcome();
    if (const auto *problem = std::get_if<PrinterCalibration::Problem>(&result)) {
        lblResultado->setText(problem->message);
        return;
    }
    const auto &c = std::get<PrinterCalibration>(result);
    lblResultado->setText(Texts::text(2019).arg(
        PrinterCalibration::shown(c.offsetX, 2), PrinterCalibration::shown(c.offsetY, 2),
        PrinterCalibration::shown(c.scaleX, 4), PrinterCalibration::shown(c.scaleY, 4)));
}

void frmCalibracion::accept()
{
    const PrinterCalibration::Outcome result = outcome();
    if (const auto *problem = std::get_if<PrinterCalibration::Problem>(&result)) {
        m_dialogs.message(problem->message, title(), Dialogs::Icon::Exclamation);
        QLineEdit *box = txtMedida[size_t(problem->box)];
        box->setFocus();
        box->selectAll();
        return;
    }
    QString reason;
    if (!CalibrationSettings::write(m_settings, m_printer, std::get<PrinterCalibration>(result), &reason)) {
        m_dialogs.message(Texts::text(2023).arg(reason), title(), Dialogs::Icon::Critical);
        return;
    }
    QDialog::accept();
}

void frmCalibracion::calibrate(PrinterSurface &printer, const ProfileFiles &settings, Dialogs &dialogs,
                               QWidget *owner)
{
    QString name;
    QSizeF paper;
    try {
        if (printer.printers().isEmpty()) {
            dialogs.message(frmImpresora::kNoPrinters, frmImpresora::kTitle, Dialogs::Icon::Critical);
            return;
        }
        name = currentName(printer);
        CalibrationSheet::print(printer, name);
        paper = CalibrationSheet::paperMm(printer);
    } catch (const RuntimeError &error) {
        dialogs.message(error.description(), title(), Dialogs::Icon::Critical);
        return;
    }
    frmCalibracion dialog(name, paper, settings, dialogs, owner);
    dialog.exec();
}

void frmCalibracion::removeCalibration(PrinterSurface &printer, const ProfileFiles &settings,
                                       Dialogs &dialogs)
{
    if (printer.printers().isEmpty()) {
        dialogs.message(frmImpresora::kNoPrinters, frmImpresora::kTitle, Dialogs::Icon::Critical);
        return;
    }
    const QString name = currentName(printer);
    const bool had = CalibrationSettings::read(settings, name).has_value();
    // Measurements cost a printed sheet and a ruler: they go only on a deliberate answer.
    if (had && dialogs.choose(Texts::text(11000).arg(name), title(), Dialogs::Icon::Question,
                              {Texts::text(11001), Texts::text(11002)}) != 0)
        return;
    QString reason;
    if (!CalibrationSettings::remove(settings, name, &reason)) {
        dialogs.message(Texts::text(2026).arg(reason), title(), Dialogs::Icon::Critical);
        return;
    }
    dialogs.message(had ? Texts::text(2021).arg(name) : Texts::text(2022).arg(name), title(),
                    Dialogs::Icon::Information);
}
