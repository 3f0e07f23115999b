#include "TemplateImage.h"

#include "RegularFile.h"

#include <QCache>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QProcess>

namespace PdfTemplates {
namespace {

// A sheet at print resolution is tens of megabytes: only a few are kept.
constexpr int kKeptImages = 3;
constexpr int kRenderMilliseconds = 60000;

QString key(const PdfTemplate &page, double dotsPerInch)
{
    const QFileInfo info(page.file);
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(info.absoluteFilePath())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.size())
        .arg(page.page)
        .arg(dotsPerInch, 0, 'f', 2);
}

QImage render(const PdfTemplate &page, double dotsPerInch, QString &problem)
{
    // pdftoppm would wait on a FIFO until the timeout.
    if (const QString why = RegularFile::refusal(page.file); !why.isEmpty()) {
        problem = why;
        return {};
    }
    QProcess pdftoppm;
    const QString number = QString::number(page.page);
    QStringList arguments{QStringLiteral("-f"),         number,
                          QStringLiteral("-l"),         number,
                          QStringLiteral("-r"),         QString::number(dotsPerInch, 'f', 2),
                          QStringLiteral("-cropbox"),   QStringLiteral("-png"),
                          QStringLiteral("-singlefile")};
    // pdftoppm shows the crop box; the sheet carries the trim box, as the PDF printer places it.
    if (const QRectF trim = inspect(page).trimInCrop; !trim.isEmpty()) {
        const qreal perPoint = dotsPerInch / 72;
        arguments << QStringLiteral("-x") << QString::number(qRound(trim.x() * perPoint))
                  << QStringLiteral("-y") << QString::number(qRound(trim.y() * perPoint))
                  << QStringLiteral("-W") << QString::number(qRound(trim.width() * perPoint))
                  << QStringLiteral("-H") << QString::number(qRound(trim.height() * perPoint));
    }
    // Without an output name the picture comes on standard output.
    pdftoppm.start(QStringLiteral("pdftoppm"), arguments << page.file);
    if (!pdftoppm.waitForStarted()) {
        problem = QCoreApplication::translate("TemplateImage",
                                              "no se encuentra el programa pdftoppm (paquete poppler-utils)");
        return {};
    }
    QByteArray png;
    while (pdftoppm.state() != QProcess::NotRunning) {
        if (!pdftoppm.waitForReadyRead(kRenderMilliseconds) && pdftoppm.state() != QProcess::NotRunning) {
            pdftoppm.kill();
            pdftoppm.waitForFinished();
            problem = QCoreApplication::translate("TemplateImage", "pdftoppm no terminó");
            return {};
        }
        png += pdftoppm.readAllStandardOutput();
    }
    png += pdftoppm.readAllStandardOutput();
    QImage picture;
    if (pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0 ||
        !picture.loadFromData(png, "PNG")) {
        problem = QString::fromLocal8Bit(pdftoppm.readAllStandardError()).trimmed();
        if (problem.isEmpty())
            problem = QCoreApplication::translate("TemplateImage", "pdftoppm no pudo dibujar la página");
        return {};
    }
    picture.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    picture.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    return picture;
}

} // namespace

QImage image(const PdfTemplate &page, double dotsPerInch, QString *problem)
{
    static QCache<QString, QImage> kept(kKeptImages);
    const QString name = key(page, dotsPerInch);
    if (const QImage *found = kept.object(name))
        return *found;
    QString why;
    QImage picture = render(page, dotsPerInch, why);
    if (picture.isNull()) {
        if (problem)
            *problem = why;
        return {};
    }
    kept.insert(name, new QImage(picture));
    return picture;
}

} // namespace PdfTemplates
