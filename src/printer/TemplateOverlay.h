#pragma once

#include "PdfTemplate.h"

#include <QImage>
#include <QString>

namespace PdfTemplates {

// What the PDF printer draws on every sheet where the template's page goes, in its place and at
// its size: one small picture, which the PDF writer stores once and every sheet draws, so the
// sheets stream out as fast as without a template.
const QImage &placeholder();

// Turns the placeholder of the finished PDF at `pdf` into the template's page, as vector
// content: the page is added once as a form XObject that takes the placeholder's object number,
// in an update appended to the file, so every sheet that drew the placeholder draws the page and
// nothing else is rewritten (time and memory do not grow with the sheets). On failure the file
// is put back as it was and the reason is returned, else "".
QString overlay(const QString &pdf, const PdfTemplate &page);

} // namespace PdfTemplates
