#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The section and key names a file seems to hold, read naively line by line as Latin-1. The
// targets ask the profile layer for each; a name it does not see simply reads as missing.
QList<QPair<QString, QString>> namesIn(const QByteArray &bytes);
