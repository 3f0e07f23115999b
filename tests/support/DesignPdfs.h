#pragma once

#include <QPageSize>
#include <QString>

// Designer PDFs for the template tests, written on the spot.
namespace DesignPdfs {

// Where the design's first page has its title and frame, in points from the page's top-left.
constexpr double kTitleLeft = 100, kTitleTop = 60;

// Two pages: "DISEÑO DE PRUEBA" with a filled black frame below it on page 1, "SEGUNDA HOJA" on
// page 2. Returns the path.
QString write(const QString &path, QPageSize size = QPageSize(QPageSize::A4));
// A page with 9 points of bleed around its trim box and a black 50 x 20 point box at the trim
// box's top-left corner, as a designer sends it to a print shop.
QString withBleed(const QString &path);
// The same design behind a password (`userPassword` empty: restrictions only), through qpdf.
QString encrypted(const QString &design, const QString &path, const QString &userPassword);
// The design cut short, its cross-reference table lost.
QString damaged(const QString &design, const QString &path);
// The design whole, but with every cross-reference pointing a few bytes off (a line added after
// the header by a careless tool): viewers find the objects again.
QString wrongCrossReferences(const QString &design, const QString &path);
QString notPdf(const QString &path);

// Objects of the file whose dictionary says /Subtype `subtype` (qpdf's JSON), or -1.
int countObjects(const QString &pdf, const QString &subtype);

} // namespace DesignPdfs
