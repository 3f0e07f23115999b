#pragma once

#include "RegistryFile.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

// The registry wrapper the program writes its keys through, over the program's own store.
// It keeps no state of its own: every operation reads the store and a change writes it back.
// Values come and go as variants: text as QString, 32-bit numbers as int, nothing as an
// invalid (empty) variant.
class cRegistro
{
public:
    explicit cRegistro(QString storeFile) : m_file(std::move(storeFile)) {}

    static constexpr uint32_t HKEY_CLASSES_ROOT = 0x80000000u;
    static constexpr uint32_t HKEY_CURRENT_USER = 0x80000001u;
    static constexpr uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;
    static constexpr uint32_t HKEY_USERS = 0x80000003u;
    static constexpr int32_t TIPO_STRING = 1;
    static constexpr int32_t TIPO_LONG = 4;

    bool DeleteKey(uint32_t lPredefinedKey, const QString &sKeyName) const;
    bool DeleteValue(uint32_t lPredefinedKey, const QString &sKeyName, const QString &sValueName) const;
    // The names of the key's subkeys (of its value names) into `out`; the count, 0 for none, -1
    // when the key cannot be read. An empty key name is the root itself.
    int32_t EnumKey(uint32_t lPredefinedKey, const QString &sKeyName, QStringList &vSubKeys) const;
    int32_t EnumValue(uint32_t lPredefinedKey, const QString &sKeyName, QStringList &vValues) const;
    // Creates the key when missing. A type other than the two writes nothing and counts as done.
    bool SetValue(uint32_t lPredefinedKey, const QString &sKeyName, const QString &sValueName,
                  const QVariant &vValueSetting, int32_t lValueType) const;
    // The value, or the empty variant when there is none to read.
    QVariant QueryValue(uint32_t lPredefinedKey, const QString &sKeyName, const QString &sValueName) const;
    // The value, or `vDefault` when there is none to read.
    QVariant QueryValue(uint32_t lPredefinedKey, const QString &sKeyName, const QString &sValueName,
                        const QVariant &vDefault) const;
    bool CreateNewKey(uint32_t lPredefinedKey, const QString &sNewKeyName) const;

private:
    RegistryFile m_file;
};
