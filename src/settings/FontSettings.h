#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class ProfileFiles;

// The font choice as INI files keep it (section "Fuentes" of the settings file and of job files),
// and the conversions between that text and what the font panel shows.
namespace FontSettings {

inline const QString kSection = QStringLiteral("Fuentes");
inline const QString kColor = QStringLiteral("Color");
inline const QString kSize = QStringLiteral("Tamaño");
inline const QString kName = QStringLiteral("Indice"); // holds the font's name, not an index
inline const QString kSaveSection = QStringLiteral("Guardar");
inline const QString kSaveKey = QStringLiteral("Activado");

// The three keys of "Fuentes", as text.
struct Stored
{
    QString color;
    QString size;
    QString name;
    bool operator==(const Stored &) const = default;
};

// What is written when the font settings are not kept: black, 12 points, no font ("-1" makes
// buscarFuentes take the first one).
inline Stored defaults()
{
    return {QStringLiteral("0"), QStringLiteral("12"), QStringLiteral("-1")};
}

// Reads the three keys of `file` (empty: the settings file); missing keys read as "Vacio".
Stored read(const ProfileFiles &profiles, QString file);
void write(const ProfileFiles &profiles, QString file, const Stored &values);

// Every installed font family, sorted by name without regard to case, each name once and by its
// plain name: without the foundry Qt appends when several foundries ship one family
// ("Nimbus Sans [UKWN]"), and without the generic names that only stand for another family
// ("Monospace", "Serif").
QStringList installedFamilies();

// A family name without a trailing foundry tag: "Nimbus Sans [URW ]" -> "Nimbus Sans".
QString withoutFoundry(const QString &family);

// A stored colour: a number from 0 (black) to 16777215 (white), red in the low byte.
// Anything else ("Vacio", "-1", garbage) is no colour.
std::optional<int32_t> colorFromText(const QString &text);
inline QString colorToText(int32_t color)
{
    return QString::number(color);
}

// The point size a size box's text gives the sample: a whole number of at least 1.
std::optional<int> sampleSize(const QString &text);

// True when "Activado" holds the number 1.
bool savedFlagSet(const QString &text);

// A name is numeric when it reads as a number as a whole ("-1" is the stored "no font").
bool isNumericName(const QString &name);

QString notFoundMessage(const QString &wanted, const QString &substitute);

} // namespace FontSettings
