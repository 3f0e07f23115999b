#include "JobFile.h"
#include "ErrorReason.h"

#include "Logging.h"
#include "NumberText.h"
#include "ProfileEncoding.h"
#include "RegularFile.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTime>

#include <functional>

namespace JobFile {
namespace {

QString indexed(const QString &prefix, int i)
{
    return prefix + QString::number(i);
}

QString cantidad(const QString &desde, const QString &hasta)
{
    return NumberText::plainDecimal(NumberText::strictDouble(hasta) - NumberText::strictDouble(desde));
}

QString read(const ProfileFiles &profiles, const QString &section, const QString &key, const QString &file)
{
    QString path = file;
    return profiles.LeerValorIni(section, key, path);
}

QString orDefault(const QString &value, const QString &replacement)
{
    return value == ProfileFiles::Vacio ? replacement : value;
}

// A check box takes a stored 0 or 1; anything else (missing included) leaves it as it was.
std::optional<bool> checkValue(const QString &text)
{
    try {
        switch (NumberText::strictInt16(text)) {
        case 0:
            return false;
        case 1:
            return true;
        default:
            return std::nullopt;
        }
    } catch (const std::exception &e) {
        qCDebug(lcFiles) << "Casilla sin 0 ni 1:" << describeFailure(e);
        return std::nullopt;
    }
}

std::optional<int> pageValue(const QString &text)
{
    try {
        const double page = NumberText::strictDouble(text);
        if (page == 0 || page == 1)
            return int(page);
    } catch (const std::exception &e) {
        qCDebug(lcFiles) << "Página sin número:" << describeFailure(e);
    }
    return std::nullopt;
}

// The look keys of one index: only over older keys for a plain number, so a job that does not
// use them keeps its file as before.
void appendLook(QList<ProfileValue> &values, const QString &section, int i, const NumberLook &look)
{
    const bool onlyIfPresent = look.isDefault();
    values.append({section, indexed(kFormato, i), NumberLook::formatKey(look.format), onlyIfPresent});
    values.append({section, indexed(kPrefijo, i), look.prefix, onlyIfPresent});
    values.append({section, indexed(kSufijo, i), look.suffix, onlyIfPresent});
    values.append({section, indexed(kCodigo, i), look.storedSize(), onlyIfPresent});
    // Each newer key only where it differs from what a file without it means.
    const NumberLook plain;
    const auto append = [&](const QString &key, const QString &value, bool isDefault) {
        values.append({section, indexed(key, i), value, isDefault});
    };
    append(kDigitoControl, CheckDigits::key(look.check), look.check == plain.check);
    append(kZonaLibre, look.quietZone ? QStringLiteral("1") : QStringLiteral("0"),
           look.quietZone == plain.quietZone);
    append(kCodigoEnColor, look.codeInColor ? QStringLiteral("1") : QStringLiteral("0"),
           look.codeInColor == plain.codeInColor);
    append(kModulo, look.storedModule(), look.storedModule().isEmpty());
    append(kCorreccionQR, NumberLook::qrLevelKey(look.qrLevel), look.qrLevel == plain.qrLevel);
}

// The texts around the number are read whole: a save writes them whole, and a cut one would
// print something else than the job says.
NumberLook readLook(const std::function<QString(const QString &)> &value,
                    const std::function<QString(const QString &)> &whole, int i)
{
    const NumberLook defaults;
    NumberLook look;
    look.format = NumberLook::formatFromKey(value(indexed(kFormato, i)));
    look.prefix = orDefault(whole(indexed(kPrefijo, i)), defaults.prefix);
    look.suffix = orDefault(whole(indexed(kSufijo, i)), defaults.suffix);
    look.size = orDefault(value(indexed(kCodigo, i)), defaults.size);
    look.check = CheckDigits::fromKey(value(indexed(kDigitoControl, i)));
    look.quietZone = value(indexed(kZonaLibre, i)).trimmed() != QStringLiteral("0");
    look.codeInColor = value(indexed(kCodigoEnColor, i)).trimmed() == QStringLiteral("1");
    look.module = orDefault(value(indexed(kModulo, i)), defaults.module);
    look.qrLevel = NumberLook::qrLevelFromKey(value(indexed(kCorreccionQR, i)));
    return look;
}

// Why a file is refused, after "No se puede abrir el archivo X:".
QString unreadable(const QString &why)
{
    return QCoreApplication::translate("JobFile", "no se puede leer (%1).").arg(why);
}
QString tooLarge()
{
    return QCoreApplication::translate("JobFile", "es demasiado grande para ser un trabajo de Tessarino.");
}
QString notText()
{
    return QCoreApplication::translate("JobFile", "no es un archivo de texto.");
}

} // namespace

QString recordSection(int page)
{
    return QStringLiteral("Ultima Impresión Solapa:") + QString::number(page);
}

QList<ProfileValue> ContarCheck(int page, const SameNumberJob &same, const DistinctNumberJob &distinct)
{
    const QString section = recordSection(page);
    QList<ProfileValue> values;
    if (page != 0) {
        for (int j = 0; j < DistinctNumberJob::kRows; ++j)
            values.append({section, indexed(QStringLiteral("Check2_"), j),
                           distinct.off[j] ? QStringLiteral("1") : QStringLiteral("0")});
        return values;
    }
    // A position that is off keeps no coordinates.
    for (int i = 0; i < SameNumberJob::kPositions; ++i) {
        const bool off = same.off[i];
        values.append(
            {section, indexed(QStringLiteral("PosX_"), i), off ? QStringLiteral("0") : same.posX[i]});
        values.append(
            {section, indexed(QStringLiteral("PosY_"), i), off ? QStringLiteral("0") : same.posY[i]});
        values.append({section, indexed(QStringLiteral("Check1_"), i),
                       off ? QStringLiteral("1") : QStringLiteral("0")});
    }
    return values;
}

QList<ProfileValue> UltimaImpresion(int page, const SameNumberJob &same, const DistinctNumberJob &distinct)
{
    const QString section = recordSection(page);
    QList<ProfileValue> values;
    if (page != 0) {
        // The enable keys follow every row, so in a new file they land after row 0's keys.
        for (int i = 0; i < DistinctNumberJob::kRows; ++i) {
            values.append({section, indexed(QStringLiteral("Desde_"), i), distinct.desde[i]});
            values.append({section, indexed(QStringLiteral("Hasta_"), i), distinct.hasta[i]});
            values.append({section, indexed(QStringLiteral("PosX_"), i), distinct.posX[i]});
            values.append({section, indexed(QStringLiteral("PosY_"), i), distinct.posY[i]});
            values += ContarCheck(page, same, distinct);
        }
        values.append({section, QStringLiteral("Cantidad"), cantidad(distinct.desde[0], distinct.hasta[0])});
    } else {
        values += ContarCheck(0, same, distinct);
        values.append({section, QStringLiteral("Desde"), same.desde});
        values.append({section, QStringLiteral("Hasta"), same.hasta});
        values.append({section, QStringLiteral("Cantidad"), cantidad(same.desde, same.hasta)});
    }
    // The old program wrote the page as Str() gives it, "sstab= 0": the same bytes, unquoted.
    ProfileValue sstab{section, QStringLiteral("sstab"), u' ' + QString::number(page)};
    sstab.asIs = true;
    values.append(sstab);
    // Keys added after the old format: a job that does not use them writes them only over an
    // older value, so its file stays as the old program wrote it.
    if (page != 0) {
        const auto &piles = distinct.piles;
        const bool onlyIfPresent = !piles.on;
        values.append({section, kPilas, piles.on ? QStringLiteral("1") : QStringLiteral("0"), onlyIfPresent});
        values.append({section, kPilasDesde, piles.desde, onlyIfPresent});
        values.append({section, kPilasHasta, piles.hasta, onlyIfPresent});
        values.append({section, kPilasProfundidad, piles.profundidad, onlyIfPresent});
        values.append({section, kSeparadores,
                       distinct.separadores ? QStringLiteral("1") : QStringLiteral("0"),
                       !distinct.separadores});
        for (int i = 0; i < DistinctNumberJob::kRows; ++i)
            appendLook(values, section, i, distinct.looks[i]);
    } else {
        for (int i = 0; i < SameNumberJob::kPositions; ++i)
            appendLook(values, section, i, same.looks[i]);
    }
    const QString &juegos = page != 0 ? distinct.juegos : same.juegos;
    values.append({section, kJuegos, juegos, juegos.trimmed() == u'1'});
    return values;
}

QList<ProfileValue> jobValues(const Saved &job)
{
    QList<ProfileValue> values = UltimaImpresion(job.page, job.same, job.distinct);
    values.append({FontSettings::kSection, FontSettings::kColor, job.font.color});
    values.append({FontSettings::kSection, FontSettings::kSize, job.font.size});
    values.append({FontSettings::kSection, FontSettings::kName, job.font.name});
    values.append({kFechaYHora, QStringLiteral("Fecha"), job.fecha});
    values.append({kFechaYHora, QStringLiteral("Hora"), job.hora});
    values.append({kOrientacion, kSentido, QString::number(job.sentido)});
    values.append({kSolapa, kSStab, QString::number(job.page)});
    return values;
}

QString dateText(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString timeText(const QTime &time)
{
    // The long format without the time zone it may carry.
    const QLocale locale = QLocale::system();
    QString format;
    bool quoted = false;
    for (QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            format += c;
    }
    return locale.toString(time, format.trimmed());
}

Page0Record readPage0(const ProfileFiles &profiles, const QString &file)
{
    const QString section = recordSection(0);
    const auto value = [&](const QString &key) { return read(profiles, section, key, file); };
    const auto whole = [&](const QString &key) {
        QString path = file;
        return profiles.wholeValue(section, key, path);
    };
    Page0Record record;
    record.desde = orDefault(value(QStringLiteral("Desde")), QStringLiteral("0000"));
    record.hasta = orDefault(value(QStringLiteral("Hasta")), QStringLiteral("0001"));
    for (int i = 0; i < SameNumberJob::kPositions; ++i) {
        auto &p = record.positions[i];
        p.off = checkValue(value(indexed(QStringLiteral("Check1_"), i)));
        p.x = orDefault(value(indexed(QStringLiteral("posX_"), i)), QStringLiteral("0"));
        const QString y = value(indexed(QStringLiteral("posY_"), i));
        // Without its Y a position cannot be placed: it is turned off. A missing X alone is 0.
        p.forcedOff = y == ProfileFiles::Vacio;
        p.y = orDefault(y, QStringLiteral("0"));
        p.look = readLook(value, whole, i);
    }
    record.juegos = orDefault(value(kJuegos), QStringLiteral("1"));
    record.sstab = pageValue(value(QStringLiteral("sstab")));
    return record;
}

Page1Record readPage1(const ProfileFiles &profiles, const QString &file)
{
    const QString section = recordSection(1);
    const auto value = [&](const QString &key) { return read(profiles, section, key, file); };
    const auto whole = [&](const QString &key) {
        QString path = file;
        return profiles.wholeValue(section, key, path);
    };
    Page1Record record;
    for (int i = 0; i < DistinctNumberJob::kRows; ++i) {
        auto &r = record.rows[i];
        r.desde = orDefault(value(indexed(QStringLiteral("Desde_"), i)), QStringLiteral("0000"));
        r.hasta = orDefault(value(indexed(QStringLiteral("Hasta_"), i)), QStringLiteral("0000"));
        r.x = orDefault(value(indexed(QStringLiteral("PosX_"), i)), QStringLiteral("0"));
        r.y = orDefault(value(indexed(QStringLiteral("PosY_"), i)), QStringLiteral("0"));
        r.off = checkValue(value(indexed(QStringLiteral("check2_"), i)));
        r.look = readLook(value, whole, i);
    }
    const DistinctNumberJob::Piles defaults;
    record.piles.on = value(kPilas).trimmed() == u'1';
    record.piles.desde = orDefault(value(kPilasDesde), defaults.desde);
    record.piles.hasta = orDefault(value(kPilasHasta), defaults.hasta);
    record.piles.profundidad = orDefault(value(kPilasProfundidad), defaults.profundidad);
    record.separadores = value(kSeparadores).trimmed() == u'1';
    record.juegos = orDefault(value(kJuegos), QStringLiteral("1"));
    record.sstab = pageValue(value(QStringLiteral("sstab")));
    return record;
}

std::optional<int> jobPage(const ProfileFiles &profiles, const QString &file)
{
    return pageValue(read(profiles, kSolapa, kSStab, file));
}

QString refusal(const QString &path)
{
    // A FIFO, a device or a socket is refused before anything waits on it.
    QFile f;
    if (const QString why = RegularFile::open(f, path); !why.isEmpty())
        return unreadable(why);
    if (f.size() > kMaxJobFileSize)
        return tooLarge();
    const QByteArray bytes = f.read(kMaxJobFileSize + 1);
    if (f.error() != QFileDevice::NoError)
        return unreadable(ErrorReason::of(f));
    if (bytes.size() > kMaxJobFileSize)
        return tooLarge();

    // Only what the profile layer reads can be opened, or a save would write into a file it
    // cannot read: UTF-16 is taken little-endian, whole code units only.
    const ProfileEncoding::Detected detected = ProfileEncoding::detect(bytes);
    if (detected.encoding == ProfileEncoding::Encoding::Utf16) {
        if (bytes.size() % 2 != 0)
            return notText();
    } else if (bytes.contains('\0')) {
        return notText();
    }
    // A line in neither encoding would be read as something else, and a save would keep it so.
    if (const ProfileEncoding::BadLine bad = ProfileEncoding::unreadableLine(bytes); bad.line > 0)
        return bad.mixed ? Texts::text(7001).arg(bad.line) : Texts::text(7000).arg(bad.line);
    const QByteArray body = bytes.mid(detected.start);
    QString text;
    switch (detected.encoding) {
    case ProfileEncoding::Encoding::Utf16:
        text = QStringDecoder(QStringConverter::Utf16LE)(body);
        break;
    case ProfileEncoding::Encoding::Utf8:
        text = QString::fromUtf8(body);
        break;
    case ProfileEncoding::Encoding::Cp1252:
        text = QStringDecoder("windows-1252")(body);
        break;
    }
    const QStringList known{recordSection(0), recordSection(1), kSolapa,    FontSettings::kSection,
                            kOrientacion,     kFechaYHora,      kComentario};
    for (const QString &raw : text.split(QRegularExpression(QStringLiteral("[\r\n]")))) {
        const QString line = raw.trimmed();
        const qsizetype close = line.lastIndexOf(u']');
        if (!line.startsWith(u'[') || close < 1)
            continue;
        const QString name = line.mid(1, close - 1).trimmed();
        for (const QString &section : known)
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                return QString();
    }
    return QCoreApplication::translate("JobFile", "no contiene ningún trabajo de Tessarino.");
}

} // namespace JobFile
