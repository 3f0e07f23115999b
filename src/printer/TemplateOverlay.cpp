#include "TemplateOverlay.h"
#include "ErrorReason.h"

#include <QCoreApplication>
#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace PdfTemplates {
namespace {

// An odd size and a pattern of its own, so that no other picture on a sheet is taken for it.
constexpr int kWidth = 13, kHeight = 5;

QImage makePlaceholder()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0xFF, 0xFF, 0xFF) : qRgb(0x54, 0x73, 0x72));
    return image;
}

QString systemReason(int error)
{
    return ErrorReason::of(error);
}

std::string number(double value)
{
    return QString::number(value, 'f', 6).toStdString();
}

// The first sheet of the document, down the page tree.
QPDFObjectHandle firstSheet(QPDF &pdf)
{
    QPDFObjectHandle node = pdf.getRoot().getKey("/Pages");
    for (int depth = 0; depth < 64 && node.isDictionary(); ++depth) {
        QPDFObjectHandle kids = node.getKey("/Kids");
        if (!kids.isArray())
            return node;
        if (kids.getArrayNItems() == 0)
            break;
        node = kids.getArrayItem(0);
    }
    throw std::runtime_error(QT_TRANSLATE_NOOP("TemplateOverlay", "el documento no tiene hojas"));
}

// The placeholder's object in the sheets' PDF, found among the first sheet's pictures.
QPDFObjGen placeholderObject(QPDF &sheets)
{
    QPDFObjectHandle pictures = firstSheet(sheets).getKey("/Resources").getKey("/XObject");
    if (pictures.isDictionary()) {
        for (const std::string &name : pictures.getKeys()) {
            QPDFObjectHandle picture = pictures.getKey(name);
            if (!picture.isStream() || !picture.isIndirect())
                continue;
            QPDFObjectHandle dict = picture.getDict();
            if (dict.getKey("/Subtype").isNameAndEquals("/Image") && dict.getKey("/Width").isInteger() &&
                dict.getKey("/Width").getIntValue() == kWidth && dict.getKey("/Height").isInteger() &&
                dict.getKey("/Height").getIntValue() == kHeight)
                return picture.getObjGen();
        }
    }
    throw std::runtime_error(
        QT_TRANSLATE_NOOP("TemplateOverlay", "las hojas no tienen el lugar de la plantilla"));
}

// The design's objects written as an update of the sheets' file, with new object numbers.
class Update
{
public:
    Update(int placeholder, int firstFree) : m_target(placeholder), m_next(firstFree) {}

    // Numbers `form` as the placeholder and every object it reaches from `firstFree` on.
    void collect(QPDFObjectHandle form)
    {
        m_numbers[form.getObjGen()] = m_target;
        m_order.push_back(form);
        walk(form.getDict());
        for (std::size_t i = 1; i < m_order.size(); ++i)
            walk(m_order[i].isStream() ? m_order[i].getDict() : m_order[i], true);
    }

    int size() const { return m_next; }
    const std::vector<QPDFObjectHandle> &objects() const { return m_order; }
    int numberOf(QPDFObjectHandle object) const { return m_numbers.at(object.getObjGen()); }

    // The object as PDF text, references renumbered; `matrix` replaces the form's /Matrix.
    std::string text(QPDFObjectHandle object, const std::string &matrix = {}) const
    {
        if (!object.isStream())
            return direct(object, true);
        QPDFObjectHandle dict = object.getDict().shallowCopy();
        std::shared_ptr<Buffer> raw = object.getRawStreamData();
        dict.replaceKey("/Length", QPDFObjectHandle::newInteger(qint64(raw->getSize())));
        if (!matrix.empty())
            dict.replaceKey("/Matrix", QPDFObjectHandle::parse(matrix));
        std::string out = direct(dict);
        out += "\nstream\n";
        out.append(reinterpret_cast<const char *>(raw->getBuffer()), raw->getSize());
        out += "\nendstream";
        return out;
    }

private:
    // `whole`: what the object holds, rather than the object as a reference.
    void walk(QPDFObjectHandle object, bool whole = false)
    {
        if (object.isIndirect() && !whole) {
            if (m_numbers.emplace(object.getObjGen(), m_next).second) {
                ++m_next;
                m_order.push_back(object);
            }
            return;
        }
        if (object.isArray()) {
            for (int i = 0; i < object.getArrayNItems(); ++i)
                walk(object.getArrayItem(i));
        } else if (object.isDictionary()) {
            for (const std::string &key : object.getKeys())
                if (key != "/Parent") // a way back up to pages the form does not draw
                    walk(object.getKey(key));
        }
    }

    // `whole`: the object itself rather than a reference to it.
    std::string direct(QPDFObjectHandle object, bool whole = false) const
    {
        if (object.isIndirect() && !whole) {
            const auto found = m_numbers.find(object.getObjGen());
            return found == m_numbers.end() ? "null" : std::to_string(found->second) + " 0 R";
        }
        if (object.isArray()) {
            std::string out = "[";
            for (int i = 0; i < object.getArrayNItems(); ++i)
                out += direct(object.getArrayItem(i)) + " ";
            return out + "]";
        }
        if (object.isDictionary()) {
            std::string out = "<<";
            for (const std::string &key : object.getKeys())
                if (key != "/Parent")
                    out += QPDFObjectHandle::newName(key).unparse() + " " + direct(object.getKey(key)) + "\n";
            return out + ">>";
        }
        return object.unparseResolved();
    }

    int m_target = 0;
    int m_next;
    std::map<QPDFObjGen, int> m_numbers;
    std::vector<QPDFObjectHandle> m_order;
};

// Where the last cross-reference section of the file begins, from its last "startxref".
qint64 lastXref(int fd, qint64 size)
{
    char tail[1024] = {};
    const qint64 from = std::max<qint64>(0, size - qint64(sizeof tail) + 1);
    const ssize_t got = ::pread(fd, tail, std::size_t(size - from), from);
    if (got <= 0)
        throw std::runtime_error(
            QT_TRANSLATE_NOOP("TemplateOverlay", "no se puede leer el final del archivo"));
    const QByteArray text(tail, int(got));
    const qsizetype at = text.lastIndexOf("startxref");
    bool ok = false;
    const qint64 offset =
        at < 0 ? -1 : text.mid(at + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || offset <= 0)
        throw std::runtime_error(QT_TRANSLATE_NOOP("TemplateOverlay", "el archivo no termina como un PDF"));
    return offset;
}

void writeAll(int fd, const std::string &text)
{
    const char *data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw std::system_error(written < 0 ? errno : EIO, std::generic_category());
        data += written;
        left -= std::size_t(written);
    }
}

} // namespace

const QImage &placeholder()
{
    static const QImage image = makePlaceholder();
    return image;
}

QString overlay(const QString &pdf, const PdfTemplate &page)
{
    const QByteArray path = QFile::encodeName(pdf);
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    struct stat before = {};
    if (::fstat(fd, &before) != 0) {
        const int error = errno;
        ::close(fd);
        return systemReason(error);
    }
    QString failure;
    try {
        QPDF design;
        design.setSuppressWarnings(true);
        design.processFile(QFile::encodeName(page.file).constData());
        std::vector<QPDFPageObjectHelper> designPages = QPDFPageDocumentHelper(design).getAllPages();
        if (page.page < 1 || std::size_t(page.page) > designPages.size())
            throw std::runtime_error(
                QCoreApplication::translate("TemplateOverlay", "la plantilla no tiene la página %1")
                    .arg(page.page)
                    .toStdString());
        QPDFObjectHandle form = designPages[std::size_t(page.page - 1)].getFormXObjectForPage();
        QPDFObjectHandle bbox = form.getDict().getKey("/BBox");
        if (!bbox.isRectangle())
            throw std::runtime_error(
                QT_TRANSLATE_NOOP("TemplateOverlay", "la página de la plantilla no tiene tamaño"));
        QPDFObjectHandle::Matrix turn = form.getDict().getKey("/Matrix").isMatrix()
                                            ? form.getDict().getKey("/Matrix").getArrayAsMatrix()
                                            : QPDFObjectHandle::Matrix(1, 0, 0, 1, 0, 0);
        const QPDFObjectHandle::Rectangle shown =
            QPDFMatrix(turn).transformRectangle(bbox.getArrayAsRectangle());
        const double w = shown.urx - shown.llx, h = shown.ury - shown.lly;
        if (w <= 0 || h <= 0)
            throw std::runtime_error(
                QT_TRANSLATE_NOOP("TemplateOverlay", "la página de la plantilla no tiene tamaño"));
        // The sheet draws the placeholder over the unit square scaled to the page's place; the
        // form maps its page (turned as shown) onto that square.
        const std::string matrix = "[" + number(turn.a / w) + " " + number(turn.b / h) + " " +
                                   number(turn.c / w) + " " + number(turn.d / h) + " " +
                                   number((turn.e - shown.llx) / w) + " " + number((turn.f - shown.lly) / h) +
                                   "]";

        QPDF sheets;
        sheets.setSuppressWarnings(true);
        sheets.processFile(path.constData()); // reads the cross-references, not the sheets
        const QPDFObjGen target = placeholderObject(sheets);
        if (target.getGen() != 0) // the PDF writer numbers every object with generation 0
            throw std::runtime_error(
                QT_TRANSLATE_NOOP("TemplateOverlay", "el lugar de la plantilla no es del escritor de PDF"));
        QPDFObjectHandle trailer = sheets.getTrailer();
        Update update(target.getObj(), int(trailer.getKey("/Size").getIntValue()));
        update.collect(form);

        const qint64 previous = lastXref(fd, before.st_size);
        if (::lseek(fd, 0, SEEK_END) < 0)
            throw std::system_error(errno, std::generic_category());
        qint64 offset = before.st_size;
        std::map<int, qint64> offsets;
        std::string chunk = "\n";
        for (const QPDFObjectHandle &object : update.objects()) {
            const int n = update.numberOf(object);
            offsets[n] = offset + qint64(chunk.size());
            chunk += std::to_string(n) + " 0 obj\n" +
                     update.text(object, n == target.getObj() ? matrix : std::string()) + "\nendobj\n";
            if (chunk.size() > (1 << 20)) {
                writeAll(fd, chunk);
                offset += qint64(chunk.size());
                chunk.clear();
            }
        }
        const qint64 xref = offset + qint64(chunk.size());
        chunk += "xref\n";
        // Subsections of consecutive numbers: the placeholder's own, then the new ones.
        for (auto it = offsets.begin(); it != offsets.end();) {
            auto end = it;
            int count = 0;
            while (end != offsets.end() && end->first == it->first + count) {
                ++end;
                ++count;
            }
            chunk += std::to_string(it->first) + " " + std::to_string(count) + "\n";
            for (; it != end; ++it) {
                char entry[32];
                std::snprintf(entry, sizeof entry, "%010lld 00000 n\r\n", static_cast<long long>(it->second));
                chunk += entry;
            }
        }
        chunk += "trailer\n<< /Size " + std::to_string(update.size()) + " /Prev " + std::to_string(previous);
        for (const std::string &key : trailer.getKeys())
            if (key != "/Size" && key != "/Prev" && key != "/XRefStm")
                chunk += " " + key + " " + trailer.getKey(key).unparse();
        chunk += " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        writeAll(fd, chunk);
        if (::fsync(fd) != 0)
            throw std::system_error(errno, std::generic_category());
    } catch (const std::system_error &error) {
        failure = systemReason(error.code().value());
    } catch (const std::exception &error) {
        failure = QCoreApplication::translate("TemplateOverlay", error.what()); // ours, or qpdf's own
    }
    // Nothing half-written stays: the file goes back to the sheets as they were.
    if (!failure.isEmpty() && ::ftruncate(fd, before.st_size) != 0)
        failure += QStringLiteral("; ") + systemReason(errno);
    if (::close(fd) != 0 && failure.isEmpty())
        failure = systemReason(errno);
    return failure;
}

} // namespace PdfTemplates
