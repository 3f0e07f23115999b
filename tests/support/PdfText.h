#pragma once

#include <QList>
#include <QString>

// A printed PDF read back with `pdftotext -bbox`: every word with its box, in points.
struct PdfText
{
    struct Word
    {
        QString text;
        double xMin, yMin, xMax, yMax;
    };
    struct Page
    {
        double width, height;
        QList<Word> words;
        QStringList texts() const;
        // The first word with this text, or nullptr.
        const Word *find(const QString &text) const;
    };

    QList<Page> pages;
    QString error; // non-empty when the file could not be read

    static PdfText read(const QString &pdfFile);
};
