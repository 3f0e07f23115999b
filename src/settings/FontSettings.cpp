#include "FontSettings.h"

#include "Logging.h"
#include "NumberText.h"
#include "ProfileFiles.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>

namespace FontSettings {

Stored read(const ProfileFiles &profiles, QString file)
{
    Stored values;
    values.color = profiles.LeerValorIni(kSection, kColor, file);
    values.size = profiles.LeerValorIni(kSection, kSize, file);
    values.name = profiles.LeerValorIni(kSection, kName, file);
    return values;
}

void write(const ProfileFiles &profiles, QString file, const Stored &values)
{
    profiles.EscribirValorIni(kSection, kColor, values.color, file);
    profiles.EscribirValorIni(kSection, kSize, values.size, file);
    profiles.EscribirValorIni(kSection, kName, values.name, file);
}

QString withoutFoundry(const QString &family)
{
    static const QRegularExpression tag(QStringLiteral("\\s*\\[[^\\[\\]]*\\]$"));
    QString plain = family;
    plain.remove(tag);
    return plain.isEmpty() ? family : plain;
}

QStringList installedFamilies()
{
    QStringList families;
    for (const QString &entry : QFontDatabase::families()) {
        const QString plain = withoutFoundry(entry);
        // A generic name resolves to the family it stands for; a real family to itself.
        QFont font;
        font.setFamilies({entry});
        if (withoutFoundry(QFontInfo(font).family()) != plain)
            continue;
        families << plain;
    }
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();
    return families;
}

std::optional<int32_t> colorFromText(const QString &text)
{
    try {
        // Rounded as the old whole-number conversion did; values with bits above blue are
        // not colours (the old platform refused them as a property value).
        const double value = NumberText::roundHalfEven(NumberText::strictDouble(text));
        if (value < 0 || value > 0xFFFFFF)
            return std::nullopt;
        return int32_t(value);
    } catch (const std::exception &e) {
        // Not an error: a stored colour that is no number is no colour.
        qCDebug(lcFiles).noquote() << "Colour is no number:" << describeFailure(e);
        return std::nullopt;
    }
}

std::optional<int> sampleSize(const QString &text)
{
    try {
        const int16_t size = NumberText::strictInt16(text);
        if (size >= 1)
            return size;
    } catch (const std::exception &e) {
        // Not an error: a size that is no number is no sample size.
        qCDebug(lcFiles).noquote() << "Sample size is no number:" << describeFailure(e);
    }
    return std::nullopt;
}

bool savedFlagSet(const QString &text)
{
    try {
        return NumberText::strictDouble(text) == 1;
    } catch (const std::exception &e) {
        // Not an error: a flag that is no number is not set.
        qCDebug(lcFiles).noquote() << "Flag is no number:" << describeFailure(e);
        return false;
    }
}

bool isNumericName(const QString &name)
{
    try {
        NumberText::strictDouble(name);
        return true;
    } catch (const std::exception &e) {
        // Not an error: the answer for every name that is not a number.
        qCDebug(lcFiles).noquote() << "Font name is no number:" << describeFailure(e);
        return false;
    }
}

QString notFoundMessage(const QString &wanted, const QString &substitute)
{
    return QCoreApplication::translate(
               "FontSettings", "No se encuentra la fuente (%1) utilizada por este archivo, la misma se "
                               "sustituirá por %2")
        .arg(wanted, substitute);
}

} // namespace FontSettings
