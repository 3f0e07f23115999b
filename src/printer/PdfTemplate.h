#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

// A page of a designer's PDF that every printed sheet carries under the numbers, placed at the
// paper's top-left corner at its own size.
struct PdfTemplate
{
    QString file; // absolute
    int page = 1; // from 1

    bool operator==(const PdfTemplate &) const = default;
};

namespace PdfTemplates {

// What a look at the template's file found: why it cannot be printed (for the user, in the
// interface language), or its page's size in points.
struct Inspection
{
    QString problem;
    QSizeF points;
    int pages = 0; // pages in the file, when it could be read
    // Where the printed part of the page (its trim box) lies in what viewers show (its crop box),
    // in points from the crop box's top-left; empty when they are the same or the page is turned.
    QRectF trimInCrop;

    bool usable() const { return problem.isEmpty(); }
};

// Reads the file with qpdf. A missing file, one that is not a PDF, an encrypted or damaged one
// (nothing is repaired silently: a repair might not be what the designer drew) and a page the
// file does not have are refused.
Inspection inspect(const PdfTemplate &pdf);

} // namespace PdfTemplates
