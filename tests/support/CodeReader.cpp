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

CodeReader::Code codeOf(const ZXing::Result &result, int top, int dpi)
{
    const auto &corners = result.position();
    int left = corners[0].x, up = corners[0].y;
    for (int i = 1; i < 4; ++i) {
        left = std::min(left, corners[i].x);
        up = std::min(up, corners[i].y);
    }
    return {QString::fromLatin1(ZXing::ToString(result.format())), QString::fromStdString(result.text()),
            QPointF(left * 72.0 / dpi, (top + up) * 72.0 / dpi)};
}

// ZXing as Debian builds it finds a DataMatrix code only where it crosses the image's middle
// line, so DataMatrix codes are looked for in bands centred on lines 3 mm apart, and every code
// a band finds counts once.
QList<CodeReader::Code> decodeGrey(const QImage &grey, int dpi, bool everySymbology)
{
    const int kBandStep = 3 * dpi * 10 / 254;
    const int kBandHalf = 30 * dpi * 10 / 254;
    QList<CodeReader::Code> codes;
    const auto view = [&grey](int top, int height) {
        return ZXing::ImageView(grey.constScanLine(top), grey.width(), height, ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    };
    ZXing::DecodeHints hints;
    hints.setTryRotate(false);
    if (everySymbology) {
        // ZXing as Debian builds it stops on an assertion when it finds a bar code on several
        // rows while looking for many: bars are read one code per image here.
        hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::PDF417);
        for (const ZXing::Result &result : ZXing::ReadBarcodes(view(0, grey.height()), hints))
            if (result.isValid())
                codes.append(codeOf(result, 0, dpi));
        hints.setFormats(ZXing::BarcodeFormat::Code128 | ZXing::BarcodeFormat::EAN13 |
                         ZXing::BarcodeFormat::UPCA | ZXing::BarcodeFormat::Code39 |
                         ZXing::BarcodeFormat::ITF);
        if (const ZXing::Result result = ZXing::ReadBarcode(view(0, grey.height()), hints); result.isValid())
            codes.append(codeOf(result, 0, dpi));
    } else {
        hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::Code128);
        for (const ZXing::Result &result : ZXing::ReadBarcodes(view(0, grey.height()), hints))
            if (result.isValid())
                codes.append(codeOf(result, 0, dpi));
    }

    hints.setFormats(ZXing::BarcodeFormat::DataMatrix);
    for (int line = kBandStep / 2; line < grey.height(); line += kBandStep) {
        const int half = std::min({kBandHalf, line, grey.height() - line});
        for (const ZXing::Result &result : ZXing::ReadBarcodes(view(line - half, 2 * half), hints)) {
            if (!result.isValid())
                continue;
            const CodeReader::Code code = codeOf(result, line - half, dpi);
            const bool known = std::any_of(codes.begin(), codes.end(), [&code](const CodeReader::Code &c) {
                return c.format == code.format && (c.topLeft - code.topLeft).manhattanLength() < 3;
            });
            if (!known)
                codes.append(code);
        }
    }
    std::sort(codes.begin(), codes.end(), [](const CodeReader::Code &a, const CodeReader::Code &b) {
        // Corners found a pixel apart still make one line.
        return qAbs(a.topLeft.y() - b.topLeft.y()) > 5 ? a.topLeft.y() < b.topLeft.y()
                                                       : a.topLeft.x() < b.topLeft.x();
    });
    return codes;
}

// One line per code as a command prints it; nothing when it finds none.
QStringList linesOf(const QString &program, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        error = program + QStringLiteral(" did not finish");
        return {};
    }
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

} // namespace

CodeReader CodeReader::read(const QString &pdfFile, const QString &workFolder, QSizeF areaPoints)
{
    return read(pdfFile, workFolder, areaPoints, Options{});
}

CodeReader CodeReader::read(const QString &pdfFile, const QString &workFolder, QSizeF areaPoints,
                            const Options &options)
{
    const int kDpi = options.dpi;
    CodeReader reader;
    QDir folder(workFolder);
    folder.mkpath(QStringLiteral("."));
    const QString stem = folder.filePath(QStringLiteral("page"));
    QStringList arguments{QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray")};
    if (!areaPoints.isEmpty())
        arguments << QStringLiteral("-x") << QStringLiteral("0") << QStringLiteral("-y")
                  << QStringLiteral("0") << QStringLiteral("-W")
                  << QString::number(qCeil(areaPoints.width() * kDpi / 72)) << QStringLiteral("-H")
                  << QString::number(qCeil(areaPoints.height() * kDpi / 72));
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
        reader.pages.append(
            decodeGrey(image.convertToFormat(QImage::Format_Grayscale8), kDpi, options.everySymbology));
        if (options.zbar)
            reader.zbarPages.append(linesOf(QStringLiteral("zbarimg"),
                                            {QStringLiteral("-q"), folder.filePath(name)}, reader.error));
        if (options.dmtx)
            reader.dmtxPages.append(linesOf(
                QStringLiteral("dmtxread"),
                {QStringLiteral("-n"), QStringLiteral("-m"), QStringLiteral("20000"), folder.filePath(name)},
                reader.error));
        QFile::remove(folder.filePath(name));
    }
    return reader;
}

QList<CodeReader::Code> CodeReader::decode(const QImage &picture)
{
    return decodeGrey(picture.convertToFormat(QImage::Format_Grayscale8), kDpi, false);
}
