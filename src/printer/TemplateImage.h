#pragma once

#include "PdfTemplate.h"

#include <QImage>

namespace PdfTemplates {

// The template's page as an image at `dotsPerInch`, for the preview and for printers that take
// the sheets as drawings: rendered by pdftoppm (poppler) once per file version, page and
// resolution, then kept while it is among the last few asked for. A null image with `problem`
// set when it cannot be rendered.
QImage image(const PdfTemplate &page, double dotsPerInch, QString *problem = nullptr);

} // namespace PdfTemplates
