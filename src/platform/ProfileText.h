#pragma once

#include "ProfileEncoding.h"
#include "ProfileValue.h"

#include <QList>

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// One profile file's bytes and the old private-profile rules over them. Only section headers
// are indexed (five bytes each); a lookup decodes just the lines it walks, so memory follows the
// file's size and not its number of lines (a file of bare line breaks costs no index at all).
//
// Encodings: windows-1252 without a byte-order mark, as the old 8-bit calls wrote; UTF-8 or
// UTF-16 LE when the file starts with that byte-order mark; UTF-8 also for a file without a mark
// that is valid UTF-8 and not plain ASCII, as editors and scripts on Linux write it. A file is
// written back in the encoding it was read in, with the mark it had. A value windows-1252 cannot
// hold (say "Ł" or any CJK text) would have come back as "?" there; instead such a write turns
// the file into UTF-8 with a byte-order mark. UTF-16 files stay UTF-16.
class ProfileText
{
public:
    using Encoding = ProfileEncoding::Encoding;

    // Offsets are 32-bit to keep the index small; the loader refuses larger files.
    static constexpr qint64 MaxBytes = 0xFFFFFFFFLL;

    // Nothing when the bytes cannot be a profile file: too large, or UTF-16 cut inside a unit.
    static std::optional<ProfileText> parse(QByteArray bytes);

    const QByteArray &bytes() const { return m_bytes; }
    Encoding encoding() const { return m_encoding; }

    // The value of `key` in the first section named `section`, blanks and one pair of quotes
    // stripped, uncut; nothing when either is missing. Names are as cleanName() leaves them.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // The file's bytes after every value is set in order, as that many single writes would
    // leave them. Names are as cleanName() leaves them.
    QByteArray withValues(const QList<ProfileValue> &values) const;

    // A section or key name as a file can hold it: cut at NUL (the old calls took C strings) and
    // trimmed of blanks. Nothing for a name that would read back as another line's text: one
    // holding '=', '[', ']' or a line break, or starting with ';'.
    static std::optional<QString> cleanName(const QString &name);

private:
    enum class Kind { Blank, Comment, Section, Key, Other };
    struct Span
    {
        qsizetype begin = 0;
        qsizetype end = 0;
    };
    struct Line
    {
        qsizetype begin = 0;
        qsizetype contentEnd = 0; // first byte of its line ending
        qsizetype end = 0;        // first byte after its line ending
    };
    struct Entry
    {
        Kind kind = Kind::Other;
        Span name;  // section or key name, trimmed
        Span value; // after the key's first '=', up to the trimmed end
    };

    // Lines replacing bytes [at, at + removed) of the old file, or inserted at `at` when removed
    // is 0.
    struct Patch
    {
        qsizetype at = 0;
        qsizetype removed = 0;
        QStringList lines;
    };

    ProfileText(QByteArray bytes, Encoding encoding, qsizetype start);
    QByteArray render(const QList<Patch> &patches, Encoding target) const;

    char16_t unitAt(qsizetype at) const
    {
        const auto *data = reinterpret_cast<const uchar *>(m_bytes.constData());
        return m_width == 1 ? char16_t(data[at]) : char16_t(data[at] | data[at + 1] << 8);
    }
    void indexHeaders();
    Line lineAt(qsizetype begin) const;
    Span trimmed(Span s) const;
    Entry classify(const Line &line) const;
    QString decode(Span s) const;
    bool sameName(Span s, const QString &name) const;
    qsizetype findSection(const QString &name) const; // index into m_headers, or -1
    Span body(qsizetype header) const;
    std::optional<Line> findKey(qsizetype header, const QString &key, Entry *entry) const;
    qsizetype insertionPoint(qsizetype header) const;
    void copyLines(QByteArray &out, qsizetype from, qsizetype to, Encoding target) const;

    QByteArray m_bytes;
    Encoding m_encoding = Encoding::Cp1252;
    int m_width = 1;                // bytes per code unit
    qsizetype m_start = 0;          // first byte after the byte-order mark
    std::vector<quint32> m_headers; // where each section header line starts
    std::vector<quint8> m_tags;     // a digest of each header's name, see nameTag()
};
