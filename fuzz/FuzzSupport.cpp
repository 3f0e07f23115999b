#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

QString freshFuzzPath(const char *suffix)
{
    static quint64 counter = 0;
    return fuzzFolder() + QStringLiteral("/input%1%2").arg(++counter).arg(QLatin1String(suffix));
}

void fuzzFailure(const char *what, const QString &detail)
{
    std::fprintf(stderr, "FUZZ FAILURE: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}
