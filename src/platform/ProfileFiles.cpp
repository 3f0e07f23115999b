#include "ProfileFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <utility>

// Encoding: files without a byte-order mark are windows-1252, as the old platform's 8-bit calls
// wrote them. A value windows-1252 cannot hold (say "Ł" or any CJK text) would have come back as
// "?" there; instead the whole file is rewritten as UTF-8 with a byte-order mark, and a file that
// starts with a UTF-8 byte-order mark is read and written as UTF-8 from then on.

namespace {

constexpr char kCp1252[] = "windows-1252";
const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kCrLf("\r\n");

enum class Kind { Blank, Comment, Section, Key, Other };

struct Line
{
    qsizetype begin = 0;      // first byte of the line's text
    qsizetype contentEnd = 0; // first byte of its line ending
    qsizetype end = 0;        // first byte after its line ending
    Kind kind = Kind::Other;
    QString text;  // the decoded line, without its ending
    QString name;  // section or key name, trimmed
    QString value; // text after the first '=', untrimmed
    bool hasEnding() const { return end > contentEnd; }
};

struct Profile
{
    QByteArray bytes;
    bool utf8 = false;
    QList<Line> lines;
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
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

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void classify(Line &line)
{
    const QString t = trimBlanks(line.text);
    if (t.isEmpty()) {
        line.kind = Kind::Blank;
    } else if (t.startsWith(u';')) {
        line.kind = Kind::Comment;
    } else if (t.startsWith(u'[') && t.lastIndexOf(u']') > 0) {
        line.kind = Kind::Section;
        line.name = trimBlanks(QStringView(t).sliced(1, t.lastIndexOf(u']') - 1));
    } else if (const qsizetype eq = t.indexOf(u'='); eq >= 0) {
        line.kind = Kind::Key;
        line.name = trimBlanks(QStringView(t).first(eq));
        line.value = t.sliced(eq + 1);
    }
}

Profile parse(QByteArray bytes)
{
    Profile p;
    p.bytes = std::move(bytes);
    p.utf8 = p.bytes.startsWith(kBom);
    QStringDecoder decoder = p.utf8
                                 ? QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
                                 : QStringDecoder(kCp1252, QStringConverter::Flag::Stateless);
    const char *data = p.bytes.constData();
    const qsizetype size = p.bytes.size();
    qsizetype pos = p.utf8 ? kBom.size() : 0;
    while (pos < size) {
        Line line;
        line.begin = pos;
        while (pos < size && data[pos] != '\r' && data[pos] != '\n')
            ++pos;
        line.contentEnd = pos;
        if (pos < size && data[pos] == '\r')
            ++pos;
        if (pos < size && data[pos] == '\n' && (pos == line.contentEnd || data[pos - 1] == '\r'))
            ++pos;
        line.end = pos;
        line.text = decoder.decode(QByteArrayView(data + line.begin, line.contentEnd - line.begin));
        classify(line);
        p.lines.append(std::move(line));
    }
    return p;
}

enum class Load { Missing, Unreadable, Loaded };

Load load(const QString &path, Profile &profile)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Load::Missing;
    QFile f(path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly))
        return Load::Unreadable;
    profile = parse(f.readAll());
    return f.error() == QFileDevice::NoError ? Load::Loaded : Load::Unreadable;
}

qsizetype findSection(const Profile &p, const QString &section)
{
    for (qsizetype i = 0; i < p.lines.size(); ++i)
        if (p.lines[i].kind == Kind::Section && sameName(p.lines[i].name, section))
            return i;
    return -1;
}

// End of the section whose header is at `header`: index of the next header, or the line count.
qsizetype sectionEnd(const Profile &p, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < p.lines.size() && p.lines[i].kind != Kind::Section)
        ++i;
    return i;
}

qsizetype findKey(const Profile &p, qsizetype header, const QString &key)
{
    const qsizetype end = sectionEnd(p, header);
    for (qsizetype i = header + 1; i < end; ++i)
        if (p.lines[i].kind == Kind::Key && sameName(p.lines[i].name, key))
            return i;
    return -1;
}

QString unquote(const QString &raw)
{
    QString v = trimBlanks(raw);
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == u'"' || v.front() == u'\''))
        v = v.sliced(1, v.size() - 2);
    return v;
}

// A C string ended at NUL on the old platform, and a line break inside a name or value would
// split the line and could plant a section or key of its own; each break becomes one blank.
QString singleLine(const QString &text)
{
    QString s = text.left(text.indexOf(QChar(0)) < 0 ? text.size() : text.indexOf(QChar(0)));
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

QByteArray encode(const QString &text, bool utf8)
{
    if (utf8)
        return text.toUtf8();
    QStringEncoder encoder(kCp1252, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QByteArray writeLines(const QStringList &lines, bool utf8)
{
    QByteArray out;
    for (const QString &l : lines)
        out += encode(l, utf8) + kCrLf;
    return out;
}

// The new file: every line as it stood except `replaced` (when >= 0), which becomes
// `replacement`, and `added` inserted after line `insertAfter` (the line count: at the end).
// Converting to UTF-8 re-encodes the untouched lines but keeps their endings.
QByteArray rebuild(const Profile &p, qsizetype replaced, const QString &replacement, qsizetype insertAfter,
                   const QStringList &added, bool utf8)
{
    const bool convert = utf8 && !p.utf8;
    QByteArray out = utf8 ? kBom : QByteArray();
    for (qsizetype i = 0; i < p.lines.size(); ++i) {
        const Line &line = p.lines[i];
        if (i == replaced) {
            out += encode(replacement, utf8) + kCrLf;
        } else {
            const QByteArrayView ending(p.bytes.constData() + line.contentEnd, line.end - line.contentEnd);
            if (convert)
                out += line.text.toUtf8().append(ending);
            else
                out += QByteArrayView(p.bytes.constData() + line.begin, line.end - line.begin);
            if (i == insertAfter && !line.hasEnding())
                out += kCrLf;
        }
        if (i == insertAfter)
            out += writeLines(added, utf8);
    }
    if (insertAfter >= p.lines.size()) {
        if (!p.lines.isEmpty() && !p.lines.back().hasEnding())
            out += kCrLf;
        out += writeLines(added, utf8);
    }
    return out;
}

// The file's bytes after one value is set, following the update-in-place rules.
QByteArray withValue(const Profile &p, const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = trimBlanks(singleLine(section));
    const QString keyName = trimBlanks(singleLine(key));
    const QString stored = storedValue(value);

    qsizetype replaced = -1;
    QString replacement;
    qsizetype insertAfter = p.lines.size();
    QStringList added;
    if (const qsizetype header = findSection(p, sectionName); header < 0) {
        added << u'[' + sectionName + u']' << keyName + u'=' + stored;
    } else if (const qsizetype at = findKey(p, header, keyName); at >= 0) {
        replaced = at;
        replacement = p.lines[at].name + u'=' + stored;
    } else {
        // After the section's last entry, so blank lines and comments that lead into the next
        // section stay where they are.
        insertAfter = header;
        for (qsizetype i = header + 1, end = sectionEnd(p, header); i < end; ++i)
            if (p.lines[i].kind == Kind::Key || p.lines[i].kind == Kind::Other)
                insertAfter = i;
        added << keyName + u'=' + stored;
    }

    const bool utf8 = p.utf8 || !fitsCp1252(replacement + added.join(QString()));
    return rebuild(p, replaced, replacement, insertAfter, added, utf8);
}

} // namespace

ProfileFiles::ProfileFiles(QString settingsFile) : m_settingsFile(std::move(settingsFile)) {}

QString ProfileFiles::LeerValorIni(const QString &section, const QString &key, QString &file) const
{
    if (file.isEmpty())
        file = m_settingsFile;
    Profile p;
    if (load(file, p) != Load::Loaded)
        return Vacio;
    const qsizetype header = findSection(p, trimBlanks(singleLine(section)));
    if (header < 0)
        return Vacio;
    const qsizetype at = findKey(p, header, trimBlanks(singleLine(key)));
    if (at < 0)
        return Vacio;
    QString value = unquote(p.lines[at].value);
    if (value.size() > MaxValueLength) {
        // Never keep half of a surrogate pair.
        const bool split = value.at(MaxValueLength - 1).isHighSurrogate();
        value.truncate(split ? MaxValueLength - 1 : MaxValueLength);
    }
    return value;
}

bool ProfileFiles::EscribirValoresIni(const QList<ProfileValue> &values, QString &file, QString *reason) const
{
    if (file.isEmpty())
        file = m_settingsFile;
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    Profile p;
    const Load state = load(file, p);
    if (state == Load::Unreadable)
        return fail(QStringLiteral("no se puede leer el archivo existente")); // never replace what we could not read
    const QByteArray original = p.bytes;
    for (const ProfileValue &v : values) {
        QByteArray next = withValue(p, v.section, v.key, v.value);
        if (next != p.bytes)
            p = parse(std::move(next));
    }
    if (state == Load::Loaded && p.bytes == original)
        return true;

    const QFileInfo info(file);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("no se puede crear la carpeta %1").arg(info.absolutePath()));
    // Unbuffered: a buffered QSaveFile can lose a failed flush (disk full) inside commit() and
    // still replace the file with a cut copy; a direct write reports the short count instead.
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(f.errorString());
    if (f.write(p.bytes) != p.bytes.size() || f.error() != QFileDevice::NoError) {
        const QString why = f.errorString();
        f.cancelWriting();
        return fail(why);
    }
    if (!f.commit()) // on failure the old file stays as it was
        return fail(f.errorString());
    return true;
}

void ProfileFiles::EscribirValorIni(const QString &section, const QString &key, const QString &value,
                                    QString &file) const
{
    EscribirValoresIni({{section, key, value}}, file, nullptr);
}
