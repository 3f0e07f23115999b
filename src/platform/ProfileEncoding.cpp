#include "ProfileEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ProfileEncoding {

const char kCp1252[] = "windows-1252";
const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16Bom("\xFF\xFE");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

QString trimBlanks(QStringView s)
{
    qsizetype from = 0, to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.sliced(from, to - from).toString();
}

// Decoding windows-1252 one byte at a time is what a lookup does most; a table makes it cheap.
const std::array<char16_t, 256> &cp1252Table()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QStringDecoder decoder(kCp1252, QStringConverter::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QString s = decoder.decode(QByteArrayView(&c, 1));
            t[b] = s.size() == 1 ? s[0].unicode() : char16_t(0xFFFD);
        }
        return t;
    }();
    return table;
}

// A header's tag is a one-byte digest of its name folded to one case, so that a lookup passes
// over nearly every other header without reading it. 0 means unknown (a name the index cannot
// fold cheaply: UTF-8 beyond ASCII, characters beyond 16 bits); such headers are always read.

quint8 finishTag(quint32 hash)
{
    return quint8(hash % 255 + 1);
}

const std::array<char16_t, 256> &cp1252Folded()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = QChar(cp1252Table()[b]).toCaseFolded().unicode();
        return t;
    }();
    return table;
}

quint8 nameTag(QStringView name)
{
    quint32 hash = 0;
    for (const QChar c : name) {
        if (c.isSurrogate())
            return kUnknownTag;
        hash = hash * 31 + c.toCaseFolded().unicode();
    }
    return finishTag(hash);
}

quint8 nameTag(const char *name, qsizetype size, Encoding encoding)
{
    const auto &folded = cp1252Folded();
    quint32 hash = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const uchar b = uchar(name[i]);
        if (encoding == Encoding::Utf8 && b >= 0x80)
            return kUnknownTag;
        hash = hash * 31 + folded[b]; // ASCII folds alike in both
    }
    return finishTag(hash);
}

QString unquote(const QString &raw)
{
    QString v = trimBlanks(raw);
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == u'"' || v.front() == u'\''))
        v = v.sliced(1, v.size() - 2);
    return v;
}

QString cutAtNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

// A line break inside a value would split the line and could plant a section or key of its
// own; each break becomes one blank.
QString singleLine(const QString &text)
{
    QString s = cutAtNul(text);
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

// Reading trims blanks and strips one pair of surrounding quotes, so a value that starts or ends
// with either is stored inside one more pair of double quotes and reads back exactly as given.
QString storedValue(const QString &value)
{
    QString v = singleLine(value);
    if (v.isEmpty())
        return v;
    const bool quoted = v.size() >= 2 && v.front() == v.back() && (v.front() == u'"' || v.front() == u'\'');
    if (quoted || isBlank(v.front()) || isBlank(v.back()))
        return u'"' + v + u'"';
    return v;
}

bool fitsCp1252(const QString &text)
{
    QStringEncoder encoder(kCp1252, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(kCp1252, QStringConverter::Flag::Stateless);
    return QString(decoder.decode(bytes)) == text;
}

QByteArray encode(const QString &text, Encoding target)
{
    switch (target) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf16: {
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
        return encoder.encode(text);
    }
    case Encoding::Cp1252:
        break;
    }
    QStringEncoder encoder(kCp1252, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QByteArray lineEnding(Encoding target)
{
    return target == Encoding::Utf16 ? QByteArray("\r\0\n\0", 4) : QByteArray("\r\n");
}

QByteArray byteOrderMark(Encoding target)
{
    switch (target) {
    case Encoding::Utf8:
        return kUtf8Bom;
    case Encoding::Utf16:
        return kUtf16Bom;
    case Encoding::Cp1252:
        break;
    }
    return {};
}

bool isUtf8(const char *data, qsizetype size, bool *nonAscii)
{
    const auto *p = reinterpret_cast<const uchar *>(data);
    bool high = false;
    for (qsizetype i = 0; i < size;) {
        const uchar b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        high = true;
        int extra = 0;
        uchar low = 0x80, top = 0xBF; // the allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            if (b == 0xE0)
                low = 0xA0; // overlong
            else if (b == 0xED)
                top = 0x9F; // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            if (b == 0xF0)
                low = 0x90;
            else if (b == 0xF4)
                top = 0x8F; // past U+10FFFF
        } else {
            return false;
        }
        if (size - i <= extra)
            return false;
        if (p[i + 1] < low || p[i + 1] > top)
            return false;
        for (int k = 2; k <= extra; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    if (nonAscii)
        *nonAscii = high;
    return true;
}

Detected detect(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return {Encoding::Utf8, kUtf8Bom.size()};
    if (bytes.startsWith(kUtf16Bom))
        return {Encoding::Utf16, kUtf16Bom.size()};
    bool nonAscii = false;
    if (isUtf8(bytes.constData(), bytes.size(), &nonAscii) && nonAscii)
        return {Encoding::Utf8, 0};
    return {Encoding::Cp1252, 0};
}

BadLine unreadableLine(const QByteArray &bytes)
{
    const Detected detected = detect(bytes);
    if (detected.encoding == Encoding::Utf16 || (detected.encoding == Encoding::Utf8 && detected.start == 0))
        return {};
    const bool markedUtf8 = detected.encoding == Encoding::Utf8;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype firstNotUtf8 = 0, firstUndefined = 0;
    bool someUtf8 = false;
    qsizetype number = 1;
    for (qsizetype pos = detected.start; pos < size; ++number) {
        qsizetype end = pos;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        bool nonAscii = false;
        if (!isUtf8(data + pos, end - pos, &nonAscii)) {
            if (markedUtf8)
                return {number, false};
            if (!firstNotUtf8)
                firstNotUtf8 = number;
            for (qsizetype i = pos; i < end && !firstUndefined; ++i) {
                const uchar b = uchar(data[i]);
                if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                    firstUndefined = number;
            }
        } else if (nonAscii) {
            someUtf8 = true;
        }
        pos = end;
        if (pos < size && data[pos] == '\r')
            ++pos;
        if (pos < size && data[pos] == '\n')
            ++pos;
    }
    if (someUtf8 && firstNotUtf8)
        return {firstNotUtf8, true};
    return {firstUndefined, false};
}

} // namespace ProfileEncoding
