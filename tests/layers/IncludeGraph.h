#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// The include graph of the program's sources: every `#include "..."` line of the files in the
// layer folders under a source folder, checked against the layers' arrows. It finds an include
// of a header that belongs to a layer the including folder may not use, a Qt Widgets header
// below the window layers, and circles of files (a header and its .cpp count as one file).
namespace IncludeGraph {

// For each layer folder, the folders it may use directly; what those may use is allowed too.
using Arrows = QMap<QString, QStringList>;

// The program's arrows, as docs/architecture.md draws them.
const Arrows &programArrows();

// The layers that may use Qt Widgets.
const QSet<QString> &windowLayers();

// One line per fault found, naming the files; empty when the sources keep the arrows.
// `widgetHeaders` are the header names of Qt Widgets (QWidget, QDialog, ...).
QStringList check(const QString &sourceFolder, const Arrows &arrows, const QSet<QString> &widgetHeaders);

} // namespace IncludeGraph
