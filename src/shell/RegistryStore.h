#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>

// The program's own registry: keys below four roots, each key with a default value (name "")
// and named values, of text or 32-bit number type. Names match without regard to case and keep
// the case they were created with. Kept as a UTF-8 text file:
//
//   [HKEY_CLASSES_ROOT\.Trv]
//   @="TrvArchivo"
//   "Cuenta"=dword:00000105
//
// The reader takes what it can: a line it cannot read is skipped (and so dropped by the next
// write), never a reason to refuse the file, so that a damaged store cannot block the program.
class RegistryStore
{
public:
    static constexpr uint32_t TextType = 1;   // REG_SZ
    static constexpr uint32_t NumberType = 4; // REG_DWORD

    struct Value
    {
        QString name;
        uint32_t type = TextType;
        QString text;
        int32_t number = 0;
    };

    // The text name of a root ("HKEY_CLASSES_ROOT"), or "" for a handle that is none of the four.
    static QString rootName(uint32_t root);

    static RegistryStore parse(const QByteArray &bytes);
    QByteArray serialize() const;

    // `path` is the root's name followed by the key names, separated by '\'. A path with an empty
    // component or a control character names no key.
    static std::optional<QString> fullPath(uint32_t root, const QString &keyName);

    bool hasKey(const QString &path) const;
    // Creates the key and its missing parents; true when it exists afterwards.
    bool createKey(const QString &path);
    // Deletes a key without subkeys; a root is never deleted.
    bool deleteKey(const QString &path);
    // The names of the key's direct subkeys, sorted without regard to case.
    QStringList subkeys(const QString &path) const;

    const Value *value(const QString &path, const QString &name) const;
    const QList<Value> *values(const QString &path) const;
    // Sets a value of an existing key; false when the key does not exist.
    bool setValue(const QString &path, Value value);
    bool deleteValue(const QString &path, const QString &name);

private:
    struct Key
    {
        QString path;
        QList<Value> values;
    };
    Key *find(const QString &path);
    const Key *find(const QString &path) const;
    Key *ensure(const QString &path);

    std::map<QString, Key> m_keys; // by case-folded path
};
