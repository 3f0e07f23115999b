#include "PdfTemplate.h"
#include "ErrorReason.h"

#include "RegularFile.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <unistd.h>

namespace PdfTemplates {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The page's visible size as it is shown: its trim box with /Rotate and /UserUnit applied.
QSizeF pageSize(QPDFPageObjectHelper page)
{
    QPDFObjectHandle form = page.getFormXObjectForPage();
    QPDFObjectHandle bbox = form.getDict().getKey("/BBox");
    if (!bbox.isRectangle())
        throw std::runtime_error("the page has no size");
    const QPDFObjectHandle::Rectangle box = bbox.getArrayAsRectangle();
    QPDFObjectHandle matrix = form.getDict().getKey("/Matrix");
    const QPDFObjectHandle::Rectangle shown =
        matrix.isMatrix() ? QPDFMatrix(matrix.getArrayAsMatrix()).transformRectangle(box) : box;
    return {std::abs(shown.urx - shown.llx), std::abs(shown.ury - shown.lly)};
}

} // namespace

Inspection inspect(const PdfTemplate &pdf)
{
    Inspection result;
    const QString name = shown(pdf.file);
    if (!QFileInfo::exists(pdf.file)) {
        result.problem = Texts::text(5002).arg(name);
        return result;
    }
    // A FIFO or a device would hang qpdf and pdftoppm: only a regular file is read, and qpdf
    // reads the very file checked here.
    QFile file;
    if (const QString why = RegularFile::open(file, pdf.file); !why.isEmpty()) {
        result.problem = Texts::text(5007).arg(name, why);
        return result;
    }
    // The header may follow a little junk, as readers allow.
    if (!file.read(1024).contains("%PDF-")) {
        result.problem = Texts::text(5003).arg(name);
        return result;
    }
    const int fd = ::dup(file.handle());
    if (fd >= 0)
        (void)::lseek(fd, 0, SEEK_SET);
    FILE *stream = fd < 0 ? nullptr : ::fdopen(fd, "rb");
    file.close();
    if (!stream) {
        if (fd >= 0)
            ::close(fd);
        result.problem = Texts::text(5007).arg(name, ErrorReason::of(errno));
        return result;
    }

    try {
        QPDF qpdf;
        qpdf.setSuppressWarnings(true);
        // A file whose cross-references are wrong (a tool that edited it carelessly) is read as
        // every viewer reads it, by finding its objects again; only what cannot be found is refused.
        qpdf.processFile(QFile::encodeName(pdf.file).constData(), stream, true);
        // A file with only an owner password opens in every viewer without asking: its
        // restrictions are the designer's business, not a reason to refuse it.
        if (qpdf.isEncrypted() && !qpdf.ownerPasswordMatched() && !qpdf.userPasswordMatched()) {
            result.problem = Texts::text(5004).arg(name);
            return result;
        }
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(qpdf).getAllPages();
        result.pages = int(pages.size());
        if (pdf.page < 1 || pdf.page > result.pages) {
            result.problem = Texts::text(5006).arg(name).arg(pdf.page).arg(result.pages);
            return result;
        }
        QPDFPageObjectHelper page = pages[std::size_t(pdf.page - 1)];
        // What repairing the file's structure said is no fault of the page; what reading the page
        // says is.
        qpdf.getWarnings();
        // The page is drawn whole when printed: every object it uses must be readable now.
        for (QPDFObjectHandle &content : page.getPageContents())
            content.getStreamData(qpdf_dl_generalized);
        result.points = pageSize(page);
        QPDFObjectHandle turn = page.getAttribute("/Rotate", false);
        if (!turn.isInteger() || turn.getIntValue() % 360 == 0) {
            const QPDFObjectHandle::Rectangle trim = page.getTrimBox().getArrayAsRectangle();
            const QPDFObjectHandle::Rectangle crop = page.getCropBox().getArrayAsRectangle();
            const QRectF inCrop(trim.llx - crop.llx, crop.ury - trim.ury, trim.urx - trim.llx,
                                trim.ury - trim.lly);
            if (inCrop != QRectF(0, 0, crop.urx - crop.llx, crop.ury - crop.lly))
                result.trimInCrop = inCrop;
        }
        if (qpdf.anyWarnings())
            throw std::runtime_error("warnings");
    } catch (const QPDFExc &error) {
        if (error.getErrorCode() == qpdf_e_password) {
            result.problem = Texts::text(5004).arg(name);
            return result;
        }
        result.problem = Texts::text(5005).arg(name);
    } catch (const std::exception &) {
        result.problem = Texts::text(5005).arg(name);
    }
    return result;
}

} // namespace PdfTemplates
