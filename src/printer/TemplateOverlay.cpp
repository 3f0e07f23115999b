#include "TemplateOverlay.h"

#include <QFile>
#include <QFileInfo>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace PdfTemplates {
namespace {

const std::string kName = "/TessarinoPlantilla";

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::string number(double value)
{
    return QString::number(value, 'f', 4).toStdString();
}

// The temporary file beside `target`, removed unless it took the target's place.
class Replacement
{
public:
    explicit Replacement(const QString &target)
        : m_target(QFile::encodeName(target)),
          m_path(QFile::encodeName(QFileInfo(target).absolutePath() + QStringLiteral("/.plantilla-XXXXXX")))
    {
        const int fd = ::mkstemp(m_path.data());
        if (fd < 0) {
            m_error = errno;
            return;
        }
        m_created = true;
        // The new file keeps the permissions the old one was given, not mkstemp's private ones.
        struct stat old = {};
        if (::stat(m_target.constData(), &old) == 0)
            ::fchmod(fd, old.st_mode & 07777);
        m_file = ::fdopen(fd, "wb");
        if (!m_file) {
            m_error = errno;
            ::close(fd);
        }
    }
    ~Replacement()
    {
        if (m_file)
            std::fclose(m_file);
        if (m_created && !m_done)
            ::unlink(m_path.constData());
    }
    Replacement(const Replacement &) = delete;
    Replacement &operator=(const Replacement &) = delete;

    FILE *file() const { return m_file; }
    int error() const { return m_error; }

    // Flushes, syncs and renames over the target; errno's value when that fails, else 0.
    int commit()
    {
        FILE *file = std::exchange(m_file, nullptr);
        int error = 0;
        if (std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0)
            error = errno;
        if (std::fclose(file) != 0 && error == 0)
            error = errno;
        if (error == 0 && std::rename(m_path.constData(), m_target.constData()) != 0)
            error = errno;
        m_done = error == 0;
        return error;
    }

private:
    QByteArray m_target;
    QByteArray m_path;
    FILE *m_file = nullptr;
    int m_error = 0;
    bool m_created = false;
    bool m_done = false;
};

QPDFObjectHandle::Rectangle shownBox(QPDFObjectHandle form)
{
    QPDFObjectHandle bbox = form.getDict().getKey("/BBox");
    if (!bbox.isRectangle())
        throw std::runtime_error("la página de la plantilla no tiene tamaño");
    const QPDFObjectHandle::Rectangle box = bbox.getArrayAsRectangle();
    QPDFObjectHandle matrix = form.getDict().getKey("/Matrix");
    return matrix.isMatrix() ? QPDFMatrix(matrix.getArrayAsMatrix()).transformRectangle(box) : box;
}

} // namespace

QString overlay(const QString &pdf, const PdfTemplate &page)
{
    Replacement replacement(pdf);
    if (!replacement.file())
        return systemReason(replacement.error());
    try {
        QPDF design;
        design.setSuppressWarnings(true);
        design.processFile(QFile::encodeName(page.file).constData());
        std::vector<QPDFPageObjectHelper> designPages = QPDFPageDocumentHelper(design).getAllPages();
        if (page.page < 1 || std::size_t(page.page) > designPages.size())
            return QStringLiteral("la plantilla no tiene la página %1").arg(page.page);

        QPDF sheets;
        sheets.setSuppressWarnings(true);
        sheets.processFile(QFile::encodeName(pdf).constData());
        QPDFObjectHandle form = designPages[std::size_t(page.page - 1)].getFormXObjectForPage();
        const QPDFObjectHandle::Rectangle shown = shownBox(form);
        // Copied once: fonts, images and every other object the design uses are stored one time.
        QPDFObjectHandle placed = sheets.copyForeignObject(form);

        // One small content stream per page size, shared by every page of that size.
        std::map<std::pair<double, double>, QPDFObjectHandle> draws;
        for (QPDFPageObjectHelper &sheet : QPDFPageDocumentHelper(sheets).getAllPages()) {
            const QPDFObjectHandle::Rectangle paper = sheet.getMediaBox().getArrayAsRectangle();
            const std::pair corner{paper.llx - shown.llx, paper.ury - shown.ury};
            auto draw = draws.find(corner);
            if (draw == draws.end()) {
                const std::string content =
                    "q 1 0 0 1 " + number(corner.first) + " " + number(corner.second) + " cm " + kName + " Do Q\n";
                draw = draws.emplace(corner, sheets.newStream(content)).first;
            }
            QPDFObjectHandle resources = sheet.getAttribute("/Resources", true);
            if (!resources.isDictionary()) {
                resources = QPDFObjectHandle::newDictionary();
                sheet.getObjectHandle().replaceKey("/Resources", resources);
            }
            QPDFObjectHandle xobjects = resources.getKey("/XObject");
            if (!xobjects.isDictionary()) {
                xobjects = QPDFObjectHandle::newDictionary();
                resources.replaceKey("/XObject", xobjects);
            }
            xobjects.replaceKey(kName, placed);
            sheet.addPageContents(draw->second, true);
        }

        QPDFWriter writer(sheets);
        // The sheets' streams are copied as they are, not decoded and compressed again.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setOutputFile(QFile::encodeName(pdf).constData(), replacement.file(), false);
        writer.write();
    } catch (const std::exception &error) {
        return QString::fromStdString(error.what());
    }
    if (const int error = replacement.commit(); error != 0)
        return systemReason(error);
    return QString();
}

} // namespace PdfTemplates
