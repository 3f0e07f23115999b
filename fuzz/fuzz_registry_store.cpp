// Any bytes as the registry store's file: reading never crashes, and what was read survives a
// write unchanged (writing and reading again gives the same keys and values, byte for byte).
#include "FuzzInput.h"
#include "RegistryStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    RegistryStore store = RegistryStore::parse(bytes);
    const QByteArray written = store.serialize();
    const QByteArray again = RegistryStore::parse(written).serialize();
    if (again != written)
        fuzzFailure("the store does not read back as written", QString::fromUtf8(written));
    // A change on what was read lands and reads back.
    const QString key = QStringLiteral("HKEY_CLASSES_ROOT\\.Trv");
    RegistryStore::Value value;
    value.text = QStringLiteral("TrvArchivo");
    if (!store.createKey(key) || !store.setValue(key, value))
        fuzzFailure("a key could not be set", QString::fromUtf8(written));
    const RegistryStore reread = RegistryStore::parse(store.serialize());
    const RegistryStore::Value *v = reread.value(key, QString());
    if (!v || v->text != value.text)
        fuzzFailure("a value set did not read back", QString::fromUtf8(store.serialize()));
    return 0;
}
