#pragma once

#include "PdfTemplate.h"
#include "ProfileFiles.h"

#include <QList>
#include <optional>

// The job's PDF template in its job file: section "Plantilla", keys "Archivo" (relative to the
// job file's folder, with '/', when the template lies in it or below it; absolute otherwise) and
// "Pagina" (from 1). A file without the section has no template.
namespace JobTemplate {

inline const QString kSection = QStringLiteral("Plantilla");
inline const QString kArchivo = QStringLiteral("Archivo");
inline const QString kPagina = QStringLiteral("Pagina");

std::optional<PdfTemplate> read(const ProfileFiles &profiles, const QString &jobFile);

// What a save of the job into `jobFile` writes. Without a template the section goes, so the
// file holds no "Plantilla" at all (and one that never had it keeps its bytes).
QList<ProfileValue> values(const std::optional<PdfTemplate> &page, const QString &jobFile);

} // namespace JobTemplate
