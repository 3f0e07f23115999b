#pragma once

#include <QDateTime>
#include <QString>

namespace PdfFileNames {

// A path in `folder` for a new document, named after `when`, that no existing file has:
// "Tessarino 2026-12-07 10.15.30.pdf", then "... (2).pdf" and so on. Creates the folder.
QString next(const QString &folder, const QDateTime &when = QDateTime::currentDateTime());

} // namespace PdfFileNames
