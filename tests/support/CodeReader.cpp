#include "CodeReader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QtMath>

#include <ZXing/ReadBarcode.h>

#include <algorithm>

namespace {

constexpr int kDpi = 300;

CodeReader::Code codeOf(const ZXing::Result &result, int top)
{
    const auto &corners = result.position();
    int left = corners[0].x, up = corners[0].y;
    for (int i = 1; i < 4; ++i) {
        left = std::min(left, corners[i].x);
        up = std::min(up, corners[i].y);
    }
    return {QString::fromLatin1(ZXing::ToString(result.format())), QString::fromStdString(result.text()),
            QPointF(left * 72.0 / kDpi, (top + up) * 72.0 / kDpi)};
}

// ZXing as Debian builds it finds a DataMatrix code only where it crosses the image's middle
// line, so DataMatrix codes are looked for in bands centred on lines 3 mm apart, and every code
// a band finds counts once.
constexpr int kBandStep = 3 * kDpi * 10 / 254;
constexpr int kBandHalf = 30 * kDpi * 10 / 254;

QList<CodeReader::Code> decodeGrey(const QImage &grey)
{
    QList<CodeReader::Code> codes;
    const auto view = [&grey](int top, int height) {
        return ZXing::ImageView(grey.constScanLine(top), grey.width(), height, ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    };
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::Code128);
    hints.setTryRotate(false);
    for (const ZXing::Result &result : ZXing::ReadBarcodes(view(0, grey.height()), hints))
        if (result.isValid())
            codes.append(codeOf(result, 0));

    hints.setFormats(ZXing::BarcodeFormat::DataMatrix);
    for (int line = kBandStep / 2; line < grey.height(); line += kBandStep) {
        const int half = std::min({kBandHalf, line, grey.height() - line});
        for (const ZXing::Result &result : ZXing::ReadBarcodes(view(line - half, 2 * half), hints)) {
            if (!result.isValid())
                continue;
            const CodeReader::Code code = codeOf(result, line - half);
            const bool known = std::any_of(codes.begin(), codes.end(), [&code](const CodeReader::Code &c) {
                return c.format == code.format && (c.topLeft - code.topLeft).manhattanLength() < 3;
            });
            if (!known)
                codes.append(code);
        }
    }
    std::sort(codes.begin(), codes.end(), [](const CodeReader::Code &a, const CodeReader::Code &b) {
        // Corners found a pixel apart still make one line.
        return qAbs(a.topLeft.y() - b.topLeft.y()) > 5 ? a.topLeft.y() < b.topLeft.y() : a.topLeft.x() < b.topLeft.x();
    });
    return codes;
}

} // namespace

CodeReader CodeReader::read(const QString &pdfFile, const QString &workFolder, QSizeF areaPoints)
{
    CodeReader reader;
    QDir folder(workFolder);
    folder.mkpath(QStringLiteral("."));
    const QString stem = folder.filePath(QStringLiteral("page"));
    QStringList arguments{QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray")};
    if (!areaPoints.isEmpty())
        arguments << QStringLiteral("-x") << QStringLiteral("0") << QStringLiteral("-y") << QStringLiteral("0")
                  << QStringLiteral("-W") << QString::number(qCeil(areaPoints.width() * kDpi / 72))
                  << QStringLiteral("-H") << QString::number(qCeil(areaPoints.height() * kDpi / 72));
    arguments << pdfFile << stem;
    if (QProcess::execute(QStringLiteral("pdftoppm"), arguments) != 0) {
        reader.error = QStringLiteral("pdftoppm failed on ") + pdfFile;
        return reader;
    }
    // pdftoppm numbers the pages with as many digits as the last one needs.
    QStringList files = folder.entryList({QStringLiteral("page-*.pgm")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        const QImage image(folder.filePath(name));
        if (image.isNull()) {
            reader.error = QStringLiteral("cannot read ") + name;
            return reader;
        }
        reader.pages.append(decodeGrey(image.convertToFormat(QImage::Format_Grayscale8)));
        QFile::remove(folder.filePath(name));
    }
    return reader;
}

QList<CodeReader::Code> CodeReader::decode(const QImage &picture)
{
    return decodeGrey(picture.convertToFormat(QImage::Format_Grayscale8));
}
