#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

// Codes on a printed PDF read back with ZXing, as a scanner sees them on a sheet printed at
// 300 dpi.
struct CodeReader
{
    struct Code
    {
        QString format; // "QRCode", "Code128", "DataMatrix"
        QString text;
        QPointF topLeft; // points from the sheet's top-left; for bars, the row the decoder read
    };

    QList<QList<Code>> pages; // each page's codes, top to bottom, then left to right
    QString error;            // non-empty when the file could not be rendered

    // Renders every page in grey at 300 dpi, only `areaPoints` from each page's top-left when
    // given (rendering is most of the time), then decodes each.
    static CodeReader read(const QString &pdfFile, const QString &workFolder, QSizeF areaPoints = {});
    // The codes on one picture, such as a window's; positions as if it were printed at 300 dpi.
    static QList<Code> decode(const QImage &picture);
};
