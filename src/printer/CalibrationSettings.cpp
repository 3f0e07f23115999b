#include "CalibrationSettings.h"

#include "ProfileFiles.h"

#include <QRegularExpression>

namespace CalibrationSettings {

namespace {

const QString kKeys[] = {QStringLiteral("DesplazamientoX"), QStringLiteral("DesplazamientoY"),
                         QStringLiteral("EscalaX"), QStringLiteral("EscalaY")};

std::optional<double> stored(const ProfileFiles &settings, const QString &section, const QString &key)
{
    static const QRegularExpression decimal(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    QString file;
    const QString text = settings.LeerValorIni(section, key, file).trimmed();
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

// Point decimal without trailing zeros: "2.5", "-1.8", "0.996".
QString toStored(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

} // namespace

QString section(const QString &printer)
{
    return QStringLiteral("Calibración ") + printer;
}

std::optional<PrinterCalibration> read(const ProfileFiles &settings, const QString &printer)
{
    const QString name = section(printer);
    PrinterCalibration c;
    double *fields[] = {&c.offsetX, &c.offsetY, &c.scaleX, &c.scaleY};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> value = stored(settings, name, kKeys[i]);
        if (!value)
            return std::nullopt;
        *fields[i] = *value;
    }
    if (!c.plausible())
        return std::nullopt;
    return c;
}

bool write(const ProfileFiles &settings, const QString &printer, const PrinterCalibration &c, QString *reason)
{
    const QString name = section(printer);
    QString file;
    return settings.EscribirValoresIni({{name, kKeys[0], toStored(c.offsetX, 4)},
                                        {name, kKeys[1], toStored(c.offsetY, 4)},
                                        {name, kKeys[2], toStored(c.scaleX, 7)},
                                        {name, kKeys[3], toStored(c.scaleY, 7)}},
                                       file, reason);
}

bool remove(const ProfileFiles &settings, const QString &printer, QString *reason)
{
    const QString name = section(printer);
    QList<ProfileValue> values;
    for (const QString &key : kKeys)
        values.append({name, key, {}, false, true});
    QString file;
    return settings.EscribirValoresIni(values, file, reason);
}

PrinterSurface::CalibrationSource source(const ProfileFiles &settings)
{
    return [settings](const QString &printer) { return read(settings, printer); };
}

} // namespace CalibrationSettings
