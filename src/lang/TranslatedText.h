#pragma once

#include <QCoreApplication>
#include <QString>

// A text of the program held as its Spanish source and read in the installed language each time
// it is used: for the texts a class names once and several windows and messages show. Declare it
// with the source inside QT_TRANSLATE_NOOP so that lupdate extracts it under `context`.
struct TranslatedText
{
    const char *context;
    const char *source;

    QString shown() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return shown(); }
    // Compared as shown now.
    friend bool operator==(const QString &text, const TranslatedText &t) { return text == t.shown(); }
};
