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

// Reads the file with qpdf. A missing file, one that is not a PDF, one that asks for a password
// to open, one too damaged to find its pages again or whose chosen page cannot be read whole (a
// repair there might not be what the designer drew), and a page the file does not have are
// refused. Cross-references that no longer match the file are rebuilt, as viewers do, and a file
// with only an owner password (restrictions, no password to open) is read as viewers read it.
Inspection inspect(const PdfTemplate &pdf);

} // namespace PdfTemplates
