#pragma once

#include <QString>

class QFileDevice;

// Why the system refused a file operation, in the interface's language (the installed
// translation's). The common reasons are ours; a rarer one keeps the system's own text.
namespace ErrorReason {

// The reason for the error number `error` (errno).
QString of(int error);

// The reason a file reported: ours where its text is the system's text for a common error.
QString of(const QFileDevice &file);

// The same for a text the system gave (QFile::errorString() and the like).
QString ofText(const QString &systemText);

// Reasons of our own, with no error number: a path that names a FIFO, a device or a socket, and
// a file whose mode forbids writing it.
QString notRegularFile();
QString readOnlyFile();

} // namespace ErrorReason
