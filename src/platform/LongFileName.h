#pragma once

#include <QString>

// The full path of an existing file or folder, for the path named on the command line.
// `path` must be absolute; every component must exist, hidden ones included. The result is the
// same path with repeated and trailing slashes and "." components removed; ".." is kept as
// given, since folding it by text could name another place when a component is a symbolic
// link. Anything else (relative, empty, missing component) yields "".
QString GetLongFilename(const QString &path);
