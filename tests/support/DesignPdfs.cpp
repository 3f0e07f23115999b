#include "DesignPdfs.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>

namespace DesignPdfs {

QString write(const QString &path, QPageSize size)
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(72); // one unit, one point
    QPainter painter(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    painter.setFont(font);
    painter.drawText(QPointF(kTitleLeft, kTitleTop + 24), QStringLiteral("DISEÑO DE PRUEBA"));
    painter.fillRect(QRectF(kTitleLeft, kTitleTop + 40, 200, 60), Qt::black);
    writer.newPage();
    painter.drawText(QPointF(kTitleLeft, kTitleTop + 24), QStringLiteral("SEGUNDA HOJA"));
    painter.end();
    return path;
}

QString withBleed(const QString &path)
{
    const QByteArray content = "0 0 0 rg 9 829 50 20 re f\n";
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 858] /TrimBox [9 9 603 849] /Resources << >> "
        "/Contents 4 0 R >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "endstream"};
    QByteArray pdf = "%PDF-1.4\n";
    QByteArray xref = "xref\n0 5\n0000000000 65535 f\r\n";
    for (int i = 0; i < objects.size(); ++i) {
        xref += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n\r\n";
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const QByteArray start = QByteArray::number(pdf.size());
    pdf += xref + "trailer\n<< /Size 5 /Root 1 0 R >>\nstartxref\n" + start + "\n%%EOF\n";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(pdf);
    return path;
}

QString encrypted(const QString &design, const QString &path, const QString &userPassword)
{
    QProcess::execute(QStringLiteral("qpdf"),
                      {QStringLiteral("--encrypt"), userPassword, QStringLiteral("dueño"),
                       QStringLiteral("256"), QStringLiteral("--"), design, path});
    return path;
}

QString damaged(const QString &design, const QString &path)
{
    QFile::copy(design, path);
    QFile file(path);
    file.resize(file.size() * 2 / 3);
    return path;
}

QString wrongCrossReferences(const QString &design, const QString &path)
{
    QFile in(design);
    if (!in.open(QIODevice::ReadOnly))
        return path;
    QByteArray bytes = in.readAll();
    bytes.insert(bytes.indexOf('\n') + 1, "% a line no offset counts\n");
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
    return path;
}

QString notPdf(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("Esto es una lista de la compra, no un diseño.\n");
    return path;
}

int countObjects(const QString &pdf, const QString &subtype)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--json=2"), QStringLiteral("--json-key=qpdf"), pdf});
    if (!qpdf.waitForFinished(120000) || qpdf.exitCode() != 0)
        return -1;
    const QJsonArray parts =
        QJsonDocument::fromJson(qpdf.readAllStandardOutput()).object()[u"qpdf"].toArray();
    int count = 0;
    const QJsonObject objects = parts.at(1).toObject();
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        const QJsonObject object = it.value().toObject();
        const QJsonObject dict = object.contains(u"stream") ? object[u"stream"].toObject()[u"dict"].toObject()
                                                            : object[u"value"].toObject();
        if (dict[u"/Subtype"].toString() == subtype)
            ++count;
    }
    return count;
}

} // namespace DesignPdfs
