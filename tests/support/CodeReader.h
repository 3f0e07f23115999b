#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

// Codes on a printed PDF read back with ZXing, as a scanner sees them on a sheet printed at
// 300 dpi (or another resolution), and on request with zbar and dmtxread too.
struct CodeReader
{
    struct Options
    {
        int dpi = 300;
        // ZXing looks for every symbology, not only QR, Code 128 and DataMatrix, and one bar code
        // per page at most
        bool everySymbology = false;
        bool zbar = false; // zbarimg reads every page as well
        bool dmtx = false; // dmtxread reads every page's DataMatrix codes as well
    };

    struct Code
    {
        QString format; // "QRCode", "Code128", "DataMatrix"
        QString text;
        QPointF topLeft; // points from the sheet's top-left; for bars, the row the decoder read
    };

    QList<QList<Code>> pages;     // each page's codes, top to bottom, then left to right
    QList<QStringList> zbarPages; // with Options::zbar: each page's "TYPE:text" as zbarimg names them
    QList<QStringList> dmtxPages; // with Options::dmtx: each page's DataMatrix texts
    QString error;                // non-empty when the file could not be rendered or a reader failed

    // Renders every page in grey at 300 dpi, only `areaPoints` from each page's top-left when
    // given (rendering is most of the time), then decodes each.
    static CodeReader read(const QString &pdfFile, const QString &workFolder, QSizeF areaPoints = {});
    static CodeReader read(const QString &pdfFile, const QString &workFolder, QSizeF areaPoints,
                           const Options &options);
    // The codes on one picture, such as a window's; positions as if it were printed at 300 dpi.
    static QList<Code> decode(const QImage &picture);
};
