#include "IncludeGraph.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

struct Include
{
    QString target; // as written between the quotes or the angle brackets
    bool quoted = false;
    int line = 0;
};

struct SourceFile
{
    QString layer;
    QString path; // layer/name, as faults name it
    QList<Include> includes;
};

QList<Include> readIncludes(const QString &file)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QList<Include> found;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return found;
    int number = 0;
    while (!f.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(f.readLine());
        const QRegularExpressionMatch m = pattern.match(line);
        if (m.hasMatch())
            found.append({m.captured(2).trimmed(), m.captured(1) == u"\"", number});
    }
    return found;
}

// The folders `layer` may use, its own included.
QSet<QString> reachable(const IncludeGraph::Arrows &arrows, const QString &layer)
{
    QSet<QString> seen{layer};
    QStringList todo{layer};
    while (!todo.isEmpty())
        for (const QString &next : arrows.value(todo.takeLast()))
            if (!seen.contains(next)) {
                seen.insert(next);
                todo.append(next);
            }
    return seen;
}

// The name without its extension: a header and its .cpp are one unit of the graph.
QString unitOf(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + u'/' + info.completeBaseName();
}

QStringList circles(const QMap<QString, QSet<QString>> &graph)
{
    // Tarjan's strongly connected components: every component of more than one unit is a circle.
    QHash<QString, int> index;
    QHash<QString, int> low;
    QStringList stack;
    QSet<QString> onStack;
    QStringList faults;
    int counter = 0;
    std::function<void(const QString &)> visit = [&](const QString &unit) {
        index[unit] = low[unit] = counter++;
        stack.append(unit);
        onStack.insert(unit);
        for (const QString &next : graph.value(unit)) {
            if (!index.contains(next)) {
                visit(next);
                low[unit] = std::min(low[unit], low[next]);
            } else if (onStack.contains(next)) {
                low[unit] = std::min(low[unit], index[next]);
            }
        }
        if (low[unit] != index[unit])
            return;
        QStringList component;
        QString member;
        do {
            member = stack.takeLast();
            onStack.remove(member);
            component.append(member);
        } while (member != unit);
        if (component.size() > 1) {
            component.sort();
            faults.append(QStringLiteral("circle of files: %1").arg(component.join(QStringLiteral(", "))));
        }
    };
    for (auto it = graph.keyBegin(); it != graph.keyEnd(); ++it)
        if (!index.contains(*it))
            visit(*it);
    return faults;
}

} // namespace

namespace IncludeGraph {

const Arrows &programArrows()
{
    static const Arrows arrows{
        {QStringLiteral("platform"), {}},
        {QStringLiteral("resources"), {}},
        {QStringLiteral("settings"), {QStringLiteral("platform")}},
        {QStringLiteral("lang"), {QStringLiteral("platform"), QStringLiteral("resources")}},
        {QStringLiteral("shell"), {QStringLiteral("platform")}},
        {QStringLiteral("printer"),
         {QStringLiteral("settings"), QStringLiteral("lang"), QStringLiteral("shell")}},
        {QStringLiteral("engine"), {QStringLiteral("printer")}},
        {QStringLiteral("documents"), {QStringLiteral("engine"), QStringLiteral("settings")}},
        {QStringLiteral("ui"), {QStringLiteral("documents")}},
        {QStringLiteral("app"), {QStringLiteral("ui")}},
    };
    return arrows;
}

const QSet<QString> &windowLayers()
{
    static const QSet<QString> layers{QStringLiteral("ui"), QStringLiteral("app")};
    return layers;
}

QStringList check(const QString &sourceFolder, const Arrows &arrows, const QSet<QString> &widgetHeaders)
{
    QList<SourceFile> files;
    QHash<QString, QStringList> owners; // file name -> layer/name of every file so named
    for (auto it = arrows.keyBegin(); it != arrows.keyEnd(); ++it) {
        const QDir layer(QDir(sourceFolder).filePath(*it));
        QDirIterator walk(layer.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                          QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            const QString file = walk.next();
            const QString path = *it + u'/' + layer.relativeFilePath(file);
            files.append({*it, path, readIncludes(file)});
            owners[QFileInfo(file).fileName()].append(path);
        }
    }
    std::sort(files.begin(), files.end(),
              [](const SourceFile &a, const SourceFile &b) { return a.path < b.path; });

    QStringList faults;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.value().size() > 1)
            faults.append(
                QStringLiteral("one name for several files: %1").arg(it.value().join(QStringLiteral(", "))));

    QMap<QString, QSet<QString>> graph;
    for (const SourceFile &file : files) {
        const QSet<QString> allowed = reachable(arrows, file.layer);
        const QString unit = unitOf(file.path);
        graph[unit];
        for (const Include &include : file.includes) {
            const QString where = QStringLiteral("%1:%2").arg(file.path).arg(include.line);
            if (!include.quoted) {
                const QString header = include.target.section(u'/', -1);
                const bool widgets =
                    widgetHeaders.contains(header) || include.target.startsWith(u"QtWidgets/");
                if (widgets && !windowLayers().contains(file.layer))
                    faults.append(QStringLiteral("%1: a widget below the window layers: <%2>")
                                      .arg(where, include.target));
                continue;
            }
            const QStringList targets = owners.value(QFileInfo(include.target).fileName());
            if (targets.isEmpty())
                continue; // generated (ui_*.h, Version.h, *.moc) or outside the sources
            const QString target = targets.first();
            const QString targetLayer = target.section(u'/', 0, 0);
            if (!allowed.contains(targetLayer))
                faults.append(
                    QStringLiteral("%1: %2 may not use %3 (%4)").arg(where, file.layer, targetLayer, target));
            if (unitOf(target) != unit)
                graph[unit].insert(unitOf(target));
        }
    }
    faults.append(circles(graph));
    return faults;
}

} // namespace IncludeGraph
