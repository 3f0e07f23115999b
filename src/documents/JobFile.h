#pragma once

#include "DistinctNumberRun.h"
#include "FontSettings.h"
#include "PdfTemplate.h"
#include "ProfileFiles.h"
#include "SameNumberRun.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

// The job document (".trv") and the page record it shares with the last-print memory of the
// settings file: sections, keys, the order they are written in, and what reading makes of them.
// Values are gathered first and written in one replace, so a value that cannot be worked out
// stops the write before anything reaches the file.
namespace JobFile {

inline const QString kSolapa = QStringLiteral("Solapa");
inline const QString kSStab = QStringLiteral("SStab");
inline const QString kFechaYHora = QStringLiteral("Fecha y Hora");
inline const QString kComentario = QStringLiteral("Comentario");
inline const QString kTexto = QStringLiteral("Texto");
inline const QString kOrientacion = QStringLiteral("Orientación");
inline const QString kSentido = QStringLiteral("Sentido");
// Cut-and-stack piles, in page 1's record: "1" on; anything else, missing included, off.
inline const QString kPilas = QStringLiteral("Pilas");
inline const QString kPilasDesde = QStringLiteral("PilasDesde");
inline const QString kPilasHasta = QStringLiteral("PilasHasta");
inline const QString kPilasProfundidad = QStringLiteral("PilasProfundidad");
inline const QString kSeparadores = QStringLiteral("Separadores");
// Receipt-book sets, in each page's record: how many times each sheet is printed; missing is 1.
inline const QString kJuegos = QStringLiteral("Juegos");

// How each position or row prints its number, for index i of the page: "Formato_"+i,
// "Prefijo_"+i, "Sufijo_"+i, "Codigo_"+i (NumberLook.h).
inline const QString kFormato = QStringLiteral("Formato_");
inline const QString kPrefijo = QStringLiteral("Prefijo_");
inline const QString kSufijo = QStringLiteral("Sufijo_");
inline const QString kCodigo = QStringLiteral("Codigo_");
// Written only where a look uses them: "DigitoControl_"+i (CheckDigits::key), "ZonaLibre_"+i
// ("0" without the white box), "CodigoEnColor_"+i ("1" in the text colour), "Modulo_"+i (bar
// width in mm), "CorreccionQR_"+i ("L", "M", "Q", "H").
inline const QString kDigitoControl = QStringLiteral("DigitoControl_");
inline const QString kZonaLibre = QStringLiteral("ZonaLibre_");
inline const QString kCodigoEnColor = QStringLiteral("CodigoEnColor_");
inline const QString kModulo = QStringLiteral("Modulo_");
inline const QString kCorreccionQR = QStringLiteral("CorreccionQR_");

// "Ultima Impresión Solapa:0" or ":1".
QString recordSection(int page);

// ContarCheck: the enable keys of the page (with the position keys on page 0).
QList<ProfileValue> ContarCheck(int page, const SameNumberJob &same, const DistinctNumberJob &distinct);

// UltimaImpresion: the whole record of the page. Throws RuntimeError (type mismatch) when a range
// end is not a number, since "Cantidad" is their difference.
QList<ProfileValue> UltimaImpresion(int page, const SameNumberJob &same, const DistinctNumberJob &distinct);

// Everything a save writes.
struct Saved
{
    int page = 0; // the active page: which record is the job's
    SameNumberJob same;
    DistinctNumberJob distinct;
    FontSettings::Stored font;
    QString fecha;
    QString hora;
    int sentido = 1;                        // printer orientation: 1 portrait, 2 landscape
    std::optional<PdfTemplate> pdfTemplate; // written apart: its path depends on where the file goes
};

// The job-file write, in file order. Throws as UltimaImpresion does.
QList<ProfileValue> jobValues(const Saved &job);

// The date and time of a save, as the system shows them.
QString dateText(const QDate &date);
QString timeText(const QTime &time);

// Page 0's record as read back: texts after the "Vacio" replacements, the disable boxes as
// stored (nullopt: missing or not 0/1, the box is left as it was), and whether the position is
// forced off because its Y is missing.
struct Page0Record
{
    QString desde, hasta;
    struct Position
    {
        std::optional<bool> off;
        QString x, y;
        bool forcedOff = false;
        NumberLook look;
    };
    std::array<Position, 6> positions;
    QString juegos;
    std::optional<int> sstab; // the record's own "sstab"
};

struct Page1Record
{
    struct Row
    {
        QString desde, hasta, x, y;
        std::optional<bool> off;
        NumberLook look;
    };
    std::array<Row, 4> rows;
    DistinctNumberJob::Piles piles; // off, with the default texts, when the file has none
    bool separadores = false;
    QString juegos;
    std::optional<int> sstab;
};

// LeerCheck's reading half. An empty `file` means the settings file.
Page0Record readPage0(const ProfileFiles &profiles, const QString &file);
Page1Record readPage1(const ProfileFiles &profiles, const QString &file);

// "Solapa"/"SStab" of a job file: 0 or 1, nullopt when missing or anything else.
std::optional<int> jobPage(const ProfileFiles &profiles, const QString &file);

// Why `path` (which exists) cannot be opened as a job, in words for the user; empty when it can.
// A job is a readable regular file of reasonable size (a FIFO or a device is refused before it is
// opened), text in windows-1252, UTF-8 or UTF-16 LE with every line readable in it (the message
// names the first line that is not), holding at least one of the job's sections.
QString refusal(const QString &path);

// Largest file taken for a job; the program's own are a few hundred bytes.
constexpr qint64 kMaxJobFileSize = 1024 * 1024;

} // namespace JobFile
