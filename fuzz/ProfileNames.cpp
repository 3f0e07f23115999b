#include "ProfileNames.h"

#include <QRegularExpression>

QList<QPair<QString, QString>> namesIn(const QByteArray &bytes)
{
    QList<QPair<QString, QString>> names;
    QString section;
    const QString text = QString::fromLatin1(bytes);
    for (const QString &raw : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.lastIndexOf(u']') > 0) {
            section = line.mid(1, line.lastIndexOf(u']') - 1).trimmed();
        } else if (const qsizetype eq = line.indexOf(u'='); eq > 0 && !line.startsWith(u';')) {
            names.append({section, line.left(eq).trimmed()});
        }
        if (names.size() >= 64)
            break; // enough to check; keeps each input fast
    }
    return names;
}
