#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QObject;

// The program's Spanish texts that have an English text of their own: the sources of the English
// translation file and the resource tables. A window or message in English should show none.
namespace SpanishTexts {

// Spanish text -> its English.
const QHash<QString, QString> &all();

// Whether `message` is one of those texts, or is built from one (a text with %1-style arguments
// matches whatever fills them; a long text matches inside a longer message).
bool isSpanish(const QString &message);

// The texts `root`, its children and their menus and actions show (captions, titles, tab texts,
// items, headers, tool tips, status tips, placeholders) that are Spanish.
QStringList shownIn(const QObject *root);

} // namespace SpanishTexts
