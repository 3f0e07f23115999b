#pragma once

#include <QString>

class QFile;

// Every reader of a file the user names (a job, a recent entry, a design PDF, the program's own
// stores) goes through here first: opening a FIFO waits for a writer for ever, and a device or
// socket is never a document. Reasons are in the interface's language (ErrorReason).
namespace RegularFile {

// Why `path` cannot be read as a file, or empty when it is a regular file (symbolic links
// followed). Cheap: one stat.
QString refusal(const QString &path);

// Opens `path` read-only into `file` without ever waiting, and only when what was opened is a
// regular file (so a FIFO put in its place after a check is refused too). Returns why not, or
// empty on success.
QString open(QFile &file, const QString &path);

} // namespace RegularFile
