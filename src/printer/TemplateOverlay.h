#pragma once

#include "PdfTemplate.h"

#include <QString>

namespace PdfTemplates {

// Puts the template's page under every page of the finished PDF at `pdf`: the page is copied in
// once as a form XObject (vector content, never an image) that every page draws before its own
// content, its top-left corner on the page's. The file is replaced only once the new one is
// complete on disk; on failure it stays as it was and the reason is returned, else "".
QString overlay(const QString &pdf, const PdfTemplate &page);

} // namespace PdfTemplates
