#include "frmImpresora.h"

#include "Logging.h"
#include "NumberText.h"
#include "RuntimeError.h"
#include "ui_frmImpresora.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>
#include <functional>

// The dialog's lists and the texts it shows of them, in the interface language.

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

QString frmImpresora::paperDescription(int code)
{
    for (const PaperRow &row : kPaperRows)
        if (row.code == code)
            return QCoreApplication::translate("frmImpresora", row.description);
    return {};
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
