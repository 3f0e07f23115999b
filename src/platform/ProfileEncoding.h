#pragma once

#include "ProfileText.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>

// The text rules under profile files: blanks, names folded for the header index, the way a value
// is quoted and cut, and the three encodings with their byte-order marks and line endings.
namespace ProfileEncoding {

using Encoding = ProfileText::Encoding;

extern const char kCp1252[];
// A header tag for a name the index cannot fold cheaply: such headers are always read.
constexpr quint8 kUnknownTag = 0;
extern const QByteArray kUtf8Bom;
extern const QByteArray kUtf16Bom;

bool isBlank(QChar c);
bool isLineBreak(char16_t c);
QString trimBlanks(QStringView s);
const std::array<char16_t, 256> &cp1252Table();
quint8 finishTag(quint32 hash);
const std::array<char16_t, 256> &cp1252Folded();
quint8 nameTag(QStringView name);
quint8 nameTag(const char *name, qsizetype size, Encoding encoding);
QString unquote(const QString &raw);
QString cutAtNul(const QString &text);
QString singleLine(const QString &text);
QString storedValue(const QString &value);
bool fitsCp1252(const QString &text);
QByteArray encode(const QString &text, Encoding target);
QByteArray lineEnding(Encoding target);
QByteArray byteOrderMark(Encoding target);

} // namespace ProfileEncoding
