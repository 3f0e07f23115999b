#pragma once

#include <QImage>
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

    // The first page rendered at 72 dpi (one pixel is one point), through `pngStem`.png.
    static QImage renderFirstPage(const QString &pdfFile, const QString &pngStem);

    struct Ink
    {
        int red = 0;   // clearly red pixels
        int other = 0; // inked pixels of any other colour
    };
    // What the word's box holds on the rendered page.
    static Ink inkIn(const QImage &page, const Word &word);
};
