#include "frmImpresora.h"

#include "Dialogs.h"
#include "Logging.h"
#include "NumberText.h"
#include "RuntimeError.h"
#include "SheetsPerJob.h"
#include "TestPage.h"
#include "Texts.h"
#include "ui_frmImpresora.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <functional>

// Names and descriptions are translated where shown (only one name is not a code of its own).
const frmImpresora::PaperRow frmImpresora::kPaperRows[42] = {
    {"Letter", 1, QT_TRANSLATE_NOOP("frmImpresora", "Carta, 216 x 279 mm")},
    {"LetterSmall", 2, QT_TRANSLATE_NOOP("frmImpresora", "Carta pequeña, 216 x 279 mm ")},
    {"Tabloid", 3, QT_TRANSLATE_NOOP("frmImpresora", "Tabloide, 279 x 432 mm")},
    {"Ledger", 4, QT_TRANSLATE_NOOP("frmImpresora", "Doble carta, 432 x 280 mm ")},
    {"Legal", 5, QT_TRANSLATE_NOOP("frmImpresora", "Oficio, 216 x 356 mm")},
    {"Statement", 6, QT_TRANSLATE_NOOP("frmImpresora", "Estamento, 140 x 216 mm")},
    {QT_TRANSLATE_NOOP("frmImpresora", "Ejecutivo"), 7,
     QT_TRANSLATE_NOOP("frmImpresora", "Ejecutivo, 184 x 254 mm")},
    {"A3", 8, QT_TRANSLATE_NOOP("frmImpresora", "A3, 297 x 420 mm")},
    {"A4", 9, QT_TRANSLATE_NOOP("frmImpresora", "A4, 210 x 297 mm")},
    {"A4Small", 10, QT_TRANSLATE_NOOP("frmImpresora", "A4 pequeño, 210 x 297 mm")},
    {"A5", 11, QT_TRANSLATE_NOOP("frmImpresora", "A5, 148 x 210 mm")},
    {"B4", 12, QT_TRANSLATE_NOOP("frmImpresora", "B4, 250 x 354 mm")},
    {"B5", 13, QT_TRANSLATE_NOOP("frmImpresora", "B5, 182 x 257 mm")},
    {"Folio", 14, QT_TRANSLATE_NOOP("frmImpresora", "Folio, 216 x 330 mm ")},
    {"Quarto", 15, QT_TRANSLATE_NOOP("frmImpresora", "Cuarto, 215 x 275 mm")},
    {"10x14", 16, QT_TRANSLATE_NOOP("frmImpresora", "254 x 356 mm")},
    {"11x17", 17, QT_TRANSLATE_NOOP("frmImpresora", "279 x 431 mm")},
    {"Note", 18, QT_TRANSLATE_NOOP("frmImpresora", "Nota, 216 x 279 mm")},
    {"Env9", 19, QT_TRANSLATE_NOOP("frmImpresora", "Sobre Nº 9, 98 x 225 mm")},
    {"Env10", 20, QT_TRANSLATE_NOOP("frmImpresora", "Sobre Nº 10, 105 x 241 mm")},
    {"Env11", 21, QT_TRANSLATE_NOOP("frmImpresora", "Sobre Nº 11, 114 x 264 mm")},
    {"Env12", 22, QT_TRANSLATE_NOOP("frmImpresora", "Sobre Nº 12, 114 x 279 mm ")},
    {"Env14", 23, QT_TRANSLATE_NOOP("frmImpresora", "Sobre Nº 14, 127 x 292 mm")},
    {"CSheet", 24, QT_TRANSLATE_NOOP("frmImpresora", "Hoja tamaño C")},
    {"DSheet", 25, QT_TRANSLATE_NOOP("frmImpresora", "Hoja tamaño D")},
    {"ESheet", 26, QT_TRANSLATE_NOOP("frmImpresora", "Hoja tamaño E")},
    {"EnvDL", 27, QT_TRANSLATE_NOOP("frmImpresora", "Sobre DL, 110 x 220 mm")},
    {"EnvC3", 29, QT_TRANSLATE_NOOP("frmImpresora", "Sobre C3, 324 x 458 mm")},
    {"EnvC4", 30, QT_TRANSLATE_NOOP("frmImpresora", "Sobre C4, 229 x 324 mm")},
    {"EnvC5", 28, QT_TRANSLATE_NOOP("frmImpresora", "Sobre C5, 162 x 229 mm")},
    {"EnvC6", 31, QT_TRANSLATE_NOOP("frmImpresora", "Sobre C6, 114 x 162 mm")},
    {"EnvC65", 32, QT_TRANSLATE_NOOP("frmImpresora", "Sobre C65, 114 x 229 mm")},
    {"EnvB4", 33, QT_TRANSLATE_NOOP("frmImpresora", "Sobre B4, 250 x 353 mm")},
    {"EnvB5", 34, QT_TRANSLATE_NOOP("frmImpresora", "Sobre B5, 176 x 250 mm")},
    {"EnvB6", 35, QT_TRANSLATE_NOOP("frmImpresora", "Sobre B6, 176 x 125 mm")},
    {"EnvItaly", 36, QT_TRANSLATE_NOOP("frmImpresora", "Sobre, 110 x 230 mm")},
    {"EnvMonarch", 37, QT_TRANSLATE_NOOP("frmImpresora", "Sobre Monarca, 98 x 190 mm")},
    {"EnvPersonal", 38, QT_TRANSLATE_NOOP("frmImpresora", "Sobre, 110 x 230 mm ")},
    {"FanfoldUS", 39, QT_TRANSLATE_NOOP("frmImpresora", "Continuo USA estándar, 310 x 280 mm ")},
    {"FanfoldStdGerman", 40, QT_TRANSLATE_NOOP("frmImpresora", "Continuo alemán estándar, 216 x 305 mm")},
    {"FanfoldLglGerman", 41, QT_TRANSLATE_NOOP("frmImpresora", "Continuo alemán oficio, 216 x 330 mm")},
    {"User", 256, QT_TRANSLATE_NOOP("frmImpresora", "Definido por el usuario")},
};

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

QString frmImpresora::paperDescription(int code)
{
    for (const PaperRow &row : kPaperRows)
        if (row.code == code)
            return QCoreApplication::translate("frmImpresora", row.description);
    return {};
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

void frmImpresora::nameItems()
{
    const auto name = [](int32_t value) -> QString {
        switch (value) {
        case 1:
            return tr("Vertical");
        case 2:
            return tr("Horizontal");
        default:
            return {};
        }
    };
    const auto colour = [](int32_t value) { return value == 1 ? tr("Monocromo") : tr("Color"); };
    const auto quality = [](int32_t value) -> QString {
        switch (value) {
        case -1:
            return tr("Borrador");
        case -2:
            return tr("Bajo");
        case -3:
            return tr("Medio");
        default:
            return tr("Alto");
        }
    };
    const auto paper = [](int32_t value) -> QString {
        for (const PaperRow &row : kPaperRows)
            if (row.code == value)
                return QCoreApplication::translate("frmImpresora", row.text);
        return {};
    };
    const std::pair<QComboBox *, std::function<QString(int32_t)>> lists[] = {{ui->cboPaperSize, paper},
                                                                             {ui->cboOrientation, name},
                                                                             {ui->cboColorMode, colour},
                                                                             {ui->cboPrintQuality, quality}};
    for (const auto &[cbo, text] : lists) {
        // Quietly, and keeping a number typed over the list: renaming is no change of the user's.
        const QSignalBlocker quiet(cbo);
        const int current = cbo->currentIndex();
        const bool typed = cbo->isEditable() && (current < 0 || cbo->currentText() != cbo->itemText(current));
        const QString typedText = cbo->currentText();
        for (int i = 0; i < cbo->count(); ++i)
            cbo->setItemText(i, text(cbo->itemData(i).toInt()));
        if (typed)
            cbo->setEditText(typedText);
    }
}

void frmImpresora::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The form's texts come back in the new language; what the dialog set itself is set again.
        const QString driver = ui->lblDriverName->text();
        const QString port = ui->lblPort->text();
        ui->retranslateUi(this);
        ui->lblDriverName->setText(driver);
        ui->lblPort->setText(port);
        nameItems();
        // The paper's description, of the chosen item or of a typed code.
        int16_t paper = 0;
        const int index = ui->cboPaperSize->currentIndex();
        try {
            paper = index >= 0 && ui->cboPaperSize->currentText() == ui->cboPaperSize->itemText(index)
                        ? int16_t(ui->cboPaperSize->itemData(index).toInt())
                        : NumberText::strictInt16(ui->cboPaperSize->currentText());
        } catch (const RuntimeError &error) {
            qCDebug(lcPrint) << "typed paper code:" << describeFailure(error);
        }
        ShowPaperName(paper);
    }
    QDialog::changeEvent(event);
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

void frmImpresora::AddItem(QComboBox *cbo, const QString &Text, int32_t Value)
{
    cbo->addItem(Text);
    cbo->setItemData(cbo->count() - 1, Value);
}

void frmImpresora::SelectItem(QComboBox *cbo, int32_t Value)
{
    for (int i = 0; i < cbo->count(); ++i) {
        if (cbo->itemData(i).toInt() == Value) {
            cbo->setCurrentIndex(i);
            if (cbo->isEditable())
                cbo->setEditText(cbo->itemText(i));
            return;
        }
    }
    cbo->setCurrentIndex(-1);
    if (cbo->isEditable())
        cbo->setEditText(QString::number(Value));
}

int32_t frmImpresora::GetItem(const QComboBox *cbo)
{
    const int index = cbo->currentIndex();
    // Typing over a chosen item leaves no item chosen, as in the classic list.
    if (index >= 0 && (!cbo->isEditable() || cbo->currentText() == cbo->itemText(index)))
        return cbo->itemData(index).toInt();
    return NumberText::strictInt32(cbo->currentText());
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
