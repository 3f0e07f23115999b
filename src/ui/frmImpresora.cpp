#include "frmImpresora.h"

#include "Dialogs.h"
#include "Logging.h"
#include "NumberText.h"
#include "RuntimeError.h"
#include "SheetsPerJob.h"
#include "TestPage.h"
#include "Texts.h"
#include "ui_frmImpresora.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QTimer>

frmImpresora::frmImpresora(PrinterSurface &printer, Dialogs &dialogs, const ProfileFiles *settings,
                           QWidget *parent)
    : QDialog(parent), m_printer(printer), m_dialogs(dialogs), m_settings(settings),
      ui(std::make_unique<Ui::frmImpresora>())
{
    ui->setupUi(this);
    for (QComboBox *cbo : {ui->cboPaperSize, ui->cboOrientation, ui->cboColorMode, ui->cboPrintQuality}) {
        // A typed number stays as typed: no completion turns "1" into "10x14".
        cbo->setCompleter(nullptr);
        cbo->setInsertPolicy(QComboBox::NoInsert);
    }
    for (QLineEdit *box : {ui->txtWidth, ui->txtHeight, ui->txtScaleLeft, ui->txtScaleTop, ui->txtScaleWidth,
                           ui->txtScaleHeight, ui->txtZoom, ui->txtCopies, ui->txtHojasPorTrabajo})
        box->installEventFilter(this);
    trackChanges();

    connect(ui->cboPrinters, &QComboBox::currentIndexChanged, this, [this] { cboPrinters_Click(); });
    connect(ui->cboPaperSize, &QComboBox::currentIndexChanged, this, [this] { cboPaperSize_Click(); });
    connect(ui->cboPaperSize, &QComboBox::editTextChanged, this, [this] {
        // A typed code shows its description as a chosen one would.
        if (ui->cboPaperSize->currentIndex() < 0 ||
            ui->cboPaperSize->currentText() != ui->cboPaperSize->itemText(ui->cboPaperSize->currentIndex())) {
            try {
                ShowPaperName(NumberText::strictInt16(ui->cboPaperSize->currentText()));
            } catch (const RuntimeError &error) {
                // Not a code (yet): nothing to describe. Apply says why it is refused.
                qCDebug(lcPrint) << "typed paper code:" << describeFailure(error);
                ShowPaperName(0);
            }
        }
    });
    connect(ui->cmdMakeCurrent, &QPushButton::clicked, this, &frmImpresora::cmdMakeCurrent_Click);
    Texts::bindCaption(ui->cmdRefresh, 9000);
    connect(ui->cmdRefresh, &QPushButton::clicked, this, &frmImpresora::cmdRefresh_Click);
    connect(ui->cmdSet, &QPushButton::clicked, this, &frmImpresora::cmdSet_Click);
    connect(ui->cmdTestPage, &QPushButton::clicked, this, &frmImpresora::cmdTestPage_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmImpresora::Command1_Click);

    Form_Load();
}

frmImpresora::~frmImpresora() = default;

void frmImpresora::Form_Load()
{
    // Queues come and go while the program runs: the list is the system's as the dialog opens.
    try {
        m_printer.refreshPrinters();
    } catch (const std::exception &error) {
        qCWarning(lcPrint) << "reading the installed printers:" << describeFailure(error);
    }
    InitControls();
    ui->txtHojasPorTrabajo->setText(
        QString::number(m_settings ? SheetsPerJob::read(*m_settings) : SheetsPerJob::kDefault));
    m_changed.remove(ui->txtHojasPorTrabajo);
}

void frmImpresora::trackChanges()
{
    for (QLineEdit *box : findChildren<QLineEdit *>()) {
        if (qobject_cast<QComboBox *>(box->parentWidget()))
            continue; // a list's own editor: the list tracks it
        connect(box, &QLineEdit::textChanged, this, [this, box] { m_changed[box] = true; });
    }
    for (QComboBox *cbo : findChildren<QComboBox *>()) {
        connect(cbo, &QComboBox::currentIndexChanged, this, [this, cbo] { m_changed[cbo] = true; });
        connect(cbo, &QComboBox::editTextChanged, this, [this, cbo] { m_changed[cbo] = true; });
    }
}

void frmImpresora::InitControls()
{
    // Every step stands alone: one that fails is skipped.
    try {
        for (const PaperRow &row : kPaperRows)
            AddItem(ui->cboPaperSize, QString(), row.code);
        for (int value : {1, 2})
            AddItem(ui->cboOrientation, QString(), value);
        for (int value : {1, 2})
            AddItem(ui->cboColorMode, QString(), value);
        for (int value : {-1, -2, -3, -4})
            AddItem(ui->cboPrintQuality, QString(), value);
        nameItems();
        // Nothing is chosen until a printer's values are shown.
        for (QComboBox *cbo : {ui->cboPaperSize, ui->cboOrientation, ui->cboColorMode, ui->cboPrintQuality})
            cbo->setCurrentIndex(-1);
    } catch (const std::exception &error) {
        qCWarning(lcPrint) << "filling the printer setup lists:" << describeFailure(error);
    }
    listPrinters({});
}

bool frmImpresora::listPrinters(const QString &keep)
{
    QList<PrinterInfo> printers;
    try {
        printers = m_printer.printers();
    } catch (const RuntimeError &error) {
        m_dialogs.message(error.description(), kTitle, Dialogs::Icon::Critical);
        return false;
    }
    if (printers.isEmpty()) {
        const QSignalBlocker quiet(ui->cboPrinters);
        ui->cboPrinters->clear();
        m_dialogs.message(kNoPrinters, kTitle, Dialogs::Icon::Critical);
        return false;
    }
    QString current;
    try {
        current = printers.value(m_printer.currentPrinterIndex()).deviceName;
    } catch (const std::exception &error) {
        qCWarning(lcPrint) << "reading the current printer:" << describeFailure(error);
    }
    bool kept = false;
    {
        // Filled quietly: the printer shown changes only below, by one selection.
        const QSignalBlocker quiet(ui->cboPrinters);
        ui->cboPrinters->clear();
        for (const PrinterInfo &printer : printers)
            ui->cboPrinters->addItem(printer.deviceName);
        const int index = keep.isEmpty() ? -1 : int(ui->cboPrinters->findText(keep, Qt::MatchExactly));
        ui->cboPrinters->setCurrentIndex(index);
        kept = index >= 0;
    }
    if (!kept) {
        const int index = int(ui->cboPrinters->findText(current, Qt::MatchExactly));
        if (index >= 0)
            ui->cboPrinters->setCurrentIndex(index); // runs cboPrinters_Click
    }
    return kept;
}

void frmImpresora::cmdRefresh_Click()
{
    const QString selected = ui->cboPrinters->currentText();
    try {
        m_printer.refreshPrinters();
    } catch (const RuntimeError &error) {
        m_dialogs.message(error.description(), kTitle, Dialogs::Icon::Exclamation);
        return;
    }
    // A printer still listed keeps what was typed for it; one that went gives way to the current.
    listPrinters(selected);
}

void frmImpresora::cboPrinters_Click()
{
    const int index = ui->cboPrinters->currentIndex();
    if (index < 0)
        return;
    PrinterInfo info;
    PrinterSettings settings;
    try {
        info = m_printer.printers().value(index);
        settings = m_printer.printerSettings(index);
    } catch (const RuntimeError &error) {
        // A printer that cannot tell its values (gone, or its driver fails) says why.
        ui->lblDriverName->setText(error.description());
        ui->lblPort->clear();
        m_changed.clear();
        return;
    }
    ShowPrinterInfo(info, settings);
}

void frmImpresora::ShowPrinterInfo(const PrinterInfo &info, const PrinterSettings &prn)
{
    ui->lblDriverName->setText(info.driverName);
    ui->lblPort->setText(info.port);
    ui->txtWidth->setText(QString::number(prn.width));
    ui->txtHeight->setText(QString::number(prn.height));
    ui->txtScaleLeft->setText(NumberText::plainDecimalSingle(prn.scaleLeft));
    ui->txtScaleTop->setText(NumberText::plainDecimalSingle(prn.scaleTop));
    ui->txtScaleWidth->setText(NumberText::plainDecimalSingle(prn.scaleWidth));
    ui->txtScaleHeight->setText(NumberText::plainDecimalSingle(prn.scaleHeight));
    ui->txtZoom->setText(QString::number(prn.zoom));
    SelectItem(ui->cboPaperSize, prn.paperSize);
    // Said here whatever was typed or chosen before: reselecting the same item signals nothing.
    ShowPaperName(prn.paperSize);
    SelectItem(ui->cboOrientation, prn.orientation);
    SelectItem(ui->cboColorMode, prn.colorMode);
    ui->txtCopies->setText(QString::number(prn.copies));
    SelectItem(ui->cboPrintQuality, prn.printQuality);
    // The sheets per job hold for every queue: another printer's values leave an edit of them.
    const bool sheetsEdited = changed(ui->txtHojasPorTrabajo);
    m_changed.clear();
    if (sheetsEdited)
        m_changed[ui->txtHojasPorTrabajo] = true;
}

void frmImpresora::ShowPaperName(int16_t code)
{
    ui->Label2->setText(paperDescription(code));
}

void frmImpresora::cboPaperSize_Click()
{
    const int index = ui->cboPaperSize->currentIndex();
    ShowPaperName(index < 0 ? int16_t(0) : int16_t(ui->cboPaperSize->itemData(index).toInt()));
}

void frmImpresora::SelecionarTexto(QLineEdit *cajaTexto)
{
    cajaTexto->setSelection(0, int(cajaTexto->text().size()));
}

bool frmImpresora::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched)) {
            SelecionarTexto(box);
            // A mouse click places the cursor after the focus arrives; select again after it.
            QTimer::singleShot(0, box, [box] { SelecionarTexto(box); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmImpresora::cmdMakeCurrent_Click()
{
    const int index = ui->cboPrinters->currentIndex();
    if (index < 0)
        return;
    try {
        m_printer.setCurrentPrinter(index);
    } catch (const RuntimeError &error) {
        m_dialogs.message(error.description(), kTitle, Dialogs::Icon::Exclamation);
        return;
    }
    // What now holds is shown, unless values typed for it wait to be applied.
    for (auto it = m_changed.cbegin(); it != m_changed.cend(); ++it)
        if (it.value() && it.key() != ui->cboPrinters && it.key() != ui->txtHojasPorTrabajo)
            return;
    showCurrentPrinter();
}

void frmImpresora::showCurrentPrinter()
{
    try {
        const int index = m_printer.currentPrinterIndex();
        ShowPrinterInfo(m_printer.printers().value(index), m_printer.printerSettings(index));
    } catch (const RuntimeError &error) {
        // Nothing it shows could be trusted: it says why instead.
        qCWarning(lcPrint) << "reading the current printer's settings:" << describeFailure(error);
        ui->lblDriverName->setText(error.description());
        ui->lblPort->clear();
        m_changed.clear();
    }
}

template <typename Step> void frmImpresora::applyStep(const QString &label, Step step)
{
    try {
        step();
    } catch (const RuntimeError &error) {
        m_dialogs.message(error.description(), kPropertyTitle.shown() + label, Dialogs::Icon::Exclamation);
    }
}

void frmImpresora::applySheetsPerJob()
{
    if (!changed(ui->txtHojasPorTrabajo))
        return;
    const int32_t sheets = NumberText::strictInt32(ui->txtHojasPorTrabajo->text());
    if (sheets < 0)
        throw RuntimeError(RuntimeError::InvalidPropertyValue,
                           tr("Las hojas por trabajo deben ser 0 (todo en un trabajo) o más."));
    QString reason;
    if (m_settings && !SheetsPerJob::write(*m_settings, sheets, &reason))
        throw RuntimeError(RuntimeError::PrinterError, tr("No se pudo guardar el valor: %1").arg(reason));
    m_printer.setSheetsPerJob(sheets);
    m_changed.remove(ui->txtHojasPorTrabajo);
}

void frmImpresora::cmdSet_Click()
{
    // Not a setting of one printer, so it needs no current printer.
    applyStep(tr("Hojas por trabajo"), [&] { applySheetsPerJob(); });

    QString current;
    QString selected;
    try {
        const QList<PrinterInfo> printers = m_printer.printers();
        current = printers.value(m_printer.currentPrinterIndex()).deviceName;
        selected = printers.value(ui->cboPrinters->currentIndex()).deviceName;
    } catch (const RuntimeError &error) {
        // Without the collection nothing says the printer shown is the current one.
        m_dialogs.message(error.description(), kTitle, Dialogs::Icon::Exclamation);
        return;
    }
    if (ui->cboPrinters->currentIndex() < 0 || current != selected) {
        m_dialogs.message(kMakeCurrentFirst, kTitle, Dialogs::Icon::Exclamation);
        return;
    }

    PrinterSurface &p = m_printer;
    using NumberText::strictInt16;
    using NumberText::strictInt32;
    using NumberText::toInt16;
    const auto single = [](const QLineEdit *box) {
        return NumberText::toSingle(NumberText::strictDouble(box->text()));
    };

    applyStep(tr("Anchura"), [&] {
        if (changed(ui->txtWidth))
            p.setWidth(strictInt32(ui->txtWidth->text()));
    });
    applyStep(tr("Altura"), [&] {
        if (changed(ui->txtHeight))
            p.setHeight(strictInt32(ui->txtHeight->text()));
    });
    applyStep(tr("Tamaño del papel"), [&] {
        if (changed(ui->cboPaperSize))
            p.setPaperSize(toInt16(GetItem(ui->cboPaperSize)));
    });
    applyStep(tr("Orientación"), [&] {
        if (changed(ui->cboOrientation))
            p.setOrientation(toInt16(GetItem(ui->cboOrientation)));
    });
    applyStep(tr("Modo color"), [&] {
        if (changed(ui->cboColorMode))
            p.setColorMode(toInt16(GetItem(ui->cboColorMode)));
    });
    applyStep(tr("Copias"), [&] {
        if (changed(ui->txtCopies) && NumberText::lenient(ui->txtCopies->text()) > 0)
            p.setCopies(strictInt16(ui->txtCopies->text()));
    });
    applyStep(ui->lblPrintQuality->text().remove(u'&'), [&] {
        if (changed(ui->cboPrintQuality)) {
            const int32_t quality = GetItem(ui->cboPrintQuality);
            if (quality != 0)
                p.setPrintQuality(toInt16(quality));
        }
    });
    applyStep(tr("Margen izquierdo"), [&] {
        if (changed(ui->txtScaleLeft))
            p.setScaleLeft(single(ui->txtScaleLeft));
    });
    applyStep(tr("Margen superior"), [&] {
        if (changed(ui->txtScaleTop))
            p.setScaleTop(single(ui->txtScaleTop));
    });
    applyStep(tr("Anchura de escala"), [&] {
        if (changed(ui->txtScaleWidth))
            p.setScaleWidth(single(ui->txtScaleWidth));
    });
    applyStep(tr("Altura de escala"), [&] {
        if (changed(ui->txtScaleHeight))
            p.setScaleHeight(single(ui->txtScaleHeight));
    });
    applyStep(tr("Zoom"), [&] {
        if (changed(ui->txtZoom) && NumberText::roundHalfEven(NumberText::lenient(ui->txtZoom->text())) != 0)
            p.setZoom(strictInt32(ui->txtZoom->text()));
    });

    showCurrentPrinter();
}

void frmImpresora::cmdTestPage_Click()
{
    try {
        TestPage::print(m_printer);
    } catch (const RuntimeError &error) {
        // The Part gives the test page no failure path; a failing printer still says why.
        m_dialogs.message(error.description(), kTitle, Dialogs::Icon::None);
    }
}

void frmImpresora::Command1_Click()
{
    reject();
}
