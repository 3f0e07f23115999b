#include "cRegistro.h"

#include "Logging.h"
#include "NumberText.h"

#include <optional>

namespace {

// The enumeration reads each value's data into a scratch buffer of this size; a value with more
// data cannot be read.
constexpr qsizetype kEnumDataBuffer = 500;

qsizetype dataSize(const RegistryStore::Value &v)
{
    return v.type == RegistryStore::NumberType ? 4 : v.text.toUtf8().size() + 1;
}

std::optional<int32_t> toLong(const QVariant &value)
{
    try {
        if (value.typeId() == QMetaType::QString)
            return NumberText::strictInt32(value.toString());
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok)
            return NumberText::toInt32(number);
    } catch (const std::exception &e) {
        // Not an error: a value that is no 32-bit number reads as none, as a missing one does.
        qCDebug(lcShell).noquote() << "Registry value is no number:" << describeFailure(e);
    }
    return std::nullopt;
}

} // namespace

bool cRegistro::CreateNewKey(uint32_t lPredefinedKey, const QString &sNewKeyName) const
{
    const std::optional<QString> path = RegistryStore::fullPath(lPredefinedKey, sNewKeyName);
    if (!path)
        return false;
    if (m_file.read().hasKey(*path))
        return true;
    return m_file.change([&](RegistryStore &store) { return store.createKey(*path); });
}

bool cRegistro::DeleteKey(uint32_t lPredefinedKey, const QString &sKeyName) const
{
    const std::optional<QString> path = RegistryStore::fullPath(lPredefinedKey, sKeyName);
    return path && m_file.change([&](RegistryStore &store) { return store.deleteKey(*path); });
}

bool cRegistro::DeleteValue(uint32_t lPredefinedKey, const QString &sKeyName, const QString &sValueName) const
{
    const std::optional<QString> path = RegistryStore::fullPath(lPredefinedKey, sKeyName);
    return path && m_file.change([&](RegistryStore &store) { return store.deleteValue(*path, sValueName); });
}

int32_t cRegistro::EnumKey(uint32_t lPredefinedKey, const QString &sKeyName, QStringList &vSubKeys) const
{
    const std::optional<QString> path = RegistryStore::fullPath(lPredefinedKey, sKeyName);
    if (!path)
        return -1;
    const RegistryStore store = m_file.read();
    if (!store.hasKey(*path))
        return -1;
    vSubKeys = store.subkeys(*path);
    return int32_t(vSubKeys.size());
}

int32_t cRegistro::EnumValue(uint32_t lPredefinedKey, const QString &sKeyName, QStringList &vValues) const
{
    const std::optional<QString> path = RegistryStore::fullPath(lPredefinedKey, sKeyName);
    if (!path)
        return -1;
    const RegistryStore store = m_file.read();
    const QList<RegistryStore::Value> *values = store.values(*path);
    if (!values)
        return -1;
    QStringList names;
    for (const RegistryStore::Value &v : *values) {
        if (dataSize(v) > kEnumDataBuffer)
            return -1;
        names.append(v.name);
    }
    vValues = names;
    return int32_t(names.size());
}

bool cRegistro::SetValue(uint32_t lPredefinedKey, const QString &sKeyName, const QString &sValueName,
                         const QVariant &vValueSetting, int32_t lValueType) const
{
    const std::optional<QString> path = RegistryStore::fullPath(lPredefinedKey, sKeyName);
    if (!path)
        return false;
    RegistryStore::Value value;
    value.name = sValueName;
    if (lValueType == TIPO_STRING) {
        value.type = RegistryStore::TextType;
        value.text = vValueSetting.toString();
    } else if (lValueType == TIPO_LONG) {
        const std::optional<int32_t> number = toLong(vValueSetting);
        if (!number)
            return false;
        value.type = RegistryStore::NumberType;
        value.number = *number;
    } else {
        return true; // nothing to write for another type, and nothing failed
    }
    // A value that is already so needs no write: a read-only store still holds it.
    const RegistryStore current = m_file.read();
    const RegistryStore::Value *old = current.value(*path, sValueName);
    if (old && old->type == value.type && old->text == value.text && old->number == value.number)
        return true;
    return m_file.change(
        [&](RegistryStore &store) { return store.createKey(*path) && store.setValue(*path, value); });
}

QVariant cRegistro::QueryValue(uint32_t lPredefinedKey, const QString &sKeyName,
                               const QString &sValueName) const
{
    const std::optional<QString> path = RegistryStore::fullPath(lPredefinedKey, sKeyName);
    if (!path)
        return {};
    const RegistryStore store = m_file.read();
    const RegistryStore::Value *v = store.value(*path, sValueName);
    if (!v)
        return {};
    if (v->type == RegistryStore::NumberType)
        return QVariant(int(v->number));
    return QVariant(v->text);
}

QVariant cRegistro::QueryValue(uint32_t lPredefinedKey, const QString &sKeyName, const QString &sValueName,
                               const QVariant &vDefault) const
{
    const QVariant v = QueryValue(lPredefinedKey, sKeyName, sValueName);
    return v.isValid() ? v : vDefault;
}
