#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The whole of a file, or nothing when it cannot be read.
inline QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file at `path` with `bytes`; a file that cannot be written fails the test.
inline void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
