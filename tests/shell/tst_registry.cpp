// The program's registry store through cRegistro, as the file-type registration and the about
// box use it.
#include "RegistryStore.h"
#include "SysInfo.h"
#include "TestPaths.h"
#include "cRegistro.h"

#include <QFile>
#include <QTest>

namespace {
constexpr uint32_t kClasses = cRegistro::HKEY_CLASSES_ROOT;
constexpr int32_t kText = cRegistro::TIPO_STRING;
constexpr int32_t kLong = cRegistro::TIPO_LONG;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesReadBackAsTheyWereWritten()
    {
        TestPaths tmp;
        const cRegistro reg(tmp.paths().registryStore);
        QVERIFY(
            reg.SetValue(kClasses, QStringLiteral(".Trv"), QString(), QStringLiteral("TrvArchivo"), kText));
        const QString odd = QStringLiteral("  \"comillas\" \\barra\\ \r\n\tñandú %1 ");
        QVERIFY(reg.SetValue(kClasses, QStringLiteral("A\\B\\C"), QStringLiteral("Raro"), odd, kText));
        QVERIFY(
            reg.SetValue(kClasses, QStringLiteral("A"), QStringLiteral("N"), QStringLiteral("-261"), kLong));

        // Names match without regard to case; the values keep every character and their type.
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral(".TRV"), QString()),
                 QVariant(QStringLiteral("TrvArchivo")));
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral("a\\b\\c"), QStringLiteral("raro")), QVariant(odd));
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral("A"), QStringLiteral("N")), QVariant(-261));

        // A missing value: the default when one is given, else the empty variant; an empty
        // text is a value, not a missing one.
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral("A"), QStringLiteral("Otro"), 7), QVariant(7));
        QVERIFY(!reg.QueryValue(kClasses, QStringLiteral("A"), QStringLiteral("Otro")).isValid());
        QVERIFY(!reg.QueryValue(kClasses, QStringLiteral("Nada"), QString()).isValid());
        QVERIFY(reg.SetValue(kClasses, QStringLiteral("Vacia"), QString(), QString(), kText));
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral("Vacia"), QString(), 7), QVariant(QString()));

        // The parents were created on the way; the roots are apart from each other.
        QVERIFY(!reg.QueryValue(cRegistro::HKEY_CURRENT_USER, QStringLiteral(".Trv"), QString()).isValid());
        QStringList names;
        QCOMPARE(reg.EnumKey(kClasses, QStringLiteral("A"), names), 1);
        QCOMPARE(names, QStringList{QStringLiteral("B")});
    }

    void enumerationCountsOrFails()
    {
        TestPaths tmp;
        const cRegistro reg(tmp.paths().registryStore);
        QVERIFY(reg.CreateNewKey(kClasses, QStringLiteral("Hoja")));
        QVERIFY(reg.CreateNewKey(kClasses, QStringLiteral("Hoja"))); // an existing key is fine
        QVERIFY(reg.CreateNewKey(kClasses, QStringLiteral("Raiz\\zeta")));
        QVERIFY(reg.CreateNewKey(kClasses, QStringLiteral("Raiz\\Alfa")));
        QVERIFY(reg.SetValue(kClasses, QStringLiteral("Raiz"), QString(), QStringLiteral("x"), kText));
        QVERIFY(reg.SetValue(kClasses, QStringLiteral("Raiz"), QStringLiteral("Largo"), QString(600, u'x'),
                             kText));

        QStringList names{QStringLiteral("antes")};
        QCOMPARE(reg.EnumKey(kClasses, QStringLiteral("Hoja"), names), 0);
        QCOMPARE(reg.EnumKey(kClasses, QStringLiteral("Falta"), names), -1);
        QCOMPARE(reg.EnumKey(kClasses, QStringLiteral("Raiz"), names), 2);
        QCOMPARE(names, (QStringList{QStringLiteral("Alfa"), QStringLiteral("zeta")}));
        QCOMPARE(reg.EnumKey(kClasses, QString(), names), 2); // the root itself
        // A value whose data does not fit the enumeration's buffer makes the key unreadable.
        QCOMPARE(reg.EnumValue(kClasses, QStringLiteral("Raiz"), names), -1);
        QVERIFY(reg.DeleteValue(kClasses, QStringLiteral("Raiz"), QStringLiteral("LARGO")));
        QCOMPARE(reg.EnumValue(kClasses, QStringLiteral("Raiz"), names), 1);
        QCOMPARE(names, QStringList{QString()});
        QCOMPARE(reg.EnumValue(kClasses, QStringLiteral("Falta"), names), -1);

        // Keys go only once they have no subkeys; values and keys that are not there fail.
        QVERIFY(!reg.DeleteKey(kClasses, QStringLiteral("Raiz")));
        QVERIFY(reg.DeleteKey(kClasses, QStringLiteral("Raiz\\Alfa")));
        QVERIFY(!reg.DeleteKey(kClasses, QStringLiteral("Raiz\\Alfa")));
        QVERIFY(!reg.DeleteValue(kClasses, QStringLiteral("Raiz"), QStringLiteral("Largo")));
        QVERIFY(!reg.CreateNewKey(kClasses, QStringLiteral("doble\\\\barra")));
        QVERIFY(!reg.CreateNewKey(0x80000009u, QStringLiteral("x")));
        // Another type writes nothing, and nothing failed.
        QVERIFY(reg.SetValue(kClasses, QStringLiteral("Hoja"), QStringLiteral("Bin"), 1, 3));
        QVERIFY(!reg.QueryValue(kClasses, QStringLiteral("Hoja"), QStringLiteral("Bin")).isValid());
        QVERIFY(!reg.SetValue(kClasses, QStringLiteral("Hoja"), QStringLiteral("N"), QStringLiteral("doce"),
                              kLong));
    }

    void aDamagedStoreNeverStopsTheProgram_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01\x80]\n@=\"\xc3", 12);
        QTest::newRow("cut") << QByteArray("[HKEY_CLASSES_ROOT\\.Trv]\n@=\"TrvArch");
        QTest::newRow("no root") << QByteArray("[HKEY_NADA\\.Trv]\n@=\"x\"\n[.Trv]\n@=\"y\"\n");
        QTest::newRow("bad number") << QByteArray(
            "[HKEY_CLASSES_ROOT\\.Trv]\n@=dword:xyz\n\"N\"=dword:123456789\n");
    }

    void aDamagedStoreNeverStopsTheProgram()
    {
        QFETCH(QByteArray, bytes);
        TestPaths tmp;
        writeFile(tmp.paths().registryStore, bytes + "\n[HKEY_CLASSES_ROOT\\Bien]\n\"Sigue\"=\"si\"\n");
        const cRegistro reg(tmp.paths().registryStore);
        // What can be read is read; the rest reads as missing and is replaced by a write.
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral("Bien"), QStringLiteral("Sigue")),
                 QVariant(QStringLiteral("si")));
        QVERIFY(!reg.QueryValue(kClasses, QStringLiteral(".Trv"), QString()).isValid());
        QVERIFY(
            reg.SetValue(kClasses, QStringLiteral(".Trv"), QString(), QStringLiteral("TrvArchivo"), kText));
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral(".Trv"), QString()),
                 QVariant(QStringLiteral("TrvArchivo")));
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral("Bien"), QStringLiteral("Sigue")),
                 QVariant(QStringLiteral("si")));
    }

    void anUnwritableStoreKeepsItsValuesAndSaysSo()
    {
        TestPaths tmp;
        const cRegistro reg(tmp.paths().registryStore);
        QVERIFY(
            reg.SetValue(kClasses, QStringLiteral(".Trv"), QString(), QStringLiteral("TrvArchivo"), kText));
        QVERIFY(QFile::setPermissions(tmp.paths().registryStore, QFile::ReadOwner));
        if (QFileInfo(tmp.paths().registryStore).isWritable())
            QSKIP("root may write any file");
        QVERIFY(!reg.SetValue(kClasses, QStringLiteral(".Trv"), QString(), QStringLiteral("Otro"), kText));
        QVERIFY(
            reg.SetValue(kClasses, QStringLiteral(".Trv"), QString(), QStringLiteral("TrvArchivo"), kText));
        QCOMPARE(reg.QueryValue(kClasses, QStringLiteral(".Trv"), QString()),
                 QVariant(QStringLiteral("TrvArchivo")));
    }

    void GetKeyValueGivesNumbersWithAllTheirDigits()
    {
        TestPaths tmp;
        const QString store = tmp.paths().registryStore;
        const cRegistro reg(store);
        constexpr uint32_t machine = cRegistro::HKEY_LOCAL_MACHINE;
        QVERIFY(reg.SetValue(machine, QStringLiteral("K"), QStringLiteral("N"), 0x0105, kLong));
        QVERIFY(reg.SetValue(machine, QStringLiteral("K"), QStringLiteral("T"), QStringLiteral("/usr/bin/x"),
                             kText));
        QString value = QStringLiteral("antes");
        QVERIFY(SysInfo::GetKeyValue(store, machine, QStringLiteral("K"), QStringLiteral("N"), value));
        QCOMPARE(value, QStringLiteral("261")); // not 21, from the bytes' digits run together as hex "15"
        QVERIFY(SysInfo::GetKeyValue(store, machine, QStringLiteral("K"), QStringLiteral("T"), value));
        QCOMPARE(value, QStringLiteral("/usr/bin/x"));
        QVERIFY(!SysInfo::GetKeyValue(store, machine, QStringLiteral("K"), QStringLiteral("Z"), value));
        QCOMPARE(value, QString());
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
