#include "FuzzInput.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

QString freshFuzzPath(const char *suffix)
{
    static quint64 counter = 0;
    return fuzzFolder() + QStringLiteral("/input%1%2").arg(++counter).arg(QLatin1String(suffix));
}

QString fuzzInputFile(const QByteArray &bytes, const char *suffix)
{
    const QString file = freshFuzzPath(suffix);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        fuzzFailure("cannot write the input file", file);
    return file;
}

void fuzzFailure(const char *what, const QString &detail)
{
    // Control characters shown as \xNN, so that a NUL in a name does not hide the rest.
    QString shown;
    for (const QChar c : detail)
        shown += c.unicode() < 0x20 && c != u'\n'
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                     : QString(c);
    std::fprintf(stderr, "FUZZ FAILURE: %s\n%s\n", what, shown.toUtf8().constData());
    std::abort();
}
