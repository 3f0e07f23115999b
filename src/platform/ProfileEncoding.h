#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>

// The text rules under profile files: blanks, names folded for the header index, the way a value
// is quoted and cut, and the three encodings with their byte-order marks and line endings.
namespace ProfileEncoding {

// How a profile file's text is stored.
enum class Encoding { Cp1252, Utf8, Utf16 };

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

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF); `nonAscii`, when given, tells whether any byte is above 0x7F.
bool isUtf8(const char *data, qsizetype size, bool *nonAscii = nullptr);

// How a file's bytes are read: the encoding its byte-order mark names, and without one UTF-8
// when they are valid UTF-8 and not plain ASCII (as editors and scripts on Linux write), else
// windows-1252 (as the old platform wrote). `start` is the first byte after the mark.
struct Detected
{
    Encoding encoding = Encoding::Cp1252;
    qsizetype start = 0;
};
Detected detect(const QByteArray &bytes);

// A line of a file that reads as text in neither encoding, counted from 1, or 0 when there is
// none. Such a line is one that is not UTF-8 in a file marked UTF-8; in a file read as
// windows-1252, one holding a byte windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D), or, when other lines are UTF-8 beyond ASCII, the first that is not (a file where two
// encodings were mixed). `mixed` tells the last case.
struct BadLine
{
    qsizetype line = 0;
    bool mixed = false;
};
BadLine unreadableLine(const QByteArray &bytes);

} // namespace ProfileEncoding
