// Write-then-read: after setting one key of any file, that key reads back as written and every
// other key reads exactly as before.
#include "FuzzInput.h"
#include "ProfileFiles.h"
#include "ProfileNames.h"

#include <QFile>

namespace {

// Names the layer accepts: letters, digits, blanks inside, nothing that means INI syntax.
QString nameFrom(const QByteArray &raw, const char *fallback)
{
    QString name;
    for (const char c : raw) {
        const auto u = uchar(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
            u == ':')
            name += QChar(u);
        else if (u >= 0xC0) // some accented letters too, as "Tamaño" and "Orientación" have
            name += QChar(u);
        else if (u == ' ' && !name.isEmpty())
            name += u' ';
    }
    name = name.trimmed();
    return name.isEmpty() ? QString::fromLatin1(fallback) : name;
}

// Any text: Latin-1 bytes, with a few bytes standing for characters windows-1252 cannot hold.
QString valueFrom(const QByteArray &raw)
{
    QString value;
    for (const char c : raw) {
        const auto u = uchar(c);
        if (u == 0xFE)
            value += QChar(0x0141); // Ł
        else if (u == 0xFD)
            value += QChar(0x6F22); // a CJK ideograph
        else
            value += QChar(u);
    }
    return value;
}

// What a value reads back as: cut at NUL, each line break one blank, at most the read limit.
QString expectedBack(QString value)
{
    if (const qsizetype nul = value.indexOf(QChar(0)); nul >= 0)
        value.truncate(nul);
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value.left(ProfileFiles::MaxValueLength);
}

// A name the program passes is read up to its first NUL, as a C string would be, so a name from
// the file with a NUL in it asks for the same entry as its part before the NUL.
QString requested(const QString &name)
{
    const qsizetype nul = name.indexOf(QChar(0));
    return (nul < 0 ? name : name.left(nul)).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return requested(a).compare(requested(b), Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QString section = nameFrom(in.chunk(24), "Fuentes");
    const QString key = nameFrom(in.chunk(24), "Color");
    const QString value = valueFrom(in.chunk(200));
    const QByteArray bytes = in.rest();

    QString file = fuzzInputFile(bytes, ".ini");
    const ProfileFiles profiles(fuzzFolder() + QStringLiteral("/Vireo.sys"));
    QList<QPair<QString, QString>> others;
    QStringList before;
    for (const auto &name : namesIn(bytes)) {
        if (sameName(name.first, section) && sameName(name.second, key))
            continue;
        others.append(name);
        before.append(profiles.LeerValorIni(name.first, name.second, file));
    }

    profiles.EscribirValorIni(section, key, value, file);

    const QString back = profiles.LeerValorIni(section, key, file);
    if (back == ProfileFiles::Vacio && back != expectedBack(value)) {
        // Only a file the layer could not read may refuse the write, and then it keeps its bytes.
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly) || f.readAll() != bytes)
            fuzzFailure("a refused write changed the file", file);
    } else if (back != expectedBack(value))
        fuzzFailure("the written value reads back differently",
                    QStringLiteral("[%1] %2: wrote <%3>, read <%4>").arg(section, key, value, back));
    for (qsizetype i = 0; i < others.size(); ++i) {
        const QString now = profiles.LeerValorIni(others[i].first, others[i].second, file);
        if (now != before[i])
            fuzzFailure("an unrelated key changed",
                        QStringLiteral("[%1] %2: <%3> became <%4>")
                            .arg(others[i].first, others[i].second, before[i], now));
    }
    QFile::remove(file);
    return 0;
}
