#include "PdfText.h"

#include <QProcess>
#include <QXmlStreamReader>

QStringList PdfText::Page::texts() const
{
    QStringList list;
    for (const Word &w : words)
        list << w.text;
    return list;
}

const PdfText::Word *PdfText::Page::find(const QString &text) const
{
    for (const Word &w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

PdfText PdfText::read(const QString &pdfFile)
{
    PdfText result;
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        result.error =
            QStringLiteral("pdftotext failed: ") + QString::fromUtf8(process.readAllStandardError());
        return result;
    }
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            result.pages.append({a.value(QLatin1String("width")).toDouble(),
                                 a.value(QLatin1String("height")).toDouble(),
                                 {}});
        } else if (xml.name() == QLatin1String("word") && !result.pages.isEmpty()) {
            Word w{QString(), a.value(QLatin1String("xMin")).toDouble(),
                   a.value(QLatin1String("yMin")).toDouble(), a.value(QLatin1String("xMax")).toDouble(),
                   a.value(QLatin1String("yMax")).toDouble()};
            w.text = xml.readElementText();
            result.pages.last().words.append(w);
        }
    }
    if (xml.hasError())
        result.error = xml.errorString();
    return result;
}

QImage PdfText::renderFirstPage(const QString &pdfFile, const QString &pngStem)
{
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"), QStringLiteral("1"),
                       QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdfFile, pngStem});
    return QImage(pngStem + QStringLiteral(".png"));
}

PdfText::Ink PdfText::inkIn(const QImage &page, const Word &word)
{
    Ink ink;
    for (int y = int(word.yMin); y < int(word.yMax); ++y)
        for (int x = int(word.xMin); x < int(word.xMax); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                ++ink.red;
            else if (c != Qt::white && c.red() < 200)
                ++ink.other;
        }
    return ink;
}
