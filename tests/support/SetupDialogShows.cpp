#include "SetupDialogShows.h"

#include "NumberText.h"
#include "PrinterSurface.h"
#include "frmImpresora.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

QString setupDialogMismatches(const QWidget &dialog, const PrinterSurface &printer)
{
    const PrinterSettings s = printer.currentSettings();
    const PrinterInfo info = printer.printers().value(printer.currentPrinterIndex());
    QStringList wrong;
    const auto compare = [&](const char *name, const QString &shown, const QString &inForce) {
        if (shown != inForce)
            wrong << QStringLiteral("%1 %2 != %3").arg(QLatin1String(name), shown, inForce);
    };
    const auto text = [&](const char *name) {
        const QString objectName = QLatin1String(name);
        if (const auto *box = dialog.findChild<QLineEdit *>(objectName))
            return box->text();
        if (const auto *label = dialog.findChild<QLabel *>(objectName))
            return label->text();
        const auto *list = dialog.findChild<QComboBox *>(objectName);
        if (!list)
            return QStringLiteral("(no such field)");
        if (objectName == QLatin1String("cboPrinters"))
            return list->currentText();
        try {
            return QString::number(frmImpresora::GetItem(list));
        } catch (...) {
            return QStringLiteral("(%1)").arg(list->currentText());
        }
    };
    const auto single = [](float value) { return NumberText::plainDecimalSingle(value); };
    compare("cboPrinters", text("cboPrinters"), info.deviceName);
    compare("lblDriverName", text("lblDriverName"), info.driverName);
    compare("txtWidth", text("txtWidth"), QString::number(s.width));
    compare("txtHeight", text("txtHeight"), QString::number(s.height));
    compare("txtScaleLeft", text("txtScaleLeft"), single(s.scaleLeft));
    compare("txtScaleTop", text("txtScaleTop"), single(s.scaleTop));
    compare("txtScaleWidth", text("txtScaleWidth"), single(s.scaleWidth));
    compare("txtScaleHeight", text("txtScaleHeight"), single(s.scaleHeight));
    compare("txtZoom", text("txtZoom"), QString::number(s.zoom));
    compare("cboPaperSize", text("cboPaperSize"), QString::number(s.paperSize));
    compare("Label2", text("Label2"), frmImpresora::paperDescription(s.paperSize));
    compare("cboOrientation", text("cboOrientation"), QString::number(s.orientation));
    compare("cboColorMode", text("cboColorMode"), QString::number(s.colorMode));
    compare("txtCopies", text("txtCopies"), QString::number(s.copies));
    compare("cboPrintQuality", text("cboPrintQuality"), QString::number(s.printQuality));
    return wrong.join(u'\n');
}
