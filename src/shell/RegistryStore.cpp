#include "RegistryStore.h"

#include <QStringView>

#include <algorithm>

namespace {

const QString kSeparator = QStringLiteral("\\");

struct RootName
{
    uint32_t handle;
    const char *name;
};
constexpr RootName kRoots[] = {
    {0x80000000u, "HKEY_CLASSES_ROOT"},
    {0x80000001u, "HKEY_CURRENT_USER"},
    {0x80000002u, "HKEY_LOCAL_MACHINE"},
    {0x80000003u, "HKEY_USERS"},
};

QString folded(const QString &path)
{
    return path.toCaseFolded();
}

bool isRootPath(const QString &path)
{
    return !path.contains(u'\\');
}

bool validName(QStringView name)
{
    if (name.isEmpty())
        return false;
    return std::none_of(name.begin(), name.end(),
                        [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// A key path as written in a header: a root's name, then non-empty key names.
std::optional<QString> checkedPath(const QString &path)
{
    const QStringList parts = path.split(u'\\');
    QString root;
    for (const RootName &r : kRoots)
        if (parts.first().compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0)
            root = QLatin1String(r.name);
    if (root.isEmpty())
        return std::nullopt;
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (!validName(parts[i]))
            return std::nullopt;
    QStringList names = parts.mid(1);
    names.prepend(root);
    return names.join(kSeparator);
}

QString quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case 0:
            out += QLatin1String("\\0");
            break;
        default:
            out += c;
        }
    }
    out += u'"';
    return out;
}

// Reads a quoted text at `pos`; on success `pos` stands after its closing quote.
std::optional<QString> unquoted(QStringView line, qsizetype &pos)
{
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString out;
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            pos = i + 1;
            return out;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i >= line.size())
            return std::nullopt;
        switch (line[i].unicode()) {
        case '\\':
            out += u'\\';
            break;
        case '"':
            out += u'"';
            break;
        case 'n':
            out += u'\n';
            break;
        case 'r':
            out += u'\r';
            break;
        case '0':
            out += QChar(0);
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<RegistryStore::Value> parseValue(QStringView line)
{
    RegistryStore::Value v;
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
        pos = 1;
    } else {
        const std::optional<QString> name = unquoted(line, pos);
        if (!name)
            return std::nullopt;
        v.name = *name;
    }
    if (pos >= line.size() || line[pos] != u'=')
        return std::nullopt;
    ++pos;
    const QStringView data = line.mid(pos);
    if (data.startsWith(u"dword:")) {
        const QStringView digits = data.mid(6);
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8 || digits.startsWith(u'+') ||
            digits.startsWith(u'-'))
            return std::nullopt;
        v.type = RegistryStore::NumberType;
        v.number = int32_t(number);
        return v;
    }
    const std::optional<QString> text = unquoted(line, pos);
    if (!text || pos != line.size())
        return std::nullopt;
    v.type = RegistryStore::TextType;
    v.text = *text;
    return v;
}

} // namespace

QString RegistryStore::rootName(uint32_t root)
{
    for (const RootName &r : kRoots)
        if (r.handle == root)
            return QLatin1String(r.name);
    return {};
}

std::optional<QString> RegistryStore::fullPath(uint32_t root, const QString &keyName)
{
    const QString name = rootName(root);
    if (name.isEmpty())
        return std::nullopt;
    if (keyName.isEmpty())
        return name;
    return checkedPath(name + kSeparator + keyName);
}

RegistryStore RegistryStore::parse(const QByteArray &bytes)
{
    RegistryStore store;
    const QString text = QString::fromUtf8(bytes);
    Key *current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const std::optional<QString> path = checkedPath(line.mid(1, line.size() - 2).toString());
            current = path && store.createKey(*path) ? store.ensure(*path) : nullptr;
            continue;
        }
        if (!current)
            continue;
        if (std::optional<Value> v = parseValue(line))
            store.setValue(current->path, std::move(*v));
    }
    return store;
}

QByteArray RegistryStore::serialize() const
{
    QString out = QStringLiteral("; Tessarino: file-type registration and other keys\n");
    for (const auto &[foldedPath, key] : m_keys) {
        out += u'[' + key.path + QLatin1String("]\n");
        for (const Value &v : key.values) {
            out += v.name.isEmpty() ? QStringLiteral("@") : quoted(v.name);
            out += u'=';
            if (v.type == NumberType)
                out += QStringLiteral("dword:%1").arg(uint32_t(v.number), 8, 16, QLatin1Char('0'));
            else
                out += quoted(v.text);
            out += u'\n';
        }
    }
    return out.toUtf8();
}

RegistryStore::Key *RegistryStore::find(const QString &path)
{
    const auto it = m_keys.find(folded(path));
    return it == m_keys.end() ? nullptr : &it->second;
}

const RegistryStore::Key *RegistryStore::find(const QString &path) const
{
    const auto it = m_keys.find(folded(path));
    return it == m_keys.end() ? nullptr : &it->second;
}

RegistryStore::Key *RegistryStore::ensure(const QString &path)
{
    if (Key *key = find(path))
        return key;
    return &m_keys.emplace(folded(path), Key{path, {}}).first->second;
}

bool RegistryStore::hasKey(const QString &path) const
{
    return isRootPath(path) || find(path);
}

bool RegistryStore::createKey(const QString &path)
{
    if (hasKey(path))
        return true;
    const qsizetype cut = path.lastIndexOf(u'\\');
    if (!createKey(path.left(cut)))
        return false;
    m_keys.emplace(folded(path), Key{path, {}});
    return true;
}

bool RegistryStore::deleteKey(const QString &path)
{
    if (isRootPath(path) || !find(path) || !subkeys(path).isEmpty())
        return false;
    m_keys.erase(folded(path));
    return true;
}

QStringList RegistryStore::subkeys(const QString &path) const
{
    QStringList names;
    const QString prefix = folded(path) + kSeparator;
    for (auto it = m_keys.lower_bound(prefix); it != m_keys.end() && it->first.startsWith(prefix); ++it) {
        const QString rest = it->second.path.mid(prefix.size());
        if (!rest.contains(u'\\'))
            names.append(rest);
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

const QList<RegistryStore::Value> *RegistryStore::values(const QString &path) const
{
    static const QList<Value> kNone;
    if (const Key *key = find(path))
        return &key->values;
    return isRootPath(path) ? &kNone : nullptr;
}

const RegistryStore::Value *RegistryStore::value(const QString &path, const QString &name) const
{
    const Key *key = find(path);
    if (!key)
        return nullptr;
    for (const Value &v : key->values)
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

bool RegistryStore::setValue(const QString &path, Value value)
{
    Key *key = isRootPath(path) ? ensure(path) : find(path); // a root holds values too
    if (!key)
        return false;
    for (Value &v : key->values) {
        if (v.name.compare(value.name, Qt::CaseInsensitive) == 0) {
            value.name = v.name; // the name keeps the case it was created with
            v = std::move(value);
            return true;
        }
    }
    key->values.append(std::move(value));
    return true;
}

bool RegistryStore::deleteValue(const QString &path, const QString &name)
{
    Key *key = find(path);
    if (!key)
        return false;
    const auto it = std::find_if(key->values.begin(), key->values.end(), [&](const Value &v) {
        return v.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (it == key->values.end())
        return false;
    key->values.erase(it);
    return true;
}
