#include "ProfileText.h"

#include "ProfileEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>

namespace {

using namespace ProfileEncoding;

struct NewKey
{
    QString name;
    QString stored;
};

struct NewSection
{
    QString name;
    QList<NewKey> keys;
};

// A key set in a list the batch is building: the first of that name is updated, as the file's
// own first duplicate would be.
void setKey(QList<NewKey> &keys, const QString &name, const QString &stored)
{
    for (NewKey &k : keys) {
        if (k.name.compare(name, Qt::CaseInsensitive) == 0) {
            k.stored = stored;
            return;
        }
    }
    keys.append({name, stored});
}

bool holds(const QList<NewKey> &keys, const QString &name)
{
    return std::any_of(keys.begin(), keys.end(),
                       [&](const NewKey &k) { return k.name.compare(name, Qt::CaseInsensitive) == 0; });
}

} // namespace

ProfileText::ProfileText(QByteArray bytes, Encoding encoding, qsizetype start)
    : m_bytes(std::move(bytes)), m_encoding(encoding), m_width(encoding == Encoding::Utf16 ? 2 : 1),
      m_start(start)
{}

std::optional<ProfileText> ProfileText::parse(QByteArray bytes)
{
    if (bytes.size() > MaxBytes)
        return std::nullopt;
    const Detected detected = detect(bytes);
    if (detected.encoding == Encoding::Utf16 && bytes.size() % 2 != 0)
        return std::nullopt;
    ProfileText text(std::move(bytes), detected.encoding, detected.start);
    text.indexHeaders();
    return text;
}

// A header is a line whose first non-blank is '[' with a ']' after it. This loop sees every
// byte of the file, so 8-bit files get one of their own.
void ProfileText::indexHeaders()
{
    const qsizetype size = m_bytes.size();
    if (m_width == 1) {
        const char *data = m_bytes.constData();
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        for (qsizetype pos = m_start; pos < size;) {
            const qsizetype begin = pos;
            while (pos < size && blank(data[pos]))
                ++pos;
            qsizetype close = -1;
            if (pos < size && data[pos] == '[') {
                const qsizetype open = pos;
                for (++pos; pos < size && data[pos] != '\r' && data[pos] != '\n'; ++pos)
                    if (data[pos] == ']')
                        close = pos;
                if (close > open) {
                    qsizetype from = open + 1, to = close;
                    while (from < to && blank(data[from]))
                        ++from;
                    while (to > from && blank(data[to - 1]))
                        --to;
                    m_headers.push_back(quint32(begin));
                    m_tags.push_back(nameTag(data + from, to - from, m_encoding));
                }
            } else {
                while (pos < size && data[pos] != '\r' && data[pos] != '\n')
                    ++pos;
            }
            if (pos < size && data[pos] == '\r')
                ++pos;
            if (pos < size && data[pos] == '\n')
                ++pos;
        }
    } else {
        for (qsizetype pos = m_start; pos < size;) {
            const Line line = lineAt(pos);
            if (const Entry e = classify(line); e.kind == Kind::Section) {
                m_headers.push_back(quint32(pos));
                m_tags.push_back(nameTag(decode(e.name)));
            }
            pos = line.end;
        }
    }
    m_headers.shrink_to_fit();
    m_tags.shrink_to_fit();
}

std::optional<QString> ProfileText::cleanName(const QString &name)
{
    const QString clean = trimBlanks(cutAtNul(name));
    for (const QChar c : clean)
        if (c == u'=' || c == u'[' || c == u']' || c == u'\r' || c == u'\n')
            return std::nullopt;
    if (clean.startsWith(u';'))
        return std::nullopt;
    return clean;
}

// Each CR, LF or CRLF ends a line.
ProfileText::Line ProfileText::lineAt(qsizetype begin) const
{
    const qsizetype size = m_bytes.size();
    qsizetype pos = begin;
    if (m_width == 1) {
        const char *data = m_bytes.constData();
        while (pos < size && data[pos] != '\r' && data[pos] != '\n')
            ++pos;
    } else {
        while (pos < size && !isLineBreak(unitAt(pos)))
            pos += m_width;
    }
    Line line{begin, pos, pos};
    if (pos < size && unitAt(pos) == u'\r')
        pos += m_width;
    if (pos < size && unitAt(pos) == u'\n')
        pos += m_width;
    line.end = pos;
    return line;
}

ProfileText::Span ProfileText::trimmed(Span s) const
{
    while (s.begin < s.end && isBlank(QChar(unitAt(s.begin))))
        s.begin += m_width;
    while (s.end > s.begin && isBlank(QChar(unitAt(s.end - m_width))))
        s.end -= m_width;
    return s;
}

ProfileText::Entry ProfileText::classify(const Line &line) const
{
    Entry entry;
    const Span text = trimmed({line.begin, line.contentEnd});
    if (text.begin == text.end) {
        entry.kind = Kind::Blank;
        return entry;
    }
    const char16_t first = unitAt(text.begin);
    if (first == u';') {
        entry.kind = Kind::Comment;
        return entry;
    }
    if (first == u'[') {
        for (qsizetype close = text.end - m_width; close > text.begin; close -= m_width) {
            if (unitAt(close) == u']') {
                entry.kind = Kind::Section;
                entry.name = trimmed({text.begin + m_width, close});
                return entry;
            }
        }
    }
    for (qsizetype eq = text.begin; eq < text.end; eq += m_width) {
        if (unitAt(eq) == u'=') {
            entry.kind = Kind::Key;
            entry.name = trimmed({text.begin, eq});
            entry.value = {eq + m_width, text.end};
            return entry;
        }
    }
    return entry;
}

QString ProfileText::decode(Span s) const
{
    const char *data = m_bytes.constData() + s.begin;
    const qsizetype size = s.end - s.begin;
    if (m_encoding == Encoding::Utf8)
        return QString::fromUtf8(data, size);
    QString text(size / m_width, Qt::Uninitialized);
    QChar *out = text.data();
    if (m_encoding == Encoding::Utf16) {
        for (qsizetype i = 0; i < text.size(); ++i)
            out[i] = QChar(unitAt(s.begin + 2 * i));
    } else {
        const auto &table = cp1252Table();
        for (qsizetype i = 0; i < size; ++i)
            out[i] = QChar(table[uchar(data[i])]);
    }
    return text;
}

// Names match without regard to case. Most names are ASCII on both sides and are compared
// without decoding; anything else is decoded and compared as text.
bool ProfileText::sameName(Span s, const QString &name) const
{
    const qsizetype units = (s.end - s.begin) / m_width;
    if (m_encoding != Encoding::Utf8 && units != name.size())
        return false; // one byte (or unit) per character, and folding keeps the length
    if (units == name.size()) {
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c | 0x20) : c; };
        bool ascii = true;
        for (qsizetype i = 0; ascii && i < units; ++i) {
            const char16_t a = unitAt(s.begin + i * m_width);
            const char16_t b = name[i].unicode();
            if (a >= 0x80 || b >= 0x80)
                ascii = false;
            else if (lower(a) != lower(b))
                return false;
        }
        if (ascii)
            return true;
    }
    return decode(s).compare(name, Qt::CaseInsensitive) == 0;
}

qsizetype ProfileText::findSection(const QString &name) const
{
    const quint8 tag = nameTag(name);
    for (size_t i = 0; i < m_headers.size(); ++i) {
        if (tag != kUnknownTag && m_tags[i] != kUnknownTag && m_tags[i] != tag)
            continue;
        if (sameName(classify(lineAt(m_headers[i])).name, name))
            return qsizetype(i);
    }
    return -1;
}

ProfileText::Span ProfileText::body(qsizetype header) const
{
    const size_t next = size_t(header) + 1;
    return {lineAt(m_headers[header]).end,
            next < m_headers.size() ? qsizetype(m_headers[next]) : m_bytes.size()};
}

std::optional<ProfileText::Line> ProfileText::findKey(qsizetype header, const QString &key,
                                                      Entry *entry) const
{
    const Span section = body(header);
    for (qsizetype pos = section.begin; pos < section.end;) {
        const Line line = lineAt(pos);
        const Entry e = classify(line);
        if (e.kind == Kind::Key && sameName(e.name, key)) {
            if (entry)
                *entry = e;
            return line;
        }
        pos = line.end;
    }
    return std::nullopt;
}

// Where a new key of the section goes: after its last entry, so blank lines and comments that
// lead into the next section stay where they are.
qsizetype ProfileText::insertionPoint(qsizetype header) const
{
    const Span section = body(header);
    qsizetype point = section.begin;
    for (qsizetype pos = section.begin; pos < section.end;) {
        const Line line = lineAt(pos);
        const Kind kind = classify(line).kind;
        if (kind == Kind::Key || kind == Kind::Other)
            point = line.end;
        pos = line.end;
    }
    return point;
}

std::optional<QString> ProfileText::value(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    Entry entry;
    if (!findKey(header, key, &entry))
        return std::nullopt;
    return unquote(decode(entry.value));
}

// Bytes [from, to) of whole lines in the target encoding; converting keeps each line's ending.
void ProfileText::copyLines(QByteArray &out, qsizetype from, qsizetype to, Encoding target) const
{
    if (target == m_encoding) {
        out.append(m_bytes.constData() + from, to - from);
        return;
    }
    for (qsizetype pos = from; pos < to;) {
        const Line line = lineAt(pos);
        out += encode(decode({line.begin, line.contentEnd}), target);
        out.append(m_bytes.constData() + line.contentEnd, line.end - line.contentEnd);
        pos = line.end;
    }
}

QByteArray ProfileText::withValues(const QList<ProfileValue> &values) const
{
    // The batch is kept as changes to the old bytes, so that a file of any size is walked once.
    std::map<qsizetype, std::optional<QString>> replaced; // key line start -> its new text, none: removed
    std::map<qsizetype, QList<NewKey>> added;             // section -> keys new at its end
    QList<NewSection> appended;                           // sections new at the end of the file
    QStringList removedSections;                          // names taken out whole
    std::set<qsizetype> removedHeaders;
    const auto dropKey = [](QList<NewKey> &keys, const QString &key) {
        keys.removeIf([&](const NewKey &k) { return k.name.compare(key, Qt::CaseInsensitive) == 0; });
    };
    const auto sameSection = [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    // Once a section is taken out, later values of the batch start it anew at the end.
    const auto findLive = [&](const QString &name) -> qsizetype {
        for (const QString &gone : removedSections)
            if (sameSection(gone, name))
                return -1;
        return findSection(name);
    };
    for (const ProfileValue &v : values) {
        if (v.remove && v.wholeSection) {
            // Every section of the name: the first is the one read, and a later one would take
            // its place.
            for (size_t i = 0; i < m_headers.size(); ++i) {
                const qsizetype header = qsizetype(i);
                if (removedHeaders.count(header) || !sameName(classify(lineAt(m_headers[i])).name, v.section))
                    continue;
                removedHeaders.insert(header);
                added.erase(header);
                const qsizetype from = m_headers[i], to = insertionPoint(header);
                replaced.erase(replaced.lower_bound(from), replaced.lower_bound(to));
            }
            appended.removeIf([&](const NewSection &s) { return sameSection(s.name, v.section); });
            removedSections.append(v.section);
            continue;
        }
        const QString stored = v.asIs ? singleLine(v.value) : storedValue(v.value);
        if (v.remove) {
            if (const qsizetype header = findLive(v.section); header >= 0) {
                if (const auto line = findKey(header, v.key, nullptr))
                    replaced[line->begin] = std::nullopt;
                if (added.count(header))
                    dropKey(added[header], v.key);
            }
            for (NewSection &s : appended)
                if (s.name.compare(v.section, Qt::CaseInsensitive) == 0)
                    dropKey(s.keys, v.key);
            continue;
        }
        if (const qsizetype header = findLive(v.section); header >= 0) {
            Entry entry;
            if (const auto line = findKey(header, v.key, &entry))
                replaced[line->begin] = decode(entry.name) + u'=' + stored;
            else if (!v.onlyIfPresent || (added.count(header) && holds(added[header], v.key)))
                setKey(added[header], v.key, stored);
            continue;
        }
        const auto it = std::find_if(appended.begin(), appended.end(), [&](const NewSection &s) {
            return s.name.compare(v.section, Qt::CaseInsensitive) == 0;
        });
        if (it != appended.end()) {
            if (!v.onlyIfPresent || holds(it->keys, v.key))
                setKey(it->keys, v.key, stored);
        } else if (!v.onlyIfPresent) {
            appended.append({v.section, {{v.key, stored}}});
        }
    }

    QList<Patch> patches;
    for (const qsizetype header : removedHeaders)
        patches.append({qsizetype(m_headers[size_t(header)]),
                        insertionPoint(header) - qsizetype(m_headers[size_t(header)]),
                        {}});
    for (const auto &[begin, text] : replaced)
        patches.append({begin, lineAt(begin).end - begin, text ? QStringList{*text} : QStringList{}});
    for (const auto &[header, keys] : added) {
        Patch p{insertionPoint(header), 0, {}};
        for (const NewKey &k : keys)
            p.lines << k.name + u'=' + k.stored;
        patches.append(p);
    }
    if (!appended.isEmpty()) {
        Patch p{m_bytes.size(), 0, {}};
        for (const NewSection &s : appended) {
            if (s.keys.isEmpty()) // every key of it removed again in the same batch
                continue;
            p.lines << u'[' + s.name + u']';
            for (const NewKey &k : s.keys)
                p.lines << k.name + u'=' + k.stored;
        }
        if (!p.lines.isEmpty())
            patches.append(p);
    }
    // Stable: a section's new keys at the end of the file come before the new sections. At one
    // point, what is inserted goes before what is taken out (a section's new keys stay when the
    // section after it goes).
    std::stable_sort(patches.begin(), patches.end(), [](const Patch &a, const Patch &b) {
        return a.at != b.at ? a.at < b.at : a.removed == 0 && b.removed != 0;
    });

    Encoding target = m_encoding;
    if (target == Encoding::Cp1252) {
        QString written;
        for (const Patch &p : patches)
            written += p.lines.join(QString());
        if (!fitsCp1252(written))
            target = Encoding::Utf8;
    }

    QByteArray out = render(patches, target);
    // Windows-1252 bytes that happen to form UTF-8 throughout would be read back as UTF-8, and
    // every other value would change: such a file becomes UTF-8 with a byte-order mark instead.
    if (target == Encoding::Cp1252 && detect(out).encoding != Encoding::Cp1252)
        out = render(patches, Encoding::Utf8);
    return out;
}

QByteArray ProfileText::render(const QList<Patch> &patches, Encoding target) const
{
    const QByteArray ending = lineEnding(target);
    // A file keeps the mark it had: a UTF-8 file without one (as Linux tools write) stays so.
    QByteArray out = target == m_encoding && m_start == 0 ? QByteArray() : byteOrderMark(target);
    out.reserve(m_bytes.size() + 256);
    qsizetype pos = m_start;
    bool openLine = false; // the output ends inside a line (a last line without its ending)
    for (const Patch &p : patches) {
        if (p.at > pos) {
            copyLines(out, pos, p.at, target);
            openLine = !isLineBreak(unitAt(p.at - m_width));
        }
        if (openLine)
            out += ending;
        for (const QString &line : p.lines)
            out += encode(line, target) + ending;
        openLine = false;
        pos = p.at + p.removed;
    }
    if (pos < m_bytes.size())
        copyLines(out, pos, m_bytes.size(), target);
    return out;
}
